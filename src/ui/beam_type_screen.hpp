// Form梁形式1: the choice of the beam structure.
#pragma once

#include "beam/dispatch.hpp"
#include "ui/choice_screen.hpp"

namespace ui {

// The beam structures (`hari`) as the calculation numbers them; 0 before the first choice.
namespace BeamType {
inline constexpr int None = 0;
inline constexpr int Cantilever = static_cast<int>(beam::Structure::Cantilever);
inline constexpr int VerticalCantilever = static_cast<int>(beam::Structure::VerticalCantilever);
inline constexpr int SimplySupported = static_cast<int>(beam::Structure::SimplySupported);
inline constexpr int FixedBothEnds = static_cast<int>(beam::Structure::FixedBothEnds);
inline constexpr int PinnedFixed = static_cast<int>(beam::Structure::PinnedFixed);
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
