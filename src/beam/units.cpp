#include "beam/units.hpp"

#include "common/numtext.hpp"

namespace beam {

std::string_view kajutan(LoadUnit unit) {
    switch (unit) {
    case LoadUnit::kN:
        return "kN";
    case LoadUnit::kg:
        return "kg";
    case LoadUnit::N:
        break;
    }
    return "N";
}

double toNewtons(double typed, LoadUnit unit) {
    switch (unit) {
    case LoadUnit::kN:
        return typed * 1000;
    case LoadUnit::kg:
        return typed * kGravity;
    case LoadUnit::N:
        break;
    }
    return typed;
}

namespace {

std::string force(const std::string& si) {
    return numtext::format(numtext::value(si) / kGravity, kOneDecimalPattern);
}

// Moments (N·m -> kg·cm) and stresses (N/mm² -> kg/cm²) share the factor ÷ 9.8 × 100.
std::string per100(const std::string& si, std::string_view pattern) {
    return numtext::format(numtext::value(si) / kGravity * 100, pattern);
}

} // namespace

TwinTexts OldTaniSet(const TwinTexts& si) {
    TwinTexts old;
    old.kaju = force(si.kaju);
    old.kajumo = per100(si.kajumo, kMomentPattern);
    old.kajumage = per100(si.kajumage, kOneDecimalPattern);
    old.jiju = force(si.jiju);
    old.jmo = per100(si.jmo, kMomentPattern);
    old.jmage = per100(si.jmage, kOneDecimalPattern);
    old.kajut = force(si.kajut);
    old.mot = per100(si.mot, kTotalMomentPattern);
    old.maget = per100(si.maget, kOneDecimalPattern);
    return old;
}

TwinTexts KekkaZero() {
    const std::string moment = numtext::format(0, kMomentPattern);
    const std::string oneDecimal = numtext::format(0, kOneDecimalPattern);
    TwinTexts zero;
    zero.kajumo = moment;
    zero.jmo = moment;
    zero.mot = numtext::format(0, kTotalMomentPattern);
    zero.kaju = zero.kajumage = zero.jiju = zero.jmage = zero.kajut = zero.maget = oneDecimal;
    return zero;
}

} // namespace beam
