// The program's window side as a whole: the screens it is made of, Qt's own Japanese texts,
// and the run. The one place that knows every screen class.
#pragma once

namespace app {
class Registry;

// Opens the wizard on its opening screen and runs until the program ends.
int runGui(int argc, char** argv);

// Installs Qt's own Japanese texts (qtbase_ja: the print dialog, the standard buttons) in the
// running application, whatever the user's locale, since the whole window speaks Japanese.
// Once per application; false when the catalog is not installed (the dialogs stay English).
bool installQtJapanese();
} // namespace app

namespace ui {
// Lets `registry` make each screen by its id on its first reference.
void installScreens(app::Registry& registry);
} // namespace ui
