#include "cli/cli.hpp"

#include <algorithm>
#include <string_view>
#include <vector>

namespace cli {
namespace {

struct Entry {
    std::string_view name;
    Command command;
    std::string_view summary;
};

// The commands, in the order the usage text lists them. Each command lives in its own
// <name>_command.cpp and is declared in cli.hpp.
const std::vector<Entry> kCommands = {
    {"beam", &beamCommand, "one beam case: moments, stresses, deflections, verdict"},
    {"section", &sectionCommand, "section properties of one shape from its dimensions"},
    {"sizes", &sizesCommand, "the standard sizes of a material and section shape"},
    {"choose", &chooseCommand, "every size of a material checked for one beam, lightest first"},
    {"open", &openCommand, "the results of a saved check (FILE.hari), worked out again"},
};

void usage(std::ostream& err) {
    err << "usage: hari                 open the program's window\n"
           "       hari FILE.hari       open the window on a saved check\n";
    for (const Entry& e : kCommands)
        err << "       hari " << e.name
            << std::string(16 - std::min<std::size_t>(15, e.name.size()), ' ') << e.summary << '\n';
}

} // namespace

std::optional<int> run(int argc, char** argv, std::ostream& out, std::ostream& err) {
    if (argc < 2) return std::nullopt;
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        usage(out);
        return kOk;
    }
    for (const Entry& e : kCommands) {
        if (e.name == name) {
            std::vector<std::string> args(argv + 2, argv + argc);
            return e.command(args, out, err);
        }
    }
    // A saved check opens in the window (`hari FILE.hari`, as a file manager starts it).
    if (name.size() > 5 && name.substr(name.size() - 5) == ".hari") return std::nullopt;
    // Anything else starting with a dash is left to the window toolkit (-platform, ...).
    if (name.rfind("-", 0) == 0) return std::nullopt;
    err << "hari: unknown command '" << name << "'\n";
    usage(err);
    return kUsage;
}

} // namespace cli
