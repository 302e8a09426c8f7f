#include "beam/judgement.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/numtext.hpp"

namespace beam {

namespace {

int decimalsFor(double deflection) {
    int decimals = 1;
    if (deflection > 0 && deflection < 0.1) decimals = 2;
    if (deflection > 0 && deflection < 0.01) decimals = 3;
    if (deflection > 0 && deflection < 0.001) decimals = 4;
    if (deflection > 0 && deflection < 0.0001) decimals = 5;
    return decimals;
}

constexpr std::array<std::string_view, 5> kDeflectionPatterns = {"####0.0", "####0.00", "####0.000",
                                                                 "####0.0000", "####0.00000"};

constexpr double kBandHeight = 300;

} // namespace

DeflectionTexts KetasitaSet(double kajutawami, double jtawami, double tawamiT) {
    DeflectionTexts d;
    d.ketasita = decimalsFor(kajutawami);
    d.jKetasita = decimalsFor(jtawami);
    d.maxKetasita = d.ketasita > d.jKetasita ? d.ketasita : d.jKetasita;
    const std::string_view pattern = kDeflectionPatterns[d.maxKetasita - 1];
    d.tawamit = numtext::format(tawamiT, pattern);
    d.kajutawami = numtext::format(kajutawami, pattern);
    d.jtawami = numtext::format(jtawami, pattern);
    return d;
}

Hantei HanteiShow(std::string_view textmaget, std::string_view textkmage,
                  const GaugeAnchors& anchors) {
    const double stress = numtext::value(textmaget);
    const double allowable = numtext::value(textkmage);

    Hantei h;
    h.label判定 = "曲げ応力 長期 OK";
    h.label丸 = "○";
    h.r = stress / allowable;
    if (h.r > 1.0) {
        h.grade = Grade::ShortTermOk;
        h.label判定 = "曲げ応力 短期 OK";
        h.label丸 = "△";
    }
    if (h.r > 1.5) {
        h.grade = Grade::ShortTermNg;
        h.label判定 = "曲げ応力 短期 NG";
        h.label丸 = "×";
    }

    Gauge& g = h.gauge;
    g.x0 = anchors.zaisituLeft + 200;
    g.y0 = anchors.label100Top + 500;
    g.x1 = anchors.magehikakuLeft - 200;
    g.y1 = g.y0 - kBandHeight;
    g.w = g.x1 - g.x0;
    // No stress is no bar, also where an allowable stress below about 1e-305 makes the scale
    // infinite (infinity times 0 would give a bar of NaN twips).
    g.b = stress == 0 ? 0 : g.w / (2 * allowable) * stress;
    if (g.x0 + g.b > g.x1) g.b = g.w;
    const double half = g.w / 2;
    const double threeQuarters = 3 * g.w / 4;

    // Strip i (i = 1, 2, ... while i <= b) covers x0 + i to x0 + i + 1: teal up to the 100 %
    // mark, orange beyond it, red beyond 150 %. Consecutive strips of one colour form one run.
    const double last = std::floor(g.b);
    const auto run = [&](double first, double end, Rgb colour) {
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
    return h;
}

} // namespace beam
