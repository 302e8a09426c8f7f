// calc01: every shape against Green's theorem over its outline (circles exact, which also checks
// that 3.141592 is close enough), the display, the checks and the sketch.
#include "catalog/shapes.hpp"
#include "section/calc.hpp"
#include "section_geometry.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using section::Dimensions;
using section::Fill;
using section::FillKind;
using section::OutlineShape;
using section::Rect;
using section::Status;
using namespace shape;

constexpr auto Y = section::kSketchYellow;
constexpr auto B = section::kSketchDarkBlue;
constexpr auto K = section::kSketchWindowText;
constexpr Rect kFrame = section::kSketchFrame; // left 720, top 4560, side 1815

// An outline: straight corners counter-clockwise add, clockwise (a hole) take away; or a circle
// about the origin.
struct Loop {
    std::vector<sizegen::Corner> corners;
    double radius = 0;
    bool hole = false;
};
using Polygon = std::vector<Loop>; // e4 is measured from its left edge

Loop rect(double x0, double y0, double x1, double y1, bool hole = false) {
    const std::vector<sizegen::Corner> c{{{x0, y0}}, {{x1, y0}}, {{x1, y1}}, {{x0, y1}}};
    return {hole ? sizegen::reversed(c) : c};
}
Loop circle(double diameter, bool hole = false) {
    return {{}, diameter / 2, hole};
}

// Area, I, Z, i, e3 and e4 in cm units, from the outline alone, by Green's theorem as the size
// tables' generator integrates its outlines.
std::array<double, 6> integrate(const Polygon& p) {
    sizegen::Section s;
    for (const Loop& l : p)
        l.radius > 0 ? s.addCircle({0, 0}, l.radius, l.hole) : s.addOutline(l.corners);
    const sizegen::Properties q = s.properties();
    return {q.area / 100,
            q.ixx / 1e4,
            q.ixx / std::max(q.ymax - q.cy, q.cy - q.ymin) / 1e3,
            std::sqrt(q.ixx / q.area) / 10,
            (q.cy - q.ymin) / 10,
            (q.cx - q.xmin) / 10};
}

// The section as drawn in its picture, from HEN1 … HEN6 as calc01 leaves them; open sections as
// rectangles side by side.
Polygon outline(int code, Dimensions h) {
    if (code == kSquareBar || code == kSquareTube) h = {h[0], h[0], h[1]}; // B × B, wall t
    const double B = h[0], H = h[1], t = h[2];
    switch (code) {
    case kRoundPipe:
        return {circle(B), circle(B - 2 * H, true)};
    case kRoundBar:
        return {circle(B)};
    case kSquareTube:
    case kRectTubeUpright:
    case kRectTubeLying:
        return {rect(0, 0, B, H), rect(t, t, B - t, H - t, true)};
    case kEqualAngle:
    case kUnequalAngleUpright:
    case kUnequalAngleLying:
        return {rect(0, 0, B, t), rect(0, t, t, H)};
    case kLightChannelUpright: // web at the left
        return {rect(0, 0, B, t), rect(0, t, t, H - t), rect(0, H - t, B, H)};
    case kLightChannelLying: // web on top
        return {rect(0, H - t, B, H), rect(0, 0, t, H - t), rect(B - t, 0, B, H - t)};
    case kTeeUpright:
        return {rect(0, H - t, B, H), rect((B - h[3]) / 2, 0, (B + h[3]) / 2, H - t)};
    case kTeeLying: // flange at the right: e4 is taken from the tip of the stem
        return {rect(B - h[3], 0, B, H), rect(0, (H - t) / 2, B - h[3], (H + t) / 2)};
    case kUnequalI: {
        const double A = h[0] / 2, W = h[1] / 2, D = h[2], a = h[3], w = h[4] / 2, b = h[5];
        return {rect(-A, D - a, A, D), rect(-w, b, w, D - a), rect(-W, 0, W, b)};
    }
    default: // bars and solid rectangles
        return {rect(0, 0, B, H)};
    }
}

constexpr double kExact = 1e-9, kCircle = 1e-6, kRoot12 = 2e-5; // 0.28867 for 1/√12

// A section of every shape, its designation and whether it gets the centroid note (only the
// shapes whose centroid is off the middle); relative tolerances of the properties and of i.
const struct Sample {
    int code;
    Dimensions hen;
    const char* designation;
    bool note;
    double tolerance = kExact, gyration = kExact;
} kSamples[] = {
    {kRoundPipe, {60.5, 3.2}, "φ  60.5× t 3.2", false, kCircle, kCircle},
    {kSquareTube, {100, 4.5}, "□  100× 100× t 4.5", false},
    {kRectTubeLying, {125, 75, 4.5}, "□  125× 75× t 4.5", false},
    {kFlatBarUpright, {9, 75}, "■  9× 75", false, kExact, kRoot12},
    {kEqualAngle, {40, 7, 5}, "L  40× 40× t 5", true},             // the width stands for both legs
    {kUnequalAngleLying, {200, 20, 15}, "L  200× 20× t 15", true}, // centroid in the long leg
    {kRoundBar, {0.25}, "φ  0.25", false, kCircle, kCircle},
    {kSquareBar, {16}, "■  16× 16", false, kExact, kRoot12},
    {kSolidRectLying, {120, 45.5}, "■  120× 45.5", false, kExact, kRoot12},
    {kLightChannelUpright, {40, 60, 19.9}, "軽溝縦   40× 60× t 19.9", false},
    {kLightChannelLying, {30, 80, 14}, "軽溝横  80× 30× t 14", true},
    {kTeeUpright, {20, 120, 15, 19}, "T  120× 20× t 15× a 19", true},
    {kTeeLying, {50, 100, 6, 8}, "T  100× 50× t 6× a 8", false},
    {kUnequalI, {60, 100, 200, 8, 6, 12}, "異形 A 60× B 100× H 200× a 8× t 6× b 12", true},
    // The wider flange on top: the bottom face is the farther one and gives Z.
    {kUnequalI, {150, 50, 200, 12, 6, 8}, "異形 A 150× B 50× H 200× a 12× t 6× b 8", true},
};

// Each sample against its outline, with its designation; scaled from 1e-300 to 1e300 it is
// refused as out of range or shown in plain digits (no inf, nan or exponent), and a tiny section
// keeps its centroid (not 0 / 0). The fuzz target covers random dimensions and the sketch.
TEST(SectionCalc, EveryShapeAgreesWithItsOutlineAndScaledGivesNoInfNanOrExponent) {
    for (const auto& s : kSamples) {
        SCOPED_TRACE(s.designation);
        const auto out = section::calc01({s.code, s.hen, 7.85});
        ASSERT_EQ(out.status, Status::Computed);
        EXPECT_EQ(out.designation, s.designation);
        EXPECT_EQ(out.bikou.has_value(), s.note);
        const auto& p = *out.properties;
        const std::array got{p.menseki, p.div, p.dzv, p.d2rv, p.e3, p.e4};
        const auto want = integrate(outline(s.code, out.hen));
        for (std::size_t n = 0; n < 6; ++n)
            EXPECT_NEAR(got[n], want[n], (n == 3 ? s.gyration : s.tolerance) * want[n]) << n;
        for (int e = -300; e <= 300; e += 15) {
            SCOPED_TRACE(testing::Message() << "× 1e" << e);
            Dimensions h = s.hen;
            for (double& v : h)
                v *= std::pow(10.0, e);
            const auto scaled = section::calc01({s.code, h, 7.85});
            if (scaled.status != Status::Computed) {
                ASSERT_EQ(scaled.status, Status::OutOfRange);
                continue;
            }
            for (const auto& f : scaled.display->fields)
                ASSERT_TRUE(!f.text.empty() &&
                            f.text.find_first_not_of("0123456789.- ") == std::string::npos)
                    << f.control << " = " << f.text;
            ASSERT_EQ((*scaled.designation + scaled.bikou.value_or("")).find_first_of("eEn"),
                      std::string::npos);
            ASSERT_TRUE(e > -20 || (scaled.flgDSize == 1 && scaled.properties->e3 > 0));
        }
    }
    // e3 of 1e60 times the worked pipe is 3.025e60 cm: 61 digits, the point and two decimals.
    const auto big = section::calc01({kRoundPipe, {60.5e60, 3.2e60}, 7.85});
    EXPECT_EQ(big.display->text(section::ResultField::E3).size(), 61u + 3u);
    // 1e100 mm to the fourth power is beyond the doubles: refused silently, nothing shown.
    const auto huge = section::calc01({kSquareBar, {1e100}, 7.85});
    EXPECT_EQ(huge.status, Status::OutOfRange);
    EXPECT_FALSE(huge.bikou || huge.beep || huge.display);
}

std::string joined(const section::Display& d) {
    std::string s;
    for (const auto& f : d.fields)
        s += (s.empty() ? "" : " ") + f.text;
    return s;
}

TEST(SectionCalc, ThreeDisplayRegimesOfTheSecondMoment) {
    const auto with = [](double div) {
        return section::kekkaHyouji({0.1234, 0.0975, 0.9555, div, 0.01255, 0.1545, 0.25, 0.3});
    };
    EXPECT_EQ(joined(with(0.0101)), "0.12 0.10 0.96 0.01 0.01 0.15 0.25 0.30");
    // Three decimals, rounded half away from zero; the radius of gyration keeps two.
    const auto three = with(0.01);
    EXPECT_EQ(joined(three), "0.123 0.098 0.956 0.010 0.013 0.15 0.250 0.300");
    EXPECT_FALSE(three.beep || three.flgDSize);
    EXPECT_EQ(with(0.0011).text(section::ResultField::Div), "0.001");
    for (double div : {0.001, -1.0}) {
        const auto none = with(div);
        EXPECT_EQ(joined(none), "0 0 0 0 0 0 0 0");
        EXPECT_TRUE(none.beep && none.flgDSize == 1);
    }
    // Angle 3 × 3 × 1: area 5 mm²; yc = (9 + 2) / 2 / 5 = 1.1 mm; I = (1.9³ + 3·1.1³ − 2·0.1³) / 3
    // = 3.62 mm⁴ = 0.00036 cm⁴: zeros, but the designation, the sketch and the note all stay.
    const auto out = section::calc01({kEqualAngle, {3, 0, 1}, 7.85});
    EXPECT_TRUE(out.beep && out.flgDSize == 1 && out.sketch);
    EXPECT_EQ(joined(*out.display), "0 0 0 0 0 0 0 0");
    EXPECT_EQ(out.bikou, "重心は下から 0.1 cm の位置です。");
    EXPECT_EQ(out.designation, "L  3× 3× t 1");
    EXPECT_NEAR(out.properties->menseki, 0.05, 1e-12); // kept behind the "0"
}

const std::string kPipe = "パイプの肉厚が半径を超えてます。";
const std::string kSquare =
    "角パイプの肉厚が大きすぎます。正方形の幅と厚みを正しく入力して下さい。";
const std::string kUp = "角パイプは、縦長タイプです。幅と高さを正しく入力して下さい。";
const std::string kLying = "角パイプは、横長タイプです。幅と高さを正しく入力して下さい。";
const std::string kTube = "角パイプの肉厚が大きすぎます。";
const std::string kRectUp =
    "断面は縦長タイプです。横長タイプに変更する場合は、前に戻って、断面を再選択して下さい。";
const std::string kRectLying =
    "断面は横長タイプです。縦長タイプに変更する場合は、前に戻って、断面を再選択して下さい。";
const std::string kWall = "肉厚が大きすぎます。", kSilent = "(guard)", kOk = "";

// Each check at its boundary; orientation comes before the wall; a negative dimension stops
// without a message.
TEST(SectionChecks, FirstFailingCheckGivesItsMessageAndABeep) {
    const struct {
        int code;
        section::Dimensions hen;
        std::string message;
    } cases[] = {
        // clang-format off
        {kRoundPipe, {50, 25}, kPipe}, {kRoundPipe, {50, 24.9}, kOk},
        {kSquareTube, {100, 50}, kSquare}, {kSquareTube, {100, 49.9}, kOk},
        {kRectTubeUpright, {60, 40, 100}, kUp}, {kRectTubeUpright, {40, 60, 20}, kTube},
        {kRectTubeUpright, {40, 40, 19}, kOk},
        {kRectTubeLying, {40, 60, 100}, kLying}, {kRectTubeLying, {60, 40, 20}, kTube},
        {kSolidRectUpright, {60.1, 60}, kRectUp}, {kFlatBarUpright, {40, 40}, kOk},
        {kSolidRectLying, {40, 40.1}, kRectLying}, {kFlatBarLying, {40, 40}, kOk},
        {kEqualAngle, {40, 999, 40}, kWall}, {kEqualAngle, {40, 0, 39}, kOk}, // HEN2 is HEN1
        {kUnequalAngleLying, {5, 50, 5}, kWall},
        {kUnequalAngleUpright, {200, 10, 9}, kOk}, // no check compares B with H
        {kLightChannelUpright, {40, 100, 40}, kWall}, {kLightChannelUpright, {60, 100, 50}, kWall},
        {kLightChannelUpright, {60, 100, 49}, kOk},
        {kLightChannelLying, {100, 40, 40}, kWall}, {kLightChannelLying, {100, 60, 50}, kWall},
        {kLightChannelLying, {100, 60, 49}, kOk},
        {kTeeUpright, {100, 50, 50, 6}, kWall}, {kTeeUpright, {100, 50, 8, 100}, kWall},
        {kTeeLying, {100, 50, 8, 99}, kOk},
        {kUnequalI, {60, 100, 200, 100, 6, 100}, kWall}, // a + b reach H
        {kUnequalI, {60, 100, 200, 10, 60, 12}, kWall}, // t reaches A, then B
        {kUnequalI, {100, 60, 200, 10, 60, 12}, kWall},
        {kUnequalI, {60, 100, 200, 99, 6, 100}, kOk},
        {kUnequalI, {60, 100, 200, -8, 6, -12}, kSilent},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " expecting '" + c.message + "'");
        const auto out = section::calc01({c.code, c.hen, 7.85});
        if (c.message == kOk) {
            EXPECT_EQ(out.status, Status::Computed);
            continue;
        }
        const bool silent = c.message == kSilent;
        EXPECT_EQ(out.status, silent ? Status::Incomplete : Status::Refused);
        EXPECT_EQ(out.bikou.value_or(kSilent), c.message);
        EXPECT_EQ(out.beep, !silent);
        EXPECT_EQ(out.flgDSize, 0);
        EXPECT_FALSE(out.properties || out.display || out.designation || out.sketch);
    }
}

// The size screen sends exactly the shapes the calculator computes to it; the others do nothing.
TEST(SectionChecks, TheCalculatorComputesTheShapesTheSizeScreenSendsIt) {
    for (int code = -1; code <= 100; ++code) {
        EXPECT_EQ(section::shapeLayout(code).has_value(), catalog::opensCalculator(code)) << code;
        if (section::shapeLayout(code)) continue;
        const auto out = section::calc01({code, {100, 50, 5, 5, 5, 5}, 7.85});
        EXPECT_EQ(out.status, Status::NotComputed) << code;
        EXPECT_FALSE(out.bikou || out.beep || out.properties || out.sketch) << code;
    }
}

// The sketch in twips, worked by hand from k = round(1815 / governing dimension): a circle, a
// box, an open section and their holes.
TEST(SectionSketch, EachKindOfDrawingIsPaintedAndOutlinedPartByPart) {
    const struct {
        int code;
        section::Dimensions hen;
        std::vector<Rect> parts;       // dark blue, outlined by Kaku1, 2, 3 (En1) in that order
        std::optional<Rect> hole = {}; // yellow, outlined in yellow by Kaku2 (En2)
    } cases[] = {
        // clang-format off
        // k = 1815 / 60.5 = 30; wall 3.2 × 30 = 96; hole 1815 − 192 = 1623 from 720 + 96.
        {kRoundPipe, {60.5, 3.2}, {kFrame}, Rect{816, 4656, 1623, 1623}},
        {kRoundBar, {1e-9}, {kFrame}}, // solid bars have no scale: any size fills the frame
        // Upright tube 50 × 100 × 5: k = round(18.15) = 18; width 900 centred: 720 + 457.
        {kRectTubeUpright, {50, 100, 5}, {{1177, 4560, 900, 1815}}, Rect{1267, 4650, 720, 1635}},
        // I: H = 200 governs, k = round(9.075) = 9; flanges 540 × 90 and 900 × 108, web 54.
        {kUnequalI, {60, 100, 200, 10, 6, 12},
         {{1357, 4560, 540, 90}, {1600, 4650, 54, 1617}, {1177, 6267, 900, 108}}},
        // Beyond 1815 mm a whole twip per mm cannot hold the section in the frame: the drawing
        // keeps to scale with the exact ratio, 1815 / 4000 = 0.45375 twips per mm. Width 2000 ×
        // 0.45375 = 907.5 -> 908, centred: 720 + (1815 − 908) / 2 = 1173; wall 45.
        {kRectTubeUpright, {2000, 4000, 100}, {{1173, 4560, 908, 1815}},
         Rect{1218, 4605, 818, 1725}},
        // A 10 m pipe with a 1 m wall: hole 1815 − 2 × 182 = 1451 (181.5 rounds up).
        {kRoundPipe, {10000, 1000}, {kFrame}, Rect{902, 4742, 1451, 1451}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const bool round = c.code == kRoundPipe || c.code == kRoundBar;
        const auto kind = round ? FillKind::Circle : FillKind::Box;
        const std::size_t first =
            static_cast<std::size_t>(round ? OutlineShape::En1 : OutlineShape::Kaku1);
        std::vector<Fill> fills{{FillKind::Box, kFrame, Y}};
        std::array<std::optional<section::Outline>, section::kOutlineShapeCount> outlines;
        for (std::size_t n = 0; n < c.parts.size(); ++n) {
            fills.push_back({kind, c.parts[n], B});
            outlines[first + n] = section::Outline{true, c.parts[n], K};
        }
        if (c.hole) {
            fills.push_back({kind, *c.hole, Y});
            outlines[first + 1] = section::Outline{true, *c.hole, Y};
        }
        const auto s = section::danmenZu(c.code, c.hen);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->fills, fills);
        for (std::size_t n = 0; n < outlines.size(); ++n)
            EXPECT_EQ(s->outlines[n].visible ? std::optional(s->outlines[n]) : std::nullopt,
                      outlines[n])
                << n;
    }
}

// 1815 / 0.05 = 36 300 twips per mm is too many, 1815 / 0.0554 = 32 762 not; such a section is
// still computed and shown. The frame given to calc01 is the one sketched in.
TEST(SectionSketch, NoSketchWhenTheScaleOrTheFrameLeavesSixteenBits) {
    EXPECT_FALSE(section::danmenZu(kRoundPipe, {0.05, 0.01}));
    EXPECT_TRUE(section::danmenZu(kRoundPipe, {0.0554, 0.01}));
    EXPECT_FALSE(section::danmenZu(kSquareBar, {16}, {32000, 0, 1815, 1815}));
    EXPECT_FALSE(section::danmenZu(kSquareBar, {16}, {0, 0, 0, 0}));
    const auto out = section::calc01({kRoundPipe, {0.05, 0.01}, 7.85});
    EXPECT_TRUE(out.status == Status::Computed && !out.sketch);
    const auto moved = section::calc01({kSquareBar, {16}, 7.85, {100, 200, 300, 300}});
    EXPECT_EQ(moved.sketch->fills.back(), (Fill{FillKind::Box, {100, 200, 300, 300}, B}));
}

} // namespace
