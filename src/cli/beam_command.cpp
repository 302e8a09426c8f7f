// `hari beam`: one beam case from the command line, with the texts the calculation screen
// would show.
#include <charconv>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "beam/dispatch.hpp"
#include "cli/args.hpp"
#include "cli/cli.hpp"
#include "cli/saving.hpp"
#include "common/shape_codes.hpp"
#include "common/numtext.hpp"

namespace cli {

namespace {

constexpr std::string_view kBeamUsage =
    "usage: hari beam --structure S --case C --load X [--unit N|kN|kg] [--per-metre]\n"
    "                 --span L [--l1 A] --z Z --i I --e E --mass M --allow F\n"
    "                 [--format table|kv|json]\n"
    "  S  1 cantilever, 2 vertical cantilever, 3 simply supported, 4 fixed at both ends,\n"
    "     5 pinned at the left, fixed at the right\n"
    "  C  cantilevers: 1 point load at the free end, 2 uniform load, 3 uniform load over L1\n"
    "     at the free end; others: 1 point load at mid-span, 2 point load at L1 from the\n"
    "     left end, 3 uniform load\n"
    "  --per-metre  the load of a uniform case is per metre, not the total\n"
    "  lengths in mm; Z in cm3, I in cm4, E and F in N/mm2, M in kg/m\n"
    "  --save FILE.hari --material N --area A --radius R [--title T] [--member B]\n"
    "     also saves the check: material N of the list (1 鋼材－SS400 ... 14), the section\n"
    "     typed in (A in cm2, R in cm), 件名 and 部材名\n";

int usageError(std::ostream& err, const std::string& problem) {
    err << "hari beam: " << problem << '\n' << kBeamUsage;
    return kUsage;
}

std::optional<int> smallInteger(const std::string& text, int low, int high) {
    int v = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || v < low || v > high) return std::nullopt;
    return v;
}

std::optional<beam::LoadUnit> parseUnit(const std::string& text) {
    if (text == "N") return beam::LoadUnit::N;
    if (text == "kN") return beam::LoadUnit::kN;
    if (text == "kg") return beam::LoadUnit::kg;
    return std::nullopt;
}

// Why nothing was calculated: the screen's own message where it shows one.
std::string reason(beam::Problem problem) {
    switch (problem) {
    case beam::Problem::LoadNotPositive:
        return "the load must be a positive number";
    case beam::Problem::SpanNotPositive:
        return "the span must be a positive number";
    case beam::Problem::L1NotPositive:
        return "L1 must be a positive number";
    case beam::Problem::UnknownCase:
        return "no such structure and load case";
    default:
        break;
    }
    std::string message(beam::problemMessage(problem));
    if (!message.empty() && message.front() == ' ') message.erase(0, 1);
    return message;
}

struct Shown {
    beam::ResultTexts results;
    beam::TwinTexts old;
    std::string hantei, maru, formula;
};

Fields kvFields(const Shown& s) {
    const beam::TwinTexts& si = s.results.si;
    const beam::DeflectionTexts& d = s.results.deflections;
    return {
        {"Textkaju", si.kaju},
        {"Textkajumo", si.kajumo},
        {"Textkajumage", si.kajumage},
        {"Textjiju", si.jiju},
        {"Textjmo", si.jmo},
        {"Textjmage", si.jmage},
        {"Textkajut", si.kajut},
        {"Textmot", si.mot},
        {"Textmaget", si.maget},
        {"Textkajutawami", d.kajutawami},
        {"Textjtawami", d.jtawami},
        {"Texttawamit", d.tawamit},
        {"Labelmagehikaku", s.results.labelmagehikaku},
        {"Labeltawamihikaku", s.results.labeltawamihikaku.value_or("")},
        {"Label判定", s.hantei},
        {"Label丸", s.maru},
        {"Label式", s.formula},
        {"TextkajuOld", s.old.kaju},
        {"TextkajumoOld", s.old.kajumo},
        {"TextkajumageOld", s.old.kajumage},
        {"TextjijuOld", s.old.jiju},
        {"TextjmoOld", s.old.jmo},
        {"TextjmageOld", s.old.jmage},
        {"TextkajutOld", s.old.kajut},
        {"TextmotOld", s.old.mot},
        {"TextmagetOld", s.old.maget},
    };
}

std::string_view structureName(beam::Structure s) {
    switch (s) {
    case beam::Structure::Cantilever:
        return "片持ち梁";
    case beam::Structure::VerticalCantilever:
        return "垂直片持ち梁";
    case beam::Structure::SimplySupported:
        return "両端支持梁";
    case beam::Structure::FixedBothEnds:
        return "両端固定梁";
    case beam::Structure::PinnedFixed:
        break;
    }
    return "一端ピン・他端固定梁";
}

std::string_view loadCaseName(beam::Structure s, beam::LoadCase loadCase) {
    const bool cantilever =
        s == beam::Structure::Cantilever || s == beam::Structure::VerticalCantilever;
    if (loadCase == beam::LoadCase::Case1) return cantilever ? "先端集中荷重" : "中央集中荷重";
    if (loadCase == beam::LoadCase::Case2) return cantilever ? "全長等分布荷重" : "L1 位置の集中荷重";
    return cantilever ? "先端 L1 部分の等分布荷重" : "全長等分布荷重";
}

// The table's rows: a Japanese label and the field whose text it shows.
constexpr std::pair<std::string_view, std::string_view> kTableRows[] = {
    {"荷重 (N)", "Textkaju"},
    {"  モーメント (N・m)", "Textkajumo"},
    {"  最大曲げ応力 (N/mm2)", "Textkajumage"},
    {"  たわみ量 (mm)", "Textkajutawami"},
    {"自重 (N)", "Textjiju"},
    {"  モーメント (N・m)", "Textjmo"},
    {"  最大曲げ応力 (N/mm2)", "Textjmage"},
    {"  たわみ量 (mm)", "Textjtawami"},
    {"荷重＋自重 (N)", "Textkajut"},
    {"  モーメント (N・m)", "Textmot"},
    {"  最大曲げ応力 (N/mm2)", "Textmaget"},
    {"  たわみ量 (mm)", "Texttawamit"},
    {"曲げ応力 率", "Labelmagehikaku"},
    {"たわみ 率", "Labeltawamihikaku"},
    {"荷重 [kg]", "TextkajuOld"},
    {"  モーメント [kg・cm]", "TextkajumoOld"},
    {"  最大曲げ応力 [kg/cm2]", "TextkajumageOld"},
    {"自重 [kg]", "TextjijuOld"},
    {"  モーメント [kg・cm]", "TextjmoOld"},
    {"  最大曲げ応力 [kg/cm2]", "TextjmageOld"},
    {"荷重＋自重 [kg]", "TextkajutOld"},
    {"  モーメント [kg・cm]", "TextmotOld"},
    {"  最大曲げ応力 [kg/cm2]", "TextmagetOld"},
};

Fields tableRows(const beam::Inputs& in, const Shown& s) {
    const Fields fields = kvFields(s);
    const auto text = [&](std::string_view name) {
        for (const auto& [field, value] : fields)
            if (field == name) return value;
        return std::string();
    };
    Fields rows = {
        {"梁形式", std::string(structureName(in.structure))},
        {"荷重条件", std::string(loadCaseName(in.structure, in.loadCase))},
        {"式", s.formula},
    };
    for (const auto& [label, name] : kTableRows) {
        rows.emplace_back(std::string(label), text(name));
        if (name == "Labeltawamihikaku")
            rows.emplace_back("判定", s.maru.empty() ? s.hantei : s.hantei + "  " + s.maru);
    }
    return rows;
}

// The check the command line describes, for --save: the material of the list, the section
// properties typed in, and the inputs as given.
int saveBeam(const Options& o, const beam::Inputs& in, beam::LoadUnit unit, std::ostream& err) {
    for (const char* name : {"material", "area", "radius"})
        if (!o.has(name))
            return usageError(err, std::string("--save needs --") + name +
                                       ": a saved check holds the whole road");
    check::Check c;
    c.road = check::Road::BeamCalculation;
    c.structure = in.structure;
    c.loadCase = in.loadCase;
    if (!listMaterial(*o.get("material"), c.material))
        return usageError(err, "--material takes a list entry 1 to 14");
    c.section.source = check::SectionSource::Typed;
    c.section.shape = shape::kDirectEntry;
    const std::pair<const char*, std::string*> figures[] = {
        {"area", &c.section.area}, {"mass", &c.section.mass}, {"z", &c.section.z},
        {"i", &c.section.i},       {"radius", &c.section.radius}};
    for (const auto& [name, figure] : figures) {
        const auto number = check::numberText(*o.get(name));
        if (!number) return usageError(err, std::string("--save needs a positive --") + name);
        *figure = *number;
    }
    check::Inputs& t = c.inputs;
    t.load = *o.get("load");
    t.span = *o.get("span");
    t.l1 = o.get("l1", "");
    t.unit = unit;
    t.mode = in.loadMode;
    t.z = in.zText;
    t.i = in.iText;
    t.e = in.eText;
    t.mass = in.massText;
    t.allow = in.allowText;
    return saveCheck("hari beam", o, c, err);
}

} // namespace

int printBeam(std::string_view command, const beam::Inputs& in, OutputFormat format,
              std::ostream& out, std::ostream& err) {
    const beam::Outcome r = beam::calcDispatch(in);
    if (!r.calculated()) {
        err << command << ": " << reason(r.problem) << '\n';
        return kNoResult;
    }
    if (r.problem != beam::Problem::None) err << command << ": " << reason(r.problem) << '\n';

    Shown s;
    s.results = *r.results;
    s.old = r.old;
    if (r.verdict) {
        s.hantei = r.verdict->label判定;
        s.maru = r.verdict->label丸;
    }
    s.formula = r.formula.value_or("");
    switch (format) {
    case OutputFormat::Kv:
        writeKv(out, kvFields(s));
        break;
    case OutputFormat::Json:
        writeJsonObject(out, kvFields(s));
        out << '\n';
        break;
    case OutputFormat::Table:
        writeTable(out, tableRows(in, s));
        break;
    }
    return kOk;
}

int beamCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const Options o(args,
                    {"structure", "case", "load", "unit", "span", "l1", "z", "i", "e", "mass",
                     "allow", "format", "save", "material", "area", "radius", "title", "member"},
                    {"per-metre", "help"});
    if (o.ok() && o.has("help")) {
        out << kBeamUsage;
        return kOk;
    }
    if (!o.ok()) return usageError(err, o.error());
    for (const char* name : {"structure", "case", "load", "span", "z", "i", "e", "mass", "allow"})
        if (!o.has(name)) return usageError(err, std::string("--") + name + " is required");

    const auto structure = smallInteger(*o.get("structure"), 1, 5);
    if (!structure) return usageError(err, "--structure takes 1 to 5");
    const auto loadCase = smallInteger(*o.get("case"), 1, 3);
    if (!loadCase) return usageError(err, "--case takes 1 to 3");
    const auto unit = parseUnit(o.get("unit", "N"));
    if (!unit) return usageError(err, "--unit takes N, kN or kg");
    const auto format = parseFormat(o.get("format", "table"));
    if (!format) return usageError(err, "--format takes table, kv or json");

    beam::Inputs in;
    in.structure = static_cast<beam::Structure>(*structure);
    in.loadCase = static_cast<beam::LoadCase>(*loadCase);
    if (o.has("per-metre")) {
        if (!beam::isDistributed(in.structure, in.loadCase))
            return usageError(err, "--per-metre applies to a uniform load only");
        in.loadMode = beam::LoadMode::PerMetre;
    }
    if (beam::usesL1(in.structure, in.loadCase) != o.has("l1"))
        return usageError(err, o.has("l1") ? "--l1 is not used by this load case"
                                           : "--l1 is required by this load case");
    // The numbers are read as the screen reads its fields: a text without a number is 0.
    in.loadN = beam::toNewtons(numtext::value(*o.get("load")), *unit);
    in.spanMm = numtext::value(*o.get("span"));
    in.l1Mm = numtext::value(o.get("l1", ""));
    in.zText = *o.get("z");
    in.iText = *o.get("i");
    in.eText = *o.get("e");
    in.massText = *o.get("mass");
    in.allowText = *o.get("allow");

    if (o.has("save")) {
        const auto saved = saveBeam(o, in, *unit, err);
        if (saved != kOk) return saved;
    }
    return printBeam("hari beam", in, *format, out, err);
}

} // namespace cli
