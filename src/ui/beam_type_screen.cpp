#include "ui/beam_type_screen.hpp"

#include "app/registry.hpp"

namespace ui {

Form梁形式1::Form梁形式1(app::Registry& registry)
    : ChoiceScreen(registry, kId,
                   {QStringLiteral("構造計算梁形式"),
                    QStringLiteral("　梁構造を選択"),
                    QStringLiteral("前へ戻る"),
                    {
                        {"Image片持1", ":/assets/structure_cantilever.svg",
                         QStringLiteral(" 片持   "), code(beam::Structure::Cantilever)},
                        {"Img垂直", ":/assets/structure_vertical.svg",
                         QStringLiteral(" 片持垂直   "), code(beam::Structure::VerticalCantilever)},
                        {"Image両端支持", ":/assets/structure_simple.svg",
                         QStringLiteral(" 両端支持    "), code(beam::Structure::SimplySupported)},
                        {"Image両端固定", ":/assets/structure_fixed.svg",
                         QStringLiteral(" 両端固定    "), code(beam::Structure::FixedBothEnds)},
                        {"Imageピン固", ":/assets/structure_pinfixed.svg",
                         QStringLiteral(" ピン ＆ 固定   "), code(beam::Structure::PinnedFixed)},
                    }}) {}

std::optional<int> Form梁形式1::savedChoice(const app::WizardState& saved) const {
    if (!saved.hari) return std::nullopt;
    return code(*saved.hari);
}

void Form梁形式1::pictureClicked(const Choice& choice) {
    markChoice(choice);
    state().hari = static_cast<beam::Structure>(choice.value);
}

void Form梁形式1::pictureDoubleClicked(const Choice& choice) {
    state().hari = static_cast<beam::Structure>(choice.value);
    GoToLoadCaseScreen();
}

void Form梁形式1::GoToLoadCaseScreen() {
    std::optional<beam::Structure>& hari = state().hari;
    if (!hari) hari = beam::Structure::Cantilever;
    flow().forward(*this, flow().loadCaseScreen());
}

void Form梁形式1::backClicked() {
    flow().back(*this);
}

} // namespace ui
