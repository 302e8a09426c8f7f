#include "ui/calc_screen.hpp"

#include "app/registry.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

namespace ui {

Form入力計算::Form入力計算(app::Registry& registry)
    : app::Screen(registry, QStringLiteral("Form入力計算")) {}

void Form入力計算::build(app::FormWindow& w) {
    setForm(&w, QStringLiteral("入力-計算"), 10080, 7800);
}

void Form入力計算::onLoad() {
    FlgSaisho = 0;
    FlgTugi = 0;
}

void Form入力計算::onUnload() {
    if (FlgTugi != 1) endProgram();
}

void Form入力計算::restart() {
    FlgSaisho = 1;
    FlgTugi = 1;
    app::Registry& r = registry();
    const auto unloadIfCreated = [](app::Screen* s) {
        if (s) s->unload();
    };
    unload();
    unloadIfCreated(r.existing<Form材サイズ選択>());
    unloadIfCreated(r.existing<Form断面選択>());
    unloadIfCreated(r.existing<Form入力断面他>());
    unloadIfCreated(r.existing<Form片持0>());
    // The load-case screens of the other structures start afresh too, as the cantilever's does.
    unloadIfCreated(r.existing<FormSuiCho>());
    unloadIfCreated(r.existing<Form両端0>());
    unloadIfCreated(r.existing<Form両端1>());
    unloadIfCreated(r.existing<FormPinKo>());
    // Form梁形式1 goes last: its unload handler sets FlgSaisho back to 0.
    r.screen<Form梁形式1>().unload();
    FlgSaisho = 0;
    r.screen<FormOpen>().show();
}

} // namespace ui
