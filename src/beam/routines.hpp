// The twelve formula routines: for one structure and load case each computes the moment, the
// stress and the deflection from the load and from the member's own weight, their totals, and
// the texts the calculation screen shows. calcDispatch prepares their load and calls them only
// when the load, span and (where used) L1 allow a calculation and the section is sound.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "beam/judgement.hpp"
#include "beam/units.hpp"

namespace beam {

// The load as calcDispatch prepared it (N, N/mm, mm).
struct Load {
    double wa = 0;   // WA: the point load, or the total load of a distributed case
    double wbun = 0; // Wbun: the distributed load
    double la = 0;   // LA: span, or total length of a cantilever
    double hen3 = 0; // HEN3: L1
};

// The section and material values, read once from their texts.
struct Member {
    double z = 0;               // section modulus, cm³
    double i = 0;               // second moment of area, cm⁴
    double e = 0;               // Young's modulus, N/mm²
    double mass = 0;            // kg/m
    std::string_view allowText; // the text of `Textkmage`, N/mm²
    bool allowValid = false;    // whether that text reads as a positive number
};

// The screen's calculation variables after one routine.
struct Quantities {
    double wa = 0, wbun = 0, la = 0;
    double mo = 0;                    // N·m
    std::optional<double> ma, mb, mc; // the candidate moments of calc42 / calc52
    std::optional<double> hen4;       // L2 = L - L1, set by calc13 only
    double kajumage = 0, kajutawami = 0;
    double jiju = 0, jmo = 0, jmage = 0, jtawami = 0;
    double tawamiT = 0;
};

// The texts a calculation writes.
struct ResultTexts {
    TwinTexts si; // `Textkaju` ... `Textmaget`
    DeflectionTexts deflections;
    std::string labelmagehikaku;                  // "" when the allowable stress gives no ratio
    std::optional<std::string> labeltawamihikaku; // nullopt: leave the caption as it was
};

struct Calculation {
    Quantities q;
    ResultTexts texts;
    bool momentPositive = false; // the total moment is positive: show `ImgiNpM` and the verdict
    std::optional<Hantei> hantei;
};

// Cantilever (fixed at the left, free at the right); `vertical` for the vertical cantilever,
// whose own weight acts along its axis and so neither bends nor deflects it.
Calculation calc11(const Load& load, const Member& m, bool vertical); // P at the free end
Calculation calc12(const Load& load, const Member& m, bool vertical); // w over the whole length
Calculation calc13(const Load& load, const Member& m, bool vertical); // w over L1 at the free end
// Simply supported at both ends.
Calculation calc31(const Load& load, const Member& m); // P at mid-span
Calculation calc32(const Load& load, const Member& m); // P at L1 from the left
Calculation calc33(const Load& load, const Member& m); // w over the span
// Fixed at both ends.
Calculation calc41(const Load& load, const Member& m);
Calculation calc42(const Load& load, const Member& m);
Calculation calc43(const Load& load, const Member& m);
// Pinned at the left end, fixed at the right; L1 measured from the pinned end.
Calculation calc51(const Load& load, const Member& m);
Calculation calc52(const Load& load, const Member& m);
Calculation calc53(const Load& load, const Member& m);

} // namespace beam
