// The screens of the wizard, made by their ids: the one place that knows every screen class.
#pragma once

namespace app {
class Registry;
}

namespace ui {

// Lets `registry` make each screen on its first reference.
void installScreens(app::Registry& registry);

} // namespace ui
