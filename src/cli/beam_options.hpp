// The options that name one beam, shared by `hari beam` and `hari choose`: structure, load
// case, load and its unit, per metre, span and L1.
#pragma once

#include <optional>
#include <string>

#include "beam/dispatch.hpp"
#include "cli/args.hpp"

namespace cli {

// The option names of a beam, valued and flags, for Options.
inline const std::set<std::string> kBeamValued = {"structure", "case", "load",
                                                  "unit",      "span", "l1"};
inline const std::set<std::string> kBeamFlags = {"per-metre"};

// Reads the beam into `in`; returns the usage problem, or nullopt when the options are sound.
// The numbers are read as the screen reads its fields: a text without a number is 0.
std::optional<std::string> readBeam(const Options& o, beam::Inputs& in);

// Why nothing was calculated: the screen's own message where it shows one.
std::string problemReason(beam::Problem problem);

// The load unit of --unit: N, kN or kg.
std::optional<beam::LoadUnit> parseUnit(const std::string& text);

// A whole number from `low` to `high`, written in digits only.
std::optional<int> smallInteger(const std::string& text, int low, int high);

} // namespace cli
