// What the user sees on the opening, beam-type and load-case screens.
#include "fakes.hpp"

#include <QPushButton>

#include "app/colors.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_choice_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

const QColor kHighlight() {
    return app::systemColor(app::SystemColor::ActiveCaption);
}
const QColor kReset() {
    return app::systemColor(app::SystemColor::Desktop);
}

QString caption(app::Screen& s, const char* name) {
    if (auto* l = s.control<Label>(QString::fromUtf8(name))) return l->caption();
    if (auto* b = s.control<QPushButton>(QString::fromUtf8(name))) return b->text();
    return "<missing " + QString::fromUtf8(name) + ">";
}

TEST(OpeningScreen, ShowsTheTitleVersionInstructionAndBothPictures) {
    ProgramRun run;
    FormOpen& open = run.registry.screen<FormOpen>();
    open.show();
    EXPECT_TRUE(open.window().windowTitle().startsWith(FormOpen::kTitle));
    for (const char* title : {"Label8", "Label4"})
        EXPECT_EQ(caption(open, title), FormOpen::kTitle);
    EXPECT_FALSE(caption(open, "Label5").isEmpty());
    EXPECT_EQ(caption(open, "Label6"), "Ver　5.03.3");
    EXPECT_EQ(caption(open, "Label7"), "　どちらかの図をクリックしてください。");
    EXPECT_EQ(caption(open, "Label2"), "構造計算をする");
    EXPECT_EQ(caption(open, "Label3"), "断面性能を調べる");
    EXPECT_EQ(caption(open, "CmdExit"), "閉じる");
    for (const char* name : {"ImageHari", "ImageZI"}) {
        auto* p = open.control<Picture>(name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_TRUE(p->hasImage()) << name;
        EXPECT_EQ(app::twips(p).size(), QSize(4575, 3660)); // 305 x 244 pixels
    }
}

TEST(BeamTypeScreen, LoadsWithTheInstructionAndTheFrameOutOfSight) {
    ProgramRun run;
    Form梁形式1& s = run.registry.screen<Form梁形式1>();
    s.show();
    EXPECT_EQ(s.window().windowTitle(), "構造計算梁形式");
    EXPECT_EQ(caption(s, "Label1"), "　梁構造を選択");
    EXPECT_EQ(caption(s, "Label3"),
              "目的の図（梁タイプ）を　ダブルクリック\r・または・\r"
              "目的の図（梁タイプ）をクリックして、「次に進む」をクリックしてください。");
    EXPECT_EQ(caption(s, "Commandtugi"), "次に進む");
    EXPECT_EQ(caption(s, "Commandmae"), "前へ戻る");
    EXPECT_EQ(caption(s, "Commandend"), "中断");
    EXPECT_EQ(app::twips(s.control<QWidget>("枠line")).left(), -3000);
    EXPECT_EQ(s.control<Label>("Label2")->backColor(), kReset());
    EXPECT_EQ(s.FlgTugi, 0);
}

TEST(BeamTypeScreen, AClickFramesThePictureAndNamesTheStructure) {
    const struct {
        const char* picture;
        const char* label;
        int hari;
    } cases[] = {
        {"Image片持1", " 片持   ", 1},          {"Img垂直", " 片持垂直   ", 2},
        {"Image両端支持", " 両端支持    ", 3},  {"Image両端固定", " 両端固定    ", 4},
        {"Imageピン固", " ピン ＆ 固定   ", 5},
    };
    ProgramRun run;
    Form梁形式1& s = run.registry.screen<Form梁形式1>();
    s.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        QWidget* picture = s.control<QWidget>(QString::fromUtf8(c.picture));
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(static_cast<Picture*>(picture)->hasImage());
        EXPECT_EQ(app::twips(picture).size(), QSize(2250, 1800)); // 150 x 120 pixels
        click(picture);
        EXPECT_EQ(s.hari, c.hari);
        const QRect frame = app::twips(s.control<QWidget>("枠line"));
        EXPECT_EQ(frame.topLeft(), app::twips(picture).topLeft());
        auto* label = s.control<Label>("Label2");
        EXPECT_EQ(label->caption(), QString::fromUtf8(c.label));
        EXPECT_EQ(label->backColor(), kHighlight());
        EXPECT_TRUE(label->isVisible());
        EXPECT_TRUE(s.isVisible()); // a single click stays
    }
}

TEST(BeamTypeScreen, NextWithoutAChoiceGoesOnAsACantilever) {
    ProgramRun run;
    Form梁形式1& s = run.registry.screen<Form梁形式1>();
    s.show();
    click(s.control<QWidget>("Commandtugi"));
    EXPECT_EQ(s.hari, BeamType::Cantilever);
    EXPECT_EQ(visibleWindows(), QStringList{"Form片持0"});
    EXPECT_EQ(run.counters.beeps, 0);
}

TEST(LoadCaseScreens, EachStructureHasItsCaptionsPicturesAndCases) {
    const struct {
        int hari;
        const char* window;
        const char* heading;
        const char* pictures[3];
        const char* labels[3];
    } screens[] = {
        {1,
         "片持-梁",
         "  片持を選択",
         {"Image片持集中", "Image片持分布", "Image片持分先"},
         {"  片持集中荷重", "  片持分布荷重", "  片持先端分布荷重"}},
        {2,
         "片持垂直-梁",
         "  片持垂直を選択",
         {"Image垂直集中", "Image垂直分布", "Image垂直分先"},
         {"  片持垂直集中荷重", "  片持垂直分布荷重", "  片持垂直先端分布荷重"}},
        {3,
         "両端支持-梁",
         "  両端支持を選択",
         {"Image両端支持中央", "Image両端支持任意", "Image両端支持分布"},
         {"  両端支持中央集中荷重", "  両端支持任意点集中荷重", "  両端支持分布荷重"}},
        {4,
         "両端固定-梁",
         "  両端固定を選択",
         {"Image両端固定中央", "Image両端固定任意", "Image両端固定分布"},
         {"  両端固定中央集中荷重", "  両端固定任意点集中荷重", "  両端固定分布荷重"}},
        {5,
         "ピン固定-梁",
         "  ピン＆固定を選択",
         {"Imageピン固中央", "Imageピン固任意", "Imageピン固分布"},
         {"  ピン固定中央集中荷重", "  ピン固定任意点集中荷重", "  ピン固定分布荷重"}},
    };
    for (const auto& sc : screens) {
        SCOPED_TRACE(sc.window);
        ProgramRun run;
        LoadCaseScreen* s = loadCaseScreen(run.registry, sc.hari);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->loadedFlag(), 0); // created, not yet loaded
        s->show();
        EXPECT_EQ(s->loadedFlag(), 1);
        EXPECT_EQ(s->window().windowTitle(), QString::fromUtf8(sc.window));
        EXPECT_EQ(caption(*s, "Label1"), QString::fromUtf8(sc.heading));
        EXPECT_EQ(caption(*s, "Label3"), ChoiceScreen::kInstruction);
        EXPECT_EQ(caption(*s, "Commandmae"), "←　前へ戻る");
        EXPECT_EQ(app::twips(s->control<QWidget>("枠line")).left(), -3000);
        for (int k = 0; k < 3; ++k) {
            auto* picture = s->control<Picture>(QString::fromUtf8(sc.pictures[k]));
            ASSERT_NE(picture, nullptr) << sc.pictures[k];
            EXPECT_TRUE(picture->hasImage()) << sc.pictures[k];
            click(picture);
            EXPECT_EQ(s->haritype, k + 1);
            EXPECT_EQ(caption(*s, "Label2"), QString::fromUtf8(sc.labels[k]));
            EXPECT_EQ(app::twips(s->control<QWidget>("枠line")).topLeft(),
                      app::twips(picture).topLeft());
        }
    }
}

TEST(LoadCaseScreens, NextWithoutAChoiceBeepsAndAsksInRed) {
    ProgramRun run;
    Form片持0& s = run.registry.screen<Form片持0>();
    s.show();
    click(s.control<QWidget>("Commandtugi"));
    EXPECT_EQ(run.counters.beeps, 1);
    EXPECT_EQ(visibleWindows(), QStringList{"Form片持0"});
    auto* label = s.control<Label>("Label2");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->caption(), "梁構造を選んで下さい");
    EXPECT_EQ(label->backColor(), QColor(255, 0, 0));

    // A choice then lets it go on, with the hourglass while the next screen loads.
    click(s.control<QWidget>("Image片持分先"));
    click(s.control<QWidget>("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(s.mousePointer(), app::MousePointer::Hourglass);
    EXPECT_EQ(run.counters.beeps, 1);
}

TEST(LoadCaseScreens, ADoubleClickIsPrecededByItsClick) {
    ProgramRun run;
    Form片持0& s = run.registry.screen<Form片持0>();
    s.show();
    QWidget* picture = s.control<QWidget>("Image片持分布");
    doubleClick(picture);
    EXPECT_EQ(s.haritype, LoadCase::UniformFull);
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    // The first click of the double-click framed and named it.
    EXPECT_EQ(app::twips(s.control<QWidget>("枠line")).topLeft(), app::twips(picture).topLeft());
    EXPECT_EQ(caption(s, "Label2"), "  片持分布荷重");
}

TEST(LoadCaseScreens, TheChoiceSurvivesGoingBackAndForth) {
    ProgramRun run;
    Form梁形式1& types = run.registry.screen<Form梁形式1>();
    types.show();
    click(types.control<QWidget>("Img垂直"));
    click(types.control<QWidget>("Commandtugi"));
    FormSuiCho& s = run.registry.screen<FormSuiCho>();
    click(s.control<QWidget>("Image垂直分先"));
    click(s.control<QWidget>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form梁形式1"});
    // Hidden, not unloaded: frame and label stay where they were.
    EXPECT_EQ(caption(types, "Label2"), " 片持垂直   ");
    click(types.control<QWidget>("Commandtugi"));
    EXPECT_EQ(s.haritype, LoadCase::UniformOverL1AtTip);
    EXPECT_EQ(caption(s, "Label2"), "  片持垂直先端分布荷重");
    EXPECT_EQ(run.counters.ends, 0);
}

} // namespace

namespace {

TEST(PictureControl, ADoubleClickGivesOneClickThenOneDoubleClick) {
    QWidget parent;
    Picture picture(&parent, ":/assets/structure_simple.svg");
    picture.resize(150, 120);
    QStringList events;
    QObject::connect(&picture, &Picture::clicked, [&] { events << "click"; });
    QObject::connect(&picture, &Picture::doubleClicked, [&] { events << "double"; });
    doubleClick(&picture);
    EXPECT_EQ(events, (QStringList{"click", "double"}));
    click(&picture);
    EXPECT_EQ(events, (QStringList{"click", "double", "click"}));
}

} // namespace
