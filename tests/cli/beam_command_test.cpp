#include "cli/cli.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Ran {
    int status;
    std::string out, err;
};

Ran beam(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::beamCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// Cantilever with 1000 N at the tip of 1000 mm; Z 10 cm³, I 100 cm⁴, 10 kg/m.
std::vector<std::string> tipLoad(std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"--structure", "1",      "--case", "1",  "--load",  "1000",
                                     "--span",      "1000",   "--z",    "10", "--i",     "100",
                                     "--e",         "205000", "--mass", "10", "--allow", "160"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST(BeamCommand, PrintsTheScreensTextsAsKeyValueLines) {
    const Ran r = beam(tipLoad({"--format", "kv"}));
    EXPECT_EQ(r.status, cli::kOk);
    EXPECT_EQ(r.err, "");
    // Hand-worked: 1000 N·m, 100 N/mm², self weight 98 N and 49 N·m, deflections 1.626 and
    // 0.0598 mm (two decimals), 104.9 / 160 = 65.6 %, 1000 / 1.6858 = 593.
    EXPECT_EQ(r.out, "Textkaju=1000\n"
                     "Textkajumo=1000\n"
                     "Textkajumage=100.0\n"
                     "Textjiju=98.0\n"
                     "Textjmo=49\n"
                     "Textjmage=4.9\n"
                     "Textkajut=1098.0\n"
                     "Textmot=1049\n"
                     "Textmaget=104.9\n"
                     "Textkajutawami=1.63\n"
                     "Textjtawami=0.06\n"
                     "Texttawamit=1.69\n"
                     "Labelmagehikaku=65.6 %\n"
                     "Labeltawamihikaku=1/593\n"
                     "Label判定=曲げ応力 長期 OK\n"
                     "Label丸=○\n"
                     "Label式=M=-P*L δ=P*L^3/(3EI)\n"
                     "TextkajuOld=102.0\n"
                     "TextkajumoOld=10204\n"
                     "TextkajumageOld=1020.4\n"
                     "TextjijuOld=10.0\n"
                     "TextjmoOld=500\n"
                     "TextjmageOld=50.0\n"
                     "TextkajutOld=112.0\n"
                     "TextmotOld=10704\n"
                     "TextmagetOld=1070.4\n");
}

TEST(BeamCommand, ConvertsTheLoadUnitAndTheLoadMode) {
    Ran r = beam(tipLoad({"--unit", "kN", "--format", "kv"}));
    EXPECT_NE(r.out.find("Textkajumo=1000000\n"), std::string::npos); // 1000 kN × 1 m
    r = beam(tipLoad({"--unit", "kg", "--format", "kv"}));
    EXPECT_NE(r.out.find("Textkaju=9800\n"), std::string::npos); // 1000 kg × 9.8
    // Simply supported, 1000 N/m over 2000 mm: 1 N/mm, total 2000 N, M = 1 × 2000² / 8 = 500.
    r = beam({"--structure", "3",      "--case", "3",       "--load", "1000",     "--per-metre",
              "--span",      "2000",   "--z",    "10",      "--i",    "100",      "--e",
              "205000",      "--mass", "0",      "--allow", "160",    "--format", "kv"});
    EXPECT_EQ(r.status, cli::kOk);
    EXPECT_NE(r.out.find("Textkaju=2000\n"), std::string::npos);
    EXPECT_NE(r.out.find("Textkajumo=500\n"), std::string::npos);
}

TEST(BeamCommand, TableAndJsonCarryTheSameFigures) {
    Ran r = beam(tipLoad());
    EXPECT_EQ(r.status, cli::kOk);
    EXPECT_NE(r.out.find("片持ち梁"), std::string::npos);
    EXPECT_NE(r.out.find("曲げ応力 長期 OK  ○"), std::string::npos);
    EXPECT_NE(r.out.find("1/593"), std::string::npos);
    r = beam(tipLoad({"--format", "json"}));
    EXPECT_EQ(r.out.front(), '{');
    EXPECT_NE(r.out.find("\"TextmagetOld\": \"1070.4\""), std::string::npos);
}

TEST(BeamCommand, RefusesWhatGivesNoResultWithStatusTwo) {
    struct Row {
        std::vector<std::string> extra;
        const char* reason;
    };
    const Row rows[] = {
        {{"--z", "0"}, "断面係数 (Z) が正しくありません。"},
        {{"--mass", "-1"}, "質量が負の値です。"},
        {{"--load", "0"}, "the load must be a positive number"},
        {{"--load", "-5", "--span", "-1000"}, "the load must be a positive number"},
        {{"--span", "abc"}, "the span must be a positive number"},
    };
    // A repeated option takes the later value.
    for (const Row& row : rows) {
        const Ran r = beam(tipLoad(row.extra));
        EXPECT_EQ(r.status, cli::kNoResult) << row.reason;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, std::string("hari beam: ") + row.reason + "\n");
    }
    const Ran r = beam({"--structure", "1",      "--case", "3",   "--load",  "100", "--span",
                        "1000",        "--l1",   "1200",   "--z", "10",      "--i", "100",
                        "--e",         "205000", "--mass", "1",   "--allow", "160"});
    EXPECT_EQ(r.status, cli::kNoResult);
    EXPECT_EQ(r.err, "hari beam: L1 が大きすぎます。\n");
}

TEST(BeamCommand, AnAllowableStressThatIsNoNumberStillGivesTheResults) {
    const Ran r = beam(tipLoad({"--allow", "x", "--format", "kv"}));
    EXPECT_EQ(r.status, cli::kOk);
    EXPECT_EQ(r.err, "hari beam: 許容曲げ応力が正しくありません。\n");
    EXPECT_NE(r.out.find("Textmaget=104.9\nTextkajutawami"), std::string::npos);
    EXPECT_NE(r.out.find("Labelmagehikaku=\n"), std::string::npos);
    EXPECT_NE(r.out.find("Label判定=\n"), std::string::npos);
}

TEST(BeamCommand, UsageErrorsGiveStatusOneAndTheUsage) {
    const std::vector<std::vector<std::string>> bad = {
        {"--structure", "1"},          // most options missing
        tipLoad({"--structure", "6"}), // no such structure
        tipLoad({"--case", "x"}),      // no such load case
        tipLoad({"--unit", "lb"}),     // no such unit
        tipLoad({"--format", "xml"}),  // no such format
        tipLoad({"--per-metre"}),      // a point load has no length to spread over
        tipLoad({"--l1", "300"}),      // this case has no L1
        tipLoad({"--case", "3"}),      // and this one needs it
        tipLoad({"--bogus", "1"}),
    };
    for (const auto& args : bad) {
        const Ran r = beam(args);
        EXPECT_EQ(r.status, cli::kUsage) << r.err;
        EXPECT_NE(r.err.find("usage: hari beam"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    const Ran help = beam({"--help"});
    EXPECT_EQ(help.status, cli::kOk);
    EXPECT_NE(help.out.find("usage: hari beam"), std::string::npos);
}

TEST(BeamCommand, RunsFromTheBuiltProgram) {
    const std::string command =
        std::string(HARI_BINARY_DIR "/bin/hari") +
        " beam --structure 4 --case 2 --load 1000 --span 1000 --l1 300 --z 10 --i 100"
        " --e 205000 --mass 0 --allow 160 --format kv";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string out;
    std::array<char, 256> buf{};
    while (std::fgets(buf.data(), buf.size(), pipe.get()))
        out += buf.data();
    // Fixed at both ends, P at 300 of 1000: the left end carries 1000 × 300 × 700² / 1000² =
    // 147000 N·mm, shown as 147 N·m.
    EXPECT_NE(out.find("Textkajumo=147\n"), std::string::npos) << out;
    EXPECT_EQ(pclose(pipe.release()), 0);
}

} // namespace
