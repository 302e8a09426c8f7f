// `hari <command> ...`: the calculations without a window, for scripts and checks.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace cli {

// Exit statuses shared by every command.
inline constexpr int kOk = 0;
inline constexpr int kUsage = 1;    // the command line itself is wrong
inline constexpr int kNoResult = 2; // the input was read but gives no result

// Runs the command named by argv[1]. Returns nullopt when argv names no command, so that the
// caller opens the program's window instead.
std::optional<int> run(int argc, char** argv, std::ostream& out, std::ostream& err);

// One command: `args` excludes the program and command names.
using Command = int (*)(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The commands.
int beamCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int sectionCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int sizesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int openCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace cli
