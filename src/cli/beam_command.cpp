// `hari beam`: one beam case from the command line, with the texts the calculation screen
// would show.
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "beam/dispatch.hpp"
#include "cli/args.hpp"
#include "cli/beam_options.hpp"
#include "cli/cli.hpp"
#include "cli/saving.hpp"
#include "common/numtext.hpp"
#include "common/shape_codes.hpp"

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

constexpr Usage kCommand{"hari beam", kBeamUsage};

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
    if (loadCase == beam::LoadCase::Case2)
        return cantilever ? "全長等分布荷重" : "L1 位置の集中荷重";
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
            return kCommand.refuse(err, std::string("--save needs --") + name +
                                            ": a saved check holds the whole road");
    check::Check c;
    c.road = check::Road::BeamCalculation;
    c.structure = in.structure;
    c.loadCase = in.loadCase;
    if (!listMaterial(*o.get("material"), c.material))
        return kCommand.refuse(err, "--material takes a list entry 1 to 14");
    c.section.source = check::SectionSource::Typed;
    c.section.shape = shape::kDirectEntry;
    const std::pair<const char*, std::string*> figures[] = {{"area", &c.section.area},
                                                            {"mass", &c.section.mass},
                                                            {"z", &c.section.z},
                                                            {"i", &c.section.i},
                                                            {"radius", &c.section.radius}};
    for (const auto& [name, figure] : figures) {
        const auto number = check::numberText(*o.get(name));
        if (!number) return kCommand.refuse(err, std::string("--save needs a positive --") + name);
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
        err << command << ": " << problemReason(r.problem) << '\n';
        return kNoResult;
    }
    if (r.problem != beam::Problem::None)
        err << command << ": " << problemReason(r.problem) << '\n';

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
    std::set<std::string> valued = kBeamValued;
    valued.insert({"z", "i", "e", "mass", "allow", "format", "save", "material", "area", "radius",
                   "title", "member"});
    std::set<std::string> flags = kBeamFlags;
    flags.insert("help");
    const Options o(args, valued, flags);
    if (o.ok() && o.has("help")) {
        out << kCommand.text;
        return kOk;
    }
    if (!o.ok()) return kCommand.refuse(err, o.error());
    beam::Inputs in;
    if (const auto problem = readBeam(o, in)) return kCommand.refuse(err, *problem);
    for (const char* name : {"z", "i", "e", "mass", "allow"})
        if (!o.has(name)) return kCommand.refuse(err, std::string("--") + name + " is required");
    const auto format = parseFormat(o.get("format", "table"));
    if (!format) return kCommand.refuse(err, "--format takes table, kv or json");

    in.zText = *o.get("z");
    in.iText = *o.get("i");
    in.eText = *o.get("e");
    in.massText = *o.get("mass");
    in.allowText = *o.get("allow");

    if (o.has("save")) {
        const std::optional<beam::LoadUnit> unit = parseUnit(o.get("unit", "N"));
        const auto saved = saveBeam(o, in, *unit, err);
        if (saved != kOk) return saved;
    }
    return printBeam("hari beam", in, *format, out, err);
}

} // namespace cli
