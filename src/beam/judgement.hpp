// How the results are presented: the decimals of the deflections, and the long-term /
// short-term verdict of the total bending stress with the filling of its gauge, which runs
// from 0 % to 200 % of the allowable stress.
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The gauge's band stands for 0 % to 200 % of the allowable stress: its marks lie at these
// fractions of the band.
inline constexpr double kLongTermMark = 0.5;   // 100 %
inline constexpr double kShortTermMark = 0.75; // 150 %

// The verdict `HanteiShow` decides; the screen shows it with `Shape判定`, `Label丸`, `Label100`
// and the gauge.
struct Hantei {
    double r = 0; // displayed total stress over allowable stress
    Grade grade = Grade::LongTermOk;
    std::string label判定; // "曲げ応力 長期 OK" ...
    std::string label丸;   // "○", "△", "×"
    Rgb maruColour = kDarkBlue;
    double bar = 0; // the filled part of the gauge's band, 0 to 1 (r / 2, at most the band)
};

// The verdict from the displayed texts of `Textmaget` and `Textkmage`. The allowable stress
// must read as a positive number; the caller refuses the verdict otherwise.
Hantei HanteiShow(std::string_view textmaget, std::string_view textkmage);

} // namespace beam
