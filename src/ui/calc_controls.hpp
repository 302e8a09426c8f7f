// The controls of Form入力計算 as the screen uses them, created at their design positions
// (twips). The screen keeps this struct while its window exists.
#pragma once

#include <QString>

#include "beam/dispatch.hpp"
#include "ui/gauge_layout.hpp"
#include "ui/twin_fields.hpp"
#include <array>
#include <vector>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {

class GaugeBox;
class GaugeCanvas;
class KeypadWidget;
class Label;
class Picture;
class RoundMark;
class Shape;

struct CalcControls {
    // Inputs: index 0..3 for TextHEN1..TextHEN4.
    std::array<QLineEdit*, 4> text{};
    std::array<Label*, 4> caption{}; // LabelHEN1M..LabelHEN4M
    QPushButton *cmdP = nullptr, *cmdw = nullptr;
    Shape* shp1 = nullptr;
    RoundMark* shp2 = nullptr;
    QRadioButton *opt1N = nullptr, *opt1kN = nullptr, *opt1kg = nullptr;
    QRadioButton *opt2SI = nullptr, *opt2old = nullptr;
    Label* labelhyouji = nullptr;
    Label* labelinphantei = nullptr;
    KeypadWidget* keypad = nullptr;

    // Taken over from the earlier screens.
    Label *zaisitu = nullptr, *danmen = nullptr, *dsize = nullptr;
    QLineEdit *menseki = nullptr, *juryou = nullptr, *dz = nullptr, *di = nullptr, *d2r = nullptr,
              *hiju = nullptr;
    TwinField kmage, kashuku, ksendan, yang;

    // Results.
    TwinField kaju, kajumo, kajumage, jiju, jmo, jmage, kajut, mot, maget;
    QLineEdit *kajutawami = nullptr, *jtawami = nullptr, *tawamit = nullptr;
    Label *magehikaku = nullptr, *tawamihikaku = nullptr, *label式 = nullptr;
    // The captions that change with the display units.
    std::vector<TwinCaption> unitCaptions;

    // Judgement row.
    Shape* shape判定 = nullptr;
    Label *label判定 = nullptr, *label丸 = nullptr, *label100 = nullptr;
    GaugeCanvas* canvas = nullptr;
    GaugeBox *shapeHan1 = nullptr, *shapeHan2 = nullptr, *shapeHan3 = nullptr, *shapeHan4 = nullptr;
    Shape *lineH1 = nullptr, *lineH2 = nullptr;

    // Pictures.
    Picture *imgiNp = nullptr, *imgiNpM = nullptr;
    std::vector<Picture*> sectionPictures; // hidden; the one of the chosen shape is shown

    // Buttons.
    QPushButton *hensuKaijo = nullptr, *chokuzensuti = nullptr, *saikeisan = nullptr,
                *prin = nullptr, *top = nullptr, *mae = nullptr, *end = nullptr;
    QPushButton* danmenSentei = nullptr; // opens the ranking of sizes beside the screen
    QPushButton* report = nullptr; // Cmd計算書

    // The nine result pairs, in the order of beam::TwinTexts.
    std::array<TwinField*, 9> resultPairs() {
        return {&kaju, &kajumo, &kajumage, &jiju, &jmo, &jmage, &kajut, &mot, &maget};
    }
    // The taken-over values the calculation reads, which the user may change to try another
    // section or material: Z, I, the mass, Young's modulus and the allowable bending stress.
    std::array<QLineEdit*, 5> adjustable() { return {dz, di, juryou, yang.si, kmage.si}; }
};

// Creates every control of the screen inside `w`, which is already sized.
CalcControls buildCalcControls(QWidget& w);

// The load picture and the moment picture of a structure and load case ("Img入力片集",
// "Img入力片集M", ...), by name.
struct CasePictures {
    QString load, moment;
};
CasePictures casePictureNames(beam::Structure structure, beam::LoadCase loadCase);

// The control name of the section picture of a shape code; empty for a code without one.
QString sectionPictureName(int code);

// Writing what the calculation returns into the result side (calc_results.cpp): the SI fields
// and their old-unit twins, the deflections and ratios, the display units, the verdict and gauge.
// The nine SI result texts as shown, and writing them or their twins.
beam::TwinTexts shownSi(const CalcControls& c);
void writeSi(CalcControls& c, const beam::TwinTexts& t);
void writeOld(CalcControls& c, const beam::TwinTexts& t);

// The SI results, deflections and ratio captions of one calculation.
void writeResults(CalcControls& c, const beam::ResultTexts& r);

// Which set of the twin fields and captions is shown: the old kg-based units or SI.
void showUnits(CalcControls& c, bool old);

// The verdict, its symbol and the gauge; and removing them again.
void showHantei(CalcControls& c, const beam::Hantei& h);
void clearHantei(CalcControls& c);

// Where the gauge is anchored, read from the controls as laid out.
GaugeAnchors gaugeAnchors(const CalcControls& c);

} // namespace ui
