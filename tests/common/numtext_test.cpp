#include "common/numtext.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

struct ValueCase {
    const char* text;
    double expected;
};

TEST(NumtextValue, ReadsTheLeadingNumberAndNeverFails) {
    const ValueCase cases[] = {
        {"12.5", 12.5},  {"  1 2 ", 12.0}, {"-3.5abc", -3.5}, {"abc", 0.0},     {"", 0.0},
        {".5", 0.5},     {"1.2.3", 1.2},   {"1e3", 1000.0},   {"2.5D2", 250.0}, {"1e", 1.0},
        {"7e+x", 7.0},   {"--5", 0.0},     {"+7", 7.0},       {"1,5", 1.0},     {"１２", 0.0},
        {"-", 0.0},      {"12.", 12.0},    {"\t4\n2", 42.0},  {"0.000", 0.0},   {"-0", 0.0},
        {"1e-400", 0.0}, {"3 .2", 3.2},    {"- 4", -4.0},     {"5-3", 5.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numtext::value(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumtextValue, SaturatesBeyondTheDoubleRange) {
    EXPECT_EQ(numtext::value("1e400"), DBL_MAX);
    EXPECT_EQ(numtext::value("-1e400"), -DBL_MAX);
    EXPECT_EQ(numtext::value(std::string(400, '9')), DBL_MAX);
}

TEST(NumtextValue, NegativeZeroReadsAsPlainZero) {
    EXPECT_FALSE(std::signbit(numtext::value("-0.0")));
}

struct FormatCase {
    double v;
    const char* pattern;
    const char* expected;
};

TEST(NumtextFormat, RoundsHalfAwayFromZeroOnTheDecimalTheUserReads) {
    // 2.675, 1.005, 1.115 and 9.995 are stored just below the half; the user reads the half.
    const FormatCase cases[] = {
        {2.675, "####0.00", "2.68"},
        {1.005, "####0.00", "1.01"},
        {1.115, "####0.00", "1.12"},
        {9.995, "####0.00", "10.00"},
        {0.125, "####0.00", "0.13"},
        {-2.675, "####0.00", "-2.68"},
        {-2.5, "0", "-3"},
        {2.5, "0", "3"},
        {0.5, "#########0", "1"},
        {99999.5, "#########0", "100000"},
        {1234567.891, "####0.00", "1234567.89"},
        {3.14159, "####0.000", "3.142"},
        {0.00005, "####0.0000", "0.0001"},
        {0.000005, "####0.00000", "0.00001"},
        {1e-7, "####0.00000", "0.00000"},
        {5, "##0.0", "5.0"},
        {12.25, "####0.0", "12.3"},
        {1e20, "#########0", "100000000000000000000"},
        {123.456, "######0", "123"},
        {7.5, "########0", "8"},
        {0.45, "0.0", "0.5"},
        {0.0, "####0.00", "0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numtext::format(c.v, c.pattern), c.expected) << c.v << " in " << c.pattern;
}

TEST(NumtextFormat, NeverShowsMinusZero) {
    EXPECT_EQ(numtext::format(-0.004, "####0.00"), "0.00");
    EXPECT_EQ(numtext::format(-0.0, "#########0"), "0");
    EXPECT_EQ(numtext::format(-0.4, "0"), "0");
    EXPECT_EQ(numtext::format(-0.0004, "###0.0 %"), "0.0 %");
    EXPECT_EQ(numtext::format(-0.005, "####0.00"), "-0.01");
}

TEST(NumtextFormat, PercentScalesTheDecimalDigits) {
    EXPECT_EQ(numtext::format(0.4567, "###0.0 %"), "45.7 %");
    EXPECT_EQ(numtext::format(1.0, "###0.0 %"), "100.0 %");
    // 0.00145 is stored below the half; x100 in binary would give 0.14499999999999999.
    EXPECT_EQ(numtext::format(0.00145, "###0.0 %"), "0.1 %");
    EXPECT_EQ(numtext::format(0.1445, "###0.0 %"), "14.5 %");
    EXPECT_EQ(numtext::format(12.3456, "###0.0 %"), "1234.6 %");
}

TEST(NumtextFormat, WholeNumberWithTrailingPoint) {
    EXPECT_EQ(numtext::format(3.7, "0."), "4.");
    EXPECT_EQ(numtext::format(0.0, "0."), "0.");
    EXPECT_EQ(numtext::format(125.0, "0."), "125.");
}

TEST(NumtextFormat, NonFiniteGivesEmptyText) {
    EXPECT_EQ(numtext::format(std::numeric_limits<double>::quiet_NaN(), "####0.00"), "");
    EXPECT_EQ(numtext::format(std::numeric_limits<double>::infinity(), "0"), "");
}

TEST(NumtextLeadingBlank, BlankOrMinusThenShortestPlainDecimal) {
    const struct {
        double v;
        const char* expected;
    } cases[] = {
        {60.5, " 60.5"},
        {3.2, " 3.2"},
        {0.5, " 0.5"},
        {-0.5, "-0.5"},
        {100, " 100"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {0.1 + 0.2, " 0.3"},
        {1e20, " 100000000000000000000"},
        {1.5e-7, " 0.00000015"},
        {-1234.25, "-1234.25"},
        {2.0 / 3.0, " 0.666666666666667"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numtext::leadingBlank(c.v), c.expected) << c.v;
}

} // namespace
