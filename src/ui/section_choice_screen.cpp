#include "ui/section_choice_screen.hpp"

#include "app/registry.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"

namespace ui {

Form断面選択::Form断面選択(app::Registry& registry)
    : app::Screen(registry, QStringLiteral("Form断面選択")) {}

void Form断面選択::build(app::FormWindow& w) {
    setForm(&w, QStringLiteral("材質-断面形状-選択"), 8880, 2400);
    addLabel(&w, "Label1", {240, 240, 8400, 480}, QStringLiteral("      断面形状を選択"),
             {14, true});
    auto* back =
        addButton(&w, "Commandmae", {240, 1440, 2040, 600}, QStringLiteral("前へ戻る"), {10});
    auto* end = addButton(&w, "Commandend", {6600, 1440, 2040, 600}, QStringLiteral("中断"), {10});
    QObject::connect(back, &QPushButton::clicked, &w, [this] { backClicked(); });
    QObject::connect(end, &QPushButton::clicked, &w, [this] { endProgram(); });
}

void Form断面選択::onLoad() {
    FlgFormdanmen = 1;
    FlgTugi = 0;
    setMousePointer(app::MousePointer::Default);
}

void Form断面選択::backClicked() {
    FormOpen& open = registry().screen<FormOpen>();
    if (open.FlgOpen == Road::SectionProperties) {
        open.setMousePointer(app::MousePointer::Default);
        open.show();
        hide();
    } else if (LoadCaseScreen* previous =
                   loadCaseScreen(registry(), registry().screen<Form梁形式1>().hari)) {
        previous->show();
        hide();
        if (previous->loadedFlag() == 1) previous->Form_Load_Call();
    } else {
        // The beam road always has a beam structure; should it ever lack one, the opening
        // screen is the way back rather than no window at all.
        open.show();
        hide();
    }
    FlgTugi = 1;
    unload();
}

void Form断面選択::onUnload() {
    if (registry().screen<Form入力計算>().FlgSaisho != 1 && FlgTugi != 1) endProgram();
}

} // namespace ui
