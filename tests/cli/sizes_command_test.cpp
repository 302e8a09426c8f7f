#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

constexpr const char* kNoListCaption = "該当するリストはございません。";

// `hari sizes` with the words of `line`, on the source tree's tables unless it names others.
Outcome sizes(const std::string& line) {
    std::vector<std::string> args{"--data", HARI_SOURCE_DIR "/data"};
    std::istringstream words(line);
    for (std::string w; words >> w;)
        args.push_back(w);
    std::ostringstream out, err;
    const int status = cli::sizesCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// SS400 φ21.7 × 2.0 by hand: A = π/4 (21.7² − 17.7²) = 1.238 cm²; × 0.785 = 0.97 kg/m,
// × 9.8 = 9.52 N/m; I = π/64 (21.7⁴ − 17.7⁴) = 0.607 cm⁴, Z = I / 1.085 = 0.559 cm³, i = 0.7 cm.
TEST(SizesCommand, OneLinePerSizeInKvATableOrJson) {
    Outcome r = sizes("--material 1 --shape 1 --format kv");
    ASSERT_EQ(r.status, cli::kOk) << r.err;
    EXPECT_NE(("\n" + r.out).find("\nφ21.7×2.0\t1.238\t0.97\t9.52\t0.559\t0.607\t0.7\n"),
              std::string::npos)
        << r.out;
    r = sizes("--material 1 --shape 9");
    EXPECT_EQ(r.out.rfind("鋼材－SS400 - H形通常", 0), 0u) << r.out;
    r = sizes("--material 1 --shape 9 --format json");
    EXPECT_NE(r.out.find("{\"DanmenSize\": \"H-100×100×6×8\",\"Text面積\": \"21.59\""),
              std::string::npos)
        << r.out;
}

TEST(SizesCommand, FailuresAndTheirStatuses) {
    struct Case {
        const char* args;
        int status;
        const char* said;
    };
    for (const Case& c : {Case{"--material 2 --shape 11", cli::kNoResult, kNoListCaption},
                          Case{"--material 4 --shape 9", cli::kNoResult, "has no sizes of shape 9"},
                          Case{"--material 1 --shape 1 --data /nonexistent", cli::kNoResult,
                               "/nonexistent/vbSStype.csv"},
                          Case{"--material 15 --shape 1", cli::kUsage, "--material"},
                          Case{"--material 1 --shape 7", cli::kUsage, "--shape"},
                          Case{"--material 1 --shape 1 --format csv", cli::kUsage, "--format"},
                          Case{"--material 1", cli::kUsage, "--shape"}}) {
        const Outcome r = sizes(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << c.args << ": " << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

} // namespace
