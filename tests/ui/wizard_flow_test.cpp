// The wizard's roads, back steps, restart and the rules by which the program ends.
#include "fakes.hpp"

#include "app/colors.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_choice_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

class WizardFlow : public ::testing::Test {
protected:
    void SetUp() override { screen<FormOpen>().show(); }
    template <class S> S& screen() { return run.registry.screen<S>(); }
    template <class S> QWidget* ctl(const char* name) {
        return screen<S>().template control<QWidget>(QString::fromUtf8(name));
    }
    ProgramRun run;
};

TEST_F(WizardFlow, TheBeamRoadRunsFromTheOpeningScreenToTheMaterialScreen) {
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    click(ctl<FormOpen>("ImageHari"));
    EXPECT_EQ(screen<FormOpen>().FlgOpen, Road::BeamCalculation);
    EXPECT_EQ(visibleWindows(), QStringList{"Form梁形式1"});

    doubleClick(ctl<Form梁形式1>("Image片持1"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form片持0"});
    doubleClick(ctl<Form片持0>("Image片持集中"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(screen<Form片持0>().haritype, LoadCase::TipPoint);
    // Earlier screens are hidden, not unloaded: later screens read their values.
    EXPECT_TRUE(screen<Form梁形式1>().isLoaded());
    EXPECT_TRUE(screen<Form片持0>().isLoaded());
    EXPECT_EQ(run.counters.ends, 0);
}

TEST_F(WizardFlow, TheOpeningScreensLabelsActAsItsPictures) {
    click(ctl<FormOpen>("Label2"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form梁形式1"});
    click(ctl<Form梁形式1>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});

    click(ctl<FormOpen>("Label3"));
    EXPECT_EQ(screen<FormOpen>().FlgOpen, Road::SectionProperties);
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
}

TEST_F(WizardFlow, TheSectionRoadGoesBackToTheOpeningScreenWhateverTheBeamType) {
    screen<Form梁形式1>().hari = BeamType::SimplySupported; // left by an earlier pass
    click(ctl<FormOpen>("ImageZI"));
    // The hourglass stays on the opening screen while it is hidden.
    EXPECT_EQ(screen<FormOpen>().mousePointer(), app::MousePointer::Hourglass);
    EXPECT_EQ(screen<Form断面選択>().mousePointer(), app::MousePointer::Default);
    EXPECT_EQ(screen<Form断面選択>().FlgFormdanmen, 1);

    click(ctl<Form断面選択>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_EQ(screen<FormOpen>().mousePointer(), app::MousePointer::Default);
    EXPECT_FALSE(screen<Form断面選択>().isLoaded());
    EXPECT_FALSE(run.registry.existing<Form両端0>()); // no load-case screen was touched
    EXPECT_EQ(run.counters.ends, 0);
}

TEST_F(WizardFlow, MovingTheMouseOverTheOpeningScreenClearsTheHourglass) {
    screen<FormOpen>().setMousePointer(app::MousePointer::Hourglass);
    QTest::mouseMove(ctl<FormOpen>("ImageZI"), {20, 20});
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(ctl<FormOpen>("ImageZI"), &move);
    EXPECT_EQ(screen<FormOpen>().mousePointer(), app::MousePointer::Default);
}

TEST_F(WizardFlow, BackFromTheMaterialScreenShowsTheLoadCaseScreenOfTheBeamType) {
    const struct {
        const char* structure;
        const char* loadPicture;
        const char* expected;
    } roads[] = {
        {"Image片持1", "Image片持分布", "Form片持0"},
        {"Img垂直", "Image垂直集中", "FormSuiCho"},
        {"Image両端支持", "Image両端支持任意", "Form両端0"},
        {"Image両端固定", "Image両端固定分布", "Form両端1"},
        {"Imageピン固", "Imageピン固中央", "FormPinKo"},
    };
    click(ctl<FormOpen>("ImageHari"));
    for (const auto& r : roads) {
        SCOPED_TRACE(r.expected);
        doubleClick(ctl<Form梁形式1>(r.structure));
        EXPECT_EQ(visibleWindows(), QStringList{QString::fromUtf8(r.expected)});
        LoadCaseScreen* loadCase = loadCaseScreen(run.registry, screen<Form梁形式1>().hari);
        ASSERT_NE(loadCase, nullptr);
        EXPECT_EQ(loadCase->loadedFlag(), 1);
        doubleClick(loadCase->control<QWidget>(QString::fromUtf8(r.loadPicture)));
        EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
        EXPECT_EQ(loadCase->mousePointer(), app::MousePointer::Hourglass);

        click(ctl<Form断面選択>("Commandmae"));
        EXPECT_EQ(visibleWindows(), QStringList{QString::fromUtf8(r.expected)});
        // Form_Load_Call: prompt colour reset and the hourglass gone, the choice kept.
        EXPECT_EQ(loadCase->mousePointer(), app::MousePointer::Default);
        auto* label = loadCase->control<Label>("Label2");
        EXPECT_EQ(label->backColor(), app::systemColor(app::SystemColor::Desktop));
        EXPECT_TRUE(label->isVisible());
        EXPECT_FALSE(screen<Form断面選択>().isLoaded());

        click(loadCase->control<QWidget>("Commandmae"));
        EXPECT_EQ(visibleWindows(), QStringList{"Form梁形式1"});
    }
    EXPECT_EQ(run.counters.ends, 0);
}

TEST_F(WizardFlow, TheCloseBoxOfEveryScreenEndsTheProgram) {
    closeBox(&screen<FormOpen>().window());
    EXPECT_EQ(run.counters.ends, 1);
    EXPECT_TRUE(run.registry.hasEnded());
    // Once ended, nothing more is shown.
    screen<Form梁形式1>().show();
    EXPECT_FALSE(screen<Form梁形式1>().isLoaded());
}

TEST(WizardExit, TheCloseBoxOfALaterScreenEndsTheProgramToo) {
    const char* paths[][3] = {
        {"ImageHari", nullptr, "Form梁形式1"},
        {"ImageHari", "Image片持1", "Form片持0"},
        {"ImageHari", "Imageピン固", "FormPinKo"},
        {"ImageZI", nullptr, "Form断面選択"},
    };
    for (const auto& p : paths) {
        SCOPED_TRACE(p[2]);
        ProgramRun fresh;
        fresh.registry.screen<FormOpen>().show();
        click(fresh.registry.screen<FormOpen>().control<QWidget>(p[0]));
        if (p[1])
            doubleClick(
                fresh.registry.screen<Form梁形式1>().control<QWidget>(QString::fromUtf8(p[1])));
        ASSERT_EQ(visibleWindows(), QStringList{QString::fromUtf8(p[2])});
        QWidget* window = QApplication::activeWindow();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) window = w;
        closeBox(window);
        EXPECT_EQ(fresh.counters.ends, 1);
    }
}

TEST(WizardExit, EveryEndButtonEndsTheProgram) {
    ProgramRun run;
    run.registry.screen<FormOpen>().show();
    click(run.registry.screen<FormOpen>().control<QWidget>("CmdExit"));
    EXPECT_EQ(run.counters.ends, 1);

    ProgramRun second;
    second.registry.screen<Form梁形式1>().show();
    click(second.registry.screen<Form梁形式1>().control<QWidget>("Commandend"));
    EXPECT_EQ(second.counters.ends, 1);

    ProgramRun third;
    third.registry.screen<FormSuiCho>().show();
    click(third.registry.screen<FormSuiCho>().control<QWidget>("Commandend"));
    EXPECT_EQ(third.counters.ends, 1);

    ProgramRun fourth;
    fourth.registry.screen<Form断面選択>().show();
    click(fourth.registry.screen<Form断面選択>().control<QWidget>("Commandend"));
    EXPECT_EQ(fourth.counters.ends, 1);
}

TEST_F(WizardFlow, RestartUnloadsTheWizardWithoutEndingAndKeepsTheVariables) {
    click(ctl<FormOpen>("ImageHari"));
    click(ctl<Form梁形式1>("Image両端固定"));
    click(ctl<Form梁形式1>("Commandtugi"));
    doubleClick(ctl<Form両端1>("Image両端固定分布"));
    ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});

    screen<Form入力計算>().restart();
    EXPECT_EQ(run.counters.ends, 0);
    EXPECT_EQ(screen<Form入力計算>().FlgSaisho, 0);
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_FALSE(screen<Form梁形式1>().isLoaded());
    EXPECT_FALSE(screen<Form両端1>().isLoaded());
    EXPECT_FALSE(screen<Form断面選択>().isLoaded());
    // Variables outlive the unload.
    EXPECT_EQ(screen<Form梁形式1>().hari, BeamType::FixedBothEnds);
    EXPECT_EQ(screen<Form両端1>().haritype, LoadCase::Uniform);

    // The next pass starts with the frame out of sight but the previous choice still set.
    click(ctl<FormOpen>("ImageHari"));
    EXPECT_EQ(app::twips(ctl<Form梁形式1>("枠line")).left(), -3000);
    EXPECT_FALSE(ctl<Form梁形式1>("Label2")->isVisible());
    click(ctl<Form梁形式1>("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form両端1"});
    click(ctl<Form両端1>("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});

    // After the restart, the close box ends the program again.
    closeBox(&screen<Form断面選択>().window());
    EXPECT_EQ(run.counters.ends, 1);
}

TEST_F(WizardFlow, AfterARestartTheSectionRoadStillGoesBackToTheOpeningScreen) {
    click(ctl<FormOpen>("ImageHari"));
    doubleClick(ctl<Form梁形式1>("Image両端支持"));
    doubleClick(ctl<Form両端0>("Image両端支持中央"));
    screen<Form入力計算>().restart();

    click(ctl<FormOpen>("ImageZI"));
    click(ctl<Form断面選択>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_EQ(run.counters.ends, 0);
}

} // namespace
