// `--save` and `hari open`: a saved check prints what the command that saved it printed.
#include "cli/cli.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

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
                "--z 75.6 --i 378 --e 205000 --mass 16.95 --allow 157 --format kv "
                "--save " +
                file + " --material 1 --area 21.59 --radius 4.18";
            SCOPED_TRACE(line);
            const Printed saved = run(cli::beamCommand, line);
            ASSERT_EQ(saved.status, cli::kOk) << saved.err;
            const Printed opened = run(cli::openCommand, file + " --format kv");
            ASSERT_EQ(opened.status, cli::kOk) << opened.err;
            EXPECT_EQ(opened.out, saved.out);
        }
    // By hand: 1000 N at L1 = 500 of a 2000 mm simple beam, M = P L1 L2 / L = 375 N·m.
    ASSERT_EQ(run(cli::beamCommand, "--structure 3 --case 2 --load 1000 --span 2000 --l1 500 "
                                    "--z 75.6 --i 378 --e 205000 --mass 16.95 --allow 157 "
                                    "--save " +
                                        file + " --material 1 --area 21.59 --radius 4.18")
                  .status,
              cli::kOk);
    const Printed table = run(cli::openCommand, file);
    EXPECT_NE(table.out.find("荷重条件                 L1 位置の集中荷重"), std::string::npos);
    EXPECT_NE(run(cli::openCommand, file + " --format json").out.find("\"Textkajumo\": \"375\""),
              std::string::npos);
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
    const fs::path bad = kFolder / "bad.hari";
    { std::ofstream(bad) << "{\"format\": \"hari-check\", \"version\": 9}"; }
    const struct {
        cli::Command command;
        std::string line;
        int status;
        const char* err;
    } rows[] = {
        {cli::openCommand, bad.string(), cli::kNoResult,
         "hari open: 「bad.hari」を開けません。新しい版"},
        {cli::openCommand, "", cli::kUsage, "which file?"},
        {cli::openCommand, bad.string() + " --format xml", cli::kUsage, "--format"},
        {cli::beamCommand,
         "--structure 1 --case 1 --load 1 --span 1 --z 1 --i 1 --e 1 --mass 1 --allow 1 --save "
         "x.hari",
         cli::kUsage, "--save needs --material"},
        {cli::beamCommand,
         "--structure 1 --case 1 --load 1 --span 1 --z 1 --i 1 --e 1 --mass 1 --allow 1 --save "
         "x.hari --material 1 --area 0 --radius 1",
         cli::kUsage, "--save needs a positive --area"},
        {cli::sectionCommand, "--shape 1 --dims 60,3 --save x.hari", cli::kUsage,
         "needs --material"},
        {cli::sectionCommand, "--shape 1 --dims 60,3 --material 15", cli::kUsage, "1 to 14"},
        {cli::sectionCommand,
         "--shape 1 --dims 60,3 --material 1 --save " + (kFolder / "no" / "s.hari").string(),
         cli::kNoResult, "「s.hari」に保存できませんでした。フォルダがありません。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        const Printed r = run(row.command, row.line);
        EXPECT_EQ(r.status, row.status);
        EXPECT_NE(r.err.find(row.err), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    fs::remove_all(kFolder);
}

} // namespace
