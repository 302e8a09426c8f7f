#include "numtext.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace numtext {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as digits and the position of the point: value = 0.d1d2d3... * 10^point.
// Digits carry no leading zeros (none is zero). At most 17 significant digits come from a
// double, one more from rounding up: a fixed buffer, so that a figure costs no allocation.
struct Decimal {
    bool negative = false;
    std::array<char, 24> digit{};
    int size = 0;
    int point = 0;

    bool empty() const { return size == 0; }
    char back() const { return digit[static_cast<std::size_t>(size - 1)]; }
    void push(char c) { digit[static_cast<std::size_t>(size++)] = c; }
    char at(int index) const {
        return index >= 0 && index < size ? digit[static_cast<std::size_t>(index)] : '0';
    }
    std::string_view view() const { return {digit.data(), static_cast<std::size_t>(size)}; }
    void trimZeros() {
        while (size > 0 && back() == '0')
            --size;
        if (size == 0) point = 0;
    }
};

// Splits the output of to_chars in scientific form ("-d.ddde+XX") into a Decimal.
Decimal fromScientific(std::string_view s) {
    Decimal d;
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') {
        d.negative = true;
        ++i;
    }
    // Counted in a local, so that the loop keeps it in a register.
    int size = 0;
    constexpr int room = static_cast<int>(std::tuple_size_v<decltype(d.digit)>) - 1;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i)
        if (isDigit(s[i]) && size < room) d.digit[static_cast<std::size_t>(size++)] = s[i];
    d.size = size;
    int exponent = 0;
    if (i < s.size()) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        for (; i < s.size() && isDigit(s[i]); ++i)
            exponent = exponent * 10 + (s[i] - '0');
        if (negative) exponent = -exponent;
    }
    d.point = exponent + 1;
    d.trimZeros();
    return d;
}

Decimal shortestDecimal(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    return fromScientific(std::string_view(buf, res.ptr - buf));
}

Decimal significantDecimal(double v, int significant) {
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significant - 1);
    return fromScientific(std::string_view(buf, res.ptr - buf));
}

// Rounds half away from zero to `decimals` digits after the point.
void roundTo(Decimal& d, int decimals) {
    const int keep = d.point + decimals;
    if (keep < 0 || d.empty()) {
        d.size = 0;
        d.point = 0;
        return;
    }
    if (keep >= d.size) return;
    const bool up = d.digit[static_cast<std::size_t>(keep)] >= '5';
    d.size = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digit[static_cast<std::size_t>(i)] == '9') {
            d.digit[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digit[static_cast<std::size_t>(i)];
        } else {
            // All nines: one digit more, a 1 in front.
            for (int k = d.size; k > 0; --k)
                d.digit[static_cast<std::size_t>(k)] = d.digit[static_cast<std::size_t>(k - 1)];
            d.digit[0] = '1';
            ++d.size;
            ++d.point;
        }
    }
    d.trimZeros();
}

// The digits before the point (no leading zeros: the first digit of a Decimal is never 0).
void appendInteger(std::string& out, const Decimal& d) {
    for (int i = 0; i < d.point; ++i)
        out.push_back(d.at(i));
}

struct Pattern {
    std::string_view prefix, suffix; // within the pattern given
    int minInteger = 0;              // '0' placeholders before the point
    int minFraction = 0;             // '0' placeholders after the point
    int maxFraction = 0;             // all placeholders after the point
    bool point = false;
    bool percent = false;
};

Pattern parsePattern(std::string_view p) {
    Pattern pat;
    const auto isNumberChar = [](char c) { return c == '#' || c == '0' || c == '.' || c == ','; };
    std::size_t begin = 0;
    while (begin < p.size() && p[begin] != '#' && p[begin] != '0' && p[begin] != '.')
        ++begin;
    std::size_t end = begin;
    while (end < p.size() && isNumberChar(p[end]))
        ++end;
    pat.prefix = p.substr(0, begin);
    pat.suffix = p.substr(end);
    for (std::size_t i = begin; i < end; ++i) {
        const char c = p[i];
        if (c == '.') {
            pat.point = true;
        } else if (c == '0' || c == '#') {
            if (pat.point) {
                ++pat.maxFraction;
                if (c == '0') pat.minFraction = pat.maxFraction;
            } else if (c == '0') {
                ++pat.minInteger;
            }
        }
    }
    pat.percent = p.find('%') != std::string_view::npos;
    return pat;
}

} // namespace

double value(std::string_view text) {
    // The number's characters, blanks left out, gathered where a short text needs no
    // allocation: the cleaned text is never longer than the text.
    char stack[64];
    std::string heap;
    char* clean = stack;
    if (text.size() + 2 > sizeof stack) {
        heap.resize(text.size() + 2);
        clean = heap.data();
    }
    std::size_t n = 0;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') clean[n++] = '-';
        ++i;
    }
    bool anyDigit = false, seenPoint = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= text.size()) break;
        if (isDigit(text[i])) {
            clean[n++] = text[i];
            anyDigit = true;
        } else if (text[i] == '.' && !seenPoint) {
            clean[n++] = '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    // An exponent counts only when digits follow it.
    std::size_t exponentAt = std::string_view::npos;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        const std::size_t mark = n;
        clean[n++] = 'e';
        while (j < text.size() && isBlank(text[j]))
            ++j;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) clean[n++] = text[j++];
        bool expDigit = false;
        for (; j < text.size(); ++j) {
            if (isBlank(text[j])) continue;
            if (!isDigit(text[j])) break;
            clean[n++] = text[j];
            expDigit = true;
        }
        if (expDigit)
            exponentAt = mark;
        else
            n = mark;
    }
    double result = 0.0;
    auto [ptr, ec] = std::from_chars(clean, clean + n, result);
    if (ec == std::errc::result_out_of_range) {
        // Too large saturates; too small is zero.
        const bool negative = clean[0] == '-';
        const bool tiny = exponentAt != std::string_view::npos && clean[exponentAt + 1] == '-';
        if (tiny) return 0.0;
        return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    (void)ptr;
    return result == 0.0 ? 0.0 : result;
}

std::optional<double> positiveNumber(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const std::string_view t = text.substr(begin, end - begin);
    std::size_t i = 0, digits = 0;
    if (i < t.size() && t[i] == '+') ++i;
    for (; i < t.size() && isDigit(t[i]); ++i)
        ++digits;
    if (i < t.size() && t[i] == '.')
        for (++i; i < t.size() && isDigit(t[i]); ++i)
            ++digits;
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        for (; i < t.size() && isDigit(t[i]); ++i)
            ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    const double v = value(t);
    // value() saturates beyond the double range; such a figure is no measurement either.
    if (!(v > 0) || v >= std::numeric_limits<double>::max()) return std::nullopt;
    return v;
}

std::string format(double v, std::string_view pattern) {
    if (!std::isfinite(v)) return {};
    const Pattern pat = parsePattern(pattern);
    Decimal d = shortestDecimal(v);
    if (pat.percent && !d.empty()) d.point += 2; // x100 on the decimal digits, free of binary error
    roundTo(d, pat.maxFraction);

    std::string out;
    out.reserve(static_cast<std::size_t>(std::max(d.point, 0) + pat.maxFraction + pat.minInteger) +
                pat.prefix.size() + pat.suffix.size() + 2);
    if (d.negative && !d.empty()) out.push_back('-');
    out += pat.prefix;
    const int integer = std::max(d.point, 0);
    if (integer < pat.minInteger)
        out.append(static_cast<std::size_t>(pat.minInteger - integer), '0');
    appendInteger(out, d);
    if (pat.point) out.push_back('.');
    // The placeholders after the point, trailing zeros beyond the '0' ones left out.
    int fraction = pat.maxFraction;
    while (fraction > pat.minFraction && d.at(d.point + fraction - 1) == '0')
        --fraction;
    for (int i = 0; i < fraction; ++i)
        out.push_back(d.at(d.point + i));
    out += pat.suffix;
    return out;
}

std::string leadingBlank(double v) {
    if (!std::isfinite(v) || v == 0.0) return " 0";
    Decimal d = significantDecimal(v, 15);
    std::string out(1, d.negative ? '-' : ' ');
    if (d.point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.point), '0');
        out += d.view();
        return out;
    }
    appendInteger(out, d);
    if (d.size > d.point) {
        out.push_back('.');
        out += d.view().substr(static_cast<std::size_t>(d.point));
    }
    return out;
}

} // namespace numtext
