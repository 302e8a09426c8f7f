// The command line: its options and output, and `hari beam`, `section`, `sizes`, `choose` and
// `open`: exit status and a part of standard output and of standard error; a saved check prints
// what the command that saved it printed. Whole worked outputs are the guide's examples, run by
// the guide_examples test.
#include "cli/args.hpp"
#include "cli/cli.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Printed {
    int status;
    std::string out, err;
};

Printed run(cli::Command command, const std::string& line) {
    std::istringstream words(line);
    const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    std::ostringstream out, err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

struct Row {
    std::string args;
    int status;
    const char *out, *err;
};

void check(cli::Command command, std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args);
        const Printed r = run(command, row.args);
        EXPECT_EQ(r.status, row.status);
        EXPECT_NE(r.out.find(row.out), std::string::npos) << r.out;
        EXPECT_NE(r.err.find(row.err), std::string::npos) << r.err;
        EXPECT_EQ(r.out.empty(), row.status != cli::kOk && row.status != cli::kNoneFits);
    }
}

// An option without its value and a word that is no option are refused. (Values, a negative
// one among them, flags and unknown options are the commands' rows.)
TEST(CliOptions, AnOptionWithoutItsValueAndAStrayWordAreRefused) {
    EXPECT_FALSE(cli::Options(std::vector<std::string>{"--span"}, {"span"}, {}).ok());
    EXPECT_FALSE(cli::Options(std::vector<std::string>{"3000"}, {"span"}, {}).ok());
}

// (That a full-width label takes two columns of the table is the guide's examples'.)
TEST(CliOutput, JsonEscapes) {
    std::ostringstream json;
    cli::writeJsonObject(json, {{"a\"b", "x\\y\n"}}, "");
    EXPECT_EQ(json.str(), R"({"a\"b": "x\\y\n"})");
}

// (That no command at all opens the window is the end-to-end walk's.)
TEST(CliRun, AToolkitOptionOpensTheWindowAndUnknownCommandIsAUsageError) {
    std::ostringstream out, err;
    char prog[] = "hari", bogus[] = "bogus", platform[] = "-platform";
    char* qtOption[] = {prog, platform};
    EXPECT_FALSE(cli::run(2, qtOption, out, err).has_value());
    char* unknown[] = {prog, bogus};
    EXPECT_EQ(cli::run(2, unknown, out, err), cli::kUsage);
    EXPECT_NE(err.str().find("unknown command"), std::string::npos);
}

// Through the built program: a refused section exits with 2 and says why. (That the program
// finds its tables relative to itself is the package test's, run from an unrelated folder.)
TEST(CliRun, TheBuiltProgramExitsWithTheCommandsStatus) {
    const auto shell = [](const std::string& command, std::string& out) {
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        return WEXITSTATUS(pclose(pipe));
    };
    std::string out;
    EXPECT_EQ(shell(HARI_BINARY_DIR "/bin/hari section --shape 1 --dims 50,25 2>&1", out),
              cli::kNoResult);
    EXPECT_EQ(out, "パイプの肉厚が半径を超えてます。\n");
}

constexpr const char* kBeamUsage = "usage: hari beam";

// A cantilever with 1000 N at the tip of 1000 mm, Z 10 cm³; later options win.
TEST(BeamCommand, ExitStatusesAndMessages) {
    const std::string b = "--structure 1 --case 1 --load 1000 --span 1000 --z 10 --i 100 "
                          "--e 205000 --mass 10 --allow 160 --format kv ";
    const auto u = [&](const char* extra) { return Row{b + extra, cli::kUsage, "", kBeamUsage}; };
    check(cli::beamCommand,
          {{b + "--unit kN", cli::kOk, "Textkajumo=1000000\n", ""}, // 1000 kN × 1 m
           {b + "--unit kg", cli::kOk, "Textkaju=9800\n", ""},      // 1000 × 9.8
           // 1000 N/m over 2000 mm: M = 1 N/mm × 2000² / 2 (the total 1000 N would give half).
           {b + "--case 2 --per-metre --span 2000", cli::kOk, "Textkajumo=2000\n", ""},
           {b + "--format json", cli::kOk, "\"TextmagetOld\": \"1070.4\"", ""}, // 104.9 × 100 / 9.8
           // 1000 N at L1 = 500 of a 2000 mm simple beam, M = P L1 L2 / L = 375 N·m.
           {b + "--structure 3 --case 2 --span 2000 --l1 500", cli::kOk, "Textkajumo=375\n", ""},
           {b + "--structure 3 --case 2 --l1 500 --format table", cli::kOk,
            "荷重条件                 L1 位置の集中荷重\n", ""},
           {b + "--z 0", cli::kNoResult, "", "hari beam: 断面係数 (Z) が正しくありません。\n"},
           {b + "--load -5 --span -1000", cli::kNoResult, "", "the load must be a positive"},
           // No such structure, case, unit or format; a point load per metre; L1 where the case
           // has none, or missing where it needs one; an unknown option; most options missing.
           // clang-format off
           u("--structure 6"), u("--case x"), u("--unit lb"), u("--format xml"), u("--per-metre"),
           u("--l1 300"), u("--case 3"), u("--bogus 1"),
           // clang-format on
           {"--structure 1", cli::kUsage, "", kBeamUsage},
           {b + "--save x.hari", cli::kUsage, "", "--save needs --material"},
           {b + "--save x.hari --material 1 --area 0 --radius 1", cli::kUsage, "",
            "--save needs a positive --area"},
           {"--help", cli::kOk, kBeamUsage, ""}});
}

// Aluminium 2.7: 3.75 cm² × 0.27 = 1.0125 kg/m. A 2 mm square bar has I = 2⁴ / 12 mm⁴ =
// 0.00013 cm⁴: zeros, and a word on standard error.
TEST(SectionCommand, ExitStatusesAndMessages) {
    check(cli::sectionCommand,
          {{"--shape 13 --dims 40,5 --sg 2.7 --format kv", cli::kOk, "TextZaijuryou=1.01\n", ""},
           {"--shape 18 --dims 2 --format kv", cli::kOk, "Textdi=0\n", "too small"},
           {"--shape 17 --dims 22 --format json", cli::kOk, "\"Labeldsize\": \"φ  22\"", ""},
           {"--shape 25 --dims 60,100,200,,6,12", cli::kNoResult, "", "a (厚み ａ(mm)) is missing"},
           {"--shape 1 --dims abc,3", cli::kNoResult, "", "D (直径φ(mm)) must be positive"},
           {"--shape 18 --dims 1e100", cli::kNoResult, "", "beyond the range"},
           {"--shape 9 --dims 100,50", cli::kNoResult, "", "not computed"},
           {"--shape 1 --dims 50,3,1", cli::kUsage, "", "takes 2 dimensions: D t"},
           {"--shape x1 --dims 50,3", cli::kUsage, "", "--shape"},
           {"--shape 1 --dims 50,3 --sg 0", cli::kUsage, "", "--sg"},
           {"--shape 1 --dims 50,3 --format xml", cli::kUsage, "", "--format"},
           {"--shape 1 --depth 3", cli::kUsage, "", "unknown option"},
           {"--shape 1 --dims 60,3 --save x.hari", cli::kUsage, "", "needs --material"},
           {"--shape 1 --dims 60,3 --material 15", cli::kUsage, "", "1 to 14"},
           {"--shape 1 --dims 60,3 --material 1 --save /nonexistent/s.hari", cli::kNoResult, "",
            "「s.hari」に保存できませんでした。フォルダがありません。"}});
}

// SS400 φ21.7 × 2.0 by hand: A = π/4 (21.7² − 17.7²) = 1.238 cm²; × 0.785 = 0.97 kg/m,
// × 9.8 = 9.52 N/m; I = π/64 (21.7⁴ − 17.7⁴) = 0.607 cm⁴, Z = I / 1.085 = 0.559, i = 0.7 cm.
TEST(SizesCommand, ExitStatusesAndMessages) {
    const std::string d = "--data " HARI_SOURCE_DIR "/data ";
    check(cli::sizesCommand,
          {{d + "--material 1 --shape 1 --format kv", cli::kOk,
            "φ21.7×2.0\t1.238\t0.97\t9.52\t0.559\t0.607\t0.7\n", ""},
           {d + "--material 1 --shape 9 --format json", cli::kOk,
            "{\"DanmenSize\": \"H-100×100×6×8\",\"Text面積\": \"21.59\"", ""},
           {d + "--material 2 --shape 11", cli::kNoResult, "", "該当するリストはございません。"},
           {d + "--material 4 --shape 9", cli::kNoResult, "", "has no sizes of shape 9"},
           {d + "--material 1 --shape 1 --data /nonexistent", cli::kNoResult, "",
            "/nonexistent/vbSStype.csv"},
           {d + "--material 15 --shape 1", cli::kUsage, "", "--material"},
           {d + "--material 1 --shape 7", cli::kUsage, "", "--shape"},
           {d + "--material 1 --shape 1 --format csv", cli::kUsage, "", "--format"},
           {d + "--material 1", cli::kUsage, "", "--shape"}});
}

// SS400 H sections, cantilever, 7500 N at the tip of 2000 mm: M = 15000 N·m. H-198×99×4.5×7
// (JIS: A 22.69, I 1540, Z 156; 17.81 kg/m): 15000/156 = 96.15, self weight 2000 x 17.81 x
// 9.8/1000 = 349.1 N and 349.1 N·m, 2.24: 98.4 N/mm², 98.4/157 = 62.7 %; δ = P L³/(3EI) = 6.335
// + W L³/(8EI) = 0.111: 6.4 mm, 2000/6.446 = 1/310. At short term H-125×60×6×8 (A 16.69,
// Z 65.5; 13.10 kg/m) passes: 15000/65.5 = 229.0 + 256.8/65.5 = 3.92: 232.9, 148.3 % <= 150 %.
TEST(ChooseCommand, ExitStatusesAndRows) {
    const std::string d = "--data " HARI_SOURCE_DIR "/data --structure 1 --case 1 --span 2000 "
                          "--material 1 --shape 9 --format kv ";
    const auto u = [&](const char* extra) {
        return Row{d + "--load 7500 " + extra, cli::kUsage, "", "usage: hari choose"};
    };
    check(cli::chooseCommand,
          {{d + "--load 7500", cli::kOk,
            "9\tH-198×99×4.5×7\t17.81\t98.4\t62.7 %\t6.4\t1/310\t曲げ応力 長期 OK\n", ""},
           {d + "--load 7500 --term short", cli::kOk, "lightest=H-125×60×6×8\n", ""},
           // 1/310 is worse than 1/320: "たわみ NG", and a heavier size is the lightest.
           {d + "--load 7500 --deflection 320", cli::kOk, "1/310\tたわみ NG\n", ""},
           {d + "--load 7500 --format json", cli::kOk, "\"lightest\": \"H-198×99×4.5×7\"}", ""},
           // 7500 kN: nothing carries it.
           {d + "--load 7500 --unit kN", cli::kNoneFits, "\nlightest=\n", ""},
           {d + "--load 0", cli::kNoResult, "", "the load must be a positive number"},
           {d + "--load 7500 --material 4", cli::kNoResult, "", "該当するリストはございません。"},
           {d + "--load 7500 --data /nonexistent", cli::kNoResult, "", "/nonexistent/vbSStype.csv"},
           // clang-format off
           u("--material 15"), u("--shape 7"), u("--term mid"), u("--deflection 0"),
           u("--format xml"),
           // clang-format on
           {"--help", cli::kOk, "usage: hari choose", ""}});
}

// One folder per process: two test runs at once (ctest -j, two checkouts) must not share it.
const fs::path kFolder =
    fs::temp_directory_path() / ("hari_open_command_test_" + std::to_string(::getpid()));

TEST(OpenCommand, ASavedCheckPrintsWhatItsCommandPrinted) {
    fs::create_directories(kFolder);
    const std::string file = (kFolder / "beam.hari").string();
    for (int structure = 1; structure <= 5; ++structure)
        for (int loadCase = 1; loadCase <= 3; ++loadCase) {
            const bool cantilever = structure <= 2;
            const bool withL1 = cantilever ? loadCase == 3 : loadCase == 2;
            const bool uniform = cantilever ? loadCase != 1 : loadCase == 3;
            const std::string line =
                "--structure " + std::to_string(structure) + " --case " + std::to_string(loadCase) +
                " --load 2.5 --unit kN --span 1800 " + (withL1 ? "--l1 600 " : "") +
                (uniform ? "--per-metre " : "") +
                "--z 75.6 --i 378 --e 205000 --mass 16.95 --allow 157 --save " + file +
                " --material 1 --area 21.59 --radius 4.18";
            for (const char* format : {" --format kv", "", " --format json"}) {
                SCOPED_TRACE(line + format);
                const Printed saved = run(cli::beamCommand, line + format);
                ASSERT_EQ(saved.status, cli::kOk) << saved.err;
                const Printed opened = run(cli::openCommand, file + format);
                ASSERT_EQ(opened.status, cli::kOk) << opened.err;
                EXPECT_EQ(opened.out, saved.out);
            }
        }
    // Aluminium (sg 2.7), φ60.5 × 3.2: A = π/4 (60.5² − 54.1²) = 5.76 cm², 1.56 kg/m.
    const Printed saved = run(cli::sectionCommand,
                              "--shape 1 --dims 60.5,3.2 --material 3 --format kv --save " + file);
    ASSERT_EQ(saved.status, cli::kOk) << saved.err;
    EXPECT_NE(saved.out.find("Text面積=5.76\nTextZaijuryou=1.56\n"), std::string::npos);
    const Printed opened = run(cli::openCommand, file + " --format kv");
    EXPECT_EQ(opened.status, cli::kOk);
    EXPECT_EQ(opened.out, saved.out);
}

TEST(OpenCommand, RefusalsAndUsage) {
    fs::create_directories(kFolder);
    const std::string bad = (kFolder / "bad.hari").string();
    { std::ofstream(bad) << "{\"format\": \"hari-check\", \"version\": 9}"; }
    check(cli::openCommand,
          {{bad, cli::kNoResult, "", "hari open: 「bad.hari」を開けません。新しい版"},
           {"", cli::kUsage, "", "which file?"},
           {bad + " --format xml", cli::kUsage, "", "--format"}});
    fs::remove_all(kFolder);
}

} // namespace
