// Form断面選択: the material (left) and the section shape (right).
#pragma once

#include <QPointer>

#include "app/screen.hpp"
#include "ui/material_panel.hpp"

namespace ui {

class ShapePanel;

// The material and the shape it publishes: WizardState's material, materialTexts, danmentype
// and danmenkeijou.
class Form断面選択 final : public app::Screen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::Form断面選択;
    explicit Form断面選択(app::Registry& registry);

    // Commits the material and shows the size screen; refuses (false) while a value box holds
    // no positive number.
    bool ShowSizeScreen();
    // LblDanmensentaku on blue.
    void HighlightPrompt();

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void restore(const app::WizardState& saved, QStringList& notes) override;

private:
    void shapeClicked(int code);
    void shapeDoubleClicked(int code);
    void otherClicked();
    void nextClicked();
    void backClicked();
    // danmentype and danmenkeijou.
    void choose(int code);

    QPointer<MaterialPanel> material_;
    QPointer<ShapePanel> shapes_;
};

} // namespace ui
