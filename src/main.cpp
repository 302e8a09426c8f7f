// hari: with a command (`hari beam ...`) it calculates on the command line; without one it
// opens the wizard.
#include <iostream>

#include "cli/cli.hpp"
#ifdef HARI_WITH_UI
#include "ui/gui.hpp"
#endif

int main(int argc, char** argv) {
    if (auto status = cli::run(argc, argv, std::cout, std::cerr)) return *status;
#ifdef HARI_WITH_UI
    return app::runGui(argc, argv);
#else
    std::cerr << "hari: this build has no window; run `hari --help` for the commands\n";
    return 1;
#endif
}
