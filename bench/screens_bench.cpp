// One keystroke on the two calculating screens, offscreen: the key delivered to the field, the
// handler run and every text, label, the gauge or the sketch set (`…/handler`), and the same
// followed by the repaint of the window (`…/painted`).
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <benchmark/benchmark.h>

#include "app/registry.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/gui.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

namespace {

template <class T> T* find(app::Screen& s, const char* name) {
    return s.control<T>(QString::fromUtf8(name));
}

// SS400, a size from the table (a rolled H section unless another shape is named), on the
// structure and load case given.
QLineEdit* calcScreen(app::Registry& registry, const char* structure, const char* loadCase,
                      const char* shape = "ImageH縦") {
    auto& open = registry.screen<ui::FormOpen>();
    open.show();
    emit find<ui::Picture>(open, "ImageHari")->clicked();
    auto& type = registry.screen<ui::Form梁形式1>();
    emit find<ui::Picture>(type, structure)->doubleClicked();
    emit find<ui::Picture>(ui::loadCaseScreen(registry), loadCase)->doubleClicked();
    auto& choice = registry.screen<ui::Form断面選択>();
    emit find<ui::Picture>(choice, shape)->clicked();
    find<QPushButton>(choice, "Commandtugi")->click();
    auto& sizes = registry.screen<ui::Form材サイズ選択>();
    find<QListWidget>(sizes, "ListDanmenSize")->setCurrentRow(10);
    find<QPushButton>(sizes, "Commandtugi")->click();
    auto& calc = registry.screen<ui::Form入力計算>();
    find<QLineEdit>(calc, "TextHEN2")->setText("3000");
    if (auto* l1 = find<QLineEdit>(calc, "TextHEN3"); !l1->isHidden()) l1->setText("1000");
    auto* load = find<QLineEdit>(calc, "TextHEN1");
    load->setText("250");
    return load;
}

// SS400, a T section by its dimensions on the section calculator.
QLineEdit* sectionCalculator(app::Registry& registry) {
    auto& open = registry.screen<ui::FormOpen>();
    open.show();
    emit find<ui::Picture>(open, "ImageZI")->clicked();
    auto& choice = registry.screen<ui::Form断面選択>();
    emit find<ui::Picture>(choice, "ImageT縦")->clicked();
    find<QPushButton>(choice, "Commandtugi")->click();
    find<QPushButton>(registry.screen<ui::Form材サイズ選択>(), "CmdZIE")->click();
    auto& calc = registry.screen<ui::Form入力断面他>();
    const char* dims[] = {"100", "50", "10", "6"};
    for (int k = 0; k < 4; ++k)
        calc.control<QLineEdit>(QStringLiteral("TextHEN%1").arg(k + 1))->setText(dims[k]);
    return find<QLineEdit>(calc, "TextHEN1");
}

// Two keystrokes per round, a digit and the back-space, each one a full recalculation.
void keystrokes(benchmark::State& state, QLineEdit* field, bool paint) {
    QWidget* window = field->window();
    QApplication::processEvents(); // the window is exposed, and so painted, from here on
    // A refused step on the way (no size table, say) leaves the screen loaded but not shown.
    if (!window->isVisible()) {
        state.SkipWithError("the screen is not shown");
        return;
    }
    if (paint && !window->windowHandle()->isExposed()) {
        state.SkipWithError("not exposed");
        return;
    }
    for (auto _ : state) {
        QTest::keyClick(field, Qt::Key_5);
        if (paint) QApplication::processEvents(); // Qt paints what changed
        QTest::keyClick(field, Qt::Key_Backspace);
        if (paint) QApplication::processEvents(); // Qt paints what changed
    }
    state.counters["per_keystroke"] = benchmark::Counter(
        2 * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_calcKeystroke(benchmark::State& state) {
    app::Registry registry;
    ui::installScreens(registry);
    const char* cases[][2] = {{"Image片持1", "Image片持集中"}, {"Imageピン固", "Imageピン固任意"}};
    QLineEdit* load = calcScreen(registry, cases[state.range(0)][0], cases[state.range(0)][1]);
    keystrokes(state, load, state.range(1) != 0);
    registry.endProgram();
}
BENCHMARK(BM_calcKeystroke)->ArgNames({"case", "painted"})->ArgsProduct({{0, 1}, {0, 1}});

// The same with 断面選定 open beside it, ranking the 128 steel pipes (or every steel size) at
// each keystroke: `painted` includes the repaint of both windows, the table's rows among them.
void BM_calcKeystrokeWithRanking(benchmark::State& state) {
    app::Registry registry;
    ui::installScreens(registry);
    QLineEdit* load = calcScreen(registry, "Image片持1", "Image片持集中", "Image丸パイプ");
    auto& calc = registry.screen<ui::Form入力計算>();
    find<QPushButton>(calc, "Cmd断面選定")->click();
    auto& ranking = registry.screen(app::ScreenId::Form断面選定);
    if (state.range(0)) find<QRadioButton>(ranking, "Opt全形状")->click();
    if (!ranking.isVisible()) {
        state.SkipWithError("断面選定 is not shown");
        return;
    }
    keystrokes(state, load, state.range(1) != 0);
    registry.endProgram();
}
BENCHMARK(BM_calcKeystrokeWithRanking)
    ->ArgNames({"all_shapes", "painted"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_sectionKeystroke(benchmark::State& state) {
    app::Registry registry;
    ui::installScreens(registry);
    keystrokes(state, sectionCalculator(registry), state.range(0) != 0);
    registry.endProgram();
}
BENCHMARK(BM_sectionKeystroke)->ArgName("painted")->Arg(0)->Arg(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
