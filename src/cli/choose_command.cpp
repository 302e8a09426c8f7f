// `hari choose`: every size of a material's table checked for one beam, lightest first, with
// the texts the calculation screen would show for each size, as the window 断面選定 lists them.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "catalog/data_folder.hpp"
#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "choose/ranking.hpp"
#include "choose/sizes.hpp"
#include "cli/args.hpp"
#include "cli/beam_options.hpp"
#include "cli/cli.hpp"

namespace cli {

namespace {

constexpr std::string_view kChooseUsage =
    "usage: hari choose --structure S --case C --load X [--unit N|kN|kg] [--per-metre]\n"
    "                   --span L [--l1 A] --material M --shape K|all [--term long|short]\n"
    "                   [--deflection N] [--format table|kv|json] [--data DIR]\n"
    "  S, C, X, L, A  as for hari beam\n"
    "  M  material number 1 to 14 of the material list; K a shape code, or all for every\n"
    "     shape of the material's size table\n"
    "  --term short  a size passes at 短期 OK too (default: 長期 OK only)\n"
    "  --deflection N  a size whose total deflection is worse than 1/N of the span fails\n"
    "  status 0 when a size passes, 3 when none does, 2 when the input gives no result\n";

constexpr Usage kCommand{"hari choose", kChooseUsage};

std::vector<std::string> kvCells(const choose::Row& r) {
    return {std::to_string(r.shape), r.designation, r.mass, r.stress, r.stressRatio, r.deflection,
            r.deflectionRatio,       r.verdict};
}

void writeTableRows(std::ostream& out, const choose::Ranking& ranking, int zaitype) {
    std::vector<std::array<std::string, choose::kColumns>> rows(1);
    for (std::size_t c = 0; c < choose::kColumns; ++c)
        rows[0][c] = std::string(choose::kColumnTitles[c]);
    for (const choose::Row& r : ranking.rows)
        rows.push_back(choose::cells(r, zaitype));
    std::array<std::size_t, choose::kColumns> widths{};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const bool marked = ranking.lightest && n == *ranking.lightest + 1;
        out << (marked ? "* " : "  ");
        for (std::size_t c = 0; c < rows[n].size(); ++c) {
            out << rows[n][c];
            if (c + 1 < rows[n].size())
                out << std::string(widths[c] - displayWidth(rows[n][c]) + 2, ' ');
        }
        out << '\n';
    }
}

} // namespace

int chooseCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    std::set<std::string> valued = kBeamValued;
    valued.insert({"material", "shape", "term", "deflection", "format", "data"});
    std::set<std::string> flags = kBeamFlags;
    flags.insert("help");
    const Options o(args, valued, flags);
    if (o.ok() && o.has("help")) {
        out << kCommand.text;
        return kOk;
    }
    if (!o.ok()) return kCommand.refuse(err, o.error());
    choose::Request request;
    if (const auto problem = readBeam(o, request.beam)) return kCommand.refuse(err, *problem);
    const int materials = static_cast<int>(catalog::materials().size());
    const auto zaitype = smallInteger(o.get("material", ""), 1, materials);
    if (!zaitype) return kCommand.refuse(err, "--material takes a material number from 1 to 14");
    const std::string shapeText = o.get("shape", "");
    std::optional<int> shape;
    if (shapeText != "all") {
        shape = smallInteger(shapeText, 1, 99);
        if (!shape || !catalog::shape(*shape))
            return kCommand.refuse(err, "--shape takes a shape code of the shape panel or all");
    }
    const std::string term = o.get("term", "long");
    if (term != "long" && term != "short")
        return kCommand.refuse(err, "--term takes long or short");
    request.term = term == "short" ? choose::Term::Short : choose::Term::Long;
    if (o.has("deflection")) {
        request.deflectionLimit = smallInteger(*o.get("deflection"), 1, 1000000);
        if (!request.deflectionLimit)
            return kCommand.refuse(err, "--deflection takes a whole number n of the limit 1/n");
    }
    const auto format = parseFormat(o.get("format", "table"));
    if (!format) return kCommand.refuse(err, "--format takes table, kv or json");

    const catalog::Material& m = *catalog::material(*zaitype);
    const catalog::MaterialTexts texts = catalog::siTexts(m);
    request.beam.eText = texts.yang;
    request.beam.allowText = texts.kmage;
    request.specificGravityText = texts.hiju;

    const std::vector<std::filesystem::path> folders =
        o.has("data") ? std::vector<std::filesystem::path>{o.get("data", "")}
                      : catalog::defaultDataFolders();
    const choose::Sizes sizes = choose::loadSizes(*zaitype, shape, folders);
    if (!sizes.ok()) {
        err << "hari choose: cannot read " << sizes.error << '\n';
        return kNoResult;
    }
    if (sizes.rows.empty()) {
        err << "hari choose: " << m.zaisitu << ": " << catalog::kNoListCaption << '\n';
        return kNoResult;
    }
    const choose::Ranking ranking = choose::rank(request, sizes.rows);
    if (!ranking.ranked()) {
        err << "hari choose: " << problemReason(ranking.problem) << '\n';
        return kNoResult;
    }
    const std::string lightest =
        ranking.lightest ? ranking.rows[*ranking.lightest].designation : std::string();
    switch (*format) {
    case OutputFormat::Kv:
        for (const choose::Row& r : ranking.rows) {
            const std::vector<std::string> cells = kvCells(r);
            for (std::size_t c = 0; c < cells.size(); ++c)
                out << (c ? "\t" : "") << cells[c];
            out << '\n';
        }
        out << "lightest=" << lightest << '\n';
        break;
    case OutputFormat::Json: {
        static const char* const names[] = {"shape",           "designation", "mass",
                                            "stress",          "stressRatio", "deflection",
                                            "deflectionRatio", "verdict"};
        out << "{\"rows\": [";
        for (std::size_t n = 0; n < ranking.rows.size(); ++n) {
            const std::vector<std::string> cells = kvCells(ranking.rows[n]);
            Fields fields;
            for (std::size_t c = 0; c < cells.size(); ++c)
                fields.emplace_back(names[c], cells[c]);
            out << (n ? ",\n  " : "\n  ");
            writeJsonObject(out, fields, "");
        }
        out << "],\n \"lightest\": \"" << jsonEscape(lightest) << "\"}\n";
        break;
    }
    case OutputFormat::Table:
        out << m.zaisitu << "  (" << sizes.path.string() << ")\n"
            << choose::lightestCaption(ranking, request.term) << '\n';
        writeTableRows(out, ranking, *zaitype);
        break;
    }
    return ranking.lightest ? kOk : kNoneFits;
}

} // namespace cli
