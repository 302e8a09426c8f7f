// FormOpen: the opening screen, where the user chooses the road.
#pragma once

#include "app/screen.hpp"

namespace ui {

class FormOpen final : public app::Screen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::FormOpen;
    explicit FormOpen(app::Registry& registry);

    static const QString kTitle;

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onMouseMove() override;

private:
    void beamRoad();
    void sectionRoad();
};

} // namespace ui
