// What a calculation sheet (計算書) shows, gathered as texts from the cores: the check as
// calcDispatch calculates it from the wizard's state, its working, its curves, and for the
// calculator road the section as calc01 computes it. The page painter only lays these out.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "app/wizard_state.hpp"
#include "beam/curves.hpp"
#include "beam/dispatch.hpp"
#include "beam/working.hpp"
#include "section/calc.hpp"

namespace report {

// One row of a table: what, and its value with the unit.
struct Row {
    QString label, value;
};

// The heading of every sheet.
struct Heading {
    QString title, member; // 件名, 部材名
    QString date;          // "2026年12月9日"
    QString program;       // "hari 5.3.3"
};

// A section worked out from its dimensions: dimensions, properties, centroid, sketch.
struct SectionDrawing {
    QString shape, designation;
    std::vector<Row> dimensions; // "H　高 (mm)", "100"
    std::vector<Row> properties; // the calculator's eight result fields, captions with units
    app::SectionTexts texts;     // designation, area, mass, Z, I, radius as the calculator shows
    QString centroid;            // the note on the centroid, "" when it lies in the middle
    std::optional<section::Sketch> sketch;
    double frameMm = 0;    // the side of the sketch's square in mm of the section
    double e3 = 0, e4 = 0; // the centroid from the bottom and from the right, cm
};

struct BeamSheet {
    Heading heading;
    beam::Structure structure = beam::Structure::Cantilever;
    beam::LoadCase loadCase = beam::LoadCase::Case1;
    QString caseName; // "両端支持中央集中荷重"
    bool old = false; // the old kg-based units, as the screen shows them
    std::vector<Row> inputs, material, section;
    std::optional<SectionDrawing> calculatorSection;
    QString formula; // `Label式`
    std::vector<beam::WorkingBlock> working;
    QString stressRatio, deflectionRatio; // `Labelmagehikaku`, `Labeltawamihikaku`
    std::optional<beam::Hantei> verdict;
    std::optional<beam::BeamCurves> curves;
    int deflectionDecimals = 1;
    double l1 = 0;   // mm, where the case has one
    QString problem; // why nothing was calculated, "" when it was
};

struct SectionSheet {
    Heading heading;
    QString material;
    SectionDrawing section;
    QString problem;
};

// The heading from the state's 件名 and 部材名 and the day.
Heading heading(const app::WizardState& s, const QDate& day);

// The sheet of the check the state holds, as Form入力計算 calculates it.
BeamSheet beamSheet(const app::WizardState& s, const QDate& day);

// The section of the state's shape and material from the dimensions HEN1 … HEN6, as the
// section calculator computes it (nullopt when it computes none).
std::optional<SectionDrawing> sectionDrawing(const app::WizardState& s,
                                             const section::Dimensions& hen);
SectionSheet sectionSheet(const app::WizardState& s, const section::Dimensions& hen,
                          const QDate& day);

} // namespace report
