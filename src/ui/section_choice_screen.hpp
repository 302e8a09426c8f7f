// Form断面選択: the material and the section shape.
#pragma once

#include "app/screen.hpp"

namespace ui {

class Form断面選択 final : public app::Screen {
public:
    explicit Form断面選択(app::Registry& registry);

    int FlgFormdanmen = 0; // 1 once loaded
    int FlgTugi = 0;       // 1 when the screen unloads itself by going back

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;

private:
    void backClicked();
};

} // namespace ui
