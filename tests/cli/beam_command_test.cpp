#include "cli/cli.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Ran {
    int status;
    std::string out, err;
};

// `hari beam` with the words of `line` after a cantilever with 1000 N at the tip of 1000 mm;
// Z 10 cm³, I 100 cm⁴, 10 kg/m; kv output. Later options win.
Ran beam(const std::string& line, bool base = true) {
    std::istringstream words(
        (base ? "--structure 1 --case 1 --load 1000 --span 1000 --z 10 --i 100 --e 205000 "
                "--mass 10 --allow 160 --format kv "
              : "") +
        line);
    const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    std::ostringstream out, err;
    const int status = cli::beamCommand(args, out, err);
    return {status, out.str(), err.str()};
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(BeamCommand, PrintsTheScreensTextsAsKeyValueLines) {
    const Ran r = beam("");
    EXPECT_EQ(r.status, cli::kOk);
    EXPECT_EQ(r.err, "");
    // Hand-worked: 1000 N·m, 100 N/mm², self weight 98 N and 49 N·m, deflections 1.626 and
    // 0.0598 mm, 104.9 / 160 = 65.6 %, 1000 / 1.6858 = 593; old units ÷ 9.8 (× 100).
    EXPECT_EQ(r.out, "Textkaju=1000\nTextkajumo=1000\nTextkajumage=100.0\n"
                     "Textjiju=98.0\nTextjmo=49\nTextjmage=4.9\n"
                     "Textkajut=1098.0\nTextmot=1049\nTextmaget=104.9\n"
                     "Textkajutawami=1.63\nTextjtawami=0.06\nTexttawamit=1.69\n"
                     "Labelmagehikaku=65.6 %\nLabeltawamihikaku=1/593\n"
                     "Label判定=曲げ応力 長期 OK\nLabel丸=○\nLabel式=M=-P*L δ=P*L^3/(3EI)\n"
                     "TextkajuOld=102.0\nTextkajumoOld=10204\nTextkajumageOld=1020.4\n"
                     "TextjijuOld=10.0\nTextjmoOld=500\nTextjmageOld=50.0\n"
                     "TextkajutOld=112.0\nTextmotOld=10704\nTextmagetOld=1070.4\n");
}

// Status, a part of standard output and a part of standard error for each call.
TEST(BeamCommand, ExitStatusesAndMessages) {
    const char* usage = "usage: hari beam";
    const struct {
        const char* extra;
        int status;
        const char *out, *err;
    } rows[] = {
        {"--unit kN", cli::kOk, "Textkajumo=1000000\n", ""}, // 1000 kN·m
        {"--unit kg", cli::kOk, "Textkaju=9800\n", ""},      // 1000 × 9.8
        // 1000 N/m over 2000 mm: M = 1 N/mm × 2000² / 2 (the total 1000 N would give half).
        {"--case 2 --per-metre --span 2000", cli::kOk, "Textkajumo=2000\n", ""},
        {"--format table", cli::kOk, "曲げ応力 長期 OK  ○", ""},
        {"--format json", cli::kOk, "\"TextmagetOld\": \"1070.4\"", ""},
        {"--z 0", cli::kNoResult, "", "hari beam: 断面係数 (Z) が正しくありません。\n"},
        {"--load -5 --span -1000", cli::kNoResult, "", "the load must be a positive"},
        // No such structure, case, unit or format; a point load spread per metre; L1 where the
        // case has none, or missing where it needs one; an unknown option.
        // clang-format off
        {"--structure 6", cli::kUsage, "", usage}, {"--case x", cli::kUsage, "", usage},
        {"--unit lb", cli::kUsage, "", usage}, {"--format xml", cli::kUsage, "", usage},
        {"--per-metre", cli::kUsage, "", usage}, {"--l1 300", cli::kUsage, "", usage},
        {"--case 3", cli::kUsage, "", usage}, {"--bogus 1", cli::kUsage, "", usage},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.extra);
        const Ran r = beam(row.extra);
        EXPECT_EQ(r.status, row.status);
        EXPECT_TRUE(has(r.out, row.out)) << r.out;
        EXPECT_TRUE(has(r.err, row.err)) << r.err;
        EXPECT_EQ(r.out.empty(), row.status != cli::kOk);
    }
    EXPECT_EQ(beam("--structure 1", false).status, cli::kUsage); // most options missing
    const Ran help = beam("--help", false);
    EXPECT_EQ(help.status, cli::kOk);
    EXPECT_TRUE(has(help.out, usage));
}

} // namespace
