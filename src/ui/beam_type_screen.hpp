// Form梁形式1: the choice of the beam structure.
#pragma once

#include "ui/choice_screen.hpp"
#include "ui/wizard_codes.hpp"

namespace ui {

class Form梁形式1 final : public ChoiceScreen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::Form梁形式1;
    explicit Form梁形式1(app::Registry& registry);

    // Shows the load-case screen of `hari` (the cantilever's when nothing is chosen).
    void GoToLoadCaseScreen();

protected:
    std::optional<int> savedChoice(const app::WizardState& saved) const override;
    void pictureClicked(const Choice& choice) override;
    void pictureDoubleClicked(const Choice& choice) override;
    void nextClicked() override { GoToLoadCaseScreen(); }
    void backClicked() override;
};

} // namespace ui
