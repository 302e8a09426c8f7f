// The deflection texts and the verdict. (The old-unit twins of the results are read, figure by
// figure, off the calculation screen in tests/ui.)
#include "beam/judgement.hpp"

#include <gtest/gtest.h>

namespace {

TEST(KetasitaSet, ShowsTheFirstDigitOfTheSmallerDeflectionUpToFiveDecimals) {
    struct Row {
        double load, self;
        int ketasita, jKetasita;
        const char* texts; // load, self weight, total
    };
    const Row rows[] = {
        {0.05, 0.0004, 2, 4, "0.0500 0.0004 0.0504"},
        {0.1, 0.01, 1, 2, "0.10 0.01 0.11"},
        {0.00009, 3, 5, 1, "0.00009 3.00000 3.00009"},
        {0.000001, 2, 5, 1, "0.00000 2.00000 2.00000"}, // never more than five
        {1.5, 0, 1, 1, "1.5 0.0 1.5"},                  // zero asks for one
        {-0.05, 0.5, 1, 1, "-0.1 0.5 0.5"},             // so does a negative one
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.texts);
        const beam::DeflectionTexts d = beam::KetasitaSet(r.load, r.self, r.load + r.self);
        EXPECT_EQ(d.ketasita, r.ketasita);
        EXPECT_EQ(d.jKetasita, r.jKetasita);
        EXPECT_EQ(d.kajutawami + " " + d.jtawami + " " + d.tawamit, r.texts);
    }
}

// The band stands for 0 % to 200 % of the allowable stress: the bar fills σ / (2 × 160) of it.
TEST(HanteiShow, JudgesTheDisplayedStressWithStrictLimits) {
    struct Row {
        const char* maget;
        beam::Grade grade;
        const char* verdict; // `Label判定` and `Label丸`
        double bar;
    };
    const Row rows[] = {
        {"160.0", beam::Grade::LongTermOk, "曲げ応力 長期 OK ○", 0.5}, // r = 1.0
        {"160.1", beam::Grade::ShortTermOk, "曲げ応力 短期 OK △", 0.5003125},
        {"240.0", beam::Grade::ShortTermOk, "曲げ応力 短期 OK △", 0.75}, // r = 1.5
        {"240.1", beam::Grade::ShortTermNg, "曲げ応力 短期 NG ×", 0.7503125},
        {"320.01", beam::Grade::ShortTermNg, "曲げ応力 短期 NG ×", 1}, // capped at 200 %
        {"0.0", beam::Grade::LongTermOk, "曲げ応力 長期 OK ○", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.maget);
        const beam::Hantei h = beam::HanteiShow(r.maget, "160");
        EXPECT_EQ(h.grade, r.grade);
        EXPECT_EQ(h.label判定 + " " + h.label丸, r.verdict);
        EXPECT_NEAR(h.bar, r.bar, 1e-12);
    }
}

// An allowable stress of 1e-306 once made the bar NaN (σ / 2e-306 is past the doubles):
// 0.0 N/mm² still has no bar, 0.1 (r = 1e305) fills the band.
TEST(HanteiShow, AnAllowableStressNearZeroKeepsTheBarInTheBand) {
    const beam::Hantei none = beam::HanteiShow("0.0", "1e-306");
    EXPECT_EQ(none.grade, beam::Grade::LongTermOk);
    EXPECT_EQ(none.bar, 0);
    const beam::Hantei full = beam::HanteiShow("0.1", "1e-306");
    EXPECT_EQ(full.grade, beam::Grade::ShortTermNg);
    EXPECT_EQ(full.bar, 1);
}

} // namespace
