#include "numtext.hpp"

#include <algorithm>
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
// Digits carry no leading zeros (an empty string is zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// Splits the output of to_chars in scientific form ("-d.ddde+XX") into a Decimal.
Decimal fromScientific(std::string_view s) {
    Decimal d;
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') {
        d.negative = true;
        ++i;
    }
    int exponent = 0;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            d.digits.push_back(s[i]);
        } else if (s[i] == 'e' || s[i] == 'E') {
            std::from_chars(s.data() + i + 1 + (s[i + 1] == '+'), s.data() + s.size(), exponent);
            break;
        }
    }
    d.point = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d.point = 0;
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
    if (keep < 0 || d.digits.empty()) {
        d.digits.clear();
        d.point = 0;
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size()) return;
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d.point = 0;
}

char digitAt(const Decimal& d, int index) {
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
}

std::string integerPart(const Decimal& d) {
    std::string s;
    for (int i = 0; i < d.point; ++i)
        s.push_back(digitAt(d, i));
    return s; // no leading zeros: the first digit of a Decimal is never 0
}

std::string fractionPart(const Decimal& d, int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s.push_back(digitAt(d, d.point + i));
    return s;
}

struct Pattern {
    std::string prefix, suffix;
    int minInteger = 0;  // '0' placeholders before the point
    int minFraction = 0; // '0' placeholders after the point
    int maxFraction = 0; // all placeholders after the point
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
    pat.prefix = std::string(p.substr(0, begin));
    pat.suffix = std::string(p.substr(end));
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
    std::string clean;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') clean.push_back('-');
        ++i;
    }
    bool anyDigit = false, seenPoint = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= text.size()) break;
        if (isDigit(text[i])) {
            clean.push_back(text[i]);
            anyDigit = true;
        } else if (text[i] == '.' && !seenPoint) {
            clean.push_back('.');
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        while (j < text.size() && isBlank(text[j]))
            ++j;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent.push_back(text[j++]);
        bool expDigit = false;
        for (; j < text.size(); ++j) {
            if (isBlank(text[j])) continue;
            if (!isDigit(text[j])) break;
            exponent.push_back(text[j]);
            expDigit = true;
        }
        if (expDigit) clean += exponent;
    }
    double result = 0.0;
    const char* first = clean.data();
    const char* last = clean.data() + clean.size();
    auto [ptr, ec] = std::from_chars(first, last, result);
    if (ec == std::errc::result_out_of_range) {
        // Too large saturates; too small is zero.
        const bool negative = clean.front() == '-';
        const auto e = clean.find('e');
        const bool tiny = e != std::string::npos && clean[e + 1] == '-';
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
    if (pat.percent && !d.digits.empty())
        d.point += 2; // x100 on the decimal digits, free of binary error
    roundTo(d, pat.maxFraction);

    std::string integer = integerPart(d);
    if (static_cast<int>(integer.size()) < pat.minInteger)
        integer.insert(0, pat.minInteger - integer.size(), '0');
    std::string fraction = fractionPart(d, pat.maxFraction);
    while (static_cast<int>(fraction.size()) > pat.minFraction && fraction.back() == '0')
        fraction.pop_back();

    std::string out;
    if (d.negative && !d.digits.empty()) out.push_back('-');
    out += pat.prefix;
    out += integer;
    if (pat.point) out.push_back('.');
    out += fraction;
    out += pat.suffix;
    return out;
}

std::string leadingBlank(double v) {
    if (!std::isfinite(v) || v == 0.0) return " 0";
    Decimal d = significantDecimal(v, 15);
    std::string out(1, d.negative ? '-' : ' ');
    if (d.point <= 0) {
        out += "0.";
        out.append(-d.point, '0');
        out += d.digits;
        return out;
    }
    out += integerPart(d);
    if (static_cast<int>(d.digits.size()) > d.point) {
        out.push_back('.');
        out.append(d.digits, static_cast<std::size_t>(d.point));
    }
    return out;
}

} // namespace numtext
