#include "beam/judgement.hpp"

#include <algorithm>
#include <array>

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

Hantei HanteiShow(std::string_view textmaget, std::string_view textkmage) {
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

    // No stress is no bar, also where an allowable stress below about 1e-305 makes the ratio
    // infinite.
    h.bar = stress == 0 ? 0 : std::min(1.0, h.r / 2);
    return h;
}

} // namespace beam
