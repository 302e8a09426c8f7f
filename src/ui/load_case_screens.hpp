// The load-case screens, one for each beam structure. The cantilever's (Form片持0) and the
// vertical cantilever's offer the three cantilever cases; the two-support structures offer a
// point load at mid-span, a point load at L1 and a uniform load.
#pragma once

#include "beam/dispatch.hpp"
#include "ui/choice_screen.hpp"

namespace ui {

// Load cases (`haritype`) as the calculation numbers them; 0 before the first choice.
namespace LoadCase {
inline constexpr int None = 0;
// Cantilevers
inline constexpr int TipPoint = beam::kLoadCase1;
inline constexpr int UniformFull = beam::kLoadCase2;
inline constexpr int UniformOverL1AtTip = beam::kLoadCase3;
// Beams on two supports
inline constexpr int MidSpanPoint = beam::kLoadCase1;
inline constexpr int PointAtL1 = beam::kLoadCase2;
inline constexpr int Uniform = beam::kLoadCase3;
} // namespace LoadCase

class LoadCaseScreen : public ChoiceScreen {
public:
    int haritype = LoadCase::None;

    // The screen's loaded flag (FlgForm片持0, FlgFormSuiCho, ...): 1 once loaded.
    virtual int& loadedFlag() = 0;

    void Form_Load_Call() override;
    // Leaves forwards to the material and section screen.
    void GoToMaterialScreen();

protected:
    using ChoiceScreen::ChoiceScreen;
    void onLoad() override;
    void onUnload() override;
    void pictureClicked(const Choice& choice) override;
    void pictureDoubleClicked(const Choice& choice) override;
    void nextClicked() override;
    void backClicked() override;
};

class Form片持0 final : public LoadCaseScreen {
public:
    explicit Form片持0(app::Registry& registry);
    int FlgForm片持0 = 0;
    int& loadedFlag() override { return FlgForm片持0; }
};

class FormSuiCho final : public LoadCaseScreen {
public:
    explicit FormSuiCho(app::Registry& registry);
    int FlgFormSuiCho = 0;
    int& loadedFlag() override { return FlgFormSuiCho; }
};

class Form両端0 final : public LoadCaseScreen {
public:
    explicit Form両端0(app::Registry& registry);
    int FlgForm両端0 = 0;
    int& loadedFlag() override { return FlgForm両端0; }
};

class Form両端1 final : public LoadCaseScreen {
public:
    explicit Form両端1(app::Registry& registry);
    int FlgForm両端1 = 0;
    int& loadedFlag() override { return FlgForm両端1; }
};

class FormPinKo final : public LoadCaseScreen {
public:
    explicit FormPinKo(app::Registry& registry);
    int FlgFormPinKo = 0;
    int& loadedFlag() override { return FlgFormPinKo; }
};

// The load-case screen of a beam structure, or null for a value that names none.
LoadCaseScreen* loadCaseScreen(app::Registry& registry, int hari);

} // namespace ui
