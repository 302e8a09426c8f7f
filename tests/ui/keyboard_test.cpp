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
    // A key goes where the keyboard is: the focused control of the shown screen, or the screen.
    static void press(int key, Qt::KeyboardModifiers mods = {}) {
        QWidget* window = shown();
        ASSERT_NE(window, nullptr);
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus && focus->isVisible() ? focus : window, Qt::Key(key), mods);
    }
    // Tab until the control named `name` has the focus; false when a whole round misses it.
    static bool tabTo(const QString& name) {
        for (int n = 0; n < 200; ++n) {
            QWidget* focus = shown() ? shown()->focusWidget() : nullptr;
            if (focus && focus->objectName() == name) return true;
            press(Qt::Key_Tab);
        }
        return false;
    }
    static QString focused() {
        QWidget* f = shown() ? shown()->focusWidget() : nullptr;
        return f ? f->objectName() : QString();
    }
    static void type(const char* text) { QTest::keyClicks(shown()->focusWidget(), text); }

    ProgramRun run;
};

// The vertical cantilever with a uniform load of 1000 N in all on L = 3000 mm, steel H: the
// load moment is W·L/2 = 1000 × 3 m / 2 = 1500 N·m, whatever the section.
TEST_F(Keyboard, TheBeamRoadWithoutAMouse) {
    ASSERT_TRUE(tabTo("ImageHari"));
    press(Qt::Key_Return);
    ASSERT_EQ(visibleWindows(), QStringList{"Form梁形式1"});

    ASSERT_TRUE(tabTo(QString::fromUtf8("Image片持1")));
    press(Qt::Key_Right); // the frame follows the arrow
    EXPECT_EQ(focused(), QString::fromUtf8("Img垂直"));
    Form梁形式1& types = run.registry.screen<Form梁形式1>();
    EXPECT_EQ(types.hari, BeamType::VerticalCantilever);
    EXPECT_EQ(app::twips(types.control<QWidget>(QString::fromUtf8("枠line"))).topLeft(),
              app::twips(types.control<QWidget>(QString::fromUtf8("Img垂直"))).topLeft());
    press(Qt::Key_Return);
    ASSERT_EQ(visibleWindows(), QStringList{"FormSuiCho"});

    ASSERT_TRUE(tabTo(QString::fromUtf8("Image垂直集中")));
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    ASSERT_EQ(visibleWindows(), QStringList{QString::fromUtf8("Form断面選択")});
    EXPECT_EQ(run.registry.screen<FormSuiCho>().haritype, LoadCase::UniformFull);

    ASSERT_TRUE(tabTo("Listzaisitu"));
    press(Qt::Key_Home); // SS400
    ASSERT_TRUE(tabTo(QString::fromUtf8("ImageH縦")));
    press(Qt::Key_Space);
    // Enter on the list goes to the default button, "次に進む".
    ASSERT_TRUE(tabTo("Listzaisitu"));
    press(Qt::Key_Return);
    ASSERT_EQ(visibleWindows(), QStringList{QString::fromUtf8("Form材サイズ選択")});

    ASSERT_TRUE(tabTo("ListDanmenSize"));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    ASSERT_EQ(visibleWindows(), QStringList{QString::fromUtf8("Form入力計算")});

    ASSERT_TRUE(tabTo("TextHEN1"));
    type("1000");
    // Tab goes on in reading order: "分布荷重" beside the load, then the length; the keypad's
    // keys are no Tab stops.
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "Cmdw");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "TextHEN2");
    type("3000");
    Form入力計算& calc = run.registry.screen<Form入力計算>();
    EXPECT_EQ(calc.control<QLineEdit>("Textkajumo")->text(), "1500");
    EXPECT_EQ(run.counters.ends, 0);
}

// The section road to the calculator, and Tab from one dimension to the next.
TEST_F(Keyboard, TheSectionRoadWithoutAMouse) {
    ASSERT_TRUE(tabTo("ImageZI"));
    press(Qt::Key_Space);
    ASSERT_EQ(visibleWindows(), QStringList{QString::fromUtf8("Form断面選択")});
    ASSERT_TRUE(tabTo(QString::fromUtf8("ImageH縦a")));
    press(Qt::Key_Return);
    ASSERT_EQ(visibleWindows(), QStringList{QString::fromUtf8("Form材サイズ選択")});
    ASSERT_TRUE(tabTo("CmdZIE"));
    press(Qt::Key_Space);
    ASSERT_EQ(visibleWindows(), QStringList{QString::fromUtf8("Form入力断面他")});

    ASSERT_TRUE(tabTo("TextHEN1"));
    const char* dims[] = {"100", "150", "200", "10", "8", "12"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(focused(), QStringLiteral("TextHEN%1").arg(k + 1));
        type(dims[k]);
        press(Qt::Key_Tab);
    }
    // 100 × 10 + 150 × 12 + 8 × (200 − 22) = 4224 mm²
    Form入力断面他& calc = run.registry.screen<Form入力断面他>();
    EXPECT_EQ(calc.control<QLineEdit>(QString::fromUtf8("Text面積"))->text().trimmed(), "42.24");
}

QAccessibleInterface* accessible(QWidget* w) {
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

TEST_F(Keyboard, AScreenReaderHearsNamesAndCanPressThePictures) {
    FormOpen& open = run.registry.screen<FormOpen>();
    QAccessibleInterface* beam = accessible(open.control<QWidget>("ImageHari"));
    ASSERT_NE(beam, nullptr);
    EXPECT_EQ(beam->role(), QAccessible::Button);
    EXPECT_EQ(beam->text(QAccessible::Name), QString::fromUtf8("構造計算をする"));
    ASSERT_NE(beam->actionInterface(), nullptr);
    beam->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(visibleWindows(), QStringList{"Form梁形式1"});

    Form梁形式1& types = run.registry.screen<Form梁形式1>();
    QAccessibleInterface* fixed = accessible(types.control<QWidget>(QString::fromUtf8("Image両端固定")));
    EXPECT_EQ(fixed->text(QAccessible::Name), QString::fromUtf8("両端固定"));
    fixed->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(types.hari, BeamType::FixedBothEnds);
    click(types.control<QWidget>("Commandtugi"));
    LoadCaseScreen* cases = loadCaseScreen(run.registry, types.hari);
    EXPECT_EQ(accessible(cases->control<QWidget>(QString::fromUtf8("Image両端固定中央")))
                  ->text(QAccessible::Name),
              QString::fromUtf8("両端固定中央集中荷重"));
    doubleClick(cases->control<QWidget>(QString::fromUtf8("Image両端固定中央")));
    Form断面選択& choice = run.registry.screen<Form断面選択>();
    EXPECT_EQ(accessible(choice.control<QWidget>(QString::fromUtf8("Image丸パイプ")))
                  ->text(QAccessible::Name),
              QString::fromUtf8("丸パイプ"));
    EXPECT_EQ(accessible(choice.control<QWidget>("Listzaisitu"))->text(QAccessible::Name),
              QString::fromUtf8("材質選択"));
    click(choice.control<QWidget>(QString::fromUtf8("ImageH縦")));
    click(choice.control<QWidget>("Commandtugi"));
    EXPECT_EQ(accessible(run.registry.screen<Form材サイズ選択>().control<QWidget>("ListDanmenSize"))
                  ->text(QAccessible::Name),
              QString::fromUtf8("サイズ表"));
    doubleClickAt(run.registry.screen<Form材サイズ選択>().control<QListWidget>("ListDanmenSize")->viewport(),
                  {20, 8});
    ASSERT_EQ(visibleWindows(), QStringList{QString::fromUtf8("Form入力計算")});

    // Text boxes by their captions, which follow the load unit; results by row and column.
    Form入力計算& calc = run.registry.screen<Form入力計算>();
    // A drawing is an image that says what it shows.
    QAccessibleInterface* picture =
        accessible(calc.control<QWidget>(QString::fromUtf8("Img入力両固集")));
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), QString::fromUtf8("両端固定 集中荷重（中央）"));
    EXPECT_FALSE(picture->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    QAccessibleInterface* load = accessible(calc.control<QWidget>("TextHEN1"));
    EXPECT_EQ(load->text(QAccessible::Name), QString::fromUtf8("荷重を入力( N )"));
    click(calc.control<QWidget>("Opt1kN"));
    EXPECT_EQ(load->text(QAccessible::Name), QString::fromUtf8("荷重を入力( kN )"));
    EXPECT_EQ(accessible(calc.control<QWidget>("TextHEN2"))->text(QAccessible::Name),
              QString::fromUtf8("長さ入力(mm)"));
    EXPECT_EQ(accessible(calc.control<QWidget>("Textkajumo"))->text(QAccessible::Name),
              QString::fromUtf8("荷重 モーメント (N・m)"));
    EXPECT_EQ(accessible(calc.control<QWidget>("TextmagetOld"))->text(QAccessible::Name),
              QString::fromUtf8("合計 最大曲げ応力[kg/cm2]"));
    EXPECT_EQ(accessible(calc.control<QWidget>("Textjtawami"))->text(QAccessible::Name),
              QString::fromUtf8("自重 たわみ量 (mm)"));
}

} // namespace
