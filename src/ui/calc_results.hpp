// Writing what the calculation returns into the result side of Form入力計算: the SI fields and
// their old-unit twins, the deflections and ratios, the display units, the verdict and gauge.
#pragma once

#include "beam/dispatch.hpp"
#include "ui/calc_controls.hpp"

namespace ui {

// The nine SI result texts as shown, and writing them or their twins.
beam::TwinTexts shownSi(const CalcControls& c);
void writeSi(CalcControls& c, const beam::TwinTexts& t);
void writeOld(CalcControls& c, const beam::TwinTexts& t);

// The SI results, deflections and ratio captions of one calculation.
void writeResults(CalcControls& c, const beam::ResultTexts& r);

// Which set of the twin fields and captions is shown: the old kg-based units or SI.
void showUnits(CalcControls& c, bool old);

// The verdict, its symbol and the gauge; and removing them again.
void showHantei(CalcControls& c, const beam::Hantei& h);
void clearHantei(CalcControls& c);

// Where the gauge is anchored, read from the controls as laid out.
beam::GaugeAnchors gaugeAnchors(const CalcControls& c);

} // namespace ui
