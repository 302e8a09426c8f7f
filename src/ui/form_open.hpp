// FormOpen: the opening screen, where the user chooses the road.
#pragma once

#include "app/screen.hpp"

namespace ui {

// The roads (`FlgOpen`).
namespace Road {
inline constexpr int BeamCalculation = 0;
inline constexpr int SectionProperties = 2;
} // namespace Road

class FormOpen final : public app::Screen {
public:
    explicit FormOpen(app::Registry& registry);

    int FlgOpen = Road::BeamCalculation;

    static const QString kTitle;

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override { endProgram(); }
    void onMouseMove() override;

private:
    void beamRoad();
    void sectionRoad();
};

} // namespace ui
