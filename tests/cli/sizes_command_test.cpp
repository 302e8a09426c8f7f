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

// One tab-separated line per size, worked by hand:
//   SS400 φ21.7 x 2.0: A = pi/4 (21.7^2 - 17.7^2) = 123.8 mm2 = 1.238 cm2; mass
//   1.238 * 7.85 / 10 = 0.97183 -> 0.97 kg/m, weight * 9.8 = 9.52393 -> 9.52 N/m;
//   I = pi/64 (21.7^4 - 17.7^4) = 6066 mm4 = 0.607 cm4, Z = I / 10.85 = 0.559 cm3,
//   i = sqrt(I / A) = 7.00 mm = 0.7 cm.
//   杉 (sg 0.38) 105 x 240 lying: A = 252 cm2; mass 252 * 0.38 / 10 = 9.576 -> 9.58 kg/m,
//   weight 93.8448 -> 93.84 N/m; Z = 24.0 * 10.5^2 / 6 = 441 cm3,
//   I = 24.0 * 10.5^3 / 12 = 2315.25 -> 2320 cm4, i = 10.5 / sqrt 12 = 3.03 cm.
TEST(SizesCommand, KvPrintsOneTabSeparatedLinePerSize) {
    struct Case {
        const char *args, *line;
    };
    for (const Case& c :
         {Case{"--material 1 --shape 1", "φ21.7×2.0\t1.238\t0.97\t9.52\t0.559\t0.607\t0.7"},
          Case{"--material 11 --shape 20", "105×240\t252\t9.58\t93.84\t441\t2320\t3.03"}}) {
        const Outcome r = sizes(std::string(c.args) + " --format kv");
        ASSERT_EQ(r.status, cli::kOk) << r.err;
        EXPECT_NE(("\n" + r.out).find("\n" + std::string(c.line) + "\n"), std::string::npos)
            << r.out;
    }
}

TEST(SizesCommand, TableAndJsonName) {
    Outcome r = sizes("--material 1 --shape 9");
    ASSERT_EQ(r.status, cli::kOk);
    EXPECT_EQ(r.out.rfind("鋼材－SS400 - H形通常", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("DanmenSize"), std::string::npos);
    r = sizes("--material 1 --shape 9 --format json");
    ASSERT_EQ(r.status, cli::kOk);
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
                          Case{"--material 1 --shape 99", cli::kNoResult, kNoListCaption},
                          Case{"--material 4 --shape 9", cli::kNoResult, "has no sizes of shape 9"},
                          Case{"--material 1 --shape 1 --data /nonexistent", cli::kNoResult,
                               "/nonexistent/vbSStype.csv"},
                          Case{"--material 15 --shape 1", cli::kUsage, "--material"},
                          Case{"--material x --shape 1", cli::kUsage, "--material"},
                          Case{"--material 1 --shape 7", cli::kUsage, "--shape"},
                          Case{"--material 1 --shape 1 --format csv", cli::kUsage, "--format"},
                          Case{"--material 1", cli::kUsage, "--shape"}}) {
        const Outcome r = sizes(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << c.args << ": " << r.err;
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
