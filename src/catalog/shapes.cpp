#include "catalog/shapes.hpp"

#include <array>

namespace catalog {
namespace {

constexpr std::array<ShapeInfo, 26> kShapes{{
    {1, "Image丸パイプ", "丸パイプ", "丸パイプ"},
    {2, "Image角パイプ", "角パイプ正", "角パイプ"},
    {3, "Image角パイプ縦", "角パイプ縦長", "角パイプ縦"},
    {4, "Image角パイプ横", "角パイプ横長", "角パイプ横"},
    {5, "ImageFB縦", "FB縦", "FB縦"},
    {6, "ImageFB横", "FB横", "FB横"},
    {9, "ImageH縦", "H形通常", "H形通常"},
    {10, "ImageH逆", "H形逆", "H形逆"},
    {11, "Image溝縦", "溝縦", "溝形縦"},
    {12, "Image溝横", "溝横", "溝形横"},
    {13, "ImageL等辺", "等辺山形", "等辺山形"},
    {14, "ImageL不等縦", "不等辺山形 縦長", "不等辺山形 縦長"},
    {15, "ImageL不等横", "不等辺山形 横長", "不等辺山形 横長"},
    {17, "Image丸solid", "丸ムク", "丸ムク"},
    {18, "Image角ムク", "角ムク", "角ムク"},
    {19, "Image角ムク縦", "角ムク縦", "角ムク縦"},
    {20, "Image角ムク横", "角ムク横", "角ムク横"},
    {21, "Image軽溝縦長", "軽溝縦長", "軽溝縦長"},
    {22, "Image軽溝横長", "軽溝横", "軽溝横"},
    {23, "ImageT縦", "T縦", "T縦"},
    {24, "ImageT横", "T横", "T横"},
    {25, "ImageH縦a", "H縦a", "H縦a"},
    {26, "Imageリップ縦", "リップ縦", "リップ縦"},
    {27, "Imageリップ横", "リップ横", "リップ横"},
    {shape::kOther, "CommandSonota", "その他の断面", ""},
    {shape::kDirectEntry, "ImgZIE", "直接データを入力", "直接データを入力"},
}};

// Family names: steel, stainless, aluminium, wood. An empty text is a shape without a name.
struct FamilyNames {
    int code;
    std::array<std::string_view, 4> names;
};
constexpr std::array<FamilyNames, 18> kFamilyNames{{
    {1, {"鋼管", "SUS丸パイプ", "丸パイプ", "丸パイプ"}},
    {2, {"角鋼管正", "SUS角パイプ正", "角パイプ正", "角パイプ正"}},
    {3, {"角鋼管縦長", "SUS角パイプ縦長", "角パイプ縦長", "角パイプ縦長"}},
    {4, {"角鋼管横長", "SUS角パイプ横長", "角パイプ横長", "角パイプ横長"}},
    {5, {"FB縦", "SUSFB 縦長", "FB 縦長", "FB 縦長"}},
    {6, {"FB横", "SUSFB 横長", "FB 横長", "FB 横長"}},
    {9, {"H形通常", "SUS H形通常", "H形通常", "H形通常"}},
    {10, {"H形逆", "SUS H形逆", "H形逆", "H形逆"}},
    {11, {"溝形鋼－縦", "SUS溝形－縦", "溝形－縦", "溝形－縦"}},
    {12, {"溝形鋼－横", "SUS溝形－横", "溝形－横", "溝形－横"}},
    {13, {"等辺山形鋼", "SUS 等辺山形", "等辺山形", "等辺山形"}},
    {14, {"不等辺山形鋼－縦長", "SUS不等辺山形－縦長", "不等辺山形－縦長", "不等辺山形－縦長"}},
    {15, {"不等辺山形鋼－横長", "SUS不等辺山形－横長", "不等辺山形－横長", "不等辺山形－横長"}},
    {17, {"丸鋼", "SUS丸ムク", "丸ムク", "丸太"}},
    {18, {"角鋼", "", "角材正方形", "角材正方形"}},
    {19, {"角鋼－縦長", "", "", "角材長方形－縦"}},
    {20, {"角鋼－横長", "", "", "角材長方形－横"}},
    {shape::kOther,
     {"断面その他・・・", "断面その他・・・", "断面その他・・・", "断面その他・・・"}},
}};

int familyColumn(MaterialFamily family) {
    switch (family) {
    case MaterialFamily::Steel:
        return 0;
    case MaterialFamily::Stainless:
        return 1;
    case MaterialFamily::Aluminium:
        return 2;
    case MaterialFamily::Wood:
        return 3;
    case MaterialFamily::None:
        break;
    }
    return -1;
}

bool anyOf(int code, std::initializer_list<int> codes) {
    for (int c : codes)
        if (c == code) return true;
    return false;
}

} // namespace

std::span<const ShapeInfo> shapes() {
    return kShapes;
}

const ShapeInfo* shape(int code) {
    for (const ShapeInfo& s : kShapes)
        if (s.code == code) return &s;
    return nullptr;
}

std::string familyShapeName(int code, int zaitype) {
    const MaterialFamily family = familyOf(zaitype);
    const int column = familyColumn(family);
    const std::string codeText = std::to_string(code);
    // A material outside every family has no column to read: it gets the fallback.
    if (column >= 0) {
        for (const FamilyNames& row : kFamilyNames)
            if (row.code == code) return std::string(row.names[static_cast<std::size_t>(column)]);
        if (code == 21)
            return (family == MaterialFamily::Steel ? "軽量溝形鋼－縦・・・"
                                                    : "軽量溝形 縦・・・") +
                   codeText;
        if (code == 22)
            return (family == MaterialFamily::Steel ? "軽量溝形鋼－横・・・"
                                                    : "軽量溝形 横・・・") +
                   codeText;
        if (anyOf(code, {23, 24, 25})) return "";
        if (code == shape::kDirectEntry) return "断面その他・・・" + codeText;
    }
    return "::::::::::::" + codeText + std::to_string(zaitype);
}

NoListMode noListMode(int code, MaterialFamily family) {
    using enum MaterialFamily;
    using namespace shape;
    const bool notSteel = family == Stainless || family == Aluminium || family == Wood;
    const bool channel = code == kChannelUpright || code == kChannelLying;
    const bool lightChannel = code == kLightChannelUpright || code == kLightChannelLying;
    if (code == kDirectEntry || (channel && notSteel) ||
        (code == kUnequalAngleLying && family == Stainless))
        return NoListMode::DirectOnly;
    if (anyOf(code, {kTeeUpright, kTeeLying, kUnequalI}) ||
        (code == kUnequalAngleUpright && family == Stainless) ||
        ((code == kRoundBar || code == kSquareBar) && family == Aluminium) ||
        (lightChannel && notSteel))
        return NoListMode::DirectOrCalc;
    return NoListMode::KeepsList;
}

bool hidesOtherSizeButton(int code) {
    using namespace shape;
    return anyOf(code, {kHUpright, kHTurned, kChannelUpright, kChannelLying, kOther});
}

bool opensCalculator(int code) {
    using namespace shape;
    return (code >= kRoundPipe && code <= kFlatBarLying) ||
           (code >= kEqualAngle && code <= kUnequalAngleLying) ||
           (code >= kRoundBar && code <= kUnequalI);
}

} // namespace catalog
