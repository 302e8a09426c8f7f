// How the results are presented: the decimals of the deflections, and the long-term /
// short-term verdict of the total bending stress with its gauge from 0 % to 200 % of the
// allowable stress. Coordinates are twips (1/1440 inch), y growing downwards.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace beam {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kDarkBlue{0, 0, 128};

// ---- Deflection decimals

// The three deflection texts, all with the same number of decimals: enough for the first
// significant digit of the smaller positive deflection, one to five.
struct DeflectionTexts {
    int ketasita = 1;    // decimals wanted by the load deflection
    int jKetasita = 1;   // decimals wanted by the self-weight deflection
    int maxKetasita = 1; // the decimals all three are shown with
    std::string kajutawami, jtawami, tawamit;
};

DeflectionTexts KetasitaSet(double kajutawami, double jtawami, double tawamiT);

// ---- Verdict and gauge

enum class Grade {
    LongTermOk,  // r <= 1.0: "○"
    ShortTermOk, // 1.0 < r <= 1.5: "△"
    ShortTermNg, // r > 1.5: "×"
};

struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

// A rectangle shape control (`ShapeHan1` ...): where it goes and how it is coloured.
struct GaugeShape {
    TwipRect rect;
    Rgb border;
    std::optional<Rgb> fill; // nullopt: transparent
    int borderWidth = 1;
};

// A vertical line control (`LineH1`, `LineH2`) at x from y0 to y1.
struct GaugeLine {
    double x = 0, y0 = 0, y1 = 0;
    Rgb colour;
};

// A rectangle drawn on the screen's background.
struct Drawn {
    TwipRect rect;
    Rgb colour;
    bool filled = true;
    int lineWidth = 1;
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

// Everything `HanteiShow` puts on the screen. Applying it also makes `Shape判定`, `Label丸` and
// `Label100` visible.
struct Hantei {
    double r = 0; // displayed total stress over allowable stress
    Grade grade = Grade::LongTermOk;
    std::string label判定; // "曲げ応力 長期 OK" ...
    std::string label丸;   // "○", "△", "×"
    Rgb maruColour = kDarkBlue;
    Gauge gauge;
};

// The verdict and gauge from the displayed texts of `Textmaget` and `Textkmage`. The allowable
// stress must read as a positive number; the caller refuses the verdict otherwise.
Hantei HanteiShow(std::string_view textmaget, std::string_view textkmage,
                  const GaugeAnchors& anchors = {});

} // namespace beam
