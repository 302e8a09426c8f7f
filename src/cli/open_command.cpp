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

} // namespace

int openCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.front().rfind("--", 0) == 0) {
        if (!args.empty() && args.front() == "--help") {
            out << kOpenUsage;
            return kOk;
        }
        err << "hari open: which file?\n" << kOpenUsage;
        return kUsage;
    }
    const Options o(args.subspan(1), {"format"}, {});
    if (!o.ok()) {
        err << "hari open: " << o.error() << '\n' << kOpenUsage;
        return kUsage;
    }
    const auto format = parseFormat(o.get("format", "table"));
    if (!format) {
        err << "hari open: --format takes table, kv or json\n" << kOpenUsage;
        return kUsage;
    }
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
