#include "ui/section_calc_layout.hpp"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <iterator>
#include <string>

#include "app/colors.hpp"
#include "app/twips.hpp"
#include "section/shapes.hpp"
#include "ui/controls.hpp"
#include "ui/keypad_widget.hpp"
#include "ui/sketch_canvas.hpp"

namespace ui {
namespace {

QString name(const char* s) {
    return QString::fromUtf8(s);
}

// The dimension drawings, one per control; several shapes share one.
struct PictureDesign {
    const char* control;
    const char* file;
};
constexpr PictureDesign kPictures[14] = {
    {"Image丸パイプinp", "dim_round_pipe.svg"},
    {"Image角パイプinp", "dim_square_pipe.svg"},
    {"Image角パイプ縦inp", "dim_rect_pipe_upright.svg"},
    {"Image角パイプ横inp", "dim_rect_pipe_lying.svg"},
    {"Image角ムク縦inp", "dim_solid_rect_upright.svg"},
    {"Image角ムク横inp", "dim_solid_rect_lying.svg"},
    {"ImageL等辺inp", "dim_angle.svg"},
    {"Image丸ムクinp", "dim_solid_round.svg"},
    {"Image角ムクinp", "dim_solid_square.svg"},
    {"Image軽溝縦長inp", "dim_channel_upright.svg"},
    {"Image軽溝横長inp", "dim_channel_lying.svg"},
    {"ImageT縦inp", "dim_tee_upright.svg"},
    {"ImageT横inp", "dim_tee_lying.svg"},
    {"ImageHa縦inp", "dim_i_beam.svg"},
};
const QRect kPictureRect{480, 480, 2535, 2025};

// The dimension rows beside the picture, left of the keypad.
constexpr int kHenCaptionLeft = 3240, kHenLeft = 4800, kHenTop = 540, kHenPitch = 330;

// The result rows: caption control of each ResultField.
constexpr const char* kResultCaptions[section::kResultFieldCount] = {
    "Label面積", "Labeljuryou", "LabeljuryouSI", "Labeldi",
    "Labeldz",   "LbD2r",       "Labele3",       "Labele4"};
// Shown top to bottom: area, mass, weight, Z, I, radius, centroids.
constexpr section::ResultField kResultOrder[section::kResultFieldCount] = {
    section::ResultField::Menseki,     section::ResultField::Zaijuryou,
    section::ResultField::ZaijuryouSI, section::ResultField::Dzv,
    section::ResultField::Div,         section::ResultField::D2rv,
    section::ResultField::E3,          section::ResultField::E4};

constexpr int kRowsTop = 3720, kRowPitch = 360, kRowHeight = 300;

QLineEdit* addOutput(QWidget& w, const char* control, const QRect& twips) {
    QLineEdit* box = addTextBox(&w, name(control), twips, {}, {10});
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus); // read, not filled in: out of the Tab order
    box->setAlignment(Qt::AlignRight);
    return box;
}

void buildDimensions(QWidget& w, SectionCalcControls& c) {
    for (std::size_t n = 0; n < std::size(kPictures); ++n) {
        c.pictures[n] = addPicture(&w, name(kPictures[n].control), kPictureRect,
                                   QStringLiteral(":/assets/") + name(kPictures[n].file));
        c.pictures[n]->hide();
    }
    for (int n = 0; n < 6; ++n) {
        const int top = kHenTop + n * kHenPitch;
        const QString k = QString::number(n + 1);
        c.henCaption[n] = addLabel(&w, QStringLiteral("LabelHEN%1M").arg(k),
                                   {kHenCaptionLeft, top, 1500, 300}, {}, {10});
        c.hen[n] = addTextBox(&w, QStringLiteral("TextHEN%1").arg(k), {kHenLeft, top, 1200, 300},
                              {}, {10});
        c.henCaption[n]->setBuddy(c.hen[n]);
    }
    c.bikou = addLabel(&w, name("LbBikou"), {480, 2580, 5820, 600}, {}, {10, true},
                       Qt::AlignLeft | Qt::AlignTop);
    c.bikou->setWordWrap(true);
    c.bikou->setForeColor(app::fromBgr(0x000000C0));
    c.bikou->hide();
}

void buildMaterial(QWidget& w, SectionCalcControls& c) {
    c.zaisitu = addLabel(&w, name("Labelzaisitu"), {480, 3300, 4560, 300}, {}, {10, true});
    addLabel(&w, name("Labeldanmen"), {5160, 3300, 1080, 300}, name("断面サイズ"), {10});
    c.dsize = addLabel(&w, name("Labeldsize"), {6240, 3300, 3720, 300}, {}, {10, true});
    c.dsize->setShrinkToFit(true); // the unequal I names six dimensions

    constexpr int captionLeft = 2880, boxLeft = 4740;
    Label* hiju =
        addLabel(&w, name("LbHiju"), {captionLeft, kRowsTop, 1800, kRowHeight}, name("比重"), {9});
    c.hiju = addOutput(w, "TxtHiju", {boxLeft, kRowsTop, 960, kRowHeight});
    hiju->setBuddy(c.hiju);
    for (int n = 0; n < 4; ++n) {
        const int top = kRowsTop + (n + 1) * kRowPitch;
        const MaterialValueDesign& d = kMaterialValues[static_cast<std::size_t>(n)];
        MaterialValue& m = c.material[static_cast<std::size_t>(n)];
        m.caption = {addLabel(&w, name(d.captionName), {captionLeft, top, 1800, kRowHeight},
                              name(d.siCaption), {9}),
                     name(d.siCaption), name(d.oldCaption)};
        m.value = {addOutput(w, d.si, {boxLeft, top, 960, kRowHeight}),
                   addOutput(w, d.old, {boxLeft, top, 960, kRowHeight})};
        m.value.old->hide();
        nameTwin(m.value, name(d.siCaption), name(d.oldCaption));
    }

    auto* frame2 = new QGroupBox(name("表示単位"), &w);
    frame2->setObjectName(name("Frame2"));
    app::setTwips(frame2, {captionLeft, kRowsTop + 5 * kRowPitch + 120, 2820, 660});
    c.opt2old = new QRadioButton(name("旧 表示"), frame2);
    c.opt2old->setObjectName(name("Opt2old"));
    app::setTwips(c.opt2old, {120, 270, 1260, 330});
    c.opt2SI = new QRadioButton(name("SI 表示"), frame2);
    c.opt2SI->setObjectName(name("Opt2SI"));
    app::setTwips(c.opt2SI, {1440, 270, 1260, 330});
    c.opt2SI->setChecked(true);
}

void buildResults(QWidget& w, SectionCalcControls& c) {
    for (std::size_t row = 0; row < std::size(kResultOrder); ++row) {
        const section::ResultField f = kResultOrder[row];
        const auto& info = section::resultFieldInfo(f);
        const int top = kRowsTop + static_cast<int>(row) * kRowPitch;
        Label* caption = addLabel(&w, name(kResultCaptions[static_cast<int>(f)]),
                                  {5940, top, 1800, kRowHeight}, qtext(info.caption), {9});
        c.results[static_cast<int>(f)] =
            addOutput(w, std::string(info.control).c_str(), {7800, top, 1560, kRowHeight});
        caption->setBuddy(c.results[static_cast<int>(f)]);
    }
}

void buildButtons(QWidget& w, SectionCalcControls& c) {
    constexpr int top = 6780, width = 1920, height = 540;
    c.back = addButton(&w, name("Commandmae"), {480, top, width, height}, name("前に戻る"), {10});
    c.next = addButton(&w, name("Commandtugi"), {2640, top, width, height}, name("次に進む"), {10});
    c.next->setDefault(true);
    c.print = addButton(&w, name("CmdPrin"), {5640, top, width, height}, name("印刷"), {10});
    c.end = addButton(&w, name("Commandend"), {7800, top, width, height}, name("おわり"), {10});
    c.report = addButton(&w, name("Cmd計算書"), {6360, 2460, 1620, 420}, name("計算書"), {10});
}

} // namespace

SectionCalcControls buildSectionCalc(QWidget& w) {
    SectionCalcControls c;
    setForm(&w, name("入力-断面サイズ"), 10080, 7560);
    c.canvas = new SketchCanvas(&w);
    addLabel(&w, name("LabelTitle"), {240, 60, 5760, 400}, name(" 断面性能 計算"), {14, true});
    buildDimensions(w, c);
    c.keypad = new KeypadWidget(&w, 6, {-360, -360});
    buildMaterial(w, c);
    buildResults(w, c);
    buildButtons(w, c);
    return c;
}

void layOutDimensions(SectionCalcControls& c, int code) {
    c.bikou->hide();
    for (int n = 0; n < 6; ++n) {
        const bool firstTwo = n < 2;
        c.hen[n]->setVisible(firstTwo);
        c.henCaption[n]->setVisible(firstTwo);
    }
    const auto layout = section::shapeLayout(code);
    if (!layout) return;
    for (Picture* p : c.pictures)
        p->setVisible(p->objectName() == qtext(layout->picture));
    c.hen[1]->hide();
    c.henCaption[1]->hide();
    for (const section::DimensionField& f : layout->fields) {
        c.henCaption[f.hen - 1]->setCaption(qtext(f.caption));
        c.henCaption[f.hen - 1]->show();
        c.hen[f.hen - 1]->show();
    }
}

void showMaterialUnits(SectionCalcControls& c, bool old) {
    for (const MaterialValue& m : c.material) {
        showTwin(m.caption, old);
        showTwin(m.value, old);
    }
}

} // namespace ui
