// The small option parser and output writers that every command shares.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

// Options of the form `--name value` and bare flags `--name`.
class Options {
public:
    // Parses `args`; `valued` lists the options that take a value, `flags` those that do not.
    // On failure error() names the problem.
    Options(std::span<const std::string> args, const std::set<std::string>& valued,
            const std::set<std::string>& flags);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    bool has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> get(const std::string& name) const;
    std::string get(const std::string& name, const std::string& fallback) const;

private:
    std::map<std::string, std::string> values_;
    std::string error_;
};

// A command's name and usage text: the usage answers --help and follows the problem of a wrong
// command line.
struct Usage {
    std::string_view command; // "hari beam"
    std::string_view text;    // "usage: hari beam ...\n", or empty
    // "command: problem", then the usage, on `err`; the status of a wrong command line.
    int refuse(std::ostream& err, std::string_view problem) const;
};

enum class OutputFormat { Table, Kv, Json };

// "table", "kv" or "json"; nullopt for anything else.
std::optional<OutputFormat> parseFormat(const std::string& text);

// A whole number in decimal digits only (at most nine), or nullopt.
std::optional<int> wholeNumber(const std::string& text);

using Fields = std::vector<std::pair<std::string, std::string>>;

std::string jsonEscape(const std::string& text);
// `Name=text` lines.
void writeKv(std::ostream& out, const Fields& fields);
// One JSON object with string values, on one line when `indent` is empty.
void writeJsonObject(std::ostream& out, const Fields& fields, const std::string& indent = "  ");
// Label and value columns, labels padded to a common display width (full-width characters
// count as two columns).
void writeTable(std::ostream& out, const Fields& rows);
// Display width of a UTF-8 text in a terminal.
std::size_t displayWidth(const std::string& text);

} // namespace cli
