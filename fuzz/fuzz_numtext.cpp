// numtext: the first byte chooses value() of a text, format() of a double in one of the
// display patterns the program uses, or leadingBlank() of a double. The doubles are raw bytes,
// NaN, infinities and subnormals included.
#include "check.hpp"

#include "common/numtext.hpp"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using fuzz::escaped;
using fuzz::number;
using fuzz::require;

// The display patterns passed to format() in the cores and the screens, and the "0.000…" of
// roundSignificant (three significant figures of a number as small as 1e-308 ask for 310
// decimals; a few lengths stand for them).
constexpr std::array<std::string_view, 16> kPatterns = {"####0.00",
                                                        "####0.000",
                                                        "##0.0",
                                                        "#########0",
                                                        "########0",
                                                        "####0.0",
                                                        "###0.0 %",
                                                        "######0",
                                                        "####0.0000",
                                                        "####0.00000",
                                                        "0.",
                                                        "0",
                                                        "0.00",
                                                        "0.0000000",
                                                        "0.0000000000000000000",
                                                        "0.000000000000000000000000000000"};
// The patterns of the screens' boxes: no more than five decimals.
constexpr std::size_t kScreenPatterns = 12;

// What a pattern asks for, worked out here without the parser of numtext.
struct Shape {
    int minInteger = 0, minFraction = 0, maxFraction = 0;
    bool point = false, percent = false;
    std::string suffix;
};

Shape shapeOf(std::string_view p) {
    Shape s;
    std::size_t i = 0;
    for (; i < p.size() && (p[i] == '#' || p[i] == '0' || p[i] == '.'); ++i) {
        if (p[i] == '.') {
            s.point = true;
        } else if (s.point) {
            ++s.maxFraction;
            if (p[i] == '0') s.minFraction = s.maxFraction;
        } else if (p[i] == '0') {
            ++s.minInteger;
        }
    }
    s.suffix = std::string(p.substr(i));
    s.percent = s.suffix.find('%') != std::string::npos;
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void checkValue(std::string_view text) {
    const double v = numtext::value(text);
    const std::string where = "value(" + escaped(text) + ") = " + number(v);
    require(std::isfinite(v), "value() is finite", where);
    require(!(v == 0 && std::signbit(v)), "value() never gives -0", where);

    // Blanks are skipped anywhere, so taking them out changes nothing.
    std::string packed;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') packed.push_back(c);
    require(numtext::value(packed) == v, "value() ignores blanks",
            [&] { return where + ", without blanks " + number(numtext::value(packed)); });

    // A plain decimal of up to 15 digits reads as the C library reads it.
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    int digits = 0, points = 0;
    bool plain = i < text.size();
    for (; i < text.size() && plain; ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] == '.')
            ++points;
        else
            plain = false;
    }
    if (plain && digits >= 1 && digits <= 15 && points <= 1) {
        const double expected = std::strtod(std::string(text).c_str(), nullptr);
        require(v == expected || (v == 0 && expected == 0), "value() of a plain decimal",
                [&] { return where + ", strtod " + number(expected); });
    }
}

void checkFormat(double v, std::size_t patternIndex) {
    const std::string_view pattern = kPatterns[patternIndex];
    const std::string text = numtext::format(v, pattern);
    const std::string where =
        "format(" + number(v) + ", " + escaped(pattern) + ") = " + escaped(text);
    if (!std::isfinite(v)) {
        require(text.empty(), "format() of a non-finite number is empty", where);
        return;
    }
    fuzz::requireNumberText(text, "format()", where);
    const Shape s = shapeOf(pattern);

    // [-] integer digits [. fraction digits] suffix
    require(text.size() >= s.suffix.size() &&
                text.compare(text.size() - s.suffix.size(), s.suffix.size(), s.suffix) == 0,
            "format() ends with the pattern's suffix", where);
    const std::string body = text.substr(0, text.size() - s.suffix.size());
    std::size_t i = body.size() > 0 && body[0] == '-' ? 1 : 0;
    const bool minus = i == 1;
    std::size_t integerDigits = 0, fractionDigits = 0;
    for (; i < body.size() && isDigit(body[i]); ++i)
        ++integerDigits;
    const bool point = i < body.size() && body[i] == '.';
    if (point) ++i;
    for (; i < body.size() && isDigit(body[i]); ++i)
        ++fractionDigits;
    require(i == body.size(), "format() writes only digits and a point", where);
    require(point == s.point, "format() writes the point when the pattern has one", where);
    require(static_cast<int>(integerDigits) >= s.minInteger,
            "format() writes the integer digits the pattern asks for", where);
    require(static_cast<int>(fractionDigits) >= s.minFraction &&
                static_cast<int>(fractionDigits) <= s.maxFraction,
            "format() writes the decimals the pattern asks for", where);

    // The text reads back as the number rounded to the pattern's decimals.
    const double shown = v * (s.percent ? 100 : 1);
    const double back = numtext::value(body);
    const double tolerance =
        0.5 * std::pow(10.0, -s.maxFraction) * (1 + 1e-9) + std::fabs(shown) * 4 * DBL_EPSILON;
    require(std::fabs(back - shown) <= tolerance ||
                (std::isinf(shown) && back == DBL_MAX * (shown < 0 ? -1 : 1)),
            "format() rounds to the pattern's decimals",
            [&] { return where + ", reads back " + number(back); });
    require(!minus || back != 0, "format() puts no minus before a zero", where);

    // Wide only as far as the number's own digits take it: a sign, the integer digits (one more
    // when rounding carries), the point and the decimals.
    const double magnitude = std::fabs(v);
    const int shift = s.percent ? 2 : 0; // "%" moves the point, it multiplies no binary number
    const int ownDigits =
        magnitude < 1 ? 1 + shift : static_cast<int>(std::floor(std::log10(magnitude))) + 2 + shift;
    const std::size_t widest =
        1 + std::max(s.minInteger, ownDigits) + (s.point ? 1 : 0) + s.maxFraction + s.suffix.size();
    require(text.size() <= widest, "format() is no wider than the number's digits", where);
    // Every figure the keypad can type (15 digits) and every result of a realistic beam or
    // section stays below 1e13; on the screens' patterns that fits 20 characters.
    if (patternIndex < kScreenPatterns && std::fabs(shown) < 1e13)
        require(body.size() <= 20, "format() of a screen figure fits 20 characters", where);
}

void checkLeadingBlank(double v) {
    const std::string text = numtext::leadingBlank(v);
    const std::string where = "leadingBlank(" + number(v) + ") = " + escaped(text);
    if (!std::isfinite(v) || v == 0) {
        require(text == " 0", "leadingBlank() of zero or a non-finite number is \" 0\"", where);
        return;
    }
    fuzz::requireNumberText(text, "leadingBlank()", where);
    require(text.size() >= 2 && text[0] == (v < 0 ? '-' : ' '),
            "leadingBlank() starts with a blank or a minus", where);
    const std::string digits = text.substr(1);
    const auto dot = digits.find('.');
    // Significant digits: from the first digit that is not 0 to the last, the point aside.
    int first = -1, last = -1, position = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i == dot) continue;
        require(isDigit(digits[i]), "leadingBlank() writes only digits and one point", where);
        if (digits[i] != '0') {
            if (first < 0) first = position;
            last = position;
        }
        ++position;
    }
    require(first >= 0 && last - first < 15, "leadingBlank() keeps 15 significant digits", where);
    if (dot != std::string::npos) {
        require(dot > 0 && digits.back() != '0' && digits.back() != '.',
                "leadingBlank() writes no trailing zeros or point", where);
        require(std::fabs(v) >= 1 || digits.compare(0, 2, "0.") == 0,
                "leadingBlank() writes a leading zero below 1", where);
    }
    const double back = numtext::value(text);
    require(std::fabs(back - v) <= std::fabs(v) * 1e-14 || (std::fabs(v) < DBL_MIN && back == 0),
            "leadingBlank() reads back as the number",
            [&] { return where + ", reads back " + number(back); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const std::uint8_t mode = in.u8();
    switch (mode % 3) {
    case 0:
        checkValue(in.rest());
        break;
    case 1: {
        const std::size_t pattern = in.u8() % kPatterns.size();
        checkFormat(in.rawDouble(), pattern);
        // The same number as the keypad would type it.
        checkFormat(numtext::value(in.keypadText()), pattern);
        break;
    }
    default:
        checkLeadingBlank(in.rawDouble());
        checkLeadingBlank(numtext::value(in.keypadText()));
        break;
    }
    return 0;
}
