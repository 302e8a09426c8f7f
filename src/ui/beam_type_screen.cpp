#include "ui/beam_type_screen.hpp"

#include "app/registry.hpp"
#include "ui/calc_screen.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"

namespace ui {

Form梁形式1::Form梁形式1(app::Registry& registry)
    : ChoiceScreen(registry, QStringLiteral("Form梁形式1"),
                   {QStringLiteral("構造計算梁形式"),
                    QStringLiteral("　梁構造を選択"),
                    QStringLiteral("前へ戻る"),
                    {
                        {"Image片持1", ":/assets/structure_cantilever.svg",
                         QStringLiteral(" 片持   "), BeamType::Cantilever},
                        {"Img垂直", ":/assets/structure_vertical.svg",
                         QStringLiteral(" 片持垂直   "), BeamType::VerticalCantilever},
                        {"Image両端支持", ":/assets/structure_simple.svg",
                         QStringLiteral(" 両端支持    "), BeamType::SimplySupported},
                        {"Image両端固定", ":/assets/structure_fixed.svg",
                         QStringLiteral(" 両端固定    "), BeamType::FixedBothEnds},
                        {"Imageピン固", ":/assets/structure_pinfixed.svg",
                         QStringLiteral(" ピン ＆ 固定   "), BeamType::PinnedFixed},
                    }}) {}

void Form梁形式1::pictureClicked(const Choice& choice) {
    markChoice(choice);
    hari = choice.value;
}

void Form梁形式1::pictureDoubleClicked(const Choice& choice) {
    hari = choice.value;
    GoToLoadCaseScreen();
}

void Form梁形式1::GoToLoadCaseScreen() {
    LoadCaseScreen* next = loadCaseScreen(registry(), hari);
    if (!next) {
        hari = BeamType::Cantilever;
        next = loadCaseScreen(registry(), hari);
    }
    next->show();
    hide();
}

void Form梁形式1::backClicked() {
    registry().screen<FormOpen>().show();
    hide();
}

void Form梁形式1::onUnload() {
    if (restarting() != 1 && FlgTugi == 0) endProgram();
    // The restart unloads this screen last: its work is done.
    registry().screen<Form入力計算>().FlgSaisho = 0;
}

} // namespace ui
