#include "catalog/size_table.hpp"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iconv.h>
#include <utility>

#include "catalog/data_folder.hpp"
#include "catalog/materials.hpp"
#include "common/numtext.hpp"

namespace catalog {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

// Code page 932 to UTF-8. A byte that does not start a valid character becomes one
// replacement character and decoding goes on after it.
class Cp932Decoder {
public:
    Cp932Decoder() : cd_(iconv_open("UTF-8", "CP932")) {}
    ~Cp932Decoder() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    std::string decode(std::string_view bytes) {
        std::string out;
        out.reserve(bytes.size() * 3 / 2 + 4);
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            // Without the converter only ASCII can be trusted.
            for (char c : bytes) {
                if (static_cast<unsigned char>(c) < 0x80)
                    out.push_back(c);
                else
                    out += kReplacement;
            }
            return out;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                // EILSEQ (an invalid byte) or EINVAL (a lead byte cut off at the end).
                out += kReplacement;
                ++in;
                --inLeft;
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

// A value as it came out of the file, still in code page 932.
struct RawValue {
    enum class Kind { Empty, Plain, Quoted };
    Kind kind = Kind::Empty;
    std::string bytes;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The number an unquoted value spells, when the whole value is one decimal number.
std::optional<double> wholeNumber(std::string_view s) {
    s = trimmed(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Splits a byte stream into values: separated by commas or line ends (CR, LF or CRLF), blanks
// around unquoted values dropped, text in double quotes taken whole (commas and line breaks
// included) and anything after the closing quote up to the separator ignored. A line end right
// after a comma belongs to that separator, and empty lines give no values, so a record may
// be broken over lines anywhere between its values.
class Tokenizer {
public:
    template <class Emit> void feed(std::string_view chunk, Emit&& emit) {
        for (char c : chunk) {
            const bool lineEnd = c == '\n' || c == '\r';
            switch (state_) {
            case State::Start:
                if (isBlank(c)) break;
                if (lineEnd) {
                    afterComma_ = false;
                } else if (c == ',') {
                    emitValue(emit);
                    afterComma_ = true;
                } else if (c == '"') {
                    value_.kind = RawValue::Kind::Quoted;
                    state_ = State::Quoted;
                } else {
                    value_.kind = RawValue::Kind::Plain;
                    append(c);
                    state_ = State::Plain;
                }
                break;
            case State::Plain:
                if (c == ',' || lineEnd)
                    endValue(c == ',', emit);
                else
                    append(c);
                break;
            case State::Quoted:
                if (c == '"')
                    state_ = State::AfterQuote;
                else
                    append(c);
                break;
            case State::AfterQuote:
                if (c == ',' || lineEnd) endValue(c == ',', emit);
                break;
            }
        }
    }

    template <class Emit> void finish(Emit&& emit) {
        if (state_ != State::Start) endValue(false, emit);
    }

    std::size_t cutValues() const { return cut_; }

private:
    enum class State { Start, Plain, Quoted, AfterQuote };

    void append(char c) {
        if (value_.bytes.size() < kMaxValueBytes) {
            value_.bytes.push_back(c);
        } else if (!cutThis_) {
            cutThis_ = true;
            ++cut_;
        }
    }

    template <class Emit> void endValue(bool byComma, Emit& emit) {
        if (value_.kind == RawValue::Kind::Plain) {
            const std::string_view t = trimmed(value_.bytes);
            value_.bytes = std::string(t);
        }
        emitValue(emit);
        afterComma_ = byComma;
        state_ = State::Start;
    }

    template <class Emit> void emitValue(Emit& emit) {
        emit(std::as_const(value_));
        value_.kind = RawValue::Kind::Empty;
        value_.bytes.clear();
        cutThis_ = false;
    }

    State state_ = State::Start;
    RawValue value_;
    bool afterComma_ = false;
    bool cutThis_ = false;
    std::size_t cut_ = 0;
};

Field toField(const RawValue& raw, Cp932Decoder& decoder) {
    Field f;
    switch (raw.kind) {
    case RawValue::Kind::Empty:
        break;
    case RawValue::Kind::Quoted:
        f.kind = Field::Kind::Text;
        f.text = decoder.decode(raw.bytes);
        break;
    case RawValue::Kind::Plain:
        if (auto n = wholeNumber(raw.bytes)) {
            f.kind = Field::Kind::Number;
            f.number = *n;
            f.text = raw.bytes;
        } else {
            f.kind = Field::Kind::Text;
            f.text = decoder.decode(raw.bytes);
        }
        break;
    }
    return f;
}

} // namespace

double Field::value() const {
    switch (kind) {
    case Kind::Number:
        return number;
    case Kind::Text:
        return numtext::value(text);
    case Kind::Empty:
        break;
    }
    return 0;
}

std::string Field::display() const {
    switch (kind) {
    case Kind::Number:
        return plainText(number);
    case Kind::Text:
        return text;
    case Kind::Empty:
        break;
    }
    return {};
}

SizeTableRead readSizeTable(std::istream& in, int shapeCode) {
    SizeTableRead result;
    Cp932Decoder decoder;
    Tokenizer tokenizer;
    std::array<RawValue, kFieldsPerRecord> group;
    std::size_t filled = 0;

    auto onValue = [&](const RawValue& v) {
        group[filled] = v;
        if (++filled < kFieldsPerRecord) return;
        filled = 0;
        ++result.records;
        // Quoted text never equals a number, whatever it spells.
        if (group[0].kind != RawValue::Kind::Plain) return;
        const std::optional<double> code = wholeNumber(group[0].bytes);
        if (!code || *code != static_cast<double>(shapeCode)) return;
        if (result.rows.size() >= kMaxRows) {
            ++result.droppedRows;
            return;
        }
        SizeRow& row = result.rows.emplace_back();
        for (std::size_t i = 0; i < kFieldsPerRecord; ++i)
            row[i] = toField(group[i], decoder);
    };

    try {
        std::array<char, 1 << 16> buffer;
        while (in) {
            in.read(buffer.data(), buffer.size());
            const std::streamsize n = in.gcount();
            if (n <= 0) break;
            tokenizer.feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)), onValue);
        }
        if (in.bad()) result.error = "read error";
        tokenizer.finish(onValue);
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    result.leftoverValues = filled;
    result.cutValues = tokenizer.cutValues();
    return result;
}

SizeTableRead readSizeTable(const std::filesystem::path& file, int shapeCode) {
    SizeTableRead result;
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (std::filesystem::is_directory(status)) {
        result.error = file.string() + ": " + std::strerror(EISDIR);
        return result;
    }
    // Opening a pipe waits for a writer and a device may never end: only a regular file is
    // a table. A path that is not there is left to the open below, which names the reason.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        result.error = file.string() + ": not a regular file";
        return result;
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        const int err = errno;
        result.error = file.string() + ": " + (err != 0 ? std::strerror(err) : "cannot open");
        return result;
    }
    result = readSizeTable(in, shapeCode);
    if (!result.ok()) result.error = file.string() + ": " + result.error;
    return result;
}

std::optional<std::string_view> sizeTableFileName(int zaitype) {
    switch (familyOf(zaitype)) {
    case MaterialFamily::Steel:
        return "vbSStype.csv";
    case MaterialFamily::Stainless:
        return "vbSUStype.csv";
    case MaterialFamily::Aluminium:
        return "vbALtype.csv";
    case MaterialFamily::Wood:
        return "vbWOODtype.csv";
    case MaterialFamily::None:
        break;
    }
    return std::nullopt;
}

SizeList loadSizeList(int zaitype, int shapeCode, std::span<const std::filesystem::path> folders) {
    SizeList list;
    list.fileName = sizeTableFileName(zaitype);
    if (!list.fileName) return list;
    list.path = locateDataFile(*list.fileName, folders);
    list.table = readSizeTable(list.path, shapeCode);
    return list;
}

namespace {
constexpr double kGravity = 9.8;
constexpr std::string_view kMassPattern = "####0.00";

// The box shows the plain text of the value first and is then reformatted, so the figure is
// rounded from what that text holds. A mass beyond the range of numbers shows nothing, as the
// weight box does, rather than the 0 that plainText() writes for it.
std::string reformatted(double v) {
    if (!std::isfinite(v)) return {};
    return numtext::format(numtext::value(plainText(v)), kMassPattern);
}
} // namespace

SelectedSize selectSize(const SizeRow& row, std::string_view specificGravityText) {
    SelectedSize s;
    const double sg = numtext::value(specificGravityText);
    s.danmenSize = row[kFieldDesignation].display();
    s.dmensekiv = row[kFieldArea].value();
    s.div = row[kFieldSecondMoment].value();
    s.dzv = row[kFieldModulus].value();
    s.d2rv = row[kFieldGyration].value();
    s.djuryouv = s.dmensekiv * sg * 100 / 1000;
    s.djuryouSIv = s.dmensekiv * sg * 100 * kGravity / 1000;
    s.textMenseki = row[kFieldArea].display();
    s.textJuryou = reformatted(s.djuryouv);
    s.textJuryouSI = numtext::format(s.djuryouSIv, kMassPattern);
    s.textDz = row[kFieldModulus].display();
    s.textDi = row[kFieldSecondMoment].display();
    s.txtD2r = row[kFieldGyration].display();
    return s;
}

std::string massTextForArea(std::string_view areaText, std::string_view specificGravityText) {
    const double sg = numtext::value(specificGravityText);
    return reformatted(sg * numtext::value(areaText) * 100 / 1000);
}

std::string weightTextForArea(std::string_view areaText, std::string_view specificGravityText) {
    const double sg = numtext::value(specificGravityText);
    return numtext::format(sg * numtext::value(areaText) * 100 * kGravity / 1000, kMassPattern);
}

std::string markEdited(std::string_view designation) {
    if (designation == kTypedDesignation || designation.ends_with(kEditedMark))
        return std::string(designation);
    return std::string(designation) + std::string(kEditedMark);
}

std::string designationInUse(std::string_view designation, const CalcFigures& taken,
                             const CalcFigures& used) {
    const auto same = [](const std::string& a, const std::string& b) {
        return numtext::value(a) == numtext::value(b);
    };
    if (same(taken.z, used.z) && same(taken.i, used.i) && same(taken.mass, used.mass))
        return std::string(designation);
    return markEdited(designation);
}

std::string sectionDesignation(const SelectedSize* listed, const SectionFigures& shown) {
    if (!listed) return std::string(kTypedDesignation);
    // By figure, not by text: "20.0" typed over "20" still describes the row.
    const auto same = [](const std::string& a, const std::string& b) {
        return numtext::value(a) == numtext::value(b);
    };
    const bool asListed = same(shown.area, listed->textMenseki) && same(shown.z, listed->textDz) &&
                          same(shown.i, listed->textDi) && same(shown.radius, listed->txtD2r);
    return asListed ? listed->danmenSize : markEdited(listed->danmenSize);
}

} // namespace catalog
