#include "cli/cli.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result {
    int status;
    std::string out, err;
};

// `hari section` with its arguments written as on the command line.
Result section(const std::string& line) {
    std::istringstream words(line);
    const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    std::ostringstream out, err;
    const int status = cli::sectionCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(SectionCommand, KvPrintsTheScreenFieldsOfTheWorkedPipe) {
    // By hand: A = π/4 (60.5² − 54.1²) = 576.04 mm²; × 0.785 = 4.522 kg/m, × 9.8 = 44.315 N/m;
    // I = π/64 (60.5⁴ − 54.1⁴) = 237 152 mm⁴; Z = I / 30.25; i = √(60.5² + 54.1²) / 4 = 20.29.
    const Result r = section("--shape 1 --dims 60.5,3.2 --format kv");
    EXPECT_EQ(r.status, cli::kOk) << r.err;
    EXPECT_EQ(r.out, "Text面積=5.76\nTextZaijuryou=4.52\nTextZaijuryouSI=44.31\nTextdi=23.72\n"
                     "Textdz=7.84\nTxtD2r=2.03\nTexte3=3.03\nTexte4=3.03\n"
                     "Labeldsize=φ  60.5× t 3.2\n");
    EXPECT_EQ(r.err, "");
}

// Aluminium 2.7: 3.75 cm² × 0.27 = 1.0125 -> 1.01 kg/m. A 2 mm square bar has I = 2⁴ / 12 mm⁴
// = 0.00013 cm⁴: zeros, and a word on standard error.
TEST(SectionCommand, SpecificGravityTooSmallAndJson) {
    const Result r = section("--shape 13 --dims 40,5 --sg 2.7 --format kv");
    EXPECT_NE(r.out.find("TextZaijuryou=1.01\n"), std::string::npos) << r.out;
    const Result small = section("--shape 18 --dims 2 --format kv");
    EXPECT_EQ(small.status, cli::kOk);
    EXPECT_NE(small.out.find("Textdi=0\n"), std::string::npos) << small.out;
    EXPECT_NE(small.err.find("too small"), std::string::npos);
    EXPECT_NE(section("--shape 17 --dims 22 --format json").out.find("\"Labeldsize\": \"φ  22\""),
              std::string::npos);
}

TEST(SectionCommand, RefusalsExitWithStatusTwoAndSayWhy) {
    const struct {
        const char* args;
        int status;
        std::string says;
    } cases[] = {
        {"--shape 1 --dims 50,25", cli::kNoResult, "パイプの肉厚が半径を超えてます。\n"},
        {"--shape 25 --dims 60,100,200,,6,12", cli::kNoResult, "a (厚み ａ(mm)) is missing"},
        {"--shape 1 --dims abc,3", cli::kNoResult, "D (直径φ(mm)) must be positive"},
        {"--shape 18 --dims 1e100", cli::kNoResult, "beyond the range"},
        {"--shape 9 --dims 100,50", cli::kNoResult, "not computed"},
        {"--shape 1 --dims 50,3,1", cli::kUsage, "takes 2 dimensions: D t"},
        {"--shape x1 --dims 50,3", cli::kUsage, "--shape"},
        {"--shape 1 --dims 50,3 --sg 0", cli::kUsage, "--sg"},
        {"--shape 1 --dims 50,3 --format xml", cli::kUsage, "--format"},
        {"--shape 1 --depth 3", cli::kUsage, "unknown option"},
    };
    for (const auto& c : cases) {
        const Result r = section(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.args;
    }
}

} // namespace
