// Section shapes: the codes of the shape panel, their names, and what the size screen does
// with each code for each material family.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "catalog/materials.hpp"
#include "common/shape_codes.hpp"

namespace catalog {

struct ShapeInfo {
    int code;
    std::string_view control;    // the picture (or, for 88, the button) that chooses it
    std::string_view storedName; // danmenkeijou
    std::string_view promptName; // first line of LblDanmensentaku; empty for 88
};

// Every code of the shape panel, in code order (7, 8 and 16 are unused).
std::span<const ShapeInfo> shapes();

// The shape with this code, or nullptr.
const ShapeInfo* shape(int code);

// The size screen's name of a shape for the material `zaitype`; "" where the table gives
// none. Codes without a row get "::::::::::::" followed by the code and zaitype.
std::string familyShapeName(int code, int zaitype);

// How the size screen behaves for a shape and family.
enum class NoListMode {
    KeepsList,    // the sizes of the file are listed
    DirectOnly,   // no list: the properties are typed in
    DirectOrCalc, // no list: typed in, or worked out with "断面図から計算"
};
NoListMode noListMode(int code, MaterialFamily family);

// Whether "リスト以外のサイズ" (CmdZIE) is hidden when the list is shown.
bool hidesOtherSizeButton(int code);

// Whether the section calculator can work out this shape (CmdZIE leads to it).
bool opensCalculator(int code);

// Texts of the size screen that go with the modes above.
inline constexpr std::string_view kNoListCaption = "該当するリストはございません。";
inline constexpr std::string_view kCalcButtonCaption = "断面図から計算";
inline constexpr std::string_view kOtherSizeButtonCaption = "リスト以外のサイズ";
inline constexpr std::string_view kDirectOnlyPrompt = "断面性能を直接(半角）入力して下さい。";
inline constexpr std::string_view kDirectOrCalcPrompt =
    "断面性能を直接(半角）入力または、「断面図から計算」をクリックして下さい。";

} // namespace catalog
