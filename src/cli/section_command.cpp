// `hari section`: one section from its dimensions, computed as the section calculator does.
#include "cli/args.hpp"
#include "cli/cli.hpp"
#include "cli/saving.hpp"
#include "common/numtext.hpp"
#include "section/calc.hpp"

#include <string_view>
#include <vector>

namespace cli {
namespace {

constexpr std::string_view kSectionUsage =
    "usage: hari section --shape CODE --dims D1,D2,... [--sg G] [--format table|kv|json]\n"
    "  CODE  1-6, 13-15, 17-25; the dimensions in mm in the field order of the shape,\n"
    "        G the specific gravity (default 7.85)\n";
constexpr Usage kCommand{"hari section", kSectionUsage};

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

bool blank(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

std::string nameOf(const section::DimensionField& f) {
    return std::string(f.symbol) + " (" + std::string(f.caption) + ")";
}

} // namespace

int sectionCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const Options o(args, {"shape", "dims", "sg", "format", "save", "material", "title", "member"},
                    {});
    if (!o.ok()) return kCommand.refuse(err, o.error());
    const auto shapeCode = wholeNumber(o.get("shape", ""));
    if (!shapeCode) return kCommand.refuse(err, "--shape needs a shape code");
    const auto format = parseFormat(o.get("format", "table"));
    if (!format) {
        err << "hari section: --format is table, kv or json\n";
        return kUsage;
    }
    if (o.has("save") && !o.has("material"))
        return kCommand.refuse(err, "--save needs --material: a saved check holds the whole road");
    check::Material listed;
    if (o.has("material") && !listMaterial(*o.get("material"), listed))
        return kCommand.refuse(err, "--material takes a list entry 1 to 14");
    const double sg = o.has("sg")         ? numtext::value(*o.get("sg"))
                      : o.has("material") ? numtext::value(listed.hiju)
                                          : 7.85;
    if (!(sg > 0)) {
        err << "hari section: --sg needs a positive specific gravity\n";
        return kUsage;
    }
    const auto shape = section::shapeLayout(*shapeCode);
    if (!shape) {
        err << "hari section: shape " << *shapeCode << " is not computed from dimensions\n";
        return kNoResult;
    }

    const std::vector<std::string> given =
        o.has("dims") ? splitCommas(*o.get("dims")) : std::vector<std::string>{};
    if (given.size() > shape->fields.size()) {
        err << "hari section: shape " << *shapeCode << " takes " << shape->fields.size()
            << " dimensions:";
        for (const auto& f : shape->fields)
            err << ' ' << f.symbol;
        err << '\n';
        return kUsage;
    }
    section::Inputs in{*shapeCode, {}, sg};
    for (std::size_t n = 0; n < shape->fields.size(); ++n) {
        const auto& field = shape->fields[n];
        if (n >= given.size() || blank(given[n])) {
            err << "hari section: dimension " << nameOf(field) << " is missing\n";
            return kNoResult;
        }
        const double v = numtext::value(given[n]);
        if (!(v > 0)) {
            err << "hari section: dimension " << nameOf(field) << " must be positive, not '"
                << given[n] << "'\n";
            return kNoResult;
        }
        in.hen[field.hen - 1] = v;
    }

    if (o.has("save")) {
        check::Check c;
        c.road = check::Road::SectionProperties;
        c.material = listed;
        if (o.has("sg")) {
            const auto sgText = check::numberText(*o.get("sg"));
            if (!sgText) {
                err << "hari section: --sg is not a plain number to save\n";
                return kUsage;
            }
            c.material.hiju = *sgText;
        }
        c.section.source = check::SectionSource::Calculator;
        c.section.shape = *shapeCode;
        for (std::size_t n = 0; n < shape->fields.size(); ++n) {
            const auto number = check::numberText(given[n]);
            if (!number) {
                err << "hari section: dimension " << nameOf(shape->fields[n])
                    << " is not a plain number to save\n";
                return kUsage;
            }
            c.section.dims.push_back(*number);
        }
        if (const int saved = saveCheck("hari section", o, c, err); saved != kOk) return saved;
    }
    return printSection("hari section", in, *format, out, err);
}

int printSection(std::string_view command, const section::Inputs& in, OutputFormat format,
                 std::ostream& out, std::ostream& err) {
    const section::Outcome r = section::calc01(in);
    switch (r.status) {
    case section::Status::Computed:
        break;
    case section::Status::Refused:
        err << r.bikou.value_or("") << '\n';
        return kNoResult;
    case section::Status::OutOfRange:
        err << command << ": the dimensions give results beyond the range of numbers\n";
        return kNoResult;
    case section::Status::Incomplete:
    case section::Status::NotComputed:
        err << command << ": no section\n";
        return kNoResult;
    }

    Fields fields;
    const bool labels = format == OutputFormat::Table;
    for (std::size_t n = 0; n < section::kResultFieldCount; ++n) {
        const auto& info = section::resultFieldInfo(static_cast<section::ResultField>(n));
        fields.emplace_back(labels ? info.caption : info.control, r.display->fields[n].text);
    }
    fields.emplace_back(labels ? "断面サイズ" : "Labeldsize", *r.designation);
    if (r.bikou && !labels) fields.emplace_back("LbBikou", *r.bikou);

    switch (format) {
    case OutputFormat::Kv:
        writeKv(out, fields);
        break;
    case OutputFormat::Json:
        writeJsonObject(out, fields);
        out << '\n';
        break;
    case OutputFormat::Table:
        writeTable(out, fields);
        if (r.bikou) out << *r.bikou << '\n';
        break;
    }
    if (r.flgDSize == 1)
        err << command << ": the section is too small to go on with (I ≤ 0.001 cm4)\n";
    return kOk;
}

} // namespace cli
