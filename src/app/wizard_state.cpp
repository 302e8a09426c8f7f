#include "app/wizard_state.hpp"

#include <algorithm>

#include "app/check_state.hpp"
#include "common/numtext.hpp"

namespace app {

int ChangeNotice::listen(Listener listener) {
    listeners_.emplace_back(++next_, std::move(listener));
    return next_;
}

void ChangeNotice::forget(int handle) {
    std::erase_if(listeners_, [handle](const auto& l) { return l.first == handle; });
}

void ChangeNotice::notify() const {
    // By handle, looked up again before each call: a listener may close a window and so
    // forget itself or another while the notice runs.
    std::vector<int> handles;
    for (const auto& l : listeners_)
        handles.push_back(l.first);
    for (int handle : handles) {
        const auto it = std::find_if(listeners_.begin(), listeners_.end(),
                                     [handle](const auto& l) { return l.first == handle; });
        if (it == listeners_.end()) continue;
        const Listener listener = it->second; // the listener may forget itself while it runs
        listener();
    }
}

std::optional<beam::Inputs> beamInputs(const WizardState& s) {
    const std::optional<beam::LoadCase> loadCase = s.loadCase();
    if (!loadCase) return std::nullopt;
    return check::beamInputs(*s.hari, *loadCase, checkInputs(s.calc));
}

void keepCalculationMaterial(WizardState& s) {
    const auto keep = [](const QString& shown, std::string& text, double& si, double& old) {
        if (shown.isEmpty() || shown.toStdString() == text) return;
        text = shown.toStdString();
        si = numtext::value(text);
        old = catalog::oldUnitFromSi(si);
    };
    keep(s.calc.Textyang, s.materialTexts.yang, s.material.Dyangv, s.material.DyangvOld);
    keep(s.calc.Textkmage, s.materialTexts.kmage, s.material.Dkmagev, s.material.DkmagevOld);
}

} // namespace app
