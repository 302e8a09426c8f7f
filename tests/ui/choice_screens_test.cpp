// The screens of pictures to choose from: the opening screen, the beam types, the five load-case
// screens and the shapes of Form断面選択.
#include "fakes.hpp"

#include <functional>

#include "ui/beam_type_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_choice_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

QString caption(app::Screen& s, const char* name) {
    return s.control<Label>(QString::fromUtf8(name))->caption();
}

struct Pick {
    const char* picture;
    const char* name; // as the label shows it
    int code;
};
struct Choices {
    std::function<app::Screen&(app::Registry&)> screen;
    std::function<int(app::WizardState&)> code = {};
    const char* label = nullptr; // where the choice is named
    QString suffix = {};         // after the name
    std::vector<Pick> picks = {};
    const char* next = nullptr; // the window a double-click on the last picture leads to
};

Choices loadCaseChoices(int hari, std::vector<Pick> picks) {
    return {[hari](app::Registry& r) -> app::Screen& {
                r.state().hari = beam::Structure(hari);
                return loadCaseScreen(r);
            },
            [hari](app::WizardState& s) {
                const auto c = s.haritype(beam::Structure(hari));
                return c ? int(*c) : 0;
            },
            "Label2",
            "",
            std::move(picks),
            "Form断面選択"};
}

// Every picture has its artwork, at least 75 x 60 pixels, inside the window, clear of the others.
// A click frames the picture, names the choice and sets its code; a double-click goes on.
TEST(ChoiceScreens, AClickFramesAndNamesAChoiceAndADoubleClickGoesOn) {
    // clang-format off
    const Choices screens[] = {
        {[](app::Registry& r) -> app::Screen& { return r.screen<FormOpen>(); }},
        {[](app::Registry& r) -> app::Screen& { return r.screen<Form梁形式1>(); },
         [](app::WizardState& s) { return s.hari ? int(*s.hari) : 0; }, "Label2", "",
         {{"Image片持1", " 片持   ", 1}, {"Img垂直", " 片持垂直   ", 2},
          {"Image両端支持", " 両端支持    ", 3}, {"Imageピン固", " ピン ＆ 固定   ", 5},
          {"Image両端固定", " 両端固定    ", 4}},
         "Form両端1"},
        loadCaseChoices(1, {{"Image片持集中", "  片持集中荷重", 1}, {"Image片持分先", "  片持先端分布荷重", 3},
                            {"Image片持分布", "  片持分布荷重", 2}}),
        loadCaseChoices(2, {{"Image垂直集中", "  片持垂直集中荷重", 1}, {"Image垂直分布", "  片持垂直分布荷重", 2},
                            {"Image垂直分先", "  片持垂直先端分布荷重", 3}}),
        loadCaseChoices(3, {{"Image両端支持中央", "  両端支持中央集中荷重", 1}, {"Image両端支持分布", "  両端支持分布荷重", 3},
                            {"Image両端支持任意", "  両端支持任意点集中荷重", 2}}),
        loadCaseChoices(4, {{"Image両端固定中央", "  両端固定中央集中荷重", 1}, {"Image両端固定任意", "  両端固定任意点集中荷重", 2},
                            {"Image両端固定分布", "  両端固定分布荷重", 3}}),
        loadCaseChoices(5, {{"Imageピン固中央", "  ピン固定中央集中荷重", 1}, {"Imageピン固任意", "  ピン固定任意点集中荷重", 2},
                            {"Imageピン固分布", "  ピン固定分布荷重", 3}}),
        {[](app::Registry& r) -> app::Screen& { return r.screen<Form断面選択>(); },
         [](app::WizardState& s) { return s.danmentype; }, "LblDanmensentaku",
         "\r断面をダブルクリック　または　「次に進む」をクリック",
         {{"ImageFB横", "FB横", 6}, {"Image丸パイプ", "丸パイプ", 1}, {"Image溝縦", "溝形縦", 11},
          {"ImgZIE", "直接データを入力", 99}, {"ImageH逆", "H形逆", 10}},
         "Form材サイズ選択"},
    };
    // clang-format on
    for (const Choices& c : screens) {
        ProgramRun run;
        app::Screen& s = c.screen(run.registry);
        s.show();
        SCOPED_TRACE(s.window().objectName().toStdString());
        std::vector<QRect> placed;
        for (Picture* p : s.window().findChildren<Picture*>()) {
            SCOPED_TRACE(p->objectName().toStdString());
            EXPECT_TRUE(p->hasImage());
            const QRect r(p->mapTo(&s.window(), QPoint(0, 0)), p->size());
            EXPECT_TRUE(r.width() >= 75 && r.height() >= 60);
            EXPECT_TRUE(s.window().rect().contains(r));
            for (const QRect& other : placed)
                EXPECT_FALSE(r.intersects(other));
            placed.push_back(r);
        }
        EXPECT_GE(placed.size(), std::max<std::size_t>(c.picks.size(), 2));
        for (const Pick& pick : c.picks) {
            SCOPED_TRACE(pick.picture);
            QWidget* picture = s.control<QWidget>(QString::fromUtf8(pick.picture));
            const bool last = &pick == &c.picks.back();
            last ? doubleClick(picture) : click(picture);
            EXPECT_EQ(c.code(run.registry.state()), pick.code);
            EXPECT_EQ(app::twips(s.control<QWidget>("枠line")).topLeft(),
                      app::twips(picture).topLeft());
            EXPECT_EQ(caption(s, c.label), QString::fromUtf8(pick.name) + c.suffix);
            EXPECT_EQ(visibleWindows(),
                      QStringList{last ? QString::fromUtf8(c.next) : s.window().objectName()});
        }
        EXPECT_EQ(run.counters.beeps, 0);
    }
}

// "次に進む" with no choice: the beam types go on as a cantilever; a load-case screen beeps and
// asks in red, and goes on with the hourglass once a choice is made.
TEST(ChoiceScreens, NextWithoutAChoice) {
    ProgramRun run;
    run.registry.screen<Form梁形式1>().show();
    click(run.registry.screen<Form梁形式1>().control<QWidget>("Commandtugi"));
    EXPECT_EQ(run.registry.state().hari, beam::Structure::Cantilever);
    Form片持0& s = run.registry.screen<Form片持0>();
    EXPECT_EQ(visibleWindows(), QStringList{"Form片持0"});
    click(s.control<QWidget>("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form片持0"});
    EXPECT_EQ(run.counters.beeps, 1);
    auto* label = s.control<Label>("Label2");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ((std::pair{label->caption(), label->backColor()}),
              (std::pair{QString("梁構造を選んで下さい"), QColor(255, 0, 0)}));
    click(s.control<QWidget>("Image片持分先"));
    click(s.control<QWidget>("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(s.mousePointer(), app::MousePointer::Hourglass);
    EXPECT_EQ(run.counters.beeps, 1);
}

} // namespace
