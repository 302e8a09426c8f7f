#include "common/numtext.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

TEST(NumtextValue, ReadsTheLeadingNumberAndNeverFails) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {{"12.5", 12.5}, {"  1 2 ", 12.0}, {"-3.5abc", -3.5},  {"abc", 0.0},
                 {"", 0.0},      {".5", 0.5},      {"1.2.3", 1.2},     {"2.5D2", 250.0},
                 {"1e", 1.0},    {"7e+x", 7.0},    {"--5", 0.0},       {"+7", 7.0},
                 {"1,5", 1.0},   {"１２", 0.0},    {"\t4\n2", 42.0},   {"1e-400", 0.0},
                 {"- 4", -4.0},  {"5-3", 5.0},     {"1e400", DBL_MAX}, {"-1e400", -DBL_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(numtext::value(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(numtext::value(std::string(400, '9')), DBL_MAX);
    EXPECT_FALSE(std::signbit(numtext::value("-0.0")));
}

// Only a whole half-width number that is positive and finite: a comma, a second point, letters,
// inner blanks or full-width digits make the text no number at all.
TEST(NumtextPositiveNumber, TheWholeTextIsOnePositiveNumber) {
    const struct {
        const char* text;
        std::optional<double> expected;
    } cases[] = {{"7.85", 7.85}, {" 1.9 ", 1.9}, {"2.05e5", 205000.0}, {".5", 0.5},
                 {"5.", 5.0},    {"+3", 3.0},    {"1,9", {}},          {"abc", {}},
                 {"", {}},       {"0", {}},      {"-2", {}},           {"1.2.3", {}},
                 {"1 2", {}},    {"１２", {}},   {"1e", {}},           {".", {}},
                 {"1e400", {}},  {"1e-400", {}}, {"7e3x", {}},         {"0.0001", 0.0001}};
    for (const auto& c : cases)
        EXPECT_EQ(numtext::positiveNumber(c.text), c.expected) << '"' << c.text << '"';
}

// 2.675, 1.005, 9.995 and 0.00145 are stored just below the half; the user reads the half.
// Also: never a minus zero; percent moves the point before rounding; "0." keeps the point.
TEST(NumtextFormat, RoundsHalfAwayFromZeroOnTheDecimalTheUserReads) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = INFINITY;
    // clang-format off
    const struct {
        double v;
        const char *pattern, *expected;
    } cases[] = {
        {2.675, "####0.00", "2.68"}, {1.005, "####0.00", "1.01"}, {9.995, "####0.00", "10.00"},
        {-2.675, "####0.00", "-2.68"}, {-2.5, "0", "-3"}, {99999.5, "#########0", "100000"},
        {3.14159, "####0.000", "3.142"}, {0.00005, "####0.0000", "0.0001"},
        {1e-7, "####0.00000", "0.00000"}, {5, "##0.0", "5.0"},
        {1e20, "#########0", "100000000000000000000"}, {0.45, "0.0", "0.5"},
        {-0.004, "####0.00", "0.00"}, {-0.4, "0", "0"}, {-0.0004, "###0.0 %", "0.0 %"},
        {-0.005, "####0.00", "-0.01"}, {0.4567, "###0.0 %", "45.7 %"},
        {0.00145, "###0.0 %", "0.1 %"}, {0.1445, "###0.0 %", "14.5 %"},
        {12.3456, "###0.0 %", "1234.6 %"}, {3.7, "0.", "4."}, {0.0, "0.", "0."},
        {nan, "####0.00", ""}, {inf, "0", ""}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(numtext::format(c.v, c.pattern), c.expected) << c.v << " in " << c.pattern;
}

TEST(NumtextLeadingBlank, BlankOrMinusThenShortestPlainDecimal) {
    const struct {
        double v;
        const char* expected;
    } cases[] = {{60.5, " 60.5"},         {-0.5, "-0.5"},
                 {100, " 100"},           {-0.0, " 0"},
                 {0.1 + 0.2, " 0.3"},     {1e20, " 100000000000000000000"},
                 {1.5e-7, " 0.00000015"}, {2.0 / 3.0, " 0.666666666666667"}};
    for (const auto& c : cases)
        EXPECT_EQ(numtext::leadingBlank(c.v), c.expected) << c.v;
}

} // namespace
