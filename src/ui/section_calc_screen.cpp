#include "ui/section_calc_screen.hpp"

#include "app/registry.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/size_screen.hpp"

namespace ui {

Form入力断面他::Form入力断面他(app::Registry& registry)
    : app::Screen(registry, QStringLiteral("Form入力断面他")) {}

void Form入力断面他::build(app::FormWindow& w) {
    setForm(&w, QStringLiteral("入力-断面サイズ"), 9600, 2400);
    addLabel(&w, "LabelTitle", {240, 240, 9120, 480}, QStringLiteral(" 断面性能 計算"), {14, true});
    auto* back =
        addButton(&w, "Commandmae", {240, 1440, 1920, 540}, QStringLiteral("前に戻る"), {10});
    auto* end =
        addButton(&w, "Commandend", {7440, 1440, 1920, 540}, QStringLiteral("おわり"), {10});
    QObject::connect(back, &QPushButton::clicked, &w, [this] { backClicked(); });
    QObject::connect(end, &QPushButton::clicked, &w, [this] { endProgram(); });
}

void Form入力断面他::onLoad() {
    FlgTugi = 0;
    setMousePointer(app::MousePointer::Default);
}

void Form入力断面他::backClicked() {
    Form材サイズ選択& sizes = registry().screen<Form材サイズ選択>();
    sizes.setMousePointer(app::MousePointer::Default);
    sizes.show();
    hide();
    FlgTugi = 1;
    unload();
}

void Form入力断面他::onUnload() {
    if (FlgTugi == 0 && registry().screen<Form入力計算>().FlgSaisho != 1) endProgram();
}

} // namespace ui
