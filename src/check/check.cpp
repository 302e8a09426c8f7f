#include "check/check.hpp"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "check/json.hpp"
#include "common/numtext.hpp"
#include "section/shapes.hpp"

namespace check {
namespace {

using json::Object;
using json::Value;

std::string inBrackets(std::string_view s) {
    return "「" + std::string(s) + "」";
}

std::size_t codePoints(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string_view roadCode(Road r) {
    return r == Road::SectionProperties ? "section" : "beam";
}
std::string_view sourceCode(SectionSource s) {
    switch (s) {
    case SectionSource::Calculator:
        return "calculator";
    case SectionSource::Typed:
        return "typed";
    case SectionSource::Table:
        break;
    }
    return "table";
}
std::string_view unitCode(beam::LoadUnit u) {
    return beam::kajutan(u);
}
std::string_view modeCode(beam::LoadMode m) {
    return m == beam::LoadMode::PerMetre ? "per-metre" : "total";
}
std::string_view displayCode(DisplayUnits d) {
    return d == DisplayUnits::Old ? "old" : "SI";
}

// Reading one object: every member looked up by its key path for the messages; a member the
// format does not know is refused, so that nothing in a file is silently dropped.
class Reader {
public:
    Reader(const Object& o, std::string path) : o_(o), path_(std::move(path)) {}

    // The refusal so far, if any; the first one wins.
    const std::optional<std::string>& problem() const { return problem_; }

    void allow(std::initializer_list<std::string_view> keys) {
        for (const auto& [k, v] : o_) {
            bool known = false;
            for (std::string_view key : keys)
                known = known || k == key;
            if (!known) refuse(inBrackets(name(k)) + "という項目はこの形式にありません。");
        }
    }

    const Value* member(std::string_view key) {
        const Value* v = json::find(o_, key);
        if (!v) refuse(inBrackets(name(key)) + "がありません。");
        return v;
    }

    std::string string(std::string_view key, std::size_t maxChars) {
        const Value* v = member(key);
        if (!v) return {};
        const std::string* s = v->string();
        if (!s) {
            refuse(inBrackets(name(key)) + "は文字列でなければなりません。");
            return {};
        }
        if (codePoints(*s) > maxChars)
            refuse(inBrackets(name(key)) + "が長すぎます（" + std::to_string(maxChars) +
                   " 文字まで）。");
        return *s;
    }

    bool boolean(std::string_view key) {
        const Value* v = member(key);
        if (!v) return false;
        if (!v->boolean()) {
            refuse(inBrackets(name(key)) + "は true か false でなければなりません。");
            return false;
        }
        return *v->boolean();
    }

    // A whole number between `low` and `high`; `what` names the kind of code in the message.
    int code(std::string_view key, int low, int high, std::string_view what) {
        const Value* v = member(key);
        if (!v) return low;
        const json::Number* n = v->number();
        if (!n || n->text.find_first_of(".eE") != std::string::npos) {
            refuse(inBrackets(name(key)) + "は整数でなければなりません。");
            return low;
        }
        if (!(n->value >= low && n->value <= high)) {
            refuse(inBrackets(name(key)) + "の " + n->text + " という" + std::string(what) +
                   "はありません。");
            return low;
        }
        return static_cast<int>(n->value);
    }

    // One of the words of `codes`, by its position.
    template <std::size_t N>
    int word(std::string_view key, const std::string_view (&codes)[N], std::string_view what) {
        const std::string text = string(key, 100);
        for (std::size_t k = 0; k < N; ++k)
            if (text == codes[k]) return static_cast<int>(k);
        if (!problem_)
            refuse(inBrackets(name(key)) + "の" + inBrackets(text) + "という" + std::string(what) +
                   "はありません。");
        return 0;
    }

    std::string positive(const Value* v, const std::string& shownName) {
        if (!v) return {};
        const json::Number* n = v->number();
        if (!n) {
            refuse(inBrackets(shownName) + "は数値でなければなりません。");
            return {};
        }
        if (!std::isfinite(n->value) || !(n->value > 0)) {
            refuse(inBrackets(shownName) + "の " + n->text +
                   " は使えません（正の有限の数が必要です）。");
            return {};
        }
        if (n->text.size() > 40) {
            refuse(inBrackets(shownName) + "の数値が長すぎます（40 文字まで）。");
            return {};
        }
        return n->text;
    }
    std::string positive(std::string_view key) {
        return positive(member(key), name(key));
    }

    const Object* object(std::string_view key) {
        const Value* v = member(key);
        if (!v) return nullptr;
        if (!v->object()) refuse(inBrackets(name(key)) + "はオブジェクト（{ }）でなければなりません。");
        return v->object();
    }

    std::string name(std::string_view key) const {
        return path_.empty() ? std::string(key) : path_ + "." + std::string(key);
    }

    void refuse(std::string why) {
        if (!problem_) problem_ = std::move(why);
    }

private:
    const Object& o_;
    std::string path_;
    std::optional<std::string> problem_;
};

constexpr std::string_view kRoads[] = {"beam", "section"};
constexpr std::string_view kSources[] = {"table", "calculator", "typed"};
constexpr std::string_view kUnits[] = {"N", "kN", "kg"};
constexpr std::string_view kModes[] = {"total", "per-metre"};
constexpr std::string_view kDisplays[] = {"SI", "old"};

void readMaterial(Reader& top, Check& c) {
    const Object* o = top.object("material");
    if (!o) return;
    Reader r(*o, "material");
    Material& m = c.material;
    m.typed = r.boolean("typed");
    if (m.typed)
        r.allow({"entry", "typed", "name", "kmage", "kashuku", "ksendan", "yang", "hiju"});
    else
        r.allow({"entry", "typed", "kmage", "kashuku", "ksendan", "yang", "hiju"});
    m.entry = r.code("entry", 1, static_cast<int>(catalog::materials().size()), "材質番号");
    if (m.typed) m.name = r.string("name", kMaxNameChars);
    m.kmage = r.positive("kmage");
    m.kashuku = r.positive("kashuku");
    m.ksendan = r.positive("ksendan");
    m.yang = r.positive("yang");
    m.hiju = r.positive("hiju");
    if (r.problem()) top.refuse(*r.problem());
}

void readSection(Reader& top, Check& c) {
    const Object* o = top.object("section");
    if (!o) return;
    Reader r(*o, "section");
    Section& s = c.section;
    s.source = static_cast<SectionSource>(r.word("source", kSources, "断面の出どころ"));
    if (r.problem()) {
        top.refuse(*r.problem());
        return;
    }
    const int shape = r.code("shape", 1, 99, "断面形状");
    if (!r.problem() && !catalog::shape(shape))
        r.refuse(inBrackets("section.shape") + "の " + std::to_string(shape) +
                 " という断面形状はありません。");
    s.shape = shape;
    switch (s.source) {
    case SectionSource::Calculator: {
        const auto layout = section::shapeLayout(shape);
        if (!r.problem() && !layout)
            r.refuse(inBrackets("section.shape") + "の断面形状 " + std::to_string(shape) +
                     " は寸法から計算できません。");
        r.allow({"source", "shape", "dims"});
        const Value* dims = r.member("dims");
        if (r.problem() || !dims) break;
        const json::Array* a = dims->array();
        if (!a) {
            r.refuse(inBrackets("section.dims") + "は数値の配列でなければなりません。");
            break;
        }
        if (a->size() != layout->fields.size()) {
            r.refuse(inBrackets("section.dims") + "には寸法が " +
                     std::to_string(layout->fields.size()) + " つ必要です（" +
                     std::to_string(a->size()) + " つあります）。");
            break;
        }
        for (std::size_t k = 0; k < a->size(); ++k)
            s.dims.push_back(r.positive(&(*a)[k], "section.dims[" + std::to_string(k) + "]"));
        break;
    }
    case SectionSource::Table:
    case SectionSource::Typed:
        if (s.source == SectionSource::Table) {
            r.allow({"source", "shape", "size", "area", "mass", "z", "i", "radius"});
            s.size = r.string("size", kMaxNameChars);
            if (!r.problem() && s.size.empty())
                r.refuse(inBrackets("section.size") + "が空です。");
            if (!r.problem() && shape == shape::kDirectEntry)
                r.refuse("直接入力の断面（形状 99）はサイズ表にありません。");
        } else {
            r.allow({"source", "shape", "area", "mass", "z", "i", "radius"});
        }
        s.area = r.positive("area");
        s.mass = r.positive("mass");
        s.z = r.positive("z");
        s.i = r.positive("i");
        s.radius = r.positive("radius");
        break;
    }
    if (r.problem()) top.refuse(*r.problem());
}

void readInputs(Reader& top, Check& c) {
    const Object* o = top.object("inputs");
    if (!o) return;
    Reader r(*o, "inputs");
    r.allow({"load", "span", "l1", "unit", "mode", "display", "z", "i", "e", "mass", "allow"});
    Inputs& in = c.inputs;
    in.load = r.string("load", kMaxInputChars);
    in.span = r.string("span", kMaxInputChars);
    in.l1 = r.string("l1", kMaxInputChars);
    in.unit = static_cast<beam::LoadUnit>(r.word("unit", kUnits, "荷重単位") + 1);
    in.mode = static_cast<beam::LoadMode>(r.word("mode", kModes, "荷重の入れ方") + 1);
    in.display = static_cast<DisplayUnits>(r.word("display", kDisplays, "表示単位"));
    in.z = r.string("z", kMaxInputChars);
    in.i = r.string("i", kMaxInputChars);
    in.e = r.string("e", kMaxInputChars);
    in.mass = r.string("mass", kMaxInputChars);
    in.allow = r.string("allow", kMaxInputChars);
    if (r.problem()) top.refuse(*r.problem());
}

// The check of a parsed document, or why it is not one.
std::variant<Check, std::string> fromDocument(const Value& doc) {
    const Object* o = doc.object();
    const Value* format = o ? json::find(*o, "format") : nullptr;
    if (!format || !format->string() || *format->string() != kFormat)
        return std::string("hari の検討ファイルではありません（\"format\": \"hari-check\" がありません）。");
    Reader r(*o, "");
    {
        const Value* version = r.member("version");
        const json::Number* n = version ? version->number() : nullptr;
        if (!n || n->text.find_first_of(".eE-") != std::string::npos || n->value < 1)
            return std::string(inBrackets("version") + "は 1 以上の整数でなければなりません。");
        if (n->value > kVersion)
            return "新しい版（第 " + n->text + " 版）の形式で保存されています。この hari が読めるのは第 " +
                   std::to_string(kVersion) + " 版までです。";
    }
    Check c;
    c.road = static_cast<Road>(r.word("road", kRoads, "道筋"));
    if (r.problem()) return *r.problem();
    const bool beamRoad = c.road == Road::BeamCalculation;
    if (beamRoad)
        r.allow({"format", "version", "program", "title", "member", "road", "structure",
                 "loadCase", "material", "section", "inputs"});
    else
        r.allow({"format", "version", "program", "title", "member", "road", "material",
                 "section"});
    c.program = r.string("program", kMaxNameChars);
    c.title = r.string("title", kMaxNameChars);
    c.member = r.string("member", kMaxNameChars);
    if (beamRoad) {
        c.structure = static_cast<beam::Structure>(r.code("structure", 1, 5, "梁形式"));
        c.loadCase = static_cast<beam::LoadCase>(r.code("loadCase", 1, 3, "荷重条件"));
    }
    readMaterial(r, c);
    readSection(r, c);
    if (!r.problem() && !beamRoad && c.section.source != SectionSource::Calculator)
        r.refuse("断面性能を調べる道筋の検討は断面図から計算した断面だけを保存します"
                 "（" + inBrackets("section.source") + "は \"calculator\" でなければなりません）。");
    if (beamRoad) readInputs(r, c);
    if (r.problem()) return *r.problem();
    return c;
}

std::string opening(std::string_view fileName) {
    return inBrackets(fileName) + "を開けません。";
}

Value number(const std::string& text) {
    return Value{json::Number{0, text}};
}
Value text(std::string_view s) {
    return Value{json::validUtf8(s)};
}

Value document(const Check& c) {
    Object o;
    o.emplace_back("format", text(kFormat));
    o.emplace_back("version", number(std::to_string(kVersion)));
    o.emplace_back("program", text(c.program));
    o.emplace_back("title", text(c.title));
    o.emplace_back("member", text(c.member));
    o.emplace_back("road", text(roadCode(c.road)));
    const bool beamRoad = c.road == Road::BeamCalculation;
    if (beamRoad) {
        o.emplace_back("structure", number(std::to_string(static_cast<int>(c.structure))));
        o.emplace_back("loadCase", number(std::to_string(static_cast<int>(c.loadCase))));
    }
    const Material& m = c.material;
    Object mo;
    mo.emplace_back("entry", number(std::to_string(m.entry)));
    mo.emplace_back("typed", Value{m.typed});
    if (m.typed) mo.emplace_back("name", text(m.name));
    mo.emplace_back("kmage", number(m.kmage));
    mo.emplace_back("kashuku", number(m.kashuku));
    mo.emplace_back("ksendan", number(m.ksendan));
    mo.emplace_back("yang", number(m.yang));
    mo.emplace_back("hiju", number(m.hiju));
    o.emplace_back("material", Value{std::move(mo)});

    const Section& s = c.section;
    Object so;
    so.emplace_back("source", text(sourceCode(s.source)));
    so.emplace_back("shape", number(std::to_string(s.shape)));
    if (s.source == SectionSource::Calculator) {
        json::Array dims;
        for (const std::string& d : s.dims)
            dims.push_back(number(d));
        so.emplace_back("dims", Value{std::move(dims)});
    } else {
        if (s.source == SectionSource::Table) so.emplace_back("size", text(s.size));
        so.emplace_back("area", number(s.area));
        so.emplace_back("mass", number(s.mass));
        so.emplace_back("z", number(s.z));
        so.emplace_back("i", number(s.i));
        so.emplace_back("radius", number(s.radius));
    }
    o.emplace_back("section", Value{std::move(so)});

    if (beamRoad) {
        const Inputs& in = c.inputs;
        Object io;
        io.emplace_back("load", text(in.load));
        io.emplace_back("span", text(in.span));
        io.emplace_back("l1", text(in.l1));
        io.emplace_back("unit", text(unitCode(in.unit)));
        io.emplace_back("mode", text(modeCode(in.mode)));
        io.emplace_back("display", text(displayCode(in.display)));
        io.emplace_back("z", text(in.z));
        io.emplace_back("i", text(in.i));
        io.emplace_back("e", text(in.e));
        io.emplace_back("mass", text(in.mass));
        io.emplace_back("allow", text(in.allow));
        o.emplace_back("inputs", Value{std::move(io)});
    }
    return Value{std::move(o)};
}

std::string systemReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "ディスクに空きがありません。";
    case EACCES:
    case EPERM:
        return "書き込む権限がありません。";
    case ENOENT:
    case ENOTDIR:
        return "フォルダがありません。";
    case EROFS:
        return "読み取り専用の場所です。";
    case EISDIR:
        return "同じ名前のフォルダがあります。";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    default:
        break;
    }
    return "システムのエラー（" + std::to_string(error) + ": " + std::strerror(error) + "）。";
}

Refusal saveFailure(const std::filesystem::path& path, int error) {
    return {inBrackets(path.filename().string()) + "に保存できませんでした。" + systemReason(error)};
}

} // namespace

beam::Inputs beamInputs(beam::Structure structure, beam::LoadCase loadCase, const Inputs& t) {
    beam::Inputs in;
    in.structure = structure;
    in.loadCase = loadCase;
    in.loadMode = t.mode;
    in.loadN = beam::toNewtons(numtext::value(t.load), t.unit);
    in.spanMm = numtext::value(t.span);
    in.l1Mm = numtext::value(t.l1);
    in.zText = t.z;
    in.iText = t.i;
    in.eText = t.e;
    in.massText = t.mass;
    in.allowText = t.allow;
    return in;
}

beam::Inputs beamInputs(const Check& c) {
    return beamInputs(c.structure, c.loadCase, c.inputs);
}

section::Inputs sectionInputs(const Check& c) {
    section::Inputs in;
    in.shape = c.section.shape;
    in.dhijuv = numtext::value(c.material.hiju);
    if (const auto layout = section::shapeLayout(c.section.shape))
        for (std::size_t k = 0; k < layout->fields.size() && k < c.section.dims.size(); ++k)
            in.hen[static_cast<std::size_t>(layout->fields[k].hen - 1)] =
                numtext::value(c.section.dims[k]);
    return in;
}

std::string programName() {
    return "hari " HARI_VERSION;
}

std::optional<std::string> numberText(std::string_view t) {
    const std::size_t first = t.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    t = t.substr(first, t.find_last_not_of(" \t") - first + 1);
    const std::optional<double> v = numtext::positiveNumber(t);
    if (!v) return std::nullopt;
    if (json::isNumberText(t) && t.size() <= 40) return std::string(t);
    char buf[40];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, *v);
    return std::string(buf, end);
}

std::variant<Check, Refusal> parse(std::string_view bytes, std::string_view fileName) {
    if (bytes.size() > kMaxFileBytes)
        return Refusal{opening(fileName) + "ファイルが大きすぎます（1 MiB を超えています）。"};
    auto parsed = json::parse(bytes);
    if (const auto* e = std::get_if<json::SyntaxError>(&parsed))
        return Refusal{opening(fileName) + "JSON の形式ではありません（" + std::to_string(e->line) +
                       " 行目: " + e->what + "）。"};
    auto checked = fromDocument(std::get<Value>(parsed));
    if (auto* why = std::get_if<std::string>(&checked)) return Refusal{opening(fileName) + *why};
    return std::get<Check>(std::move(checked));
}

std::variant<Check, Refusal> readFile(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return Refusal{opening(name) + (errno == ENOENT ? std::string("ファイルがありません。")
                                                        : systemReason(errno))};
    std::string bytes;
    char buf[65536];
    std::size_t n = 0;
    // One byte past the limit is enough to know the file is too large.
    while (bytes.size() <= kMaxFileBytes && (n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    const bool failed = std::ferror(f);
    const int error = errno;
    std::fclose(f);
    if (failed) return Refusal{opening(name) + systemReason(error)};
    return parse(bytes, name);
}

std::variant<std::string, Refusal> toJson(const Check& c, std::string_view fileName) {
    // Whatever is written must open again: the text is read back before it goes to disk.
    const Value doc = document(c);
    // A number that is not one would make a text that is not JSON at all.
    std::vector<const std::string*> numbers = {&c.material.kmage, &c.material.kashuku,
                                               &c.material.ksendan, &c.material.yang,
                                               &c.material.hiju};
    for (const std::string& d : c.section.dims)
        numbers.push_back(&d);
    if (c.section.source != SectionSource::Calculator)
        numbers.insert(numbers.end(), {&c.section.area, &c.section.mass, &c.section.z,
                                       &c.section.i, &c.section.radius});
    for (const std::string* n : numbers)
        if (!json::isNumberText(*n))
            return Refusal{inBrackets(fileName) + "に保存できません。" + inBrackets(*n) +
                           " は正の数ではありません。"};
    std::string out = json::write(doc);
    auto back = parse(out, fileName);
    if (auto* refused = std::get_if<Refusal>(&back)) {
        const std::string prefix = opening(fileName);
        std::string why = refused->message.substr(prefix.size());
        return Refusal{inBrackets(fileName) + "に保存できません。" + why};
    }
    return out;
}

std::optional<Refusal> writeFile(const std::filesystem::path& path, const Check& c) {
    auto text = toJson(c, path.filename().string());
    if (auto* refused = std::get_if<Refusal>(&text)) return *refused;
    return writeText(path, std::get<std::string>(text));
}

std::optional<Refusal> writeText(const std::filesystem::path& path, std::string_view text) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return saveFailure(path, errno);
    // mkstemp makes the file private; a saved check is an ordinary document.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return saveFailure(path, error);
    };
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return saveFailure(path, error);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return saveFailure(path, error);
    }
    return std::nullopt;
}

} // namespace check
