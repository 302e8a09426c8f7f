// Numbers as the user sees them: every figure lives as text in a field, is read back with
// value(), and is written with format() or leadingBlank().
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// The leading decimal number of a text, the way the old BASIC Val() reads it: blanks, tabs
// and line breaks are skipped anywhere, "." is the decimal point whatever the locale, an
// exponent (E or D) is accepted, reading stops at the first other character, and a text
// without a number is 0. Never fails; a number beyond the double range saturates.
double value(std::string_view text);

// A value the user typed where only a positive number makes sense (a material constant, a
// section property): the whole text, blanks around it aside, is one number in half-width
// digits with "." as the point and an optional exponent, and it is positive and finite.
// Otherwise none: "1,9" is not 1 and "abc" is not 0 here.
std::optional<double> positiveNumber(std::string_view text);

// A number in a display pattern such as "####0.00", "#########0", "###0.0 %" or "0.".
// Rounds half away from zero on the shortest decimal form of the double (2.675 -> "2.68"),
// no digit grouping, "%" multiplies by 100, a point in the pattern is always printed, and a
// result that rounds to zero never carries a minus sign. Non-finite numbers give "".
std::string format(double v, std::string_view pattern);

// A number as the size designations write it: a blank before a non-negative number, a minus
// before a negative one, then up to 15 significant digits in plain decimal notation with a
// leading zero below 1 (" 60.5", " 0.5", "-0.5", " 3").
std::string leadingBlank(double v);

} // namespace numtext
