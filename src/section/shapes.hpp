// The shapes that the section calculator computes from dimensions, and how each one asks for
// its dimensions: which picture, which fields, which captions.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "common/shape_codes.hpp"

namespace section {

// The family of formulas and of sketch a code belongs to.
enum class Kind {
    RoundPipe,
    SquareTube,
    RectTubeUpright,
    RectTubeLying,
    SolidRectUpright,
    SolidRectLying,
    Angle,
    RoundBar,
    SquareBar,
    ChannelUpright,
    ChannelLying,
    TeeUpright,
    TeeLying,
    UnequalI,
};

// HEN1 … HEN6: the numbers of the dimension fields TextHEN1 … TextHEN6, in mm (index 0 = HEN1).
using Dimensions = std::array<double, 6>;

// One visible dimension field of a shape.
struct DimensionField {
    int hen;                  // 1 … 6: TextHEN<hen> and its caption LabelHEN<hen>M
    std::string_view symbol;  // the letter of the formulas: D, B, H, t, a, A, b
    std::string_view caption; // the caption of LabelHEN<hen>M
};

struct ShapeLayout {
    int code;
    Kind kind;
    std::string_view picture; // the dimension drawing to show (Image…inp)
    // The fields to show, in field order; every other field stays hidden with its caption.
    std::span<const DimensionField> fields;
};

// nullopt for a code that the calculator does not compute (H sections, channels, lipped
// channels, direct entry, unused codes).
std::optional<ShapeLayout> shapeLayout(int code);

} // namespace section
