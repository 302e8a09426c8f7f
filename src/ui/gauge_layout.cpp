#include "ui/gauge_layout.hpp"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {
constexpr double kBandHeight = 300;
} // namespace

Gauge layOutGauge(double bar, const GaugeAnchors& anchors) {
    using beam::kBlack, beam::kOrange, beam::kRed, beam::kTeal;
    Gauge g;
    g.x0 = anchors.zaisituLeft + 200;
    g.y0 = anchors.label100Top + 500;
    g.x1 = anchors.magehikakuLeft - 200;
    g.y1 = g.y0 - kBandHeight;
    g.w = g.x1 - g.x0;
    g.b = g.w * std::clamp(bar, 0.0, 1.0);
    const double half = g.w * beam::kLongTermMark;
    const double threeQuarters = g.w * beam::kShortTermMark;

    // Strip i (i = 1, 2, ... while i <= b) covers x0 + i to x0 + i + 1: teal up to the 100 %
    // mark, orange beyond it, red beyond 150 %. Consecutive strips of one colour form one run.
    const double last = std::floor(g.b);
    const auto run = [&](double first, double end, beam::Rgb colour) {
        if (end >= first)
            g.background.push_back(
                {{g.x0 + first, g.y1, end - first + 1, kBandHeight}, colour, true, 1});
    };
    g.background.reserve(6);
    run(1, std::min(last, std::floor(half)), kTeal);
    run(std::floor(half) + 1, std::min(last, std::floor(threeQuarters)), kOrange);
    run(std::floor(threeQuarters) + 1, last, kRed);
    g.background.push_back({{g.x0, g.y1, half, kBandHeight}, kRed, false, 3});
    g.background.push_back({{g.x0, g.y1, threeQuarters, kBandHeight}, kRed, false, 3});
    g.background.push_back({{g.x0, g.y1, g.w, kBandHeight}, kBlack, false, 3});

    g.lineH1 = {g.x0 + half, g.y0, g.y1, kRed};
    g.lineH2 = {g.x0 + threeQuarters, g.y0, g.y1, kRed};
    g.shapeHan4 = {{g.x0, g.y1, g.w, kBandHeight}, kBlack, std::nullopt, 3};
    g.shapeHan1 = {{g.x0, g.y1, g.b, kBandHeight}, kTeal, kTeal, 1};
    if (g.b > half)
        g.shapeHan2 = GaugeShape{{g.x0 + half, g.y1, g.b - half, kBandHeight}, kOrange, kOrange, 1};
    if (g.b > threeQuarters)
        g.shapeHan3 = GaugeShape{
            {g.x0 + threeQuarters, g.y1, g.b - threeQuarters, kBandHeight}, kRed, kRed, 1};
    return g;
}

} // namespace ui
