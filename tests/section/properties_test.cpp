// Area, centroid, I, Z and i of every shape against Green's theorem over the section's outline
// (circles as polygons of many sides, which also checks that 3.141592 is close enough).
#include "section/calc.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using section::Dimensions;

struct Pt {
    double x, y;
};
using Loop = std::vector<Pt>; // counter-clockwise adds, clockwise (a hole) takes away

struct Polygon {
    std::vector<Loop> loops;
    bool e4FromRight = false; // e4 measured from the right-hand edge instead of the left
};

Loop rectLoop(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}
Loop reversed(Loop l) {
    std::reverse(l.begin(), l.end());
    return l;
}
Loop circleLoop(double diameter, int sides = 200000) {
    Loop l;
    // Radius chosen so the polygon has the circle's area: the polygon's I is then within
    // (2π/n)² of the circle's.
    const double pi = std::acos(-1.0);
    const double r = diameter / 2 * std::sqrt(2 * pi / sides / std::sin(2 * pi / sides));
    for (int k = 0; k < sides; ++k)
        l.push_back({r * std::cos(2 * pi * k / sides), r * std::sin(2 * pi * k / sides)});
    return l;
}

// What the calculator should show, in cm units, worked out from the outline alone.
struct Expected {
    double area, i, z, r, e3, e4;
};

Expected integrate(const Polygon& p) {
    double a = 0, sx = 0, sy = 0, ixx = 0;
    double xmin = INFINITY, xmax = -INFINITY, ymin = INFINITY, ymax = -INFINITY;
    for (const Loop& l : p.loops) {
        for (std::size_t k = 0; k < l.size(); ++k) {
            const Pt& u = l[k];
            const Pt& v = l[(k + 1) % l.size()];
            const double c = u.x * v.y - v.x * u.y;
            a += c / 2;
            sx += (u.y + v.y) * c / 6;
            sy += (u.x + v.x) * c / 6;
            ixx += (u.y * u.y + u.y * v.y + v.y * v.y) * c / 12;
            xmin = std::min(xmin, u.x), xmax = std::max(xmax, u.x);
            ymin = std::min(ymin, u.y), ymax = std::max(ymax, u.y);
        }
    }
    const double yc = sx / a, xc = sy / a;
    const double ic = ixx - a * yc * yc;
    const double farthest = std::max(ymax - yc, yc - ymin);
    return {a / 100,
            ic / 1e4,
            ic / farthest / 1e3,
            std::sqrt(ic / a) / 10,
            (yc - ymin) / 10,
            (p.e4FromRight ? xmax - xc : xc - xmin) / 10};
}

Polygon pipe(const Dimensions& h) {
    return {{circleLoop(h[0]), reversed(circleLoop(h[0] - 2 * h[1]))}};
}
Polygon tube(double B, double H, double t) {
    return {{rectLoop(0, 0, B, H), reversed(rectLoop(t, t, B - t, H - t))}};
}
Polygon angle(const Dimensions& h) {
    const double B = h[0], H = h[1], t = h[2];
    return {{{{0, 0}, {B, 0}, {B, t}, {t, t}, {t, H}, {0, H}}}};
}
Polygon channelUpright(const Dimensions& h) {
    const double B = h[0], H = h[1], t = h[2];
    return {{{{0, 0}, {B, 0}, {B, t}, {t, t}, {t, H - t}, {B, H - t}, {B, H}, {0, H}}}};
}
Polygon channelLying(const Dimensions& h) {
    const double B = h[0], H = h[1], t = h[2];
    return {{{{0, 0}, {t, 0}, {t, H - t}, {B - t, H - t}, {B - t, 0}, {B, 0}, {B, H}, {0, H}}}};
}
Polygon teeUpright(const Dimensions& h) {
    const double B = h[0], H = h[1], t = h[2], a = h[3];
    const double l = (B - a) / 2, r = (B + a) / 2;
    return {{{{l, 0}, {r, 0}, {r, H - t}, {B, H - t}, {B, H}, {0, H}, {0, H - t}, {l, H - t}}}};
}
Polygon teeLying(const Dimensions& h) {
    const double B = h[0], H = h[1], t = h[2], a = h[3];
    const double lo = (H - t) / 2, hi = (H + t) / 2;
    return {{{{0, 0}, {a, 0}, {a, lo}, {B, lo}, {B, hi}, {a, hi}, {a, H}, {0, H}}}, true};
}
Polygon unequalI(const Dimensions& h) {
    const double A = h[0], B = h[1], H = h[2], a = h[3], t = h[4], b = h[5];
    return {{{{-B / 2, 0},
              {B / 2, 0},
              {B / 2, b},
              {t / 2, b},
              {t / 2, H - a},
              {A / 2, H - a},
              {A / 2, H},
              {-A / 2, H},
              {-A / 2, H - a},
              {-t / 2, H - a},
              {-t / 2, b},
              {-B / 2, b}}}};
}

struct ShapeCase {
    int code;
    Dimensions hen;
    std::function<Polygon(const Dimensions&)> outline;
    double tolerance; // relative
    double gyrationTolerance;
};

constexpr double kExact = 1e-9;
constexpr double kCircle = 1e-6; // 3.141592 and the polygon
constexpr double kRoot12 = 2e-5; // 0.28867 for 1/√12

TEST(SectionProperties, EveryShapeAgreesWithItsOutline) {
    using namespace section::code;
    const auto rectUp = [](const Dimensions& h) { return Polygon{{rectLoop(0, 0, h[0], h[1])}}; };
    const auto square = [](const Dimensions& h) { return Polygon{{rectLoop(0, 0, h[0], h[0])}}; };
    const ShapeCase cases[] = {
        {kRoundPipe, {60.5, 3.2}, pipe, kCircle, kCircle},
        {kRoundPipe, {10, 4.99}, pipe, kCircle, kCircle},
        {kSquareTube,
         {100, 4.5},
         [](const Dimensions& h) { return tube(h[0], h[0], h[1]); },
         kExact,
         kExact},
        {kRectTubeUpright,
         {50, 100, 3.2},
         [](const Dimensions& h) { return tube(h[0], h[1], h[2]); },
         kExact,
         kExact},
        {kRectTubeUpright,
         {75, 75, 6},
         [](const Dimensions& h) { return tube(h[0], h[1], h[2]); },
         kExact,
         kExact},
        {kRectTubeLying,
         {125, 75, 4.5},
         [](const Dimensions& h) { return tube(h[0], h[1], h[2]); },
         kExact,
         kExact},
        {kFlatBarUpright, {9, 75}, rectUp, kExact, kRoot12},
        {kFlatBarLying, {75, 9}, rectUp, kExact, kRoot12},
        {kSolidRectUpright, {30, 30}, rectUp, kExact, kRoot12},
        {kSolidRectLying, {120, 45.5}, rectUp, kExact, kRoot12},
        {kEqualAngle,
         {40, 0, 5},
         [](const Dimensions& h) {
             return angle({h[0], h[0], h[2]});
         },
         kExact,
         kExact},
        {kUnequalAngleUpright, {50, 90, 6}, angle, kExact, kExact},
        {kUnequalAngleLying, {100, 75, 7}, angle, kExact, kExact},
        {kUnequalAngleLying, {200, 20, 15}, angle, kExact, kExact}, // centroid inside the long leg
        {kRoundBar,
         {22},
         [](const Dimensions& h) { return Polygon{{circleLoop(h[0])}}; },
         kCircle,
         kCircle},
        {kSquareBar, {16}, square, kExact, kRoot12},
        {kLightChannelUpright, {50, 100, 2.3}, channelUpright, kExact, kExact},
        {kLightChannelUpright, {40, 60, 19.9}, channelUpright, kExact, kExact},
        {kLightChannelLying, {100, 50, 3.2}, channelLying, kExact, kExact},
        {kLightChannelLying, {30, 80, 14}, channelLying, kExact, kExact},
        {kTeeUpright, {100, 50, 8, 6}, teeUpright, kExact, kExact},
        {kTeeUpright, {20, 120, 15, 19}, teeUpright, kExact, kExact},
        {kTeeLying, {50, 100, 6, 8}, teeLying, kExact, kExact},
        {kUnequalI, {60, 100, 200, 8, 6, 12}, unequalI, kExact, kExact},
        // Wider flange on top: the bottom face is the farther one and gives Z.
        {kUnequalI, {150, 50, 200, 12, 6, 8}, unequalI, kExact, kExact},
        {kUnequalI, {80, 80, 100, 10, 5, 10}, unequalI, kExact, kExact},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE("shape " + std::to_string(c.code) + " HEN1 " + std::to_string(c.hen[0]));
        const auto out = section::calc01({c.code, c.hen, 7.85});
        ASSERT_EQ(out.status, section::Status::Computed);
        const auto& p = *out.properties;
        const Expected e = integrate(c.outline(out.hen));
        EXPECT_NEAR(p.menseki, e.area, c.tolerance * e.area);
        EXPECT_NEAR(p.div, e.i, c.tolerance * e.i);
        EXPECT_NEAR(p.dzv, e.z, c.tolerance * e.z);
        EXPECT_NEAR(p.d2rv, e.r, c.gyrationTolerance * e.r);
        EXPECT_NEAR(p.e3, e.e3, c.tolerance * e.e3);
        EXPECT_NEAR(p.e4, e.e4, c.tolerance * e.e4);
    }
}

TEST(SectionProperties, MassAndWeightPerMetre) {
    // 100 mm square bar: 100 cm² × 100 cm = 10 000 cm³ per metre; × 7.85 g/cm³ = 78.5 kg;
    // × 9.8 = 769.3 N.
    const auto steel = section::calc01({section::code::kSquareBar, {100}, 7.85});
    EXPECT_NEAR(steel.properties->zaijuryou, 78.5, 1e-9);
    EXPECT_NEAR(steel.properties->zaijuryouSI, 769.3, 1e-9);
    // 20 × 10 mm flat bar of aluminium (2.7): 2 cm² × 100 cm × 2.7 = 540 g; 5.292 N.
    const auto alu = section::calc01({section::code::kFlatBarLying, {20, 10}, 2.7});
    EXPECT_NEAR(alu.properties->zaijuryou, 0.54, 1e-12);
    EXPECT_NEAR(alu.properties->zaijuryouSI, 5.292, 1e-12);
}

TEST(SectionProperties, ZOfTheUnequalISectionUsesTheFartherFace) {
    // A = 150, a = 12 on top; B = 50, b = 8 below; web 6; H = 200. By hand: areas 1800, 400,
    // 6 × 180 = 1080 (total 3280); moments about the bottom 1800 × 194 + 400 × 4 + 1080 × 98
    // = 456 640, so the centroid sits 139.2 mm up and the bottom face (139.2) is farther than
    // the top (60.8).
    const auto out = section::calc01({section::code::kUnequalI, {150, 50, 200, 12, 6, 8}, 7.85});
    const auto& p = *out.properties;
    EXPECT_NEAR(p.e3, 13.922, 1e-3);
    EXPECT_NEAR(p.dzv, p.div / p.e3, 1e-9 * p.dzv);
    // Bottom flange the wider one: the top face is the farther one, as it always was.
    const auto usual = section::calc01({section::code::kUnequalI, {50, 150, 200, 8, 6, 12}, 7.85});
    EXPECT_NEAR(usual.properties->dzv, usual.properties->div / (20 - usual.properties->e3),
                1e-9 * usual.properties->dzv);
}

} // namespace
