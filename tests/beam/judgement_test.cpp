#include "beam/judgement.hpp"
#include "beam/units.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

// Forces ÷ 9.8, moments and stresses ÷ 9.8 × 100, from the displayed SI text, by hand: 12.3 ->
// 1.255, 6 -> 61.22, 0.6 -> 6.122, 1012.3 -> 103.296, 1006 -> 10265.31, 100.6 -> 1026.53.
TEST(OldUnits, FollowTheDisplayedSiTextsAndStartFromZero) {
    using T = beam::TwinTexts;
    const T si{"19.6", "98", "9.8", "12.3", "6", "0.6", "1012.3", "1006", "100.6"};
    const T old{"2.0", "1000", "100.0", "1.3", "61", "6.1", "103.3", "10265", "1026.5"};
    EXPECT_EQ(beam::OldTaniSet(si), old);
    EXPECT_EQ(beam::KekkaZero(), (T{"0.0", "0", "0.0", "0.0", "0", "0.0", "0.0", "0", "0.0"}));
}

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

// The gauge spans X0 = 1680 + 200 = 1880 to X1 = 6360 - 200 = 6160, W = 4280 twips for 200 %,
// between Y1 = 5840 and Y0 = 5640 + 500 = 6140. The 100 % mark is at 1880 + 2140 = 4020, the
// 150 % mark at 1880 + 3210 = 5090; the bar is W / (2 × 160) × σ = 13.375 × σ twips long.
TEST(HanteiShow, JudgesTheDisplayedStressWithStrictLimits) {
    struct Row {
        const char* maget;
        beam::Grade grade;
        const char* verdict; // `Label判定` and `Label丸`
        double b;
    };
    const Row rows[] = {
        {"160.0", beam::Grade::LongTermOk, "曲げ応力 長期 OK ○", 2140}, // r = 1.0
        {"160.1", beam::Grade::ShortTermOk, "曲げ応力 短期 OK △", 2141.3375},
        {"240.0", beam::Grade::ShortTermOk, "曲げ応力 短期 OK △", 3210}, // r = 1.5
        {"240.1", beam::Grade::ShortTermNg, "曲げ応力 短期 NG ×", 3211.3375},
        {"320.01", beam::Grade::ShortTermNg, "曲げ応力 短期 NG ×", 4280}, // capped at 200 %
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.maget);
        const beam::Hantei h = beam::HanteiShow(r.maget, "160");
        EXPECT_EQ(h.grade, r.grade);
        EXPECT_EQ(h.label判定 + " " + h.label丸, r.verdict);
        const beam::Gauge& g = h.gauge;
        EXPECT_NEAR(g.b, r.b, 1e-9);
        EXPECT_EQ(g.shapeHan1.rect, (beam::TwipRect{1880, 5840, g.b, 300}));
        const auto rectOf = [](const auto& s) { return s ? std::optional(s->rect) : std::nullopt; };
        const auto beyond = [&](double mark) {
            return r.b > mark ? std::optional(beam::TwipRect{1880 + mark, 5840, r.b - mark, 300})
                              : std::nullopt;
        };
        EXPECT_EQ(rectOf(g.shapeHan2), beyond(2140)); // from the 100 % mark
        EXPECT_EQ(rectOf(g.shapeHan3), beyond(3210)); // from the 150 % mark
    }
    const beam::Gauge g = beam::HanteiShow("400.0", "160").gauge;
    // Strip i covers X0 + i to X0 + i + 1, i = 1 .. b, joined into runs of one colour, then the
    // outlines of 100 %, 150 % and the band.
    const std::vector<beam::Drawn> want = {
        {{1881, 5840, 2140, 300}, beam::kTeal, true, 1},   // i = 1 .. 2140
        {{4021, 5840, 1070, 300}, beam::kOrange, true, 1}, // i = 2141 .. 3210
        {{5091, 5840, 1070, 300}, beam::kRed, true, 1},    // i = 3211 .. 4280
        {{1880, 5840, 2140, 300}, beam::kRed, false, 3},
        {{1880, 5840, 3210, 300}, beam::kRed, false, 3},
        {{1880, 5840, 4280, 300}, beam::kBlack, false, 3},
    };
    EXPECT_TRUE(std::ranges::equal(g.background, want, [](const auto& x, const auto& y) {
        return x.rect == y.rect && x.colour == y.colour && x.filled == y.filled &&
               x.lineWidth == y.lineWidth;
    }));
    // 100.5 of 160: b = 1344.1875, so 1344 teal strips and nothing else.
    const beam::Gauge low = beam::HanteiShow("100.5", "160").gauge;
    EXPECT_TRUE(low.background.size() == 4u && low.background[0].rect.width == 1344);

    const beam::Gauge moved = beam::HanteiShow("100.0", "100", {1000, 5000, 5400}).gauge;
    EXPECT_EQ((std::array{moved.x0, moved.x1, moved.y0, moved.y1, moved.b}),
              (std::array{1200., 5200., 5500., 5200., 2000.})); // b at 100 % is W / 2
}

// An allowable stress of 1e-306 once made the bar NaN (scale W / 2e-306 is past the doubles):
// 0.0 N/mm² still has no bar, 0.1 (r = 1e305) fills the band.
TEST(HanteiShow, AnAllowableStressNearZeroKeepsTheBarInTheBand) {
    const beam::Hantei none = beam::HanteiShow("0.0", "1e-306");
    EXPECT_EQ(none.grade, beam::Grade::LongTermOk);
    EXPECT_EQ(none.gauge.b, 0);
    EXPECT_FALSE(none.gauge.shapeHan2.has_value());
    EXPECT_EQ(none.gauge.background.size(), 3u); // the three outlines, no strip

    const beam::Hantei full = beam::HanteiShow("0.1", "1e-306");
    EXPECT_EQ(full.grade, beam::Grade::ShortTermNg);
    EXPECT_EQ(full.gauge.b, 4280);
    EXPECT_EQ(full.gauge.shapeHan1.rect, (beam::TwipRect{1880, 5840, 4280, 300}));
}

} // namespace
