// The screens before the size screen: the screens of pictures to choose from (the opening
// screen, the beam types, the five load-case screens and the shapes of Form断面選択), what the
// user does on Form断面選択 beyond choosing a picture (the material list, its value boxes, direct
// entry of a material and the shapes that go on oddly), and the wizard's rules that the walks do
// not show: where "前に戻る" leads and what it keeps, what "最初から" unloads and keeps, and that
// the end buttons and close boxes end the program.
#include "roads.hpp"

#include <functional>

#include "ui/calc_screen.hpp"

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
// belongs to the step that left a screen (the opening screen keeps its own while hidden, until
// the mouse moves over it), and a screen loaded afresh after "最初から" does not bring back the
// one it had when it was unloaded. The captions under the opening pictures act as the pictures.
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
    step(screen<FormOpen>(), "Label2");
    ASSERT_EQ(visibleWindows(), QStringList{"Form梁形式1"});
    step(screen<Form梁形式1>(), "Image片持1", true);
    step(screen<Form片持0>(), "Image片持集中", true);
    step(screen<Form断面選択>(), "Commandtugi");
    step(sizes, "Commandtugi");
    step(calc, "Commandmae");
    step(sizes, "Commandmae");
    step(screen<Form断面選択>(), "Commandtugi");
    step(sizes, "Commandtugi");
    step(calc, "CmdTop");
    step(screen<FormOpen>(), "Label3");
    EXPECT_EQ(screen<FormOpen>().mousePointer(), app::MousePointer::Hourglass);
    step(screen<Form断面選択>(), "Commandtugi");
    ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    step(sizes, "CmdZIE");
    step(screen<Form入力断面他>(), "Commandmae");
    step(sizes, "Commandmae");
    step(screen<Form断面選択>(), "Commandmae");
    ASSERT_EQ(visibleWindows(), QStringList{"FormOpen"});
    screen<FormOpen>().setMousePointer(app::MousePointer::Hourglass);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(ctl<FormOpen>("ImageZI"), &move);
    EXPECT_EQ(screen<FormOpen>().mousePointer(), app::MousePointer::Default);
}

// In a fresh program run each time: the screen shown, then its end button or its close box.
template <class S> void endsTheProgram(const char* endButton) {
    for (const bool byButton : {true, false}) {
        ProgramRun run;
        S& s = run.registry.screen<S>();
        s.show();
        SCOPED_TRACE(s.window().objectName().toStdString() + (byButton ? " end" : " close box"));
        byButton ? click(s.template control<QWidget>(endButton)) : (void)s.window().close();
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
    run.registry.screen<FormOpen>().window().close();
    run.registry.screen<Form梁形式1>().show();
    EXPECT_FALSE(run.registry.screen<Form梁形式1>().isLoaded());
}

class MaterialScreen : public WizardFlow {
protected:
    void SetUp() override {
        WizardFlow::SetUp();
        click(screen<FormOpen>().control<QWidget>("ImageZI"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    }
    Form断面選択& s() { return screen<Form断面選択>(); }
    app::WizardState& st() { return run.registry.state(); }
    template <class T = QWidget> T* ctl(const char* name) {
        return need<T>(s(), QString::fromUtf8(name));
    }
    QListWidget* list() { return ctl<QListWidget>("Listzaisitu"); }
    QStringList boxes() {
        QStringList texts;
        for (const char* name : {"Textkmage", "Textkashuku", "Textksendan", "Textyang", "Texthiju"})
            texts << ctl<QLineEdit>(name)->text();
        return texts;
    }
    // Which of the list and the direct entry are shown.
    QStringList shown() {
        QStringList visible;
        for (const char* name : {"Listzaisitu", "CmdZaiNasi", "TxtZai", "CmdList"})
            if (ctl(name)->isVisible()) visible << QString::fromUtf8(name);
        return visible;
    }
};

// SS400's allowable stresses, Young's modulus and specific gravity from the steel tables.
TEST_F(MaterialScreen, OpensOnSs400AndAValueTypedOverTravelsOn) {
    const QStringList ss400{"157", "157", "90.5", "205000", "7.85"};
    ASSERT_EQ(list()->count(), 14);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(ctl<Label>("Lblzaisitu")->caption(), "SS400");
    EXPECT_EQ(boxes(), ss400);
    EXPECT_EQ((std::pair{st().material.zaitype, st().material.zaisitu}),
              (std::pair{1, QString("鋼材－SS400")}));
    EXPECT_EQ(shown(), (QStringList{"Listzaisitu", "CmdZaiNasi"}));
    list()->setCurrentRow(13);
    EXPECT_EQ((std::pair{st().material.zaitype, st().material.zaisitu}),
              (std::pair{14, QString("木材－ジャラ")}));
    EXPECT_EQ(ctl<Label>("Lblzaisitu")->caption(), "ジャラ");
    EXPECT_EQ(ctl<QLineEdit>("Textyang")->text(), "14000");
    click(ctl("Image角ムク"));
    // Back to the opening screen and on again: SS400 and the circular tube afresh.
    click(ctl("Commandmae"));
    click(screen<FormOpen>().control<QWidget>("ImageZI"));
    EXPECT_EQ((std::pair{st().material.zaitype, st().danmentype}), (std::pair{1, 1}));
    EXPECT_EQ(boxes(), ss400);
    EXPECT_EQ(st().material.DksendanvOld, 924);
    // A value typed over travels with its old unit to three figures as the catalog's own
    // (120 * 100 / 9.8 = 1224.49: 1220); the untouched ones keep the catalog's old values.
    typeInto(ctl<QLineEdit>("Textkmage"), "120");
    click(ctl("Commandtugi"));
    EXPECT_EQ(st().material.Dkmagev, 120);
    EXPECT_EQ(st().material.DkmagevOld, 1220);
    EXPECT_EQ((std::pair{st().material.DkashukuvOld, st().material.DyangvOld}),
              (std::pair{1600.0, 2100000.0}));
}

// Back to the list, the list's choice and name; then the typed name and values go on: 100 N/mm2
// is 100 * 100 / 9.8 = 1020.41 kg/cm2, 1020 to three figures.
TEST_F(MaterialScreen, ADirectlyEnteredMaterialGoesOnWithItsNameAndValues) {
    list()->setCurrentRow(2);
    click(ctl("CmdZaiNasi"));
    EXPECT_EQ(shown(), (QStringList{"TxtZai", "CmdList"}));
    typeInto(ctl<QLineEdit>("TxtZai"), "GFRP板");
    click(ctl("CmdList"));
    EXPECT_EQ(shown(), (QStringList{"Listzaisitu", "CmdZaiNasi"}));
    EXPECT_EQ(list()->currentRow(), 2);
    click(ctl("Commandtugi"));
    EXPECT_EQ(st().material.zaisitu, "アルミ合金－A6063-T5"); // the list's name, not the text box's
    Form材サイズ選択& sizes = run.registry.screen<Form材サイズ選択>();
    click(sizes.control<QWidget>("Commandmae"));
    click(ctl("CmdZaiNasi"));
    typeInto(ctl<QLineEdit>("TxtZai"), "GFRP板");
    typeInto(ctl<QLineEdit>("Textkmage"), "100");
    // A value that is no positive number does not go on, by any of the three ways on: "1,9"
    // would be read as 1, "abc" as no self weight at all.
    const QColor normal = ctl<QLineEdit>("Texthiju")->palette().color(QPalette::Base);
    int beeps = 0;
    for (const char* refused : {"1,9", "abc", "0", "-1.9", ""}) {
        SCOPED_TRACE(refused);
        typeInto(ctl<QLineEdit>("Texthiju"), refused);
        for (const char* way : {"Commandtugi", "CommandSonota"})
            click(ctl(way));
        doubleClick(ctl("Image丸パイプ"));
        EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
        EXPECT_EQ(run.counters.beeps, beeps += 3);
        EXPECT_EQ(ctl<QLineEdit>("Texthiju")->palette().color(QPalette::Base), QColor(255, 0, 0));
        EXPECT_EQ(ctl<Label>("LblDanmensentaku")->caption(),
                  "「比重」が正の数ではありません。\r半角数字で正の値を入力してください。");
    }
    typeInto(ctl<QLineEdit>("Texthiju"), "1.9");
    EXPECT_EQ(ctl<QLineEdit>("Texthiju")->palette().color(QPalette::Base), normal);
    typeInto(ctl<QLineEdit>("Textyang"), "7e3x");
    click(ctl("Commandtugi"));
    EXPECT_TRUE(ctl<Label>("LblDanmensentaku")->caption().startsWith("「ヤング係数」"));
    typeInto(ctl<QLineEdit>("Textyang"), "7e3");
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(st().material.zaisitu, "GFRP板");
    EXPECT_EQ(st().material.zaitype, 3); // the family of the last material chosen in the list
    EXPECT_EQ(st().material.DkmagevOld, 1020);
    EXPECT_EQ(need<QLineEdit>(sizes, "TxtHiju")->text(), "1.9");
    EXPECT_TRUE(need<Label>(sizes, "Labelzaisitu")->caption().startsWith("GFRP板 - "));
    // Back to the list after the typed name went on: the list's material goes on again.
    click(sizes.control<QWidget>("Commandmae"));
    click(ctl("CmdList"));
    click(ctl("Commandtugi"));
    EXPECT_EQ(st().material.zaisitu, "アルミ合金－A6063-T5");
}

// A lipped channel takes a double-click as a click; "その他の断面" goes straight on, the frame
// where it was.
TEST_F(MaterialScreen, TheLippedChannelStaysAndOtherShapesGoStraightOn) {
    doubleClick(ctl("Imageリップ縦"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(st().danmentype, 26);
    const QRect frame = app::twips(ctl("枠line"));
    EXPECT_EQ(frame.topLeft(), app::twips(ctl("Imageリップ縦")).topLeft());
    click(ctl("CommandSonota"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ((std::pair{st().danmentype, st().danmenkeijou}),
              (std::pair{88, QString("その他の断面")}));
    EXPECT_EQ(app::twips(ctl("枠line")), frame);
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
            EXPECT_EQ(need<Label>(s, QString::fromUtf8(c.label))->caption(),
                      QString::fromUtf8(pick.name) + c.suffix);
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
