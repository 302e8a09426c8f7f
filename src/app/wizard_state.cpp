#include "app/wizard_state.hpp"

#include "common/numtext.hpp"

namespace app {

beam::Inputs beamInputs(const WizardState& s) {
    const CalcInput& c = s.calc;
    const auto value = [](const QString& t) { return numtext::value(t.toStdString()); };
    beam::Inputs in;
    in.structure = static_cast<beam::Structure>(s.hari);
    in.loadCase = s.loadCase();
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
