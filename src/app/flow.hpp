// The screen flow of the wizard: which screen comes after which, the way back, the restart,
// and when unloading a screen ends the program. Screens ask the flow to go on, back or to
// start over; none of them names another screen's class.
//
//   FormOpen ─構造─▶ Form梁形式1 ─▶ load-case screen of `hari` ─▶ Form断面選択
//   FormOpen ─断面─────────────────────────────────────────────▶ Form断面選択
//   Form断面選択 ─▶ Form材サイズ選択 ─┬─▶ Form入力計算            (beam road)
//                                    └─▶ Form入力断面他 ─▶ Form入力計算
//
// Going on shows the next screen and hides the current one, which stays loaded so that it is
// found as it was left. Going back shows the previous screen; the screens from Form断面選択 on
// also unload themselves, so that the next visit starts fresh. Unloading ends the program
// unless the flow itself unloads (back and restart); FormOpen's unload always ends it.
#pragma once

#include <QString>
#include <QStringList>

namespace app {

class Registry;
class Screen;
struct WizardState;

enum class ScreenId {
    FormOpen,
    Form梁形式1,
    Form片持0,  // the cantilever's load cases
    FormSuiCho, // the vertical cantilever's
    Form両端0,  // simply supported
    Form両端1,  // fixed at both ends
    FormPinKo,  // pinned and fixed
    Form断面選択,
    Form材サイズ選択,
    Form入力断面他,
    Form入力計算,
};

// The window name (objectName) of a screen.
QString screenName(ScreenId id);

class Flow {
public:
    explicit Flow(Registry& registry) : registry_(registry) {}

    // Shows `to` and hides `from`. `fresh`: `to` is unloaded first, so that it starts anew.
    void forward(Screen& from, ScreenId to, bool fresh = false);
    // Shows the screen before `from` on the road taken, hides `from`, and unloads it where the
    // next visit starts fresh.
    void back(Screen& from);
    // "最初から": every screen but FormOpen unloaded without ending the program, the previous
    // input forgotten at the next calculation, and FormOpen shown.
    void restart();

    // A saved check: every screen unloaded, then each screen of its road loaded and given the
    // saved choices as if the user had walked it, the last one shown. What a screen could not
    // take as saved is said in `notes`.
    void openCheck(const WizardState& saved, QStringList& notes);

    // Whether the unload of `id` now ends the program: the close box or an end button.
    bool unloadEndsProgram(ScreenId id) const;
    // Whether the program may end now, from a window of `from`: a check that came from a file
    // or was saved and has changed since is offered to be saved first.
    bool mayEndProgram(Screen& from);

    // The load-case screen of the chosen structure; the cantilever's when there is none yet.
    ScreenId loadCaseScreen() const;

private:
    ScreenId previous(ScreenId from) const;
    void unloadQuietly(Screen& s);

    Registry& registry_;
    bool unloading_ = false; // the flow itself unloads a screen
};

} // namespace app
