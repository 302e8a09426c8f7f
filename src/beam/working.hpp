// The working of a calculation as a calculation sheet writes it: for the load, the self weight
// and the total, each formula of the case as `Label式` writes it, the same formula with the
// numbers put in, and the result as the calculation screen shows it. The numbers are those the
// calculation used (N, mm, N/mm², cm³ × 10³, cm⁴ × 10⁴); a figure carried from one line into
// the next keeps six significant digits, so each line evaluates to the result it shows.
#pragma once

#include <string>
#include <vector>

#include "beam/dispatch.hpp"

namespace beam {

struct WorkingLine {
    std::string formula; // "M=P*L"
    std::string numbers; // "1000 N × 2000 mm / 10³"
    std::string result;  // the screen's text: "2000"
    std::string unit;    // "N·m"
    // The old-unit twin of the result and its unit ("" for the deflections, which have none).
    std::string oldResult, oldUnit;
};

struct WorkingBlock {
    std::string title; // "荷重による", "自重による", "合計"
    std::vector<WorkingLine> lines;
};

// The three blocks of a check that calcDispatch calculated (none when it calculated nothing),
// then the ratios: the stress ratio when the allowable stress gives one, the deflection ratio
// when there is a deflection.
std::vector<WorkingBlock> workingLines(const Inputs& in, const Outcome& out);

// A number as the sheet puts it in: at most `digits` significant digits, plain decimals,
// no trailing zeros.
std::string sheetNumber(double v, int digits = 15);

} // namespace beam
