// hari: with a command (`hari beam ...`) it calculates on the command line; without one it
// opens the wizard.
#include <iostream>

#include "cli/cli.hpp"
#ifdef HARI_WITH_UI
#include <string_view>
#include <vector>

#include "report/report_command.hpp"
#include "ui/gui.hpp"
#endif

int main(int argc, char** argv) {
#ifdef HARI_WITH_UI
    // The sheet is drawn with Qt, which the commands of cli/ do without.
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "report")
        return report::reportCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout,
                                     std::cerr);
#endif
    if (auto status = cli::run(argc, argv, std::cout, std::cerr)) {
#ifdef HARI_WITH_UI
        if (command == "--help" || command == "-h" || command == "help")
            std::cout << "       hari report FILE.hari --pdf OUT.pdf\n"
                         "                            the calculation sheet of a saved check\n";
#endif
        return *status;
    }
#ifdef HARI_WITH_UI
    return app::runGui(argc, argv);
#else
    std::cerr << "hari: this build has no window; run `hari --help` for the commands\n";
    return 1;
#endif
}
