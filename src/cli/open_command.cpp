// `hari open FILE.hari`: the results of a saved check, worked out again, in the texts of
// `hari beam` or `hari section`.
#include <string_view>

#include "check/check.hpp"
#include "cli/args.hpp"
#include "cli/cli.hpp"
#include "cli/saving.hpp"

namespace cli {
namespace {

constexpr std::string_view kOpenUsage = "usage: hari open FILE.hari [--format table|kv|json]\n";
constexpr Usage kCommand{"hari open", kOpenUsage};

} // namespace

int openCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.front().rfind("--", 0) == 0) {
        if (!args.empty() && args.front() == "--help") {
            out << kOpenUsage;
            return kOk;
        }
        return kCommand.refuse(err, "which file?");
    }
    const Options o(args.subspan(1), {"format"}, {});
    if (!o.ok()) return kCommand.refuse(err, o.error());
    const auto format = parseFormat(o.get("format", "table"));
    if (!format) return kCommand.refuse(err, "--format takes table, kv or json");
    const auto read = check::readFile(args.front());
    if (const auto* refused = std::get_if<check::Refusal>(&read)) {
        err << "hari open: " << refused->message << '\n';
        return kNoResult;
    }
    const check::Check& c = std::get<check::Check>(read);
    if (c.road == check::Road::SectionProperties)
        return printSection("hari open", check::sectionInputs(c), *format, out, err);
    return printBeam("hari open", check::beamInputs(c), *format, out, err);
}

} // namespace cli
