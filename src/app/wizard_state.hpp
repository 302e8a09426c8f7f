// The values that cross screens: what one screen sets and a later one reads. One plain struct,
// owned by the registry; each value keeps the name the screens have always used for it, and
// the screen that sets it is named beside it. The screens' own working variables stay in the
// screens.
#pragma once

#include <QString>
#include <array>

#include <optional>

#include "beam/dispatch.hpp"
#include "beam/units.hpp"
#include "catalog/materials.hpp"

namespace app {

// The road chosen on the opening screen (`FlgOpen`).
enum class Road { BeamCalculation, SectionProperties };

// Which of the twin fields the calculation screen shows (`FlgHyoujitani`).
enum class DisplayUnits { SI, Old };

// Where the section of the calculation comes from (`Flg入力断面他`).
enum class SectionSource { SizeScreen, Calculator };

// The material as it went on from Form断面選択: list entry or typed, SI and old units.
struct MaterialRecord {
    int zaitype = 0; // material number 1..14 (a typed material keeps the last list entry's)
    QString zaisitu; // its name, e.g. "鋼材－SS400"
    bool directEntry = false; // typed in ("リスト以外の材質"), not taken from the list
    double Dyangv = 0, Dkmagev = 0, Dkashukuv = 0, Dksendanv = 0, Dhijuv = 0; // N/mm2, sg
    double DyangvOld = 0, DkmagevOld = 0, DkashukuvOld = 0, DksendanvOld = 0; // kg/cm2
};

// A section as a screen shows it: designation, area, mass, Z, I and radius of gyration.
struct SectionTexts {
    QString size, area, mass, z, i, radius;
};

// The calculation screen's previous input, which it shows again when the user comes back.
struct PreviousInput {
    QString MaeTextHEN1, MaeTextHEN2, MaeTextHEN3, MaeTextHEN4;
    std::optional<beam::LoadUnit> MaeFlgKajutani; // none until a unit was chosen
    std::optional<DisplayUnits> MaeFlgHyoujitani; // none until a display was chosen
    std::optional<beam::LoadMode> MaePw;          // total load or load per metre
    bool MaeFlgtugi = false;                      // restore the previous input at the next load
    bool MaeFlgSaisho = false; // clear everything at the next load ("最初から" was pressed)
};

// Form入力計算's inputs as they stand: the fields as typed, the options chosen, and the section
// and material values the calculation uses as shown there (the user may edit them). The screen
// writes it before every calculation; whatever calculates the same check elsewhere (a saved
// check, a ranking of sizes, a report) starts from it.
struct CalcInput {
    QString TextHEN1, TextHEN2, TextHEN3; // the load, L and L1 as typed
    beam::LoadUnit FlgKajutani = beam::LoadUnit::N;
    beam::LoadMode Pw = beam::LoadMode::Total; // total load or load per metre
    DisplayUnits FlgHyoujitani = DisplayUnits::SI;
    // `Textdz` (cm3), `Textdi` (cm4), `Textyang` (N/mm2), `Textjuryou` (kg/m), `Textkmage`
    // (N/mm2) as shown.
    QString Textdz, Textdi, Textyang, Textjuryou, Textkmage;
};

struct WizardState {
    Road FlgOpen = Road::BeamCalculation; // FormOpen

    std::optional<beam::Structure> hari; // Form梁形式1; none before the first choice
    // The load case each structure's load-case screen last chose (`haritype`), by structure;
    // kept through a restart, as the screens keep it.
    std::optional<beam::LoadCase>& haritype(beam::Structure s) {
        return haritype_[static_cast<std::size_t>(s) - 1];
    }
    std::optional<beam::LoadCase> haritype(beam::Structure s) const {
        return haritype_[static_cast<std::size_t>(s) - 1];
    }
    // The load case of the structure chosen; none until both are chosen.
    std::optional<beam::LoadCase> loadCase() const {
        return hari ? haritype(*hari) : std::nullopt;
    }

    // Form断面選択: the material, its five value boxes as they went on, and the shape.
    MaterialRecord material;
    catalog::MaterialTexts materialTexts;
    int danmentype = 0; // section shape code; 0 until the first load
    QString danmenkeijou;

    // Form材サイズ選択: the designation and the boxes as they went on to the calculation.
    QString DanmenSize;
    SectionTexts sizeSection;
    SectionSource Flg入力断面他 = SectionSource::SizeScreen;

    // Form入力断面他: the section computed last (empty until one was), and the texts of its
    // dimension fields TextHEN1 … TextHEN6 then.
    SectionTexts calculatorSection;
    std::array<QString, 6> calculatorDimensions;

    // Form入力計算.
    CalcInput calc;
    PreviousInput mae;

    // The check as a document: its title and member name (件名, 部材名), typed by the user.
    QString 件名, 部材名;

private:
    std::array<std::optional<beam::LoadCase>, 5> haritype_{};
};

// The calculation's inputs for the check the state holds, as Form入力計算 calculates it; none
// until a structure and its load case are chosen.
std::optional<beam::Inputs> beamInputs(const WizardState& s);

} // namespace app
