// calc01 of the section calculator: the first byte is the shape code (every code it computes
// and codes it does not), the second how the rest is read: HEN1 … HEN6 and the specific
// gravity as raw doubles (NaN, infinities and the ends of the range included) or as texts the
// keypad can type, which is what the screen's fields hold; and the frame of the sketch, the
// screen's own or one from the bytes.
#include "check.hpp"

#include "common/numtext.hpp"
#include "section/calc.hpp"

#include <array>
#include <cfloat>
#include <cmath>
#include <string>

namespace {

using fuzz::number;
using fuzz::require;
using fuzz::requireFinite;
using fuzz::requireNumberText;
using section::Rect;
using section::Status;

int shapeCodeOf(std::uint8_t b) {
    constexpr std::array<int, 6> others = {shape::kOther, shape::kDirectEntry, -1, 0, 1000, 255};
    return b < 224 ? b % 32 : others[b % others.size()];
}

std::string describe(int code, const section::Dimensions& hen, double sg) {
    std::string s = "code " + std::to_string(code) + ", HEN";
    for (double h : hen)
        s += " " + number(h);
    return s + ", sg " + number(sg);
}

bool inside(const Rect& r, const Rect& frame) {
    return r.width >= 0 && r.height >= 0 && r.left >= frame.left && r.top >= frame.top &&
           static_cast<long>(r.left) + r.width <= static_cast<long>(frame.left) + frame.width &&
           static_cast<long>(r.top) + r.height <= static_cast<long>(frame.top) + frame.width;
}

std::string rectText(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
}

void checkSketch(const section::Sketch& s, const Rect& frame, const std::string& where) {
    const Rect square{frame.left, frame.top, frame.width, frame.width};
    require(!s.fills.empty() && s.fills[0].rect == square &&
                s.fills[0].colour == section::kSketchYellow,
            "the sketch starts with the yellow ground of its frame", where);
    for (const section::Fill& f : s.fills)
        require(inside(f.rect, square), "a fill of the sketch stays in its frame",
                [&] { return rectText(f.rect) + " in " + rectText(square) + ", " + where; });
    for (const section::Outline& o : s.outlines)
        if (o.visible)
            require(inside(o.rect, square), "an outline of the sketch stays in its frame",
                    [&] { return rectText(o.rect) + " in " + rectText(square) + ", " + where; });
}

void checkComputed(const section::Outcome& out, const section::Inputs& in,
                   const std::string& where) {
    require(out.properties && out.display && out.designation, "a computed section has results",
            where);
    const section::Properties& p = *out.properties;
    const double values[section::kResultFieldCount] = {p.menseki, p.zaijuryou, p.zaijuryouSI, p.div,
                                                       p.dzv,     p.d2rv,      p.e3,          p.e4};
    for (std::size_t i = 0; i < section::kResultFieldCount; ++i) {
        requireFinite(values[i], "a computed property", where);
        const std::string& text = out.display->fields[i].text;
        requireNumberText(text, "a result text", where);
        require(!text.empty(), "a result text is not empty",
                [&] { return std::string(out.display->fields[i].control) + ", " + where; });
        if (out.flgDSize == 0) {
            const double back = numtext::value(text);
            require(std::fabs(back - values[i]) <= 0.0051 + std::fabs(values[i]) * 4 * DBL_EPSILON,
                    "a result text shows its property", [&] {
                        return fuzz::escaped(text) + " for " + number(values[i]) + ", " + where;
                    });
        }
    }
    requireNumberText(*out.designation, "the size designation", where);
    if (out.bikou) requireNumberText(*out.bikou, "the centroid note", where);
    if (out.sketch) checkSketch(*out.sketch, in.frame, where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    section::Inputs inputs;
    inputs.shape = shapeCodeOf(in.u8());
    const std::uint8_t mode = in.u8();
    const bool typed = mode % 2 == 1;
    if (mode & 2) {
        inputs.frame.left = static_cast<std::int16_t>(in.u16());
        inputs.frame.top = static_cast<std::int16_t>(in.u16());
        inputs.frame.width = static_cast<std::int16_t>(in.u16());
        inputs.frame.height = inputs.frame.width;
    }
    for (double& h : inputs.hen)
        h = typed ? numtext::value(in.keypadText()) : in.rawDouble();
    inputs.dhijuv = typed ? numtext::value(in.keypadText()) : in.rawDouble();
    const std::string where = describe(inputs.shape, inputs.hen, inputs.dhijuv);

    const section::Outcome out = section::calc01(inputs);
    const bool computable = section::shapeLayout(inputs.shape).has_value();
    require(computable == (out.status != Status::NotComputed),
            "calc01 computes exactly the shapes that have a layout", where);
    if (out.status != Status::Computed) {
        require(!out.properties && !out.display && !out.designation && !out.sketch,
                "a section not computed has no results", where);
        if (out.status == Status::Refused)
            require(out.bikou && !out.bikou->empty() && out.beep,
                    "a refused section beeps with a message", where);
        // A typed section of a used dimension that passed the checks is always computed: no
        // figure of 15 digits takes a property out of the range of numbers.
        if (typed && std::isfinite(inputs.dhijuv))
            require(out.status != Status::OutOfRange, "a typed section stays in range", where);
        return 0;
    }
    checkComputed(out, inputs, where);
    return 0;
}
