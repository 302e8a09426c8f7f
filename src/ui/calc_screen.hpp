// Form入力計算: span and load input, the beam calculation and its results.
#pragma once

#include <QString>
#include <memory>

#include "app/screen.hpp"
#include "beam/dispatch.hpp"

class QLineEdit;

namespace ui {

struct CalcControls;
struct TwinField;

class Form入力計算 final : public app::Screen {
public:
    explicit Form入力計算(app::Registry& registry);
    ~Form入力計算() override;

    int FlgSaisho = 0; // 1 while the restart unloads the wizard's screens
    int FlgTugi = 0;   // 1 when the screen unloads itself by navigation

    // Inputs: the typed load (load unit), in N, the point or total load and the intensity
    // (N/mm) that the calculation used, the lengths L, L1 and L2 (mm).
    double Ww = 0, WN = 0, WA = 0, Wbun = 0, LA = 0, HEN3 = 0, HEN4 = 0;
    // Results of the last calculation (N·m, N/mm², mm, N).
    double Mo = 0, Ma = 0, Mb = 0, Mc = 0, kajumage = 0, kajutawami = 0;
    double jiju = 0, jmo = 0, jmage = 0, jtawami = 0, tawamiT = 0;
    int Ketasita = 1, jKetasita = 1, Maxketasita = 1; // deflection decimals
    QString kajutan = QStringLiteral("N");            // load unit text
    int FlgHyoujitani = 2;                            // 1 old units, 2 SI

    // The previous input, kept across unloads.
    QString MaeTextHEN1, MaeTextHEN2, MaeTextHEN3, MaeTextHEN4;
    int MaeFlgKajutani = 0;   // 1 N, 2 kN, 3 kg
    int MaeFlgHyoujitani = 0; // 1 old, 2 SI
    int MaePw = 0;            // 1 total load, 2 load per metre
    int MaeFlgtugi = 0;       // 1: restore the previous input at the next load
    int MaeFlgSaisho = 0;     // 1: clear everything at the next load

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

    // "最初から": unloads the later screens without ending the program and shows FormOpen.
    void restart();

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;

private:
    beam::Structure structure() const;
    int loadCase() const;
    void setUpCase();
    void HenLayout2();
    void HenLayout3();
    void PwButtonShow();
    void showSectionPicture();
    void takeOverValues();
    void markMode(int pw);
    void connectHandlers(app::FormWindow& w);
    void fieldChanged(int field);
    void markTarget(int field);
    void writeField(int field, const QString& text, double value);
    void printClicked();
    void backClicked();
    QString& maeText(int field);
    void sectionValueEdited();
    void materialValueEdited(TwinField& value);

    int Pw = 1; // 1 total load, 2 load per metre
    // The section as taken over, to tell when an edit of its figures makes the designation
    // untrue.
    struct TakenOverSection {
        QString designation, z, i, mass;
    } takenOver_;
    std::unique_ptr<CalcControls> c_;
};

} // namespace ui
