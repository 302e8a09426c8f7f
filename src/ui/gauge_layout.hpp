// Where the gauge of the calculation screen lies and how its band is filled, in twips (y grows
// downwards). The beam core decides how full the band is; this lays it out from the screen's
// anchors, as the band has always been drawn: one-twip strips joined into runs of one colour.
#pragma once

#include <optional>
#include <vector>

#include "beam/judgement.hpp"

namespace ui {

struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

// A rectangle shape control (`ShapeHan1` ...): where it goes and how it is coloured.
struct GaugeShape {
    TwipRect rect;
    beam::Rgb border;
    std::optional<beam::Rgb> fill; // nullopt: transparent
    int borderWidth = 1;
};

// A vertical line control (`LineH1`, `LineH2`) at x from y0 to y1.
struct GaugeLine {
    double x = 0, y0 = 0, y1 = 0;
    beam::Rgb colour;
};

// A rectangle drawn on the screen's background.
struct Drawn {
    TwipRect rect;
    beam::Rgb colour;
    bool filled = true;
    int lineWidth = 1;
    bool operator==(const Drawn&) const = default;
};

// Where the gauge sits: derived from the left of `Labelzaisitu`, the top of `Label100` and the
// left of `Labelmagehikaku` as laid out on the calculation screen.
struct GaugeAnchors {
    double zaisituLeft = 1680;
    double label100Top = 5640;
    double magehikakuLeft = 6360;
};

struct Gauge {
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    double w = 0; // the band's width, standing for 200 % of the allowable stress
    double b = 0; // bar length, at most w
    // Drawn on the background after erasing what was drawn before: the bar's one-twip strips,
    // joined into runs of one colour, then the outlines of 100 %, 150 % and the whole band.
    std::vector<Drawn> background;
    GaugeLine lineH1, lineH2;            // red marks at 100 % and 150 %
    GaugeShape shapeHan4;                // the frame of the band
    GaugeShape shapeHan1;                // the bar, teal
    std::optional<GaugeShape> shapeHan2; // the part beyond 100 %, orange; nullopt: hidden
    std::optional<GaugeShape> shapeHan3; // the part beyond 150 %, red; nullopt: hidden
};

// The gauge with `bar` (0 to 1) of its band filled.
Gauge layOutGauge(double bar, const GaugeAnchors& anchors);

} // namespace ui
