// The roads as a user walks them: the opening screen, on the beam road a structure and load case,
// SS400 and the shape to the size screen; on to the section calculator by "断面図から計算" (with no
// size tables every computable shape offers it); a check saved and opened again; what a user sees
// of a screen.
#pragma once

#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include "fakes.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

namespace testing_ui {

struct BeamCase {
    const char* structure; // picture on Form梁形式1
    const char* loadCase;  // picture on its load-case screen
};

// With no beam case, the section road; the material by its row in the list.
inline void toSizeScreen(ProgramRun& run, const char* shapePicture,
                         std::optional<BeamCase> beam = std::nullopt, int materialRow = 0) {
    app::Registry& r = run.registry;
    r.screen<ui::FormOpen>().show();
    if (beam) {
        click(r.screen<ui::FormOpen>().control<QWidget>("ImageHari"));
        doubleClick(
            r.screen<ui::Form梁形式1>().control<QWidget>(QString::fromUtf8(beam->structure)));
        doubleClick(ui::loadCaseScreen(r).control<QWidget>(QString::fromUtf8(beam->loadCase)));
    } else {
        click(r.screen<ui::FormOpen>().control<QWidget>("ImageZI"));
    }
    ui::Form断面選択& choice = r.screen<ui::Form断面選択>();
    choice.control<QListWidget>("Listzaisitu")->setCurrentRow(materialRow);
    click(choice.control<QWidget>(QString::fromUtf8(shapePicture)));
    if (choice.isVisible()) click(choice.control<QWidget>("Commandtugi")); // some go straight on
    ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
}

// A program run driving screen S, whose controls a test reads by name.
template <class S> class ScreenTest : public ::testing::Test {
protected:
    S& s() { return run.registry.screen<S>(); }
    template <class T = QWidget> T* ctl(const QString& name) { return need<T>(s(), name); }
    QString text(const char* name) { return ctl<QLineEdit>(name)->text(); }
    QString caption(const char* name) { return ctl<ui::Label>(name)->caption(); }
    bool shown(const char* name) { return ctl(name)->isVisible(); }

    ProgramRun run;
};

// With no size tables, "断面図から計算" leads on to the calculator.
inline void toSectionCalculator(ProgramRun& run, const char* shapePicture,
                                std::optional<BeamCase> beam = std::nullopt) {
    toSizeScreen(run, shapePicture, beam);
    ui::Form材サイズ選択& sizes = run.registry.screen<ui::Form材サイズ選択>();
    ASSERT_EQ(need<QPushButton>(sizes, "CmdZIE")->text(), "断面図から計算");
    click(need(sizes, "CmdZIE"));
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
}

// A program run with no size tables, driving the section calculator.
class SectionCalculatorTest : public ScreenTest<ui::Form入力断面他> {
protected:
    void SetUp() override {
        ASSERT_TRUE(emptyFolder.isValid());
        run.registry.setDataFolders({emptyFolder.path().toStdString()});
    }
    void open(const char* picture, std::optional<BeamCase> beam = std::nullopt) {
        toSectionCalculator(run, picture, beam);
    }
    QLineEdit* hen(int k) { return ctl<QLineEdit>(QStringLiteral("TextHEN%1").arg(k)); }
    QString bikou() { return shown("LbBikou") ? caption("LbBikou") : QString(); }
    // Area, mass, Z, I, radius of gyration, without the leading blank.
    QStringList results() {
        QStringList r;
        for (const char* n : {"Text面積", "TextZaijuryou", "Textdz", "Textdi", "TxtD2r"})
            r << text(n).trimmed();
        return r;
    }
    // Keypad keys: digits and "." as the point.
    void press(const char* keys) {
        for (const char* k = keys; *k; ++k)
            click(ctl(*k == '.' ? QStringLiteral("Decimal") : QStringLiteral("Number%1").arg(*k)));
    }

    QTemporaryDir emptyFolder;
};

// A check saved by "保存" on a screen, and opened by "開く" on the opening screen of a program
// run, with the file dialogs answered by the test.
inline void saveCheck(ProgramRun& run, app::Screen& s, const QString& path) {
    run.documents->saveAs = path;
    click(need(s, "Cmd保存"));
}

inline void openCheck(ProgramRun& run, const QString& path) {
    run.registry.screen<ui::FormOpen>().show();
    run.documents->openName = path;
    click(need(run.registry.screen<ui::FormOpen>(), "CmdOpen"));
}

// Every shown field, caption, button and option of a screen, by name.
inline QStringList seen(app::Screen& s) {
    QStringList out;
    QWidget& w = s.window();
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!c->isVisibleTo(&w) || c->objectName().isEmpty()) continue;
        QString what;
        if (auto* e = qobject_cast<QLineEdit*>(c))
            what = e->text();
        else if (auto* l = qobject_cast<ui::Label*>(c))
            what = l->caption();
        else if (auto* r = qobject_cast<QRadioButton*>(c))
            what = r->isChecked() ? "●" : "○";
        else if (auto* b = qobject_cast<QPushButton*>(c))
            what = b->text();
        else
            what = "shown";
        out << c->objectName() + "=" + what;
    }
    out.sort();
    return out;
}

} // namespace testing_ui
