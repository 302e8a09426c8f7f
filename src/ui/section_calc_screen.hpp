// Form入力断面他: the section calculator, which works out a section from its dimensions.
#pragma once

#include "app/screen.hpp"

namespace ui {

class Form入力断面他 final : public app::Screen {
public:
    explicit Form入力断面他(app::Registry& registry);

    int FlgTugi = 0; // 1 when the screen unloads itself by going back

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;

private:
    void backClicked();
};

} // namespace ui
