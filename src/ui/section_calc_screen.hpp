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
    static constexpr app::ScreenId kId = app::ScreenId::Form入力断面他;
    explicit Form入力断面他(app::Registry& registry);
    ~Form入力断面他() override;

    int FlgDSize = 0;          // 1 when the section computed last is too small to go on with
    section::Dimensions HEN{}; // HEN1 … HEN6, mm

    // Works the section out from HEN1 … HEN6 and shows what comes back; a computed section
    // is what the calculation screen takes over (WizardState's calculatorSection).
    void calc01();

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;
    void restore(const app::WizardState& saved, QStringList& notes) override;

private:
    void connectHandlers();
    void fieldChanged(int field);
    void markTarget(int field);
    void writeField(int field, const QString& text);
    void nextClicked();
    void printClicked();
    void reportClicked();
    void backClicked();

    std::unique_ptr<SectionCalcControls> c_;
};

} // namespace ui
