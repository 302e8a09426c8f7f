// The way to the section calculator without a mouse (the end-to-end walk does the rest of the
// beam road by keys), and what a screen reader is told of the controls that need more than a
// caption.
#include "roads.hpp"

#include <QAccessible>

#include "ui/calc_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

QWidget* shownWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty()) return w;
    return nullptr;
}
QString focused() {
    QWidget* f = shownWindow() ? shownWindow()->focusWidget() : nullptr;
    return f ? f->objectName() : QString();
}
// A key goes where the keyboard is: the focused control of the shown screen, or the screen.
void press(int key) {
    QWidget* f = shownWindow()->focusWidget();
    QTest::keyClick(f && f->isVisible() ? f : shownWindow(), Qt::Key(key));
}
// Tab until the control named `name` has the focus, then the keys.
void on(const char* name, std::initializer_list<int> keys) {
    for (int n = 0; n < 200 && focused() != name; ++n)
        press(Qt::Key_Tab);
    ASSERT_EQ(focused(), name);
    for (int key : keys)
        press(key);
}

// The H section typed dimension after dimension, Enter between them (it moves on to the next
// field and presses no button): 100 × 10 + 150 × 12 + 8 × (200 − 22) = 4224 mm². A button
// with the focus takes Enter itself.
// On the beam road, where "次に進む" of the calculator is the default button.
TEST(Keyboard, ToTheSectionCalculatorWithoutAMouse) {
    ProgramRun run;
    run.registry.screen<FormOpen>().show();
    on("ImageHari", {Qt::Key_Space});
    on("Image片持1", {Qt::Key_Return});
    on("Image片持集中", {Qt::Key_Return});
    ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    on("ImageH縦a", {Qt::Key_Return});
    ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    on("CmdZIE", {Qt::Key_Space});
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    on("TextHEN1", {});
    int k = 0;
    for (const char* dim : {"100", "150", "200", "10", "8", "12"}) {
        EXPECT_EQ(focused(), QStringLiteral("TextHEN%1").arg(++k));
        QTest::keyClicks(shownWindow()->focusWidget(), dim);
        press(Qt::Key_Return);
    }
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    EXPECT_EQ(run.counters.beeps, 0);
    EXPECT_EQ(
        need<QLineEdit>(run.registry.screen<Form入力断面他>(), "Text面積")->text().trimmed(),
        "42.24");
    on("Commandmae", {Qt::Key_Return});
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
}

// A drawing is an image that says what it shows and cannot be pressed; a text box is named by
// its caption, which follows the load unit; a result by row and column; a picture is a button
// named by its choice that the reader can press.
TEST(Keyboard, AScreenReaderHearsNamesAndCanPressThePictures) {
    ProgramRun run;
    app::Registry& r = run.registry;
    toSizeScreen(run, "ImageH縦", BeamCase{"Image両端固定", "Image両端固定中央"});
    auto* sizes = r.screen<Form材サイズ選択>().control<QListWidget>("ListDanmenSize");
    doubleClickAt(sizes->viewport(), {20, 8});
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    Form入力計算& calc = r.screen<Form入力計算>();
    const auto reader = [&](app::Screen& s, const char* name) {
        return QAccessible::queryAccessibleInterface(s.control<QWidget>(name));
    };
    QAccessibleInterface* picture = reader(calc, "Img入力両固集");
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "両端固定 集中荷重（中央）");
    EXPECT_FALSE(picture->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    click(calc.control<QWidget>("Opt1kN"));
    EXPECT_EQ(reader(calc, "TextHEN1")->text(QAccessible::Name), "荷重を入力( kN )");
    EXPECT_EQ(reader(calc, "TextmagetOld")->text(QAccessible::Name), "合計 最大曲げ応力[kg/cm2]");

    click(calc.control<QWidget>("CmdTop"));
    QAccessibleInterface* beam = reader(r.screen<FormOpen>(), "ImageHari");
    EXPECT_EQ(beam->role(), QAccessible::Button);
    EXPECT_EQ(beam->text(QAccessible::Name), "構造計算をする");
    ASSERT_TRUE(beam->actionInterface());
    beam->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(visibleWindows(), QStringList{"Form梁形式1"});
}

} // namespace
