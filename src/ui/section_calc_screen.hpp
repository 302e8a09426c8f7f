// Form入力断面他: the section calculator, which works out a section from its dimensions.
#pragma once

#include <QString>
#include <memory>

#include "app/screen.hpp"
#include "section/shapes.hpp"

namespace ui {

struct SectionCalcControls;

class Form入力断面他 final : public app::Screen {
public:
    explicit Form入力断面他(app::Registry& registry);
    ~Form入力断面他() override;

    int FlgTugi = 0;           // 1 when the screen unloads itself by going back
    int FlgDSize = 0;          // 1 when the section computed last is too small to go on with
    section::Dimensions HEN{}; // HEN1 … HEN6, mm

    // Works the section out from HEN1 … HEN6 and shows what comes back.
    void calc01();

    // The section as the calculator shows it (Labeldsize, Text面積, TextZaijuryou, Textdz,
    // Textdi, TxtD2r), which the calculation screen copies as it is.
    struct Results {
        QString size, area, mass, z, i, radius;
    };
    Results resultTexts() const { return results_; }

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;

private:
    void connectHandlers();
    void fieldChanged(int field);
    void markTarget(int field);
    void writeField(int field, const QString& text);
    void nextClicked();
    void printClicked();
    void backClicked();

    Results results_; // empty until a section has been worked out
    std::unique_ptr<SectionCalcControls> c_;
};

} // namespace ui
