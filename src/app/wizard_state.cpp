#include "app/wizard_state.hpp"

#include "common/numtext.hpp"

namespace app {

std::optional<beam::Inputs> beamInputs(const WizardState& s) {
    const std::optional<beam::LoadCase> loadCase = s.loadCase();
    if (!loadCase) return std::nullopt;
    const CalcInput& c = s.calc;
    const auto value = [](const QString& t) { return numtext::value(t.toStdString()); };
    beam::Inputs in;
    in.structure = *s.hari;
    in.loadCase = *loadCase;
    in.loadMode = c.Pw;
    in.loadN = beam::toNewtons(value(c.TextHEN1), c.FlgKajutani);
    in.spanMm = value(c.TextHEN2);
    in.l1Mm = value(c.TextHEN3);
    in.zText = c.Textdz.toStdString();
    in.iText = c.Textdi.toStdString();
    in.eText = c.Textyang.toStdString();
    in.massText = c.Textjuryou.toStdString();
    in.allowText = c.Textkmage.toStdString();
    return in;
}

} // namespace app
