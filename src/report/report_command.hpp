// `hari report FILE.hari --pdf OUT.pdf`: the calculation sheet of a saved check, written as a
// PDF without a window.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace report {

// The command's arguments after "report"; the exit status of the command line (0, 1 for a
// wrong command line, 2 for a refused file or an output that cannot be written).
int reportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace report
