// The way to the section calculator without a mouse (the end-to-end walk does the rest of the
// beam road by keys; what a screen reader hears of the calculation screen is checked in
// calc_screen_test, the rest in the end-to-end walk).
#include "roads.hpp"

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
    EXPECT_EQ(need<QLineEdit>(run.registry.screen<Form入力断面他>(), "Text面積")->text().trimmed(),
              "42.24");
    on("Commandmae", {Qt::Key_Return});
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
}

} // namespace
