// Form梁形式1: the choice of the beam structure.
#pragma once

#include "ui/choice_screen.hpp"

namespace ui {

// The beam structures (`hari`); the numbers cross screens.
namespace BeamType {
inline constexpr int None = 0;
inline constexpr int Cantilever = 1;
inline constexpr int VerticalCantilever = 2;
inline constexpr int SimplySupported = 3;
inline constexpr int FixedBothEnds = 4;
inline constexpr int PinnedFixed = 5;
} // namespace BeamType

class Form梁形式1 final : public ChoiceScreen {
public:
    explicit Form梁形式1(app::Registry& registry);

    int hari = BeamType::None;

    // Shows the load-case screen of `hari` (the cantilever's when nothing is chosen).
    void GoToLoadCaseScreen();

protected:
    void onUnload() override;
    void pictureClicked(const Choice& choice) override;
    void pictureDoubleClicked(const Choice& choice) override;
    void nextClicked() override { GoToLoadCaseScreen(); }
    void backClicked() override;
};

} // namespace ui
