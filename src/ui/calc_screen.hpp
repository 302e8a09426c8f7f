// Form入力計算: span and load input, the beam calculation and its results.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "app/screen.hpp"
#include "beam/dispatch.hpp"

class QLineEdit;

namespace ui {

struct CalcControls;
struct TwinField;

class Form入力計算 final : public app::Screen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::Form入力計算;
    explicit Form入力計算(app::Registry& registry);
    ~Form入力計算() override;

    // Inputs: the typed load (load unit), in N, and the lengths L, L1 and L2 (mm). The
    // previous input, which outlives the screen, is WizardState's `mae`.
    double Ww = 0, WN = 0, LA = 0, HEN3 = 0, HEN4 = 0;
    QString kajutan = QStringLiteral("N"); // load unit text

    // The screen's routines.
    void calcDispatch();
    void KekkaZero();
    void KajutaniSet();
    void KajuLabelSet();
    void HyoujiOld();
    void HyoujiSI();
    void HensuKaijo();
    void MaeHensuSet();
    void HanteiClear();

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void restore(const app::WizardState& saved, QStringList& notes) override;

private:
    // The structure and load case of the check; none until both are chosen.
    struct Case {
        beam::Structure structure;
        beam::LoadCase loadCase;
    };
    std::optional<Case> beamCase() const;
    void setUpCase();
    void HenLayout2();
    void HenLayout3();
    void PwButtonShow();
    void showSectionPicture();
    void takeOverValues();
    void markMode(beam::LoadMode mode);
    void connectHandlers(app::FormWindow& w);
    // Writes the fields and options as they stand into the state's `calc`.
    void publishInput();
    void fieldChanged(int field);
    void markTarget(int field);
    void writeField(int field, const QString& text, double value);
    void printClicked();
    void reportClicked();
    void backClicked();
    QString& maeText(int field);
    void sectionValueEdited();
    void materialValueEdited(TwinField& value);

    beam::LoadMode Pw = beam::LoadMode::Total;
    // The section as taken over, to tell when an edit of its figures makes the designation
    // untrue.
    struct TakenOverSection {
        QString designation, z, i, mass;
    } takenOver_;
    std::unique_ptr<CalcControls> c_;
};

} // namespace ui
