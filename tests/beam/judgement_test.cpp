#include "beam/judgement.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(KetasitaSet, ShowsTheFirstDigitOfTheSmallerDeflectionUpToFiveDecimals) {
    struct Row {
        double load, self;
        int ketasita, jKetasita;
        const char *load_text, *self_text, *total_text;
    };
    const Row rows[] = {
        // 0.05 asks for 2 decimals, 0.0004 for 4: all three with 4.
        {0.05, 0.0004, 2, 4, "0.0500", "0.0004", "0.0504"},
        {0.2, 0.35, 1, 1, "0.2", "0.4", "0.6"}, // 0.35 rounds half away from zero
        {0.1, 0.01, 1, 2, "0.10", "0.01", "0.11"},
        {0.0999, 0.5, 2, 1, "0.10", "0.50", "0.60"},
        {0.001, 0.0001, 3, 4, "0.0010", "0.0001", "0.0011"},
        {0.00009, 3, 5, 1, "0.00009", "3.00000", "3.00009"},
        {0.000001, 2, 5, 1, "0.00000", "2.00000", "2.00000"}, // never more than five
        {1.5, 0, 1, 1, "1.5", "0.0", "1.5"},                  // zero asks for one
        {-0.05, 0.5, 1, 1, "-0.1", "0.5", "0.5"},             // so does a negative one
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.load_text);
        const beam::DeflectionTexts d = beam::KetasitaSet(r.load, r.self, r.load + r.self);
        EXPECT_EQ(d.ketasita, r.ketasita);
        EXPECT_EQ(d.jKetasita, r.jKetasita);
        EXPECT_EQ(d.maxKetasita, std::max(r.ketasita, r.jKetasita));
        EXPECT_EQ(d.kajutawami, r.load_text);
        EXPECT_EQ(d.jtawami, r.self_text);
        EXPECT_EQ(d.tawamit, r.total_text);
    }
}

// The gauge spans X0 = 1680 + 200 = 1880 to X1 = 6360 - 200 = 6160, W = 4280 twips for 200 %,
// between Y1 = 5840 and Y0 = 5640 + 500 = 6140. The 100 % mark is at 1880 + 2140 = 4020, the
// 150 % mark at 1880 + 3210 = 5090; the bar is W / (2 × 160) × σ = 13.375 × σ twips long.
TEST(HanteiShow, JudgesTheDisplayedStressWithStrictLimits) {
    struct Row {
        const char* maget;
        beam::Grade grade;
        const char *hantei, *maru;
        double b;
        bool orange, red;
    };
    const Row rows[] = {
        {"80.0", beam::Grade::LongTermOk, "曲げ応力 長期 OK", "○", 1070, false, false},
        {"160.0", beam::Grade::LongTermOk, "曲げ応力 長期 OK", "○", 2140, false, false}, // r = 1.0
        {"160.1", beam::Grade::ShortTermOk, "曲げ応力 短期 OK", "△", 2141.3375, true, false},
        {"200.0", beam::Grade::ShortTermOk, "曲げ応力 短期 OK", "△", 2675, true, false},
        {"240.0", beam::Grade::ShortTermOk, "曲げ応力 短期 OK", "△", 3210, true, false}, // r = 1.5
        {"240.1", beam::Grade::ShortTermNg, "曲げ応力 短期 NG", "×", 3211.3375, true, true},
        {"400.0", beam::Grade::ShortTermNg, "曲げ応力 短期 NG", "×", 4280, true, true}, // capped
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.maget);
        const beam::Hantei h = beam::HanteiShow(r.maget, "160");
        EXPECT_EQ(h.grade, r.grade);
        EXPECT_EQ(h.label判定, r.hantei);
        EXPECT_EQ(h.label丸, r.maru);
        EXPECT_EQ(h.maruColour, beam::kDarkBlue);
        const beam::Gauge& g = h.gauge;
        EXPECT_EQ(g.x0, 1880);
        EXPECT_EQ(g.x1, 6160);
        EXPECT_EQ(g.y0, 6140);
        EXPECT_EQ(g.y1, 5840);
        EXPECT_EQ(g.w, 4280);
        EXPECT_NEAR(g.b, r.b, 1e-9);
        EXPECT_EQ(g.shapeHan1.rect, (beam::TwipRect{1880, 5840, g.b, 300}));
        EXPECT_EQ(g.shapeHan1.fill, beam::kTeal);
        EXPECT_EQ(g.shapeHan4.rect, (beam::TwipRect{1880, 5840, 4280, 300}));
        EXPECT_FALSE(g.shapeHan4.fill.has_value());
        EXPECT_EQ(g.shapeHan4.borderWidth, 3);
        EXPECT_EQ(g.lineH1.x, 4020);
        EXPECT_EQ(g.lineH2.x, 5090);
        EXPECT_EQ(g.lineH1.colour, beam::kRed);
        ASSERT_EQ(g.shapeHan2.has_value(), r.orange);
        if (r.orange) {
            EXPECT_EQ(g.shapeHan2->rect.left, 4020);
            EXPECT_NEAR(g.shapeHan2->rect.width, r.b - 2140, 1e-9);
            EXPECT_EQ(g.shapeHan2->fill, beam::kOrange);
        }
        ASSERT_EQ(g.shapeHan3.has_value(), r.red);
        if (r.red) {
            EXPECT_EQ(g.shapeHan3->rect.left, 5090);
            EXPECT_NEAR(g.shapeHan3->rect.width, r.b - 3210, 1e-9);
            EXPECT_EQ(g.shapeHan3->fill, beam::kRed);
        }
    }
}

// The strips drawn on the background: strip i covers X0 + i to X0 + i + 1, i = 1 .. b.
TEST(HanteiShow, DrawsTheStripsAsColouredRunsAndThreeOutlines) {
    const beam::Gauge g = beam::HanteiShow("400.0", "160").gauge; // b = W = 4280
    ASSERT_EQ(g.background.size(), 6u);
    const auto filled = [&](std::size_t k, double left, double width, beam::Rgb colour) {
        EXPECT_EQ(g.background[k].rect, (beam::TwipRect{left, 5840, width, 300})) << k;
        EXPECT_EQ(g.background[k].colour, colour) << k;
        EXPECT_TRUE(g.background[k].filled) << k;
    };
    filled(0, 1881, 2140, beam::kTeal);   // i = 1 .. 2140
    filled(1, 4021, 1070, beam::kOrange); // i = 2141 .. 3210
    filled(2, 5091, 1070, beam::kRed);    // i = 3211 .. 4280
    const double widths[] = {2140, 3210, 4280};
    const beam::Rgb colours[] = {beam::kRed, beam::kRed, beam::kBlack};
    for (std::size_t k = 0; k < 3; ++k) {
        const beam::Drawn& d = g.background[3 + k];
        EXPECT_EQ(d.rect, (beam::TwipRect{1880, 5840, widths[k], 300}));
        EXPECT_EQ(d.colour, colours[k]);
        EXPECT_FALSE(d.filled);
        EXPECT_EQ(d.lineWidth, 3);
    }
    // 100.5 N/mm² of 160: b = 1344.1875, so 1344 teal strips and nothing else.
    const beam::Gauge low = beam::HanteiShow("100.5", "160").gauge;
    ASSERT_EQ(low.background.size(), 4u);
    EXPECT_EQ(low.background[0].rect.width, 1344);
}

TEST(HanteiShow, PlacesTheGaugeFromTheScreensAnchors) {
    const beam::Gauge g = beam::HanteiShow("100.0", "100", {1000, 5000, 5400}).gauge;
    EXPECT_EQ(g.x0, 1200);
    EXPECT_EQ(g.x1, 5200);
    EXPECT_EQ(g.y0, 5500);
    EXPECT_EQ(g.y1, 5200);
    EXPECT_EQ(g.b, 2000); // 100 %: half of W = 4000
}

} // namespace
