// `hari sizes --material N --shape C [--format table|kv|json] [--data DIR]`: the sizes the size
// screen lists for a material and shape, each with the texts the screen shows for it. The
// tables are looked for in the working directory, then beside the program; --data names the
// one folder to read them from instead.
#include <algorithm>
#include <string>
#include <vector>

#include "catalog/data_folder.hpp"
#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "catalog/size_table.hpp"
#include "cli/args.hpp"
#include "cli/cli.hpp"

namespace cli {
namespace {

// The names of the screen's boxes, in the order every format prints them.
const std::vector<std::string> kColumns = {"DanmenSize", "Text面積", "Textjuryou", "TextjuryouSI",
                                           "Textdz",     "Textdi",   "TxtD2r"};

std::vector<std::string> rowTexts(const catalog::SelectedSize& s) {
    return {s.danmenSize, s.textMenseki, s.textJuryou, s.textJuryouSI,
            s.textDz,     s.textDi,      s.txtD2r};
}

void writeColumns(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths(kColumns.size());
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        widths[c] = displayWidth(kColumns[c]);
        for (const auto& row : rows)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            out << cells[c];
            if (c + 1 < cells.size())
                out << std::string(widths[c] - displayWidth(cells[c]) + 2, ' ');
        }
        out << '\n';
    };
    line(kColumns);
    for (const auto& row : rows)
        line(row);
}

} // namespace

int sizesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const Options opts(args, {"material", "shape", "format", "data"}, {});
    if (!opts.ok()) {
        err << "hari sizes: " << opts.error() << '\n';
        return kUsage;
    }
    const std::optional<int> zaitype = wholeNumber(opts.get("material", ""));
    const std::optional<int> code = wholeNumber(opts.get("shape", ""));
    const std::optional<OutputFormat> format = parseFormat(opts.get("format", "table"));
    if (!zaitype || !catalog::material(*zaitype)) {
        err << "hari sizes: --material takes a material number from 1 to "
            << catalog::materials().size() << '\n';
        return kUsage;
    }
    if (!code || !catalog::shape(*code)) {
        err << "hari sizes: --shape takes a shape code of the shape panel (1-6, 9-15, 17-27, "
               "88, 99)\n";
        return kUsage;
    }
    if (!format) {
        err << "hari sizes: --format is table, kv or json\n";
        return kUsage;
    }
    const catalog::Material& m = *catalog::material(*zaitype);
    const std::string shapeName = catalog::familyShapeName(*code, *zaitype);
    const std::string label = std::string(m.zaisitu) + " - " + shapeName;
    if (catalog::noListMode(*code, m.family) != catalog::NoListMode::KeepsList) {
        err << "hari sizes: " << label << ": " << catalog::kNoListCaption << " (no size list for "
            << "shape " << *code << " in this material)\n";
        return kNoResult;
    }
    const std::vector<std::filesystem::path> folders =
        opts.has("data") ? std::vector<std::filesystem::path>{opts.get("data", "")}
                         : catalog::defaultDataFolders();
    const catalog::SizeList list = catalog::loadSizeList(*zaitype, *code, folders);
    if (!list.table.ok()) {
        err << "hari sizes: cannot read " << list.table.error << '\n';
        return kNoResult;
    }
    if (list.table.rows.empty()) {
        err << "hari sizes: " << label << ": " << catalog::kNoListCaption << " ("
            << list.path.string() << " has no sizes of shape " << *code << ")\n";
        return kNoResult;
    }
    if (list.table.droppedRows > 0)
        err << "hari sizes: " << list.path.string() << ": only the first " << catalog::kMaxRows
            << " sizes are listed, " << list.table.droppedRows << " more are left out\n";

    const std::string sgText = catalog::siTexts(m).hiju;
    std::vector<std::vector<std::string>> rows;
    for (const catalog::SizeRow& row : list.table.rows)
        rows.push_back(rowTexts(catalog::selectSize(row, sgText)));

    switch (*format) {
    case OutputFormat::Kv:
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c)
                out << (c ? "\t" : "") << row[c];
            out << '\n';
        }
        break;
    case OutputFormat::Json:
        out << "[";
        for (std::size_t r = 0; r < rows.size(); ++r) {
            Fields fields;
            for (std::size_t c = 0; c < kColumns.size(); ++c)
                fields.emplace_back(kColumns[c], rows[r][c]);
            out << (r ? ",\n " : "");
            writeJsonObject(out, fields, "");
        }
        out << "]\n";
        break;
    case OutputFormat::Table:
        out << label << "  (" << list.path.string() << ")\n";
        writeColumns(out, rows);
        break;
    }
    return kOk;
}

} // namespace cli
