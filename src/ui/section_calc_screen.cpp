// How a keystroke reaches the display: typing into TextHEN<k> (or the keypad writing into it)
// changes its text; the change handler reads the leading number into HEN<k> and runs calc01,
// which hands the shape code, HEN1 … HEN6 and the specific gravity to section::calc01. The
// outcome says everything the screen does next: LbBikou and the beep, and for a computed
// section the eight result texts, the size designation and the sketch. The screen itself
// computes nothing.
#include "ui/section_calc_screen.hpp"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/colors.hpp"
#include "app/registry.hpp"
#include "catalog/materials.hpp"
#include "common/numtext.hpp"
#include "report/page.hpp"
#include "report/sheets.hpp"
#include "section/calc.hpp"
#include "ui/controls.hpp"
#include "ui/document_buttons.hpp"
#include "ui/keypad_host.hpp"
#include "ui/keypad_widget.hpp"
#include "ui/section_calc_layout.hpp"
#include "ui/sketch_canvas.hpp"

namespace ui {
namespace {

QString plain(double v) {
    return qtext(catalog::plainText(v));
}

} // namespace

Form入力断面他::Form入力断面他(app::Registry& registry) : app::Screen(registry, kId) {}

Form入力断面他::~Form入力断面他() = default;

void Form入力断面他::build(app::FormWindow& w) {
    c_ = std::make_unique<SectionCalcControls>(buildSectionCalc(w));
    addSaveButton(w, registry(), {8100, 2460, 1620, 420}, 10); // under the keypad, beside 計算書
    connectHandlers();
}

void Form入力断面他::connectHandlers() {
    QWidget* w = &window();
    for (int n = 0; n < 6; ++n)
        QObject::connect(c_->hen[n], &QLineEdit::textChanged, w,
                         [this, n] { fieldChanged(n + 1); });
    reportFieldClicks(*c_->keypad, c_->hen);
    KeypadWidget* k = c_->keypad;
    QObject::connect(k, &KeypadWidget::targetChanged, w, [this](int f) { markTarget(f); });
    QObject::connect(k, &KeypadWidget::writeField, w,
                     [this](int f, const QString& text, double) { writeField(f, text); });
    QObject::connect(k, &KeypadWidget::recalculate, w, [this] { calc01(); });
    QObject::connect(c_->opt2old, &QRadioButton::clicked, w,
                     [this] { showMaterialUnits(*c_, true); });
    QObject::connect(c_->opt2SI, &QRadioButton::clicked, w,
                     [this] { showMaterialUnits(*c_, false); });
    QObject::connect(c_->next, &QPushButton::clicked, w, [this] { nextClicked(); });
    QObject::connect(c_->back, &QPushButton::clicked, w, [this] { backClicked(); });
    QObject::connect(c_->print, &QPushButton::clicked, w, [this] { printClicked(); });
    QObject::connect(c_->report, &QPushButton::clicked, w, [this] { reportClicked(); });
    QObject::connect(c_->end, &QPushButton::clicked, w, [this] { endProgram(); });
}

void Form入力断面他::onLoad() {
    FlgDSize = 0;
    HEN = {};
    app::WizardState& s = state();
    s.calculatorSection = {};
    s.calculatorDimensions = {};
    setMousePointer(app::MousePointer::Default);
    const app::MaterialRecord& m = s.material;
    c_->zaisitu->setCaption(m.zaisitu);
    const catalog::MaterialTexts& si = s.materialTexts;
    const std::string siTexts[4] = {si.kmage, si.kashuku, si.ksendan, si.yang};
    const double old[4] = {m.DkmagevOld, m.DkashukuvOld, m.DksendanvOld, m.DyangvOld};
    for (int n = 0; n < 4; ++n) {
        c_->material[n].value.si->setText(QString::fromStdString(siTexts[n]));
        c_->material[n].value.old->setText(plain(old[n]));
    }
    c_->hiju->setText(plain(m.Dhijuv));
    c_->keypad->reset();
    markTarget(1);
    if (s.FlgOpen == app::Road::SectionProperties) c_->next->hide();
    layOutDimensions(*c_, s.danmentype);
}

void Form入力断面他::restore(const app::WizardState& saved, QStringList&) {
    for (std::size_t k = 0; k < c_->hen.size(); ++k)
        if (!saved.calculatorDimensions[k].isEmpty())
            c_->hen[k]->setText(saved.calculatorDimensions[k]);
}

void Form入力断面他::fieldChanged(int field) {
    HEN[field - 1] = valueOf(c_->hen[field - 1]->text());
    calc01();
}

void Form入力断面他::markTarget(int field) {
    markKeypadTarget(c_->hen, field);
}

// The text change runs calc01 through the field's handler; HEN is set here too so that a text
// that does not change (the same number entered twice) still counts.
void Form入力断面他::writeField(int field, const QString& text) {
    HEN[field - 1] = valueOf(text);
    c_->hen[field - 1]->setText(text);
}

void Form入力断面他::calc01() {
    const app::WizardState& s = state();
    const section::Outcome out =
        section::calc01({s.danmentype, HEN, s.material.Dhijuv, section::kSketchFrame});
    if (out.status == section::Status::NotComputed) return;
    HEN = out.hen;
    if (out.status == section::Status::OutOfRange) {
        c_->bikou->setCaption(QStringLiteral("寸法が計算できる範囲を超えています。"));
        c_->bikou->show();
        beep();
        return;
    }
    c_->bikou->setVisible(out.bikou.has_value());
    if (out.bikou) c_->bikou->setCaption(qtext(*out.bikou));
    if (out.status != section::Status::Computed) {
        if (out.beep) beep();
        return;
    }
    FlgDSize = out.flgDSize;
    for (std::size_t n = 0; n < out.display->fields.size(); ++n)
        c_->results[n]->setText(qtext(out.display->fields[n].text));
    c_->dsize->setCaption(qtext(*out.designation));
    state().calculatorSection = {c_->dsize->caption(),
                                 c_->result(section::ResultField::Menseki)->text(),
                                 c_->result(section::ResultField::Zaijuryou)->text(),
                                 c_->result(section::ResultField::Dzv)->text(),
                                 c_->result(section::ResultField::Div)->text(),
                                 c_->result(section::ResultField::D2rv)->text()};
    for (std::size_t k = 0; k < c_->hen.size(); ++k)
        state().calculatorDimensions[k] = c_->hen[k]->text();
    // A section too small or too large for whole twips is shown without its sketch.
    if (out.sketch)
        c_->canvas->draw(*out.sketch);
    else
        c_->canvas->erase();
    if (out.beep) beep();
}

void Form入力断面他::nextClicked() {
    if (FlgDSize == 1) {
        c_->bikou->setCaption(
            QStringLiteral("申し訳ありませんが、断面形状が小さいため対応できません。"));
        c_->bikou->show();
        return;
    }
    if (valueOf(c_->result(section::ResultField::Zaijuryou)->text()) == 0) {
        c_->bikou->setCaption(QStringLiteral("断面形状を入力してから、次へ進んでください。"));
        c_->bikou->show();
        beep();
        return;
    }
    setMousePointer(app::MousePointer::Hourglass);
    // Hidden, not unloaded: the calculation screen's "前に戻る" shows it again as it was left.
    // Left visible, its buttons would lead on from behind the calculation screen.
    flow().forward(*this, app::ScreenId::Form入力計算);
}

// The section's sheet from the dimensions as they stand, in the print preview.
void Form入力断面他::reportClicked() {
    app::WizardState& s = state();
    const QDate today = QDate::currentDate();
    const section::Dimensions hen = HEN;
    const app::ReportHeading typed = registry().reportPreview().preview(
        &window(), {s.件名, s.部材名},
        [&s, hen, today](QPrinter& printer, const app::ReportHeading& h) {
            app::WizardState headed = s;
            headed.件名 = h.件名;
            headed.部材名 = h.部材名;
            const report::SectionSheet sheet = report::sectionSheet(headed, hen, today);
            report::print(printer, [&](QPainter& p) { report::paintSectionSheet(p, sheet); });
        });
    s.件名 = typed.件名;
    s.部材名 = typed.部材名;
}

void Form入力断面他::printClicked() {
    printThroughDialog(registry().printer(), window());
}

void Form入力断面他::backClicked() {
    flow().back(*this);
}

void Form入力断面他::onUnload() {
    c_.reset();
}

} // namespace ui
