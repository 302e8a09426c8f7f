#include "app/flow.hpp"

#include "app/registry.hpp"

#include <vector>

namespace app {
namespace {

// The screens a pass leaves loaded, in the order the restart unloads them: Form梁形式1 last.
constexpr ScreenId kUnloadedByRestart[] = {ScreenId::Form入力計算, ScreenId::Form材サイズ選択,
                                           ScreenId::Form断面選択, ScreenId::Form入力断面他,
                                           ScreenId::Form片持0,    ScreenId::FormSuiCho,
                                           ScreenId::Form両端0,    ScreenId::Form両端1,
                                           ScreenId::FormPinKo,    ScreenId::Form梁形式1};

bool goesBackByUnloading(ScreenId id) {
    return id == ScreenId::Form断面選択 || id == ScreenId::Form材サイズ選択 ||
           id == ScreenId::Form入力断面他 || id == ScreenId::Form入力計算;
}

} // namespace

QString screenName(ScreenId id) {
    switch (id) {
    case ScreenId::FormOpen:
        return QStringLiteral("FormOpen");
    case ScreenId::Form梁形式1:
        return QStringLiteral("Form梁形式1");
    case ScreenId::Form片持0:
        return QStringLiteral("Form片持0");
    case ScreenId::FormSuiCho:
        return QStringLiteral("FormSuiCho");
    case ScreenId::Form両端0:
        return QStringLiteral("Form両端0");
    case ScreenId::Form両端1:
        return QStringLiteral("Form両端1");
    case ScreenId::FormPinKo:
        return QStringLiteral("FormPinKo");
    case ScreenId::Form断面選択:
        return QStringLiteral("Form断面選択");
    case ScreenId::Form材サイズ選択:
        return QStringLiteral("Form材サイズ選択");
    case ScreenId::Form入力断面他:
        return QStringLiteral("Form入力断面他");
    case ScreenId::Form入力計算:
        break;
    }
    return QStringLiteral("Form入力計算");
}

ScreenId Flow::loadCaseScreen() const {
    const std::optional<beam::Structure> hari = registry_.state().hari;
    if (!hari) return ScreenId::Form片持0;
    switch (*hari) {
    case beam::Structure::Cantilever:
        return ScreenId::Form片持0;
    case beam::Structure::VerticalCantilever:
        return ScreenId::FormSuiCho;
    case beam::Structure::SimplySupported:
        return ScreenId::Form両端0;
    case beam::Structure::FixedBothEnds:
        return ScreenId::Form両端1;
    case beam::Structure::PinnedFixed:
        break;
    }
    return ScreenId::FormPinKo;
}

void Flow::forward(Screen& from, ScreenId to, bool fresh) {
    Screen& next = registry_.screen(to);
    if (fresh) unloadQuietly(next);
    next.show();
    from.hide();
}

ScreenId Flow::previous(ScreenId from) const {
    const WizardState& s = registry_.state();
    switch (from) {
    case ScreenId::Form梁形式1:
        return ScreenId::FormOpen;
    case ScreenId::Form断面選択:
        // The beam road always has a structure; should it lack one, the opening screen is
        // the way back rather than no window at all.
        if (s.FlgOpen == Road::SectionProperties || !s.hari)
            return ScreenId::FormOpen;
        return loadCaseScreen();
    case ScreenId::Form材サイズ選択:
        return ScreenId::Form断面選択;
    case ScreenId::Form入力断面他:
        return ScreenId::Form材サイズ選択;
    case ScreenId::Form入力計算:
        return s.Flg入力断面他 == SectionSource::Calculator ? ScreenId::Form入力断面他
                                                            : ScreenId::Form材サイズ選択;
    case ScreenId::FormOpen:
        return ScreenId::FormOpen;
    default: // the load-case screens
        return ScreenId::Form梁形式1;
    }
}

void Flow::back(Screen& from) {
    Screen& to = registry_.screen(previous(from.id()));
    to.show();
    from.hide();
    to.onReturn();
    if (goesBackByUnloading(from.id())) unloadQuietly(from);
}

void Flow::restart() {
    for (ScreenId id : kUnloadedByRestart)
        if (Screen* s = registry_.existing(id)) unloadQuietly(*s);
    // The next calculation starts without input in the default units; the texts typed stay
    // remembered, but its load clears them (MaeFlgSaisho).
    PreviousInput& mae = registry_.state().mae;
    mae.MaePw = beam::LoadMode::Total;
    mae.MaeFlgHyoujitani.reset();
    mae.MaeFlgKajutani.reset();
    mae.MaeFlgSaisho = true;
    registry_.screen(ScreenId::FormOpen).show();
}

void Flow::openCheck(const WizardState& saved, QStringList& notes) {
    for (ScreenId id : kUnloadedByRestart)
        if (Screen* s = registry_.existing(id)) unloadQuietly(*s);
    WizardState& s = registry_.state();
    s.FlgOpen = saved.FlgOpen;
    s.mae = {}; // the calculation starts on the saved inputs, not on earlier ones
    s.件名 = saved.件名;
    s.部材名 = saved.部材名;
    const bool beamRoad = saved.FlgOpen == Road::BeamCalculation;
    std::vector<ScreenId> road;
    if (beamRoad) {
        s.hari = saved.hari;
        road = {ScreenId::Form梁形式1, loadCaseScreen()};
    }
    road.push_back(ScreenId::Form断面選択);
    road.push_back(ScreenId::Form材サイズ選択);
    if (!beamRoad || saved.Flg入力断面他 == SectionSource::Calculator)
        road.push_back(ScreenId::Form入力断面他);
    if (beamRoad) road.push_back(ScreenId::Form入力計算);
    for (ScreenId id : road) {
        Screen& screen = registry_.screen(id);
        screen.load();
        screen.restore(saved, notes);
    }
    registry_.screen(road.back()).show();
    registry_.screen(ScreenId::FormOpen).hide();
}

bool Flow::mayEndProgram(Screen& from) {
    return registry_.documents().mayEnd(from.isLoaded() ? &from.window() : nullptr);
}

bool Flow::unloadEndsProgram(ScreenId id) const {
    return id == ScreenId::FormOpen || !unloading_;
}

void Flow::unloadQuietly(Screen& s) {
    const bool was = unloading_;
    unloading_ = true;
    s.unload();
    unloading_ = was;
}

} // namespace app
