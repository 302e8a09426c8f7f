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
    {shape::kRoundPipe, Kind::RoundPipe, "Image丸パイプinp", kPipeFields},
    {shape::kSquareTube, Kind::SquareTube, "Image角パイプinp", kSquareTubeFields},
    {shape::kRectTubeUpright, Kind::RectTubeUpright, "Image角パイプ縦inp", kTubeFields},
    {shape::kRectTubeLying, Kind::RectTubeLying, "Image角パイプ横inp", kTubeFields},
    {shape::kFlatBarUpright, Kind::SolidRectUpright, "Image角ムク縦inp", kRectFields},
    {shape::kFlatBarLying, Kind::SolidRectLying, "Image角ムク横inp", kRectFields},
    {shape::kEqualAngle, Kind::Angle, "ImageL等辺inp", kEqualAngleFields},
    {shape::kUnequalAngleUpright, Kind::Angle, "ImageL等辺inp", kTubeFields},
    {shape::kUnequalAngleLying, Kind::Angle, "ImageL等辺inp", kTubeFields},
    {shape::kRoundBar, Kind::RoundBar, "Image丸ムクinp", kRoundBarFields},
    {shape::kSquareBar, Kind::SquareBar, "Image角ムクinp", kSquareBarFields},
    {shape::kSolidRectUpright, Kind::SolidRectUpright, "Image角ムク縦inp", kRectFields},
    {shape::kSolidRectLying, Kind::SolidRectLying, "Image角ムク横inp", kRectFields},
    {shape::kLightChannelUpright, Kind::ChannelUpright, "Image軽溝縦長inp", kTubeFields},
    {shape::kLightChannelLying, Kind::ChannelLying, "Image軽溝横長inp", kTubeFields},
    {shape::kTeeUpright, Kind::TeeUpright, "ImageT縦inp", kTeeFields},
    {shape::kTeeLying, Kind::TeeLying, "ImageT横inp", kTeeFields},
    {shape::kUnequalI, Kind::UnequalI, "ImageHa縦inp", kUnequalIFields},
};

} // namespace

std::optional<ShapeLayout> shapeLayout(int code) {
    for (const ShapeLayout& l : kLayouts)
        if (l.code == code) return l;
    return std::nullopt;
}

} // namespace section
