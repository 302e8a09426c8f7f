// The wizard's rules that the walks do not show: where "前に戻る" leads and what it keeps, what
// "最初から" unloads and keeps, and that the end buttons and close boxes end the program.
#include "fakes.hpp"

#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

class WizardFlow : public ::testing::Test {
protected:
    void SetUp() override { screen<FormOpen>().show(); }
    template <class S> S& screen() { return run.registry.screen<S>(); }
    template <class S> QWidget* ctl(const char* name) {
        return screen<S>().template control<QWidget>(name);
    }
    ProgramRun run;
};

// The captions under the opening pictures act as the pictures. The opening screen keeps its
// hourglass while hidden, until it is shown again or the mouse moves over it.
TEST_F(WizardFlow, TheOpeningScreensCaptionsAndHourglass) {
    click(ctl<FormOpen>("Label2"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form梁形式1"});
    click(ctl<Form梁形式1>("Commandmae"));
    click(ctl<FormOpen>("Label3"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(screen<FormOpen>().mousePointer(), app::MousePointer::Hourglass);
    click(ctl<Form断面選択>("Commandmae"));
    EXPECT_EQ(screen<FormOpen>().mousePointer(), app::MousePointer::Default);
    screen<FormOpen>().setMousePointer(app::MousePointer::Hourglass);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(ctl<FormOpen>("ImageZI"), &move);
    EXPECT_EQ(screen<FormOpen>().mousePointer(), app::MousePointer::Default);
}

// Back from the material screen shows the load-case screen of the beam type with its choice and
// prompt kept, its hourglass gone, and unloads the material screen.
TEST_F(WizardFlow, BackFromTheMaterialScreenShowsTheLoadCaseScreenOfTheBeamType) {
    const char* const roads[][3] = {
        {"Image片持1", "Image片持分布", "Form片持0"},
        {"Img垂直", "Image垂直集中", "FormSuiCho"},
        {"Image両端支持", "Image両端支持任意", "Form両端0"},
        {"Image両端固定", "Image両端固定分布", "Form両端1"},
        {"Imageピン固", "Imageピン固中央", "FormPinKo"},
    };
    click(ctl<FormOpen>("ImageHari"));
    for (const auto& [structure, picture, expected] : roads) {
        SCOPED_TRACE(expected);
        doubleClick(ctl<Form梁形式1>(structure));
        LoadCaseScreen* cases = &loadCaseScreen(run.registry);
        doubleClick(cases->control<QWidget>(picture));
        const auto chosen = cases->haritype();
        const QString prompt = need<Label>(*cases, "Label2")->caption();
        click(ctl<Form断面選択>("Commandmae"));
        EXPECT_EQ(visibleWindows(), QStringList{expected});
        EXPECT_EQ(cases->haritype(), chosen);
        EXPECT_TRUE(need<Label>(*cases, "Label2")->isVisible());
        EXPECT_EQ(need<Label>(*cases, "Label2")->caption(), prompt);
        EXPECT_EQ(cases->mousePointer(), app::MousePointer::Default);
        EXPECT_FALSE(screen<Form断面選択>().isLoaded());
        click(cases->control<QWidget>("Commandmae"));
    }
}

// "最初から" unloads every later screen; their variables remain. The section road still goes
// back to the opening screen; the next beam pass shows no frame yet goes on with the old choices.
TEST_F(WizardFlow, RestartUnloadsTheWizardAndKeepsTheVariables) {
    click(ctl<FormOpen>("ImageHari"));
    doubleClick(ctl<Form梁形式1>("Image両端固定"));
    doubleClick(ctl<Form両端1>("Image両端固定分布"));
    run.registry.flow().restart();
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_FALSE(screen<Form梁形式1>().isLoaded() || screen<Form両端1>().isLoaded() ||
                 screen<Form断面選択>().isLoaded());
    EXPECT_EQ(run.registry.state().hari, beam::Structure::FixedBothEnds);
    EXPECT_EQ(screen<Form両端1>().haritype(), beam::LoadCase::Case3); // the uniform load
    click(ctl<FormOpen>("ImageZI"));
    click(ctl<Form断面選択>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    click(ctl<FormOpen>("ImageHari"));
    EXPECT_EQ(app::twips(ctl<Form梁形式1>("枠line")).left(), -3000);
    EXPECT_FALSE(ctl<Form梁形式1>("Label2")->isVisible());
    click(ctl<Form梁形式1>("Commandtugi"));
    click(ctl<Form両端1>("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(run.counters.ends, 0);
}

// Whatever screen the user arrives at or returns to shows the default pointer: an hourglass
// belongs to the step that left a screen, and a screen loaded afresh after "最初から" does not
// bring back the one it had when it was unloaded.
TEST_F(WizardFlow, EveryArrivingScreenShowsTheDefaultPointer) {
    const auto step = [&](app::Screen& on, const char* control, bool twice = false) {
        QWidget* w = on.control<QWidget>(QString::fromUtf8(control));
        twice ? doubleClick(w) : click(w);
        QStringList hourglass;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->cursor().shape() == Qt::WaitCursor)
                hourglass << top->objectName();
        EXPECT_EQ(hourglass, QStringList())
            << "after " << control << ", " << visibleWindows().join(",").toStdString();
    };
    auto& sizes = screen<Form材サイズ選択>();
    auto& calc = screen<Form入力計算>();
    step(screen<FormOpen>(), "ImageHari");
    step(screen<Form梁形式1>(), "Image片持1", true);
    step(screen<Form片持0>(), "Image片持集中", true);
    step(screen<Form断面選択>(), "Commandtugi");
    step(sizes, "Commandtugi");
    step(calc, "Commandmae");
    step(sizes, "Commandmae");
    step(screen<Form断面選択>(), "Commandtugi");
    step(sizes, "Commandtugi");
    step(calc, "CmdTop");
    step(screen<FormOpen>(), "ImageZI");
    step(screen<Form断面選択>(), "Commandtugi");
    ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    step(sizes, "CmdZIE");
    step(screen<Form入力断面他>(), "Commandmae");
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
}

// In a fresh program run each time: the screen shown, then its end button or its close box.
template <class S> void endsTheProgram(const char* endButton) {
    for (const bool byButton : {true, false}) {
        ProgramRun run;
        S& s = run.registry.screen<S>();
        s.show();
        SCOPED_TRACE(s.window().objectName().toStdString() + (byButton ? " end" : " close box"));
        byButton ? click(s.template control<QWidget>(endButton)) : closeBox(&s.window());
        EXPECT_EQ(run.counters.ends, 1);
        EXPECT_TRUE(run.registry.hasEnded());
    }
}

TEST(WizardExit, EveryEndButtonAndCloseBoxEndsTheProgram) {
    endsTheProgram<FormOpen>("CmdExit");
    endsTheProgram<Form梁形式1>("Commandend");
    endsTheProgram<FormSuiCho>("Commandend");
    endsTheProgram<Form入力計算>("Commandend");
    ProgramRun run; // once ended, nothing more is shown
    run.registry.screen<FormOpen>().show();
    closeBox(&run.registry.screen<FormOpen>().window());
    run.registry.screen<Form梁形式1>().show();
    EXPECT_FALSE(run.registry.screen<Form梁形式1>().isLoaded());
}

} // namespace
