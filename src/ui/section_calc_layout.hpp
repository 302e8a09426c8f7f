// The controls of Form入力断面他 and their design: the dimension area (pictures, fields and
// captions by shape), the material values in both unit systems, the result fields and buttons.
#pragma once

#include "ui/twin_fields.hpp"

#include <QString>
#include <array>

#include "section/texts.hpp"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {

class KeypadWidget;
class Label;
class Picture;
class SketchCanvas;

// One material value: its caption and the SI and old-unit boxes at the same place.
struct MaterialValue {
    TwinCaption caption;
    TwinField value;
};

struct SectionCalcControls {
    SketchCanvas* canvas = nullptr;
    KeypadWidget* keypad = nullptr;
    std::array<QLineEdit*, 6> hen{};     // TextHEN1 … TextHEN6
    std::array<Label*, 6> henCaption{};  // LabelHEN1M … LabelHEN6M
    std::array<Picture*, 14> pictures{}; // Image…inp, all hidden at first
    Label* bikou = nullptr;              // LbBikou
    Label *zaisitu = nullptr, *dsize = nullptr;
    QLineEdit* hiju = nullptr;             // TxtHiju
    std::array<MaterialValue, 4> material; // kmage, kashuku, ksendan, yang
    QRadioButton *opt2old = nullptr, *opt2SI = nullptr;
    std::array<QLineEdit*, section::kResultFieldCount> results{}; // in ResultField order
    QPushButton *print = nullptr, *next = nullptr, *back = nullptr, *end = nullptr;
    QPushButton* report = nullptr; // Cmd計算書, below the keypad

    QLineEdit* result(section::ResultField f) const { return results[static_cast<int>(f)]; }
};

// Creates every control in `w`; the keypad with six fields, moved up and left by 360 twips.
SectionCalcControls buildSectionCalc(QWidget& w);

// The dimension area for a shape code: the fields 3 … 6 and LbBikou hidden, then the shape's
// picture, captions and fields. A code the calculator does not take keeps the default.
void layOutDimensions(SectionCalcControls& c, int code);

// KyoyouHyoujiOld (old = true) and KyoyouHyoujiSI: the four material values and captions.
void showMaterialUnits(SectionCalcControls& c, bool old);

} // namespace ui
