// How a keystroke reaches the display: a change of TextHEN1..TextHEN4 (typed, set by the
// keypad's hand-over, or restored by MaeHensuSet) stores the field's value in its variable
// (Ww, LA, HEN3, HEN4; the load is turned into newtons by KajutaniSet), then calcDispatch
// gathers those variables and the taken-over section and material texts into beam::Inputs.
// The engine answers with every text to show; calcDispatch only writes them: the SI result
// fields, their old-unit twins, the message label, and the verdict with its gauge. The unit
// options and the load-mode buttons run the same calcDispatch; the display-unit options only
// switch which of the twin fields is visible.
#include "ui/calc_screen.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QDate>

#include "app/colors.hpp"
#include "app/registry.hpp"
#include "app/twips.hpp"
#include "catalog/materials.hpp"
#include "catalog/size_table.hpp"
#include "report/page.hpp"
#include "report/sheets.hpp"
#include "ui/calc_controls.hpp"
#include "ui/controls.hpp"
#include "ui/document_buttons.hpp"
#include "ui/gauge_canvas.hpp"
#include "ui/keypad_host.hpp"
#include "ui/keypad_widget.hpp"

namespace ui {

Form入力計算::Form入力計算(app::Registry& registry) : app::Screen(registry, kId) {}

Form入力計算::~Form入力計算() = default;

void Form入力計算::build(app::FormWindow& w) {
    setForm(&w, QStringLiteral("入力-計算"), 10680, 8880);
    c_ = std::make_unique<CalcControls>(buildCalcControls(w));
    addSaveButton(w, registry(), {9300, 5160, 1155, 360}, 9);
    connectHandlers(w);
}

void Form入力計算::connectHandlers(app::FormWindow& w) {
    CalcControls& c = *c_;
    for (int k = 0; k < 4; ++k)
        QObject::connect(c.text[k], &QLineEdit::textChanged, &w,
                         [this, k] { fieldChanged(k + 1); });
    reportFieldClicks(*c.keypad, c.text);
    QObject::connect(c.keypad, &KeypadWidget::targetChanged, &w,
                     [this](int field) { markTarget(field); });
    QObject::connect(
        c.keypad, &KeypadWidget::writeField, &w,
        [this](int field, const QString& text, double value) { writeField(field, text, value); });
    QObject::connect(c.keypad, &KeypadWidget::recalculate, &w, [this] { calcDispatch(); });

    const auto onSelect = [&w](QRadioButton* o, std::function<void()> handler) {
        QObject::connect(o, &QRadioButton::toggled, &w, [handler](bool on) {
            if (on) handler();
        });
    };
    const auto loadUnit = [this](beam::LoadUnit unit) {
        return [this, unit] {
            state().mae.MaeFlgKajutani = unit;
            KajutaniSet();
            calcDispatch();
        };
    };
    onSelect(c.opt1N, loadUnit(beam::LoadUnit::N));
    onSelect(c.opt1kN, loadUnit(beam::LoadUnit::kN));
    onSelect(c.opt1kg, loadUnit(beam::LoadUnit::kg));
    onSelect(c.opt2old, [this] {
        state().mae.MaeFlgHyoujitani = app::DisplayUnits::Old;
        HyoujiOld();
    });
    onSelect(c.opt2SI, [this] {
        state().mae.MaeFlgHyoujitani = app::DisplayUnits::SI;
        HyoujiSI();
    });
    const auto loadMode = [this](beam::LoadMode mode) {
        return [this, mode] {
            markMode(mode);
            Pw = mode;
            state().mae.MaePw = mode;
            calcDispatch();
            KajuLabelSet();
        };
    };
    QObject::connect(c.cmdP, &QPushButton::clicked, &w, loadMode(beam::LoadMode::Total));
    QObject::connect(c.cmdw, &QPushButton::clicked, &w, loadMode(beam::LoadMode::PerMetre));

    QObject::connect(c.hensuKaijo, &QPushButton::clicked, &w, [this] {
        HensuKaijo();
        KekkaZero();
    });
    QObject::connect(c.chokuzensuti, &QPushButton::clicked, &w, [this] {
        MaeHensuSet();
        if (c_) c_->chokuzensuti->hide();
    });
    // An edit of a taken-over value recalculates nothing by itself; "再計算" offers it.
    for (QLineEdit* f : c.adjustable())
        QObject::connect(f, &QLineEdit::textEdited, &w, [this] {
            if (c_) c_->saikeisan->show();
        });
    for (QLineEdit* f : {c.dz, c.di, c.juryou})
        QObject::connect(f, &QLineEdit::textEdited, &w, [this] { sectionValueEdited(); });
    for (TwinField* f : {&c.yang, &c.kmage})
        QObject::connect(f->si, &QLineEdit::textEdited, &w, [this, f] { materialValueEdited(*f); });
    QObject::connect(c.saikeisan, &QPushButton::clicked, &w, [this] { calcDispatch(); });
    QObject::connect(c.prin, &QPushButton::clicked, &w, [this] { printClicked(); });
    QObject::connect(c.danmenSentei, &QPushButton::clicked, &w,
                     [this] { flow().openBeside(*this, app::ScreenId::Form断面選定); });
    QObject::connect(c.report, &QPushButton::clicked, &w, [this] { reportClicked(); });
    QObject::connect(c.top, &QPushButton::clicked, &w, [this] { flow().restart(); });
    QObject::connect(c.mae, &QPushButton::clicked, &w, [this] { backClicked(); });
    QObject::connect(c.end, &QPushButton::clicked, &w, [this] { endProgram(); });
}

void Form入力計算::onLoad() {
    CalcControls& c = *c_;
    KekkaZero();
    app::moveTwips(c.labelinphantei, 3720, app::twips(c.labelinphantei).top());
    c.labelinphantei->hide();
    takeOverValues();
    // The fields start empty, so their variables do too; MaeHensuSet below refills both.
    Ww = WN = LA = HEN3 = HEN4 = 0;
    Pw = beam::LoadMode::Total;
    c.keypad->reset();
    markTarget(1);
    for (int k = 1; k < 4; ++k) {
        QPalette p = c.text[k]->palette();
        p.setColor(QPalette::Base, app::systemColor(app::SystemColor::Menu));
        c.text[k]->setPalette(p);
    }
    c.imgiNpM->hide();
    c.imgiNp->show();
    c.label100->hide();
    for (int k : {2, 3}) {
        c.caption[k]->hide();
        c.text[k]->hide();
    }
    kajutan = QStringLiteral("N");
    setUpCase();
    showSectionPicture();
    calcDispatch();
    if (state().mae.MaeFlgtugi) MaeHensuSet();
    if (state().mae.MaeFlgSaisho) {
        HensuKaijo();
        KekkaZero();
    }
}

void Form入力計算::restore(const app::WizardState& saved, QStringList&) {
    CalcControls& c = *c_;
    const app::CalcInput& in = saved.calc;
    // The section and material boxes as the user left them, each with what its edit does.
    for (const auto& [box, text] : {std::pair{c.dz, &in.Textdz}, std::pair{c.di, &in.Textdi},
                                    std::pair{c.juryou, &in.Textjuryou}})
        if (box->text() != *text) {
            box->setText(*text);
            sectionValueEdited();
        }
    for (const auto& [value, text] :
         {std::pair{&c.yang, &in.Textyang}, std::pair{&c.kmage, &in.Textkmage}})
        if (value->si->text() != *text) {
            value->si->setText(*text);
            materialValueEdited(*value);
        }
    // The inputs come back as the previous input does.
    app::PreviousInput& mae = state().mae;
    mae.MaeTextHEN1 = in.TextHEN1;
    mae.MaeTextHEN2 = in.TextHEN2;
    mae.MaeTextHEN3 = in.TextHEN3;
    mae.MaeTextHEN4.clear();
    mae.MaeFlgKajutani = in.FlgKajutani;
    mae.MaeFlgHyoujitani = in.FlgHyoujitani;
    mae.MaePw = in.Pw;
    MaeHensuSet();
    calcDispatch();
}

void Form入力計算::fieldChanged(int field) {
    const QString text = c_->text[field - 1]->text();
    const double v = valueOf(text);
    switch (field) {
    case 1:
        Ww = v;
        KajutaniSet();
        break;
    case 2:
        LA = v;
        break;
    case 3:
        HEN3 = v;
        break;
    default:
        // The fourth field is hidden in every set-up; its value is L2 and never L1.
        HEN4 = v;
        break;
    }
    calcDispatch();
    maeText(field) = text;
}

// The designation names the section only while its figures are the ones taken over.
void Form入力計算::sectionValueEdited() {
    const auto s = [](const QString& t) { return t.toStdString(); };
    const TakenOverSection& t = takenOver_;
    c_->dsize->setCaption(qtext(catalog::designationInUse(
        s(t.designation), {s(t.z), s(t.i), s(t.mass)},
        {s(c_->dz->text()), s(c_->di->text()), s(c_->juryou->text())})));
}

// The old-unit twin shows the edited value too, converted as the material screen converts.
void Form入力計算::materialValueEdited(TwinField& value) {
    value.old->setText(
        qtext(catalog::plainText(catalog::oldUnitFromSi(valueOf(value.si->text())))));
}

QString& Form入力計算::maeText(int field) {
    switch (field) {
    case 1:
        return state().mae.MaeTextHEN1;
    case 2:
        return state().mae.MaeTextHEN2;
    case 3:
        return state().mae.MaeTextHEN3;
    default:
        return state().mae.MaeTextHEN4;
    }
}

void Form入力計算::markTarget(int field) {
    markKeypadTarget(c_->text, field);
}

void Form入力計算::writeField(int field, const QString& text, double value) {
    switch (field) {
    case 1:
        Ww = value;
        break;
    case 2:
        LA = value;
        break;
    case 3:
        HEN3 = value;
        break;
    default:
        HEN4 = value;
        break;
    }
    c_->text[field - 1]->setText(text);
}

void Form入力計算::KajutaniSet() {
    if (!isLoaded()) return;
    const beam::LoadUnit unit = c_->opt1kN->isChecked()   ? beam::LoadUnit::kN
                                : c_->opt1kg->isChecked() ? beam::LoadUnit::kg
                                                          : beam::LoadUnit::N;
    kajutan = qtext(beam::kajutan(unit));
    WN = beam::toNewtons(Ww, unit);
    KajuLabelSet();
}

void Form入力計算::KajuLabelSet() {
    if (!isLoaded()) return;
    const std::optional<Case> bc = beamCase();
    if (!bc) return;
    const QString& u = kajutan;
    if (!beam::isDistributed(bc->structure, bc->loadCase)) {
        c_->caption[0]->setCaption(QStringLiteral("荷重を入力( ") + u + QStringLiteral(" )"));
        return;
    }
    c_->caption[0]->setCaption(Pw == beam::LoadMode::PerMetre
                                   ? QStringLiteral("分布荷重を入力(") + u + QStringLiteral("/m)")
                                   : QStringLiteral("全体荷重を入力( ") + u + QStringLiteral(" )"));
    c_->cmdP->setText(QStringLiteral("全体荷重(") + u + QStringLiteral(")"));
    c_->cmdw->setText(QStringLiteral("分布荷重(") + u + QStringLiteral("/m)"));
}

void Form入力計算::HyoujiOld() {
    if (!isLoaded()) return;
    showUnits(*c_, true);
    state().calc.FlgHyoujitani = app::DisplayUnits::Old;
}

void Form入力計算::HyoujiSI() {
    if (!isLoaded()) return;
    showUnits(*c_, false);
    state().calc.FlgHyoujitani = app::DisplayUnits::SI;
}

void Form入力計算::KekkaZero() {
    if (isLoaded()) writeSi(*c_, beam::KekkaZero());
}

void Form入力計算::HanteiClear() {
    if (isLoaded()) clearHantei(*c_);
}

void Form入力計算::calcDispatch() {
    if (!isLoaded()) return;
    CalcControls& c = *c_;
    publishInput();
    std::optional<beam::Inputs> in = app::beamInputs(state());
    if (!in) return; // no case chosen: nothing to calculate
    in->shown = shownSi(c);
    const beam::Outcome out = beam::calcDispatch(*in);

    // L2 follows from L and L1 where the case has one.
    if (out.quantities && out.quantities->hen4) HEN4 = *out.quantities->hen4;
    if (out.results) {
        writeResults(c, *out.results);
        c.saikeisan->hide(); // what is shown now follows the values shown
    }
    writeOld(c, out.old);
    if (const auto& m = out.message) {
        c.labelinphantei->setCaption(qtext(m->caption));
        c.labelinphantei->setVisible(m->visible);
    }
    if (out.clearVerdict) HanteiClear();
    if (out.verdict) showHantei(c, *out.verdict);
    if (out.momentPositive) c.imgiNpM->show();
    if (out.formula) c.label式->setCaption(qtext(*out.formula));
    c.label式->show();
}

void Form入力計算::publishInput() {
    const CalcControls& c = *c_;
    app::CalcInput& in = state().calc;
    in.TextHEN1 = c.text[0]->text();
    in.TextHEN2 = c.text[1]->text();
    in.TextHEN3 = c.text[2]->text();
    in.FlgKajutani = c.opt1kN->isChecked()   ? beam::LoadUnit::kN
                     : c.opt1kg->isChecked() ? beam::LoadUnit::kg
                                             : beam::LoadUnit::N;
    in.Pw = Pw;
    in.FlgHyoujitani = c.opt2old->isChecked() ? app::DisplayUnits::Old : app::DisplayUnits::SI;
    in.Textdz = c.dz->text();
    in.Textdi = c.di->text();
    in.Textyang = c.yang.si->text();
    in.Textjuryou = c.juryou->text();
    in.Textkmage = c.kmage.si->text();
    state().calcPublished.notify();
}

void Form入力計算::HensuKaijo() {
    if (!isLoaded()) return;
    Ww = WN = LA = HEN3 = HEN4 = 0;
    c_->keypad->clearReadout();
    for (QLineEdit* t : c_->text)
        t->setText({});
    if (!isLoaded()) return;
    c_->tawamihikaku->setCaption({});
    c_->magehikaku->setCaption({});
    for (TwinField* f : c_->resultPairs()) {
        f->si->clear();
        f->old->clear();
    }
    for (QLineEdit* t : {c_->kajutawami, c_->jtawami, c_->tawamit})
        t->clear();
    KajutaniSet();
    calcDispatch();
    HanteiClear();
}

void Form入力計算::MaeHensuSet() {
    if (!isLoaded()) return;
    // A copy: every text set below is remembered again as it is set.
    const app::PreviousInput mae = state().mae;
    const QString texts[] = {mae.MaeTextHEN1, mae.MaeTextHEN2, mae.MaeTextHEN3, mae.MaeTextHEN4};
    for (int k = 0; k < 4 && isLoaded(); ++k)
        c_->text[k]->setText(texts[k]);
    if (!isLoaded()) return;
    if (mae.MaeFlgHyoujitani)
        (*mae.MaeFlgHyoujitani == app::DisplayUnits::SI ? c_->opt2SI : c_->opt2old)
            ->setChecked(true);
    if (mae.MaeFlgKajutani)
        (*mae.MaeFlgKajutani == beam::LoadUnit::kN   ? c_->opt1kN
         : *mae.MaeFlgKajutani == beam::LoadUnit::kg ? c_->opt1kg
                                                     : c_->opt1N)
            ->setChecked(true);
    if (mae.MaePw) {
        markMode(*mae.MaePw);
        Pw = *mae.MaePw;
        calcDispatch();
        KajuLabelSet();
    }
}

void Form入力計算::printClicked() {
    printThroughDialog(registry().printer(), window());
}

// The calculation sheet of the check as it stands, in the print preview; 件名 and 部材名 typed
// there belong to the check.
void Form入力計算::reportClicked() {
    publishInput();
    app::WizardState& s = state();
    const QDate today = QDate::currentDate();
    const app::ReportHeading typed = registry().reportPreview().preview(
        &window(), {s.件名, s.部材名}, [&s, today](QPrinter& printer, const app::ReportHeading& h) {
            app::WizardState headed = s;
            headed.件名 = h.件名;
            headed.部材名 = h.部材名;
            const report::BeamSheet sheet = report::beamSheet(headed, today);
            report::print(printer, [&](QPainter& p) { report::paintBeamSheet(p, sheet); });
        });
    s.件名 = typed.件名;
    s.部材名 = typed.部材名;
}

void Form入力計算::backClicked() {
    state().mae.MaeFlgtugi = true;
    state().mae.MaeFlgSaisho = false;
    flow().back(*this);
}

} // namespace ui
