#include "ui/load_case_screens.hpp"

#include "app/registry.hpp"
#include "ui/controls.hpp"

namespace ui {
namespace {

const QString kBack = QStringLiteral("←　前へ戻る");

// The three cases of a two-support structure, named in the manner of the cantilever's.
std::vector<Choice> twoSupportCases(const QString& prefix, const QString& picturePrefix,
                                    const QString& name) {
    return {
        {picturePrefix + "中央", ":/assets/load_" + prefix + "_center.svg",
         "  " + name + "中央集中荷重", code(LoadCase::MidSpanPoint)},
        {picturePrefix + "任意", ":/assets/load_" + prefix + "_l1.svg",
         "  " + name + "任意点集中荷重", code(LoadCase::PointAtL1)},
        {picturePrefix + "分布", ":/assets/load_" + prefix + "_uniform.svg",
         "  " + name + "分布荷重", code(LoadCase::Uniform)},
    };
}

} // namespace

std::optional<beam::LoadCase>& LoadCaseScreen::haritype() {
    return state().haritype(structure_);
}

void LoadCaseScreen::Form_Load_Call() {
    ChoiceScreen::Form_Load_Call();
    setMousePointer(app::MousePointer::Default);
}

std::optional<int> LoadCaseScreen::savedChoice(const app::WizardState& saved) const {
    const std::optional<beam::LoadCase> c = saved.haritype(structure_);
    if (!c) return std::nullopt;
    return code(*c);
}

void LoadCaseScreen::pictureClicked(const Choice& choice) {
    markChoice(choice);
    haritype() = static_cast<beam::LoadCase>(choice.value);
}

void LoadCaseScreen::pictureDoubleClicked(const Choice& choice) {
    haritype() = static_cast<beam::LoadCase>(choice.value);
    setMousePointer(app::MousePointer::Hourglass);
    GoToMaterialScreen();
}

void LoadCaseScreen::nextClicked() {
    if (haritype()) {
        setMousePointer(app::MousePointer::Hourglass);
        GoToMaterialScreen();
        return;
    }
    Label& label = prompt();
    label.show();
    label.setCaption(QStringLiteral("梁構造を選んで下さい"));
    setPromptColor(QColor(255, 0, 0));
    beep();
}

void LoadCaseScreen::GoToMaterialScreen() {
    flow().forward(*this, app::ScreenId::Form断面選択);
}

void LoadCaseScreen::backClicked() {
    flow().back(*this);
}

Form片持0::Form片持0(app::Registry& registry)
    : LoadCaseScreen(registry, kId, beam::Structure::Cantilever,
                     {QStringLiteral("片持-梁"),
                      QStringLiteral("  片持を選択"),
                      kBack,
                      {
                          {"Image片持集中", ":/assets/load_cantilever_point.svg",
                           QStringLiteral("  片持集中荷重"), code(LoadCase::TipPoint)},
                          {"Image片持分布", ":/assets/load_cantilever_uniform.svg",
                           QStringLiteral("  片持分布荷重"), code(LoadCase::UniformFull)},
                          {"Image片持分先", ":/assets/load_cantilever_partial.svg",
                           QStringLiteral("  片持先端分布荷重"), code(LoadCase::UniformOverL1AtTip)},
                      }}) {}

FormSuiCho::FormSuiCho(app::Registry& registry)
    : LoadCaseScreen(registry, kId, beam::Structure::VerticalCantilever,
                     {QStringLiteral("片持垂直-梁"),
                      QStringLiteral("  片持垂直を選択"),
                      kBack,
                      {
                          {"Image垂直集中", ":/assets/load_vertical_point.svg",
                           QStringLiteral("  片持垂直集中荷重"), code(LoadCase::TipPoint)},
                          {"Image垂直分布", ":/assets/load_vertical_uniform.svg",
                           QStringLiteral("  片持垂直分布荷重"), code(LoadCase::UniformFull)},
                          {"Image垂直分先", ":/assets/load_vertical_partial.svg",
                           QStringLiteral("  片持垂直先端分布荷重"), code(LoadCase::UniformOverL1AtTip)},
                      }}) {}

Form両端0::Form両端0(app::Registry& registry)
    : LoadCaseScreen(registry, kId, beam::Structure::SimplySupported,
                     {QStringLiteral("両端支持-梁"), QStringLiteral("  両端支持を選択"), kBack,
                      twoSupportCases("simple", "Image両端支持", QStringLiteral("両端支持"))}) {}

Form両端1::Form両端1(app::Registry& registry)
    : LoadCaseScreen(registry, kId, beam::Structure::FixedBothEnds,
                     {QStringLiteral("両端固定-梁"), QStringLiteral("  両端固定を選択"), kBack,
                      twoSupportCases("fixed", "Image両端固定", QStringLiteral("両端固定"))}) {}

FormPinKo::FormPinKo(app::Registry& registry)
    : LoadCaseScreen(registry, kId, beam::Structure::PinnedFixed,
                     {QStringLiteral("ピン固定-梁"), QStringLiteral("  ピン＆固定を選択"), kBack,
                      twoSupportCases("pinfixed", "Imageピン固", QStringLiteral("ピン固定"))}) {}

LoadCaseScreen& loadCaseScreen(app::Registry& registry) {
    return static_cast<LoadCaseScreen&>(registry.screen(registry.flow().loadCaseScreen()));
}

} // namespace ui
