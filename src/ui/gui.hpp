#pragma once

namespace app {
// Opens the wizard on its opening screen and runs until the program ends.
int runGui(int argc, char** argv);
} // namespace app
