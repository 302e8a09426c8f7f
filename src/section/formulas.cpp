#include "section/formulas.hpp"

#include <algorithm>
#include <cmath>

namespace section {
namespace {

constexpr std::string_view kPipeTooThick = "パイプの肉厚が半径を超えてます。";
constexpr std::string_view kSquareTubeTooThick =
    "角パイプの肉厚が大きすぎます。正方形の幅と厚みを正しく入力して下さい。";
constexpr std::string_view kTubeNotUpright =
    "角パイプは、縦長タイプです。幅と高さを正しく入力して下さい。";
constexpr std::string_view kTubeNotLying =
    "角パイプは、横長タイプです。幅と高さを正しく入力して下さい。";
constexpr std::string_view kTubeTooThick = "角パイプの肉厚が大きすぎます。";
constexpr std::string_view kRectNotUpright =
    "断面は縦長タイプです。横長タイプに変更する場合は、前に戻って、断面を再選択して下さい。";
constexpr std::string_view kRectNotLying =
    "断面は横長タイプです。縦長タイプに変更する場合は、前に戻って、断面を再選択して下さい。";
constexpr std::string_view kWallTooThick = "肉厚が大きすぎます。";

double sq(double x) {
    return x * x;
}
double cube(double x) {
    return x * x * x;
}
double quad(double x) {
    return sq(x) * sq(x);
}

// √(I / A), or 0 where cancellation has left no positive area or second moment (a wall so
// thin against the section that nothing is left of it in double precision).
double gyration(double i, double area) {
    return i > 0 && area > 0 ? std::sqrt(i / area) : 0.0;
}

// Area cm², I cm⁴, Z cm³ and the lengths i, e3, e4 in cm, before the mass.
struct Geometry {
    double area, i, z, r, e3, e4;
};

Geometry roundPipe(double D, double t) {
    const double d = D - 2 * t;
    return {kPi * (sq(D) - sq(d)) / 4 / 100,
            kPi / 64 * (quad(D) - quad(d)) / 10000,
            kPi / 32 * (quad(D) - quad(d)) / D / 1000,
            std::sqrt(sq(D) + sq(d)) / 4 / 10,
            D / 2 / 10,
            D / 2 / 10};
}

Geometry squareTube(double B, double t) {
    const double b = B - 2 * t;
    return {(sq(B) - sq(b)) / 100,
            (quad(B) - quad(b)) / 12 / 10000,
            (quad(B) - quad(b)) / (6 * B) / 1000,
            std::sqrt((sq(B) + sq(b)) / 12) / 10,
            B / 2 / 10,
            B / 2 / 10};
}

Geometry rectTube(double B, double H, double t) {
    const double b = B - 2 * t, h = H - 2 * t;
    const double amm = B * H - b * h;
    const double imm = (B * cube(H) - b * cube(h)) / 12;
    return {amm / 100,
            imm / 10000,
            (B * cube(H) - b * cube(h)) / (6 * H) / 1000,
            gyration(imm, amm) / 10,
            H / 2 / 10,
            B / 2 / 10};
}

// 0.28867 is the five-decimal 1/√12 of the screen's formulas.
Geometry solidRect(double B, double H) {
    return {B * H / 100,          B * cube(H) / 12 / 10000,
            B * sq(H) / 6 / 1000, H * 0.28867 / 10,
            H / 2 / 10,           B / 2 / 10};
}

Geometry squareBar(double B) {
    return {sq(B) / 100,      quad(B) / 12 / 10000, cube(B) / 6 / 1000,
            B * 0.28867 / 10, B / 2 / 10,           B / 2 / 10};
}

Geometry roundBar(double D) {
    return {kPi * sq(D) / 4 / 100,
            kPi * quad(D) / 64 / 10000,
            kPi * cube(D) / 32 / 1000,
            D / 4 / 10,
            D / 2 / 10,
            D / 2 / 10};
}

// Horizontal leg B along the bottom, vertical leg H at its left end, both t thick.
Geometry angle(double B, double H, double t) {
    Geometry g{};
    g.area = (B * H - (B - t) * (H - t)) / 100;
    const double yc = (sq(H) * t + sq(t) * (B - t)) / 2 / (H * t + t * (B - t));
    const double xc = (sq(B) * t + sq(t) * (H - t)) / 2 / (B * t + t * (H - t));
    g.e3 = yc / 10;
    g.e4 = xc / 10;
    g.i = (t * cube(H - yc) + B * cube(yc) - (B - t) * cube(yc - t)) / 3 / 10000;
    // The top of the vertical leg is always the farther fibre: the centroid lies below H/2.
    g.z = g.i / (H / 10 - g.e3);
    g.r = gyration(g.i, g.area);
    return g;
}

// Web H at the left, flanges B pointing right, walls t.
Geometry channelUpright(double B, double H, double t) {
    const double amm = B * H - (B - t) * (H - 2 * t);
    const double imm = (B * cube(H) - (B - t) * cube(H - 2 * t)) / 12;
    return {amm / 100,
            imm / 10000,
            (B * cube(H) - (B - t) * cube(H - 2 * t)) / (6 * H) / 1000,
            gyration(imm, amm) / 10,
            H / 2 / 10,
            (2 * t * sq(B) + sq(t) * (H - 2 * t)) / 2 / (2 * B * t + t * (H - 2 * t)) / 10};
}

// Web B along the top, flanges H pointing down, walls t.
Geometry channelLying(double B, double H, double t) {
    Geometry g{};
    g.area = (B * H - (H - t) * (B - 2 * t)) / 100;
    const double yw = (2 * t * sq(H) + sq(t) * (B - 2 * t)) / 2 / (2 * H * t + t * (B - 2 * t));
    g.e3 = H / 10 - yw / 10;
    g.e4 = B / 2 / 10;
    g.i = (B * cube(yw) - (B - 2 * t) * cube(yw - t) + 2 * t * cube(H - yw)) / 3 / 10000;
    // The flange tips are the farther fibre: the centroid lies above H/2.
    g.z = g.i / g.e3;
    g.r = gyration(g.i, g.area);
    return g;
}

// Flange B × t along the top, web a thick hanging from it, overall height H.
Geometry teeUpright(double B, double H, double t, double a) {
    Geometry g{};
    g.area = (B * t + a * (H - t)) / 100;
    const double yf = (a * sq(H) + sq(t) * (B - a)) / 2 / (a * H + t * (B - a));
    g.e3 = H / 10 - yf / 10;
    g.e4 = B / 2 / 10;
    g.i = (a * cube(H - yf) + B * cube(yf) - (B - a) * cube(yf - t)) / 3 / 10000;
    g.z = g.i / g.e3; // the tip of the web is the farther fibre
    g.r = gyration(g.i, g.area);
    return g;
}

// Flange H × a standing at the left, stem t thick pointing right, overall width B.
Geometry teeLying(double B, double H, double t, double a) {
    Geometry g{};
    g.area = (a * H + t * (B - a)) / 100;
    const double xf = (sq(B) * t + sq(a) * (H - t)) / 2 / (B * t + a * (H - t));
    g.e3 = H / 2 / 10;
    g.e4 = B / 10 - xf / 10;
    g.i = (a * cube(H) + (B - a) * cube(t)) / 12 / 10000;
    g.z = (a * cube(H) + (B - a) * cube(t)) / (6 * H) / 1000;
    g.r = gyration(g.i, g.area);
    return g;
}

// Top flange A × a, bottom flange B × b, web t, overall height H.
Geometry unequalI(double A, double B, double H, double a, double t, double b) {
    Geometry g{};
    g.area = (A * a + B * b + t * (H - a - b)) / 100;
    const double yc = (sq(H) * t + sq(b) * (B - t) + a * (A - t) * (2 * H - a)) / 2 /
                      (H * t + a * (A - t) + b * (B - t));
    g.e3 = yc / 10;
    g.e4 = std::max(A, B) / 2 / 10;
    g.i = (A * cube(H - yc) - (A - t) * cube(H - yc - a) + B * cube(yc) - (B - t) * cube(yc - b)) /
          3 / 10000;
    // The farther of the two faces governs the bending stress. With the wider flange at the
    // top the centroid moves up and the bottom face becomes the farther one.
    g.z = g.i / std::max(H / 10 - g.e3, g.e3);
    g.r = gyration(g.i, g.area);
    return g;
}

Geometry geometry(Kind kind, const Dimensions& h) {
    switch (kind) {
    case Kind::RoundPipe:
        return roundPipe(h[0], h[1]);
    case Kind::SquareTube:
        return squareTube(h[0], h[1]);
    case Kind::RectTubeUpright:
    case Kind::RectTubeLying:
        return rectTube(h[0], h[1], h[2]);
    case Kind::SolidRectUpright:
    case Kind::SolidRectLying:
        return solidRect(h[0], h[1]);
    case Kind::Angle:
        return angle(h[0], h[1], h[2]);
    case Kind::RoundBar:
        return roundBar(h[0]);
    case Kind::SquareBar:
        return squareBar(h[0]);
    case Kind::ChannelUpright:
        return channelUpright(h[0], h[1], h[2]);
    case Kind::ChannelLying:
        return channelLying(h[0], h[1], h[2]);
    case Kind::TeeUpright:
        return teeUpright(h[0], h[1], h[2], h[3]);
    case Kind::TeeLying:
        return teeLying(h[0], h[1], h[2], h[3]);
    case Kind::UnequalI:
        return unequalI(h[0], h[1], h[2], h[3], h[4], h[5]);
    }
    return {};
}

} // namespace

Dimensions effectiveDimensions(const ShapeLayout& shape, const Dimensions& hen) {
    Dimensions d = hen;
    if (shape.code == shape::kEqualAngle) d[1] = d[0];
    return d;
}

bool guardPasses(const ShapeLayout& shape, const Dimensions& hen) {
    return std::all_of(shape.fields.begin(), shape.fields.end(), [&](const DimensionField& f) {
        const double v = hen[f.hen - 1];
        return v > 0 && std::isfinite(v);
    });
}

std::optional<std::string_view> failedCheck(const ShapeLayout& shape, const Dimensions& h) {
    switch (shape.kind) {
    case Kind::RoundPipe:
        if (!(h[1] < h[0] / 2)) return kPipeTooThick;
        break;
    case Kind::SquareTube:
        if (!(h[1] < h[0] / 2)) return kSquareTubeTooThick;
        break;
    case Kind::RectTubeUpright:
        if (!(h[1] >= h[0])) return kTubeNotUpright;
        if (!(h[2] < h[0] / 2)) return kTubeTooThick;
        break;
    case Kind::RectTubeLying:
        if (!(h[0] >= h[1])) return kTubeNotLying;
        if (!(h[2] < h[1] / 2)) return kTubeTooThick;
        break;
    case Kind::SolidRectUpright:
        if (!(h[1] >= h[0])) return kRectNotUpright;
        break;
    case Kind::SolidRectLying:
        if (!(h[0] >= h[1])) return kRectNotLying;
        break;
    case Kind::Angle:
        if (!(h[2] < h[0] && h[2] < h[1])) return kWallTooThick;
        break;
    case Kind::RoundBar:
    case Kind::SquareBar:
        break;
    case Kind::ChannelUpright:
        if (!(h[2] < h[0] && 2 * h[2] < h[1])) return kWallTooThick;
        break;
    case Kind::ChannelLying:
        if (!(h[2] < h[1] && 2 * h[2] < h[0])) return kWallTooThick;
        break;
    case Kind::TeeUpright:
    case Kind::TeeLying:
        if (!(h[2] < h[1] && h[3] < h[0])) return kWallTooThick;
        break;
    case Kind::UnequalI:
        if (!(h[4] < h[0] && h[4] < h[1] && h[3] + h[5] < h[2])) return kWallTooThick;
        break;
    }
    return std::nullopt;
}

std::optional<Properties> computeProperties(const ShapeLayout& shape, const Dimensions& hen,
                                            double dhijuv) {
    // The formulas run on the dimensions divided by a power of two near the largest of them and
    // the results are scaled back. Powers of two scale without rounding, so ordinary sections
    // give exactly the figures of the formulas as written, while very small or very large
    // dimensions keep their centroids and radii instead of underflowing to 0 / 0.
    double largest = 0;
    for (const DimensionField& f : shape.fields)
        largest = std::max(largest, hen[f.hen - 1]);
    int e = 0;
    std::frexp(largest, &e);
    Dimensions scaled{};
    for (std::size_t n = 0; n < hen.size(); ++n)
        scaled[n] = std::ldexp(hen[n], -e);

    const Geometry g = geometry(shape.kind, scaled);
    Properties p;
    p.menseki = std::ldexp(g.area, 2 * e);
    p.div = std::ldexp(g.i, 4 * e);
    p.dzv = std::ldexp(g.z, 3 * e);
    p.d2rv = std::ldexp(g.r, e);
    p.e3 = std::ldexp(g.e3, e);
    p.e4 = std::ldexp(g.e4, e);
    p.zaijuryou = p.menseki * dhijuv * 100 / 1000;
    p.zaijuryouSI = p.menseki * dhijuv * 100 * kGravity / 1000;

    for (double v : {p.menseki, p.zaijuryou, p.zaijuryouSI, p.div, p.dzv, p.d2rv, p.e3, p.e4})
        if (!std::isfinite(v)) return std::nullopt;
    return p;
}

} // namespace section
