// The load-case screens, one for each beam structure. The cantilever's (Form片持0) and the
// vertical cantilever's offer the three cantilever cases; the two-support structures offer a
// point load at mid-span, a point load at L1 and a uniform load.
#pragma once

#include "ui/choice_screen.hpp"
#include "ui/wizard_codes.hpp"

namespace ui {

class LoadCaseScreen : public ChoiceScreen {
public:
    // The load case this screen chose last (`haritype`), kept in the wizard's state.
    std::optional<beam::LoadCase>& haritype();

    void Form_Load_Call() override;
    // Leaves forwards to the material and section screen.
    void GoToMaterialScreen();

protected:
    LoadCaseScreen(app::Registry& registry, app::ScreenId id, beam::Structure structure,
                   ChoiceDesign design)
        : ChoiceScreen(registry, id, std::move(design)), structure_(structure) {}
    // Back from the material screen: the prompt as it was when the screen was left.
    void onReturn() override { Form_Load_Call(); }
    std::optional<int> savedChoice(const app::WizardState& saved) const override;
    void pictureClicked(const Choice& choice) override;
    void pictureDoubleClicked(const Choice& choice) override;
    void nextClicked() override;
    void backClicked() override;

private:
    beam::Structure structure_; // the `hari` this screen serves
};

class Form片持0 final : public LoadCaseScreen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::Form片持0;
    explicit Form片持0(app::Registry& registry);
};

class FormSuiCho final : public LoadCaseScreen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::FormSuiCho;
    explicit FormSuiCho(app::Registry& registry);
};

class Form両端0 final : public LoadCaseScreen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::Form両端0;
    explicit Form両端0(app::Registry& registry);
};

class Form両端1 final : public LoadCaseScreen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::Form両端1;
    explicit Form両端1(app::Registry& registry);
};

class FormPinKo final : public LoadCaseScreen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::FormPinKo;
    explicit FormPinKo(app::Registry& registry);
};

// The load-case screen of the structure chosen (the cantilever's before a choice).
LoadCaseScreen& loadCaseScreen(app::Registry& registry);

} // namespace ui
