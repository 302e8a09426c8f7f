#include "check/json.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_set>

namespace check::json {
namespace {

// Deeper than any check file needs, shallow enough that the recursion cannot run out of stack.
constexpr int kMaxDepth = 32;

// Length of the well-formed UTF-8 sequence at `i`, 0 when there is none.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned lowest = 0; // the smallest code point of this length, against overlong forms
    unsigned cp = 0;
    if ((c & 0xE0) == 0xC0) {
        n = 2, lowest = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3, lowest = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4, lowest = 0x10000, cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// The end of the number grammar's match starting at `i` (i itself when nothing matches).
std::size_t numberEnd(std::string_view s, std::size_t i) {
    const auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
    std::size_t k = i;
    if (k < s.size() && s[k] == '-') ++k;
    if (k < s.size() && s[k] == '0') {
        ++k;
    } else if (digit(k)) {
        while (digit(k))
            ++k;
    } else {
        return i;
    }
    if (k < s.size() && s[k] == '.') {
        if (!digit(k + 1)) return i;
        ++k;
        while (digit(k))
            ++k;
    }
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        std::size_t e = k + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        if (!digit(e)) return i;
        while (digit(e))
            ++e;
        k = e;
    }
    return k;
}

// The value of a number text, whatever the program's locale is. Beyond the doubles it is
// ±infinity (which a check refuses as not finite), below them ±0.
double numberValue(std::string_view text) {
    double v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc::result_out_of_range) return v;
    // The decimal exponent of the first significant digit tells overflow from underflow.
    const bool negative = text.front() == '-';
    const std::size_t mantissaEnd = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(negative ? 1 : 0, mantissaEnd - (negative ? 1 : 0));
    long exponent = 0;
    if (mantissaEnd != std::string_view::npos) {
        const std::string_view e = text.substr(mantissaEnd + 1);
        const bool down = !e.empty() && e.front() == '-';
        for (char c : e)
            if (c >= '0' && c <= '9') exponent = std::min(exponent * 10 + (c - '0'), 100000L);
        if (down) exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return negative ? -0.0 : 0.0;
    const long integerDigits = static_cast<long>(point == std::string_view::npos ? mantissa.size() : point);
    const long position = static_cast<long>(first) < integerDigits
                              ? integerDigits - static_cast<long>(first) - 1
                              : integerDigits - static_cast<long>(first);
    const bool overflow = position + exponent > 0;
    if (overflow) return negative ? -HUGE_VAL : HUGE_VAL;
    return negative ? -0.0 : 0.0;
}

class Parser {
public:
    explicit Parser(std::string_view s) : s_(s) {}

    std::variant<Value, SyntaxError> run() {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
        if (!isUtf8(s_)) return SyntaxError{"UTF-8 ではないバイト", lineOfFirstBadByte()};
        Value v;
        if (!value(v, 0)) return error_;
        skipBlanks();
        if (pos_ != s_.size()) return fail("値のあとの余分な文字");
        return v;
    }

private:
    SyntaxError fail(std::string what) {
        error_ = {std::move(what), line()};
        return error_;
    }
    bool failed(std::string what) {
        fail(std::move(what));
        return false;
    }
    int line() const {
        int n = 1;
        for (std::size_t k = 0; k < pos_ && k < s_.size(); ++k)
            if (s_[k] == '\n') ++n;
        return n;
    }
    int lineOfFirstBadByte() {
        for (std::size_t k = 0; k < s_.size();) {
            const std::size_t n = sequenceLength(s_, k);
            if (n == 0) {
                pos_ = k;
                return line();
            }
            k += n;
        }
        return line();
    }
    void skipBlanks() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }
    bool literal(std::string_view word) {
        if (s_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    bool value(Value& out, int depth) {
        if (depth > kMaxDepth) return failed("入れ子が深すぎる");
        skipBlanks();
        if (pos_ >= s_.size()) return failed("値がない");
        const char c = s_[pos_];
        if (c == '{') return object(out, depth);
        if (c == '[') return array(out, depth);
        if (c == '"') {
            std::string text;
            if (!string(text)) return false;
            out.v = std::move(text);
            return true;
        }
        if (literal("true")) {
            out.v = true;
            return true;
        }
        if (literal("false")) {
            out.v = false;
            return true;
        }
        if (literal("null")) {
            out.v = nullptr;
            return true;
        }
        const std::size_t end = numberEnd(s_, pos_);
        if (end == pos_) return failed("値として読めない文字");
        const std::string_view text = s_.substr(pos_, end - pos_);
        out.v = Number{numberValue(text), std::string(text)};
        pos_ = end;
        return true;
    }

    bool object(Value& out, int depth) {
        ++pos_; // {
        Object members;
        // A file may hold many members: looking each key up among the earlier ones would take
        // the square of their number.
        std::unordered_set<std::string> keys;
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] == '}') {
            ++pos_;
            out.v = std::move(members);
            return true;
        }
        for (;;) {
            skipBlanks();
            if (pos_ >= s_.size() || s_[pos_] != '"') return failed("項目名がない");
            std::string key;
            if (!string(key)) return false;
            if (!keys.insert(key).second) return failed("項目「" + key + "」が二度ある");
            skipBlanks();
            if (pos_ >= s_.size() || s_[pos_] != ':') return failed("「:」がない");
            ++pos_;
            Value v;
            if (!value(v, depth + 1)) return false;
            members.emplace_back(std::move(key), std::move(v));
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == '}') {
                ++pos_;
                out.v = std::move(members);
                return true;
            }
            return failed("「,」か「}」がない");
        }
    }

    bool array(Value& out, int depth) {
        ++pos_; // [
        Array items;
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] == ']') {
            ++pos_;
            out.v = std::move(items);
            return true;
        }
        for (;;) {
            Value v;
            if (!value(v, depth + 1)) return false;
            items.push_back(std::move(v));
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == ']') {
                ++pos_;
                out.v = std::move(items);
                return true;
            }
            return failed("「,」か「]」がない");
        }
    }

    bool hex4(unsigned& cp) {
        if (pos_ + 4 > s_.size()) return false;
        cp = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = s_[pos_ + static_cast<std::size_t>(k)];
            cp <<= 4;
            if (h >= '0' && h <= '9')
                cp |= static_cast<unsigned>(h - '0');
            else if (h >= 'a' && h <= 'f')
                cp |= static_cast<unsigned>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                cp |= static_cast<unsigned>(h - 'A' + 10);
            else
                return false;
        }
        pos_ += 4;
        return true;
    }

    bool string(std::string& out) {
        ++pos_; // "
        for (;;) {
            if (pos_ >= s_.size()) return failed("閉じていない文字列");
            const char c = s_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) return failed("文字列の中の制御文字");
            if (c != '\\') {
                out.push_back(c);
                ++pos_;
                continue;
            }
            ++pos_;
            if (pos_ >= s_.size()) return failed("閉じていない文字列");
            const char e = s_[pos_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out.push_back(e);
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'u': {
                unsigned cp = 0;
                if (!hex4(cp)) return failed("「\\u」のあとに 16 進 4 桁がない");
                if (cp >= 0xDC00 && cp <= 0xDFFF) return failed("対になっていないサロゲート");
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    unsigned low = 0;
                    if (!literal("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                        return failed("対になっていないサロゲート");
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                }
                appendUtf8(out, cp);
                break;
            }
            default:
                return failed("文字列の中の不正なエスケープ");
            }
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    SyntaxError error_;
};

void writeString(std::string& out, std::string_view s) {
    out.push_back('"');
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
}

void writeValue(std::string& out, const Value& v, int indent) {
    const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
    const std::string closePad(static_cast<std::size_t>(indent), ' ');
    if (std::holds_alternative<std::nullptr_t>(v.v)) {
        out += "null";
    } else if (const bool* b = v.boolean()) {
        out += *b ? "true" : "false";
    } else if (const Number* n = v.number()) {
        out += n->text;
    } else if (const std::string* s = v.string()) {
        writeString(out, *s);
    } else if (const Array* a = v.array()) {
        // Arrays hold numbers here: one line reads best.
        out.push_back('[');
        for (std::size_t k = 0; k < a->size(); ++k) {
            if (k) out += ", ";
            writeValue(out, (*a)[k], indent + 2);
        }
        out.push_back(']');
    } else if (const Object* o = v.object()) {
        if (o->empty()) {
            out += "{}";
            return;
        }
        out += "{\n";
        for (std::size_t k = 0; k < o->size(); ++k) {
            out += pad;
            writeString(out, (*o)[k].first);
            out += ": ";
            writeValue(out, (*o)[k].second, indent + 2);
            out += k + 1 < o->size() ? ",\n" : "\n";
        }
        out += closePad + "}";
    }
}

} // namespace

const Value* find(const Object& o, std::string_view key) {
    for (const auto& [k, v] : o)
        if (k == key) return &v;
    return nullptr;
}

std::variant<Value, SyntaxError> parse(std::string_view text) {
    return Parser(text).run();
}

bool isNumberText(std::string_view text) {
    return !text.empty() && numberEnd(text, 0) == text.size();
}

bool isUtf8(std::string_view text) {
    for (std::size_t k = 0; k < text.size();) {
        const std::size_t n = sequenceLength(text, k);
        if (n == 0) return false;
        k += n;
    }
    return true;
}

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size();) {
        const std::size_t n = sequenceLength(text, k);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++k;
        } else {
            out.append(text.substr(k, n));
            k += n;
        }
    }
    return out;
}

std::string write(const Value& v) {
    std::string out;
    writeValue(out, v, 0);
    out.push_back('\n');
    return out;
}

} // namespace check::json
