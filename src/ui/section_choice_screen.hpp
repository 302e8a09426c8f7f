// Form断面選択: the material (left) and the section shape (right).
#pragma once

#include <QPointer>

#include "app/screen.hpp"
#include "ui/material_panel.hpp"

namespace ui {

class ShapePanel;

// The chosen shape as the later screens read it.
struct ShapeChoice {
    int danmentype = 0; // section shape code; 0 until the first load
    QString danmenkeijou;
};

class Form断面選択 final : public app::Screen, public MaterialRecord, public ShapeChoice {
public:
    explicit Form断面選択(app::Registry& registry);

    int FlgFormdanmen = 0; // 1 once loaded
    int FlgTugi = 0;       // 1 when the screen unloads itself by going back

    // The texts of the five value boxes, which the later screens copy.
    catalog::MaterialTexts valueTexts();

    // Commits the material and shows the size screen; refuses (false) while a value box holds
    // no positive number.
    bool ShowSizeScreen();
    // LblDanmensentaku on blue.
    void HighlightPrompt();

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;

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
