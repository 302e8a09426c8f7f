// What the commands share for saved checks: writing one (`--save`) and printing what one gives
// (`hari open`) with the very texts of `hari beam` and `hari section`.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "beam/dispatch.hpp"
#include "check/check.hpp"
#include "cli/args.hpp"
#include "section/calc.hpp"

namespace cli {

// The list entry `text` names (1..14) with its five values as the material screen shows them;
// false when there is none.
bool listMaterial(const std::string& text, check::Material& m);

// Writes `c` to the file of --save, with --title, --member and this program's name; says why
// on `err` and gives kNoResult when it cannot.
int saveCheck(std::string_view command, const Options& o, check::Check& c, std::ostream& err);

// The output of `hari beam` and `hari section` for their inputs; `command` starts the messages.
int printBeam(std::string_view command, const beam::Inputs& in, OutputFormat format,
              std::ostream& out, std::ostream& err);
int printSection(std::string_view command, const section::Inputs& in, OutputFormat format,
                 std::ostream& out, std::ostream& err);

} // namespace cli
