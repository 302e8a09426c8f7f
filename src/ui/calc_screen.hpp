// Form入力計算: span and load input, the beam calculation and its results.
#pragma once

#include "app/screen.hpp"

namespace ui {

class Form入力計算 final : public app::Screen {
public:
    explicit Form入力計算(app::Registry& registry);

    int FlgSaisho = 0; // 1 while the restart unloads the wizard's screens
    int FlgTugi = 0;   // 1 when the screen unloads itself by navigation

    // "最初から": unloads the later screens without ending the program and shows FormOpen.
    void restart();

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;
};

} // namespace ui
