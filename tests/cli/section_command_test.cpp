#include "cli/cli.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Result {
    int status;
    std::string out, err;
};

Result section(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::sectionCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(SectionCommand, KvPrintsTheScreenFieldsOfTheWorkedPipe) {
    const Result r = section({"--shape", "1", "--dims", "60.5,3.2", "--format", "kv"});
    EXPECT_EQ(r.status, cli::kOk) << r.err;
    // Area 576.042 mm², mass 4.522 kg/m, weight 44.315 N/m (see the section tests).
    EXPECT_EQ(r.out, "Text面積=5.76\n"
                     "TextZaijuryou=4.52\n"
                     "TextZaijuryouSI=44.31\n"
                     "Textdi=23.72\n"
                     "Textdz=7.84\n"
                     "TxtD2r=2.03\n"
                     "Texte3=3.03\n"
                     "Texte4=3.03\n"
                     "Labeldsize=φ  60.5× t 3.2\n");
    EXPECT_EQ(r.err, "");
}

TEST(SectionCommand, EqualAngleTakesWidthAndThicknessAndShowsTheNote) {
    // Aluminium 2.7: 3.75 cm² × 0.27 = 1.0125 -> 1.01 kg/m.
    const Result r = section({"--shape", "13", "--dims", "40,5", "--sg", "2.7", "--format", "kv"});
    EXPECT_EQ(r.status, cli::kOk) << r.err;
    EXPECT_NE(r.out.find("TextZaijuryou=1.01\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Labeldsize=L  40× 40× t 5\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("LbBikou=重心は下から 1.2 cm の位置です。\n"), std::string::npos);
}

TEST(SectionCommand, TableAndJson) {
    const Result table = section({"--shape", "17", "--dims", "22"});
    EXPECT_EQ(table.status, cli::kOk);
    EXPECT_NE(table.out.find("断面サイズ      φ  22\n"), std::string::npos) << table.out;
    const Result json = section({"--shape", "17", "--dims", "22", "--format", "json"});
    EXPECT_NE(json.out.find("\"Labeldsize\": \"φ  22\""), std::string::npos) << json.out;
}

TEST(SectionCommand, RefusalsExitWithStatusTwoAndSayWhy) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string says;
    } cases[] = {
        {{"--shape", "1", "--dims", "50,25"}, cli::kNoResult, "パイプの肉厚が半径を超えてます。\n"},
        {{"--shape", "3", "--dims", "60,40,3"},
         cli::kNoResult,
         "角パイプは、縦長タイプです。幅と高さを正しく入力して下さい。\n"},
        {{"--shape", "1", "--dims", "50"}, cli::kNoResult, "t (厚みｔ(mm)) is missing"},
        {{"--shape", "1"}, cli::kNoResult, "D (直径φ(mm)) is missing"},
        {{"--shape", "25", "--dims", "60,100,200,,6,12"},
         cli::kNoResult,
         "a (厚み ａ(mm)) is missing"},
        {{"--shape", "1", "--dims", "50,-3"}, cli::kNoResult, "t (厚みｔ(mm)) must be positive"},
        {{"--shape", "23", "--dims", "100,50,0,6"},
         cli::kNoResult,
         "t (厚み ｔ(mm)) must be positive"},
        {{"--shape", "1", "--dims", "abc,3"}, cli::kNoResult, "D (直径φ(mm)) must be positive"},
        {{"--shape", "18", "--dims", "1e100"}, cli::kNoResult, "beyond the range"},
        {{"--shape", "9", "--dims", "100,50"}, cli::kNoResult, "not computed"},
        {{"--shape", "1", "--dims", "50,3,1"}, cli::kUsage, "takes 2 dimensions: D t"},
        {{"--shape", "x1", "--dims", "50,3"}, cli::kUsage, "--shape"},
        {{"--dims", "50,3"}, cli::kUsage, "--shape"},
        {{"--shape", "1", "--dims", "50,3", "--sg", "0"}, cli::kUsage, "--sg"},
        {{"--shape", "1", "--dims", "50,3", "--format", "xml"}, cli::kUsage, "--format"},
        {{"--shape", "1", "--depth", "3"}, cli::kUsage, "unknown option"},
    };
    for (const auto& c : cases) {
        const Result r = section(c.args);
        EXPECT_EQ(r.status, c.status) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.says;
    }
}

TEST(SectionCommand, TooSmallSectionShowsZerosAndSaysSo) {
    const Result r = section({"--shape", "18", "--dims", "2", "--format", "kv"});
    EXPECT_EQ(r.status, cli::kOk);
    EXPECT_NE(r.out.find("Textdi=0\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("too small"), std::string::npos);
}

TEST(SectionCommand, TheBuiltProgramRunsIt) {
    const std::string command =
        HARI_BINARY_DIR "/bin/hari section --shape 1 --dims 50,25 --format kv 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe))
        text += buf;
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), cli::kNoResult);
    EXPECT_EQ(text, "パイプの肉厚が半径を超えてます。\n");
}

} // namespace
