// The shapes that the section calculator computes from dimensions, and how each one asks for
// its dimensions: which picture, which fields, which captions.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace section {

// Shape codes (`danmentype`). They cross screens as numbers, so they stay numbers here.
namespace code {
inline constexpr int kRoundPipe = 1;            // 丸パイプ
inline constexpr int kSquareTube = 2;           // 角パイプ
inline constexpr int kRectTubeUpright = 3;      // 角パイプ縦
inline constexpr int kRectTubeLying = 4;        // 角パイプ横
inline constexpr int kFlatBarUpright = 5;       // FB縦
inline constexpr int kFlatBarLying = 6;         // FB横
inline constexpr int kEqualAngle = 13;          // L等辺
inline constexpr int kUnequalAngleUpright = 14; // L不等縦
inline constexpr int kUnequalAngleLying = 15;   // L不等横
inline constexpr int kRoundBar = 17;            // 丸ムク
inline constexpr int kSquareBar = 18;           // 角ムク
inline constexpr int kSolidRectUpright = 19;    // 角ムク縦
inline constexpr int kSolidRectLying = 20;      // 角ムク横
inline constexpr int kLightChannelUpright = 21; // 軽溝縦長
inline constexpr int kLightChannelLying = 22;   // 軽溝横長
inline constexpr int kTeeUpright = 23;          // T縦
inline constexpr int kTeeLying = 24;            // T横
inline constexpr int kUnequalI = 25;            // 異形 (H縦a)
} // namespace code

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
