#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome sizes(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::sizesCommand(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string kData = std::string(HARI_SOURCE_DIR) + "/data";

// φ21.7 x 2.0 by hand: A = pi/4 (21.7^2 - 17.7^2) = 123.8 mm2 = 1.238 cm2;
// mass 1.238 * 7.85 * 100 / 1000 = 0.97183 -> 0.97; weight * 9.8 = 9.52393 -> 9.52.
TEST(SizesCommand, KvPrintsOneTabSeparatedLinePerSize) {
    const Outcome r = sizes({"--material", "1", "--shape", "1", "--format", "kv", "--data", kData});
    ASSERT_EQ(r.status, cli::kOk) << r.err;
    const std::string first = r.out.substr(0, r.out.find('\n'));
    EXPECT_EQ(first, "φ21.7×2.0\t1.238\t0.97\t9.52\t0.559\t0.607\t0.7");
}

// Sugi (specific gravity 0.38) 105 x 240 lying: A = 252 cm2; mass 252 * 0.38 / 10 = 9.576
// -> 9.58 kg/m, weight 93.8448 -> 93.84 N/m; I = 24.0 * 10.5^3 / 12 = 2315.25 -> 2320 cm4.
TEST(SizesCommand, WoodUsesTheMaterialsSpecificGravity) {
    const Outcome r =
        sizes({"--material", "11", "--shape", "20", "--format", "kv", "--data", kData});
    ASSERT_EQ(r.status, cli::kOk) << r.err;
    EXPECT_NE(r.out.find("105×240\t252\t9.58\t93.84\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\t2320\t"), std::string::npos) << r.out;
}

TEST(SizesCommand, TableAndJsonName) {
    Outcome r = sizes({"--material", "1", "--shape", "9", "--data", kData});
    ASSERT_EQ(r.status, cli::kOk);
    EXPECT_EQ(r.out.rfind("鋼材－SS400 - H形通常", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("DanmenSize"), std::string::npos);
    r = sizes({"--material", "1", "--shape", "9", "--format", "json", "--data", kData});
    ASSERT_EQ(r.status, cli::kOk);
    EXPECT_NE(r.out.find("{\"DanmenSize\": \"H-100×100×6×8\",\"Text面積\": \"21.59\""),
              std::string::npos)
        << r.out.substr(0, 300);
}

TEST(SizesCommand, FailuresAndTheirStatuses) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* said;
    };
    const Case cases[] = {
        {{"--material", "2", "--shape", "11", "--data", kData},
         cli::kNoResult,
         "該当するリストはございません。"},
        {{"--material", "1", "--shape", "99", "--data", kData},
         cli::kNoResult,
         "該当するリストはございません。"},
        {{"--material", "4", "--shape", "9", "--data", kData},
         cli::kNoResult,
         "has no sizes of shape 9"},
        {{"--material", "1", "--shape", "1", "--data", "/nonexistent"},
         cli::kNoResult,
         "/nonexistent/vbSStype.csv"},
        {{"--material", "15", "--shape", "1"}, cli::kUsage, "--material"},
        {{"--material", "x", "--shape", "1"}, cli::kUsage, "--material"},
        {{"--material", "1", "--shape", "7"}, cli::kUsage, "--shape"},
        {{"--material", "1", "--shape", "1", "--format", "csv"}, cli::kUsage, "--format"},
        {{"--material", "1"}, cli::kUsage, "--shape"},
    };
    for (const Case& c : cases) {
        const Outcome r = sizes(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << " " << c.args.back();
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

// The built program, started from a folder without tables, finds the copy beside it.
TEST(SizesCommand, ProgramFindsItsTablesFromAnyFolder) {
    const std::string command = "cd / && " HARI_BINARY_DIR "/bin/hari sizes --material 3 "
                                "--shape 13 --format kv";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(out.rfind("L-15×15×1.5\t", 0), 0u) << out;
}

} // namespace
