// Both roads without a mouse, and what a screen reader is told: pictures are buttons named by
// their choice, text boxes by their captions, result fields by their row and column.
#include "fakes.hpp"

#include <QAccessible>
#include <QListWidget>
#include <QRadioButton>

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

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override { run.registry.screen<FormOpen>().show(); }

    static QWidget* shown() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty()) return w;
        return nullptr;
    }
    static QWidget* focus() { return shown() ? shown()->focusWidget() : nullptr; }
    static QString focused() { return focus() ? focus()->objectName() : QString(); }
    // A key goes where the keyboard is: the focused control of the shown screen, or the screen.
    static void press(int key) {
        QTest::keyClick(focus() && focus()->isVisible() ? focus() : shown(), Qt::Key(key));
    }
    // Tab until the control named `name` has the focus; false when a whole round misses it.
    static bool tabTo(const QString& name) {
        for (int n = 0; n < 200 && focused() != name; ++n)
            press(Qt::Key_Tab);
        return focused() == name;
    }
    static void type(const char* text) { QTest::keyClicks(focus(), text); }
    static void on(const char* name, std::initializer_list<int> keys) {
        ASSERT_TRUE(tabTo(name)) << name;
        for (int key : keys)
            press(key);
    }

    ProgramRun run;
};

// The vertical cantilever with a uniform load of 1000 N in all on L = 3000 mm, steel H: the
// load moment is W·L/2 = 1000 × 3 m / 2 = 1500 N·m, whatever the section.
TEST_F(Keyboard, TheBeamRoadWithoutAMouse) {
    on("ImageHari", {Qt::Key_Return});
    ASSERT_EQ(visibleWindows(), QStringList{"Form梁形式1"});

    on("Image片持1", {Qt::Key_Right}); // the frame follows the arrow
    EXPECT_EQ(focused(), "Img垂直");
    Form梁形式1& types = run.registry.screen<Form梁形式1>();
    EXPECT_EQ(types.hari, BeamType::VerticalCantilever);
    EXPECT_EQ(app::twips(types.control<QWidget>("枠line")).topLeft(),
              app::twips(types.control<QWidget>("Img垂直")).topLeft());
    press(Qt::Key_Return);
    ASSERT_EQ(visibleWindows(), QStringList{"FormSuiCho"});

    on("Image垂直集中", {Qt::Key_Right, Qt::Key_Return});
    ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(run.registry.screen<FormSuiCho>().haritype, LoadCase::UniformFull);

    on("Listzaisitu", {Qt::Key_Home}); // SS400
    on("ImageH縦", {Qt::Key_Space});
    on("Listzaisitu", {Qt::Key_Return}); // the default button, "次に進む"
    ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});

    on("ListDanmenSize", {Qt::Key_Down, Qt::Key_Return});
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});

    ASSERT_TRUE(tabTo("TextHEN1"));
    type("1000");
    // Tab goes on in reading order: "分布荷重" beside the load, then the length; the keypad's
    // keys are no Tab stops.
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "Cmdw");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "TextHEN2");
    type("3000");
    EXPECT_EQ(run.registry.screen<Form入力計算>().control<QLineEdit>("Textkajumo")->text(), "1500");
    EXPECT_EQ(run.counters.ends, 0);
}

// The section road to the calculator, and Tab from one dimension to the next.
TEST_F(Keyboard, TheSectionRoadWithoutAMouse) {
    on("ImageZI", {Qt::Key_Space});
    ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    on("ImageH縦a", {Qt::Key_Return});
    ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    on("CmdZIE", {Qt::Key_Space});
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力断面他"});

    ASSERT_TRUE(tabTo("TextHEN1"));
    int k = 0;
    for (const char* dim : {"100", "150", "200", "10", "8", "12"}) {
        EXPECT_EQ(focused(), QStringLiteral("TextHEN%1").arg(++k));
        type(dim);
        press(Qt::Key_Tab);
    }
    // 100 × 10 + 150 × 12 + 8 × (200 − 22) = 4224 mm²
    EXPECT_EQ(
        run.registry.screen<Form入力断面他>().control<QLineEdit>("Text面積")->text().trimmed(),
        "42.24");
}

QAccessibleInterface* accessible(QWidget* w) {
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}
QString heard(QWidget* w) {
    QAccessibleInterface* a = accessible(w);
    return a ? a->text(QAccessible::Name) : "<none>";
}
void pressByReader(QWidget* w) {
    QAccessibleInterface* a = accessible(w);
    ASSERT_TRUE(a && a->actionInterface());
    EXPECT_EQ(a->role(), QAccessible::Button);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

TEST_F(Keyboard, AScreenReaderHearsNamesAndCanPressThePictures) {
    app::Registry& r = run.registry;
    EXPECT_EQ(heard(r.screen<FormOpen>().control<QWidget>("ImageHari")), "構造計算をする");
    pressByReader(r.screen<FormOpen>().control<QWidget>("ImageHari"));
    ASSERT_EQ(visibleWindows(), QStringList{"Form梁形式1"});
    Form梁形式1& types = r.screen<Form梁形式1>();
    EXPECT_EQ(heard(types.control<QWidget>("Image両端固定")), "両端固定");
    pressByReader(types.control<QWidget>("Image両端固定"));
    EXPECT_EQ(types.hari, BeamType::FixedBothEnds);
    click(types.control<QWidget>("Commandtugi"));
    LoadCaseScreen* cases = loadCaseScreen(r, types.hari);
    EXPECT_EQ(heard(cases->control<QWidget>("Image両端固定中央")), "両端固定中央集中荷重");
    doubleClick(cases->control<QWidget>("Image両端固定中央"));
    Form断面選択& choice = r.screen<Form断面選択>();
    EXPECT_EQ(heard(choice.control<QWidget>("Image丸パイプ")), "丸パイプ");
    EXPECT_EQ(heard(choice.control<QWidget>("Listzaisitu")), "材質選択");
    click(choice.control<QWidget>("ImageH縦"));
    click(choice.control<QWidget>("Commandtugi"));
    auto* sizes = r.screen<Form材サイズ選択>().control<QListWidget>("ListDanmenSize");
    EXPECT_EQ(heard(sizes), "サイズ表");
    doubleClickAt(sizes->viewport(), {20, 8});
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});

    // A drawing is an image that says what it shows and cannot be pressed; text boxes are named
    // by their captions, which follow the load unit; results by row and column.
    Form入力計算& calc = r.screen<Form入力計算>();
    QAccessibleInterface* picture = accessible(calc.control<QWidget>("Img入力両固集"));
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "両端固定 集中荷重（中央）");
    EXPECT_FALSE(picture->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(heard(calc.control<QWidget>("TextHEN1")), "荷重を入力( N )");
    click(calc.control<QWidget>("Opt1kN"));
    const char* const names[][2] = {
        {"TextHEN1", "荷重を入力( kN )"},         {"TextHEN2", "長さ入力(mm)"},
        {"Textkajumo", "荷重 モーメント (N・m)"}, {"TextmagetOld", "合計 最大曲げ応力[kg/cm2]"},
        {"Textjtawami", "自重 たわみ量 (mm)"},
    };
    for (const auto& [name, expected] : names)
        EXPECT_EQ(heard(calc.control<QWidget>(name)), expected) << name;
}

} // namespace
