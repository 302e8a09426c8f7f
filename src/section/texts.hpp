// What the section calculator writes: the result fields, the size designation and the note on
// the centroid.
#pragma once

#include "section/formulas.hpp"
#include "section/shapes.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace section {

// The eight result fields, in the order they are written.
enum class ResultField { Menseki, Zaijuryou, ZaijuryouSI, Div, Dzv, D2rv, E3, E4 };
inline constexpr std::size_t kResultFieldCount = 8;

struct ResultFieldInfo {
    std::string_view control; // Text面積, …
    std::string_view caption; // the caption of its label on the screen
};
const ResultFieldInfo& resultFieldInfo(ResultField field);

struct ResultText {
    std::string_view control;
    std::string text;
};

// What KekkaHyouji puts on the screen.
struct Display {
    std::array<ResultText, kResultFieldCount> fields; // in ResultField order
    bool beep = false;
    int flgDSize = 0; // 1: the section is too small to go on with (I ≤ 0.001 cm⁴)

    const std::string& text(ResultField f) const { return fields[static_cast<int>(f)].text; }
};

// Two decimals; three (radius of gyration still two) when 0.001 < I ≤ 0.01 cm⁴; "0" everywhere
// with a beep and FlgDSize = 1 when I ≤ 0.001 cm⁴.
Display kekkaHyouji(const Properties& p);

// The caption of Labeldsize ("φ  60.5× t 3.2").
std::string sizeDesignation(int code, const Dimensions& hen);

// "重心は下から 1.2 cm の位置です。" for the shapes whose centroid is off the middle (angles,
// lying light-gauge channel, upright T, I section); nullopt for the others.
std::optional<std::string> centroidNote(int code, double e3);

} // namespace section
