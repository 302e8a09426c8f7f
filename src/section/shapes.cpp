#include "section/shapes.hpp"

namespace section {
namespace {

// Captions of the dimension fields. Two spellings of the thickness and of the width-and-height
// captions exist on the screen; each shape keeps its own.
constexpr std::string_view kDiameter = "直径φ(mm)";
constexpr std::string_view kThicknessT = "厚みｔ(mm)";
constexpr std::string_view kThicknessTSpaced = "厚み ｔ(mm)";
constexpr std::string_view kThicknessA = "厚み ａ(mm)";
constexpr std::string_view kThicknessB = "厚み ｂ(mm)";
constexpr std::string_view kWidth = "幅 (mm)";
constexpr std::string_view kHeight = "高 (mm)";
constexpr std::string_view kWidthHeight = "幅・高 (mm)";
constexpr std::string_view kWidthHeightSpaced = "幅 ・ 高 (mm)";

constexpr DimensionField kPipeFields[] = {{1, "D", kDiameter}, {2, "t", kThicknessT}};
constexpr DimensionField kSquareTubeFields[] = {{1, "B", kWidthHeight}, {2, "t", kThicknessT}};
constexpr DimensionField kTubeFields[] = {
    {1, "B", kWidth}, {2, "H", kHeight}, {3, "t", kThicknessTSpaced}};
constexpr DimensionField kRectFields[] = {{1, "B", kWidth}, {2, "H", kHeight}};
constexpr DimensionField kEqualAngleFields[] = {{1, "B", kWidthHeightSpaced},
                                                {3, "t", kThicknessT}};
constexpr DimensionField kRoundBarFields[] = {{1, "D", kDiameter}};
constexpr DimensionField kSquareBarFields[] = {{1, "B", kWidthHeightSpaced}};
constexpr DimensionField kTeeFields[] = {
    {1, "B", kWidth}, {2, "H", kHeight}, {3, "t", kThicknessTSpaced}, {4, "a", kThicknessA}};
constexpr DimensionField kUnequalIFields[] = {{1, "A", "幅Ａ (mm)"},       {2, "B", "幅Ｂ (mm)"},
                                              {3, "H", kHeight},           {4, "a", kThicknessA},
                                              {5, "t", kThicknessTSpaced}, {6, "b", kThicknessB}};

constexpr ShapeLayout kLayouts[] = {
    {code::kRoundPipe, Kind::RoundPipe, "Image丸パイプinp", kPipeFields},
    {code::kSquareTube, Kind::SquareTube, "Image角パイプinp", kSquareTubeFields},
    {code::kRectTubeUpright, Kind::RectTubeUpright, "Image角パイプ縦inp", kTubeFields},
    {code::kRectTubeLying, Kind::RectTubeLying, "Image角パイプ横inp", kTubeFields},
    {code::kFlatBarUpright, Kind::SolidRectUpright, "Image角ムク縦inp", kRectFields},
    {code::kFlatBarLying, Kind::SolidRectLying, "Image角ムク横inp", kRectFields},
    {code::kEqualAngle, Kind::Angle, "ImageL等辺inp", kEqualAngleFields},
    {code::kUnequalAngleUpright, Kind::Angle, "ImageL等辺inp", kTubeFields},
    {code::kUnequalAngleLying, Kind::Angle, "ImageL等辺inp", kTubeFields},
    {code::kRoundBar, Kind::RoundBar, "Image丸ムクinp", kRoundBarFields},
    {code::kSquareBar, Kind::SquareBar, "Image角ムクinp", kSquareBarFields},
    {code::kSolidRectUpright, Kind::SolidRectUpright, "Image角ムク縦inp", kRectFields},
    {code::kSolidRectLying, Kind::SolidRectLying, "Image角ムク横inp", kRectFields},
    {code::kLightChannelUpright, Kind::ChannelUpright, "Image軽溝縦長inp", kTubeFields},
    {code::kLightChannelLying, Kind::ChannelLying, "Image軽溝横長inp", kTubeFields},
    {code::kTeeUpright, Kind::TeeUpright, "ImageT縦inp", kTeeFields},
    {code::kTeeLying, Kind::TeeLying, "ImageT横inp", kTeeFields},
    {code::kUnequalI, Kind::UnequalI, "ImageHa縦inp", kUnequalIFields},
};

} // namespace

std::optional<ShapeLayout> shapeLayout(int code) {
    for (const ShapeLayout& l : kLayouts)
        if (l.code == code) return l;
    return std::nullopt;
}

} // namespace section
