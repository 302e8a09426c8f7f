// A saved check and the wizard's state: what the screens hold as a check to save, and the
// state that walking a saved check's road would leave.
#pragma once

#include <QString>
#include <variant>

#include "app/wizard_state.hpp"
#include "check/check.hpp"

namespace app {

// The calculation screen's inputs as a check holds them.
check::Inputs checkInputs(const CalcInput& in);

// The check the state holds, or why there is none to save (a Japanese sentence).
std::variant<check::Check, QString> toCheck(const WizardState& s);

// The choices and inputs of a saved check as the screens would publish them; results and the
// calculator's section are left to the screens that work them out.
WizardState fromCheck(const check::Check& c);

} // namespace app
