// The sketch in twips. Frame: left 720, top 4560, side 1815; the expected rectangles are worked
// out by hand from k = round(1815 / governing dimension).
#include "section/calc.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using section::Fill;
using section::FillKind;
using section::OutlineShape;
using section::Rect;
using namespace section::code;

constexpr auto Y = section::kSketchYellow;
constexpr auto B = section::kSketchDarkBlue;
constexpr auto K = section::kSketchWindowText;
constexpr Rect kFrame{720, 4560, 1815, 1815};

Fill box(Rect r, section::Rgb c) {
    return {FillKind::Box, r, c};
}
Fill circle(Rect r, section::Rgb c) {
    return {FillKind::Circle, r, c};
}

section::Sketch sketchOf(int code, section::Dimensions h) {
    auto s = section::danmenZu(code, h);
    EXPECT_TRUE(s) << code;
    return s.value_or(section::Sketch{});
}

void expectOutlines(const section::Sketch& s,
                    std::vector<std::pair<OutlineShape, section::Outline>> shown) {
    for (int n = 0; n < 5; ++n) {
        const auto shape = static_cast<OutlineShape>(n);
        section::Outline expected{};
        for (const auto& [which, o] : shown)
            if (which == shape) expected = o;
        EXPECT_EQ(s.outline(shape).visible, expected.visible) << section::outlineControl(shape);
        if (expected.visible) {
            EXPECT_EQ(s.outline(shape).rect, expected.rect) << section::outlineControl(shape);
            EXPECT_EQ(s.outline(shape).border, expected.border) << section::outlineControl(shape);
        }
    }
}

TEST(SectionSketch, RoundPipeIsACircleWithAConcentricHole) {
    // k = 1815 / 60.5 = 30; wall 3.2 × 30 = 96; hole 1815 − 192 = 1623 from 720 + 96.
    const auto s = sketchOf(kRoundPipe, {60.5, 3.2});
    const Rect hole{816, 4656, 1623, 1623};
    EXPECT_EQ(s.fills, (std::vector<Fill>{box(kFrame, Y), circle(kFrame, B), circle(hole, Y)}));
    expectOutlines(s,
                   {{OutlineShape::En1, {true, kFrame, K}}, {OutlineShape::En2, {true, hole, Y}}});
}

TEST(SectionSketch, SolidRoundAndSquareBarsFillTheFrameAtAnySize) {
    for (double size : {1e-9, 22.0, 1e9}) {
        const auto bar = sketchOf(kRoundBar, {size});
        EXPECT_EQ(bar.fills, (std::vector<Fill>{box(kFrame, Y), circle(kFrame, B)}));
        expectOutlines(bar, {{OutlineShape::En1, {true, kFrame, K}}});
        const auto square = sketchOf(kSquareBar, {size});
        EXPECT_EQ(square.fills, (std::vector<Fill>{box(kFrame, Y), box(kFrame, B)}));
        expectOutlines(square, {{OutlineShape::Kaku1, {true, kFrame, K}}});
    }
}

TEST(SectionSketch, TubesAndFlatBars) {
    // Square tube 100 × 4.5: k = 18, wall 81.
    const auto square = sketchOf(kSquareTube, {100, 4.5});
    const Rect squareHole{801, 4641, 1653, 1653};
    EXPECT_EQ(square.fills,
              (std::vector<Fill>{box(kFrame, Y), box(kFrame, B), box(squareHole, Y)}));
    expectOutlines(square, {{OutlineShape::Kaku1, {true, kFrame, K}},
                            {OutlineShape::Kaku2, {true, squareHole, Y}}});

    // Upright tube 50 × 100 × 5: k = round(18.15) = 18; width 900 centred: 720 + 457.
    const auto up = sketchOf(kRectTubeUpright, {50, 100, 5});
    const Rect upOuter{1177, 4560, 900, 1815}, upHole{1267, 4650, 720, 1635};
    EXPECT_EQ(up.fills, (std::vector<Fill>{box(kFrame, Y), box(upOuter, B), box(upHole, Y)}));
    expectOutlines(
        up, {{OutlineShape::Kaku1, {true, upOuter, K}}, {OutlineShape::Kaku2, {true, upHole, Y}}});

    // Lying flat bar 100 × 30: height 540 centred: 4560 + 637.
    const auto flat = sketchOf(kFlatBarLying, {100, 30});
    const Rect flatRect{720, 5197, 1815, 540};
    EXPECT_EQ(flat.fills, (std::vector<Fill>{box(kFrame, Y), box(flatRect, B)}));
    expectOutlines(flat, {{OutlineShape::Kaku1, {true, flatRect, K}}});
}

TEST(SectionSketch, OpenSectionsArePaintedAndOutlinedPartByPart) {
    const struct {
        int code;
        section::Dimensions hen;
        std::vector<Rect> parts; // Kaku1, Kaku2, Kaku3 in that order
    } cases[] = {
        // Angle 50 × 100 × 10: k = 18; legs 1815 high, 900 wide, 180 thick from the corner.
        {kUnequalAngleUpright, {50, 100, 10}, {{720, 4560, 180, 1815}, {720, 6195, 900, 180}}},
        // Channel 40 × 100 × 5, web at the left: width 720 centred at 720 + 547; walls 90.
        {kLightChannelUpright,
         {40, 100, 5},
         {{1267, 4650, 90, 1635}, {1267, 4560, 720, 90}, {1267, 6285, 720, 90}}},
        // Channel 100 × 40 × 5, web on top: height 720 centred at 4560 + 547.
        {kLightChannelLying,
         {100, 40, 5},
         {{720, 5107, 1815, 90}, {720, 5197, 90, 630}, {2445, 5197, 90, 630}}},
        // T 100 × 50, flange 10 (180), web 6 (108) centred at 720 + 853.
        {kTeeUpright, {100, 50, 10, 6}, {{720, 4560, 1815, 180}, {1573, 4740, 108, 720}}},
        // T lying 100 × 50, flange a = 10 (180) at the left, stem t = 6 (108) centred in 900.
        {kTeeLying, {100, 50, 6, 10}, {{720, 5017, 180, 900}, {900, 5413, 1635, 108}}},
        // I: H = 200 governs, k = round(9.075) = 9; flanges 540 × 90 and 900 × 108, web 54.
        {kUnequalI,
         {60, 100, 200, 10, 6, 12},
         {{1357, 4560, 540, 90}, {1600, 4650, 54, 1617}, {1177, 6267, 900, 108}}},
    };
    const OutlineShape kaku[] = {OutlineShape::Kaku1, OutlineShape::Kaku2, OutlineShape::Kaku3};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const auto s = sketchOf(c.code, c.hen);
        std::vector<Fill> fills{box(kFrame, Y)};
        std::vector<std::pair<OutlineShape, section::Outline>> outlines;
        for (std::size_t n = 0; n < c.parts.size(); ++n) {
            fills.push_back(box(c.parts[n], B));
            outlines.push_back({kaku[n], {true, c.parts[n], K}});
        }
        EXPECT_EQ(s.fills, fills);
        expectOutlines(s, outlines);
    }
}

TEST(SectionSketch, NoSketchWhenTheScaleOrTheFrameLeavesSixteenBits) {
    // 1815 / 0.05 = 36 300 twips per mm: too many.
    EXPECT_FALSE(section::danmenZu(kRoundPipe, {0.05, 0.01}));
    EXPECT_TRUE(section::danmenZu(kRoundPipe, {0.0554, 0.01})); // k = 32 762
    EXPECT_FALSE(section::danmenZu(kSquareBar, {16}, {32000, 0, 1815, 1815}));
    EXPECT_FALSE(section::danmenZu(kSquareBar, {16}, {0, -33000, 1815, 1815}));
    EXPECT_FALSE(section::danmenZu(kSquareBar, {16}, {0, 0, 0, 0}));
    // A section that cannot be sketched is still computed and shown.
    const auto out = section::calc01({kRoundPipe, {0.05, 0.01}, 7.85});
    EXPECT_EQ(out.status, section::Status::Computed);
    EXPECT_TRUE(out.designation);
    EXPECT_FALSE(out.sketch);
    // The frame given to calc01 is the one sketched in.
    const auto moved = section::calc01({kSquareBar, {16}, 7.85, {100, 200, 300, 300}});
    EXPECT_EQ(moved.sketch->fills.back(), box({100, 200, 300, 300}, B));
}

TEST(SectionSketch, EveryFillStaysInsideTheFrameWhateverTheDimensions) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(-8, 8);
    int drawn = 0;
    for (int n = 0; n < 50000; ++n) {
        const int code = 1 + static_cast<int>(rng() % 25);
        section::Dimensions h;
        for (double& v : h)
            v = std::pow(10.0, exponent(rng));
        const auto out = section::calc01({code, h, 7.85});
        if (!out.sketch) continue;
        ++drawn;
        for (const Fill& f : out.sketch->fills) {
            ASSERT_GE(f.rect.width, 0);
            ASSERT_GE(f.rect.height, 0);
            ASSERT_GE(f.rect.left, kFrame.left) << code;
            ASSERT_GE(f.rect.top, kFrame.top) << code;
            ASSERT_LE(f.rect.left + f.rect.width, kFrame.left + kFrame.width) << code;
            ASSERT_LE(f.rect.top + f.rect.height, kFrame.top + kFrame.height) << code;
        }
    }
    EXPECT_GT(drawn, 1000);
}

TEST(SectionSketch, AlmostSquareTubeAtCoarseScaleStaysInTheFrame) {
    // H = 1000 governs: k = round(1.815) = 2, and B = 999 would be 1998 twips wide.
    const auto s = sketchOf(kRectTubeUpright, {999, 1000, 10});
    EXPECT_EQ(s.fills[1], box(kFrame, B));
}

} // namespace
