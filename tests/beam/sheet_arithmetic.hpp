// Reading back a calculation sheet's line with the numbers put in ("1000 N × 2000³ mm³ /
// (3 × 205000 N/mm² × 100 × 10⁴ mm⁴)"): the units are dropped, the rest is arithmetic with
// × / + − ( ) and superscript powers, evaluated as a reader would.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sheet {

// Sums of products of powers, read by recursive descent; a malformed text throws inside.
class Arithmetic {
public:
    static std::optional<double> eval(std::string text) {
        // Longest first, so that "N/mm²" goes before "N/mm" and "mm".
        for (const char* unit :
             {"N/mm²", "N/mm", "N/m", "kg/m", "N·mm", "N·m", "mm⁴", "mm³", "mm²", "mm", "N"})
            for (std::size_t at; (at = text.find(unit)) != std::string::npos;)
                text.erase(at, std::string_view(unit).size());
        for (auto [from, to] :
             {std::pair{"×", "*"}, {"−", "-"}, {"²", "^2"}, {"³", "^3"}, {"⁴", "^4"}})
            for (std::size_t at; (at = text.find(from)) != std::string::npos;)
                text.replace(at, std::string_view(from).size(), to);
        try {
            Arithmetic a{text};
            const double v = a.sum();
            if (text.find_first_not_of(' ', a.at_) == std::string::npos) return v;
        } catch (const std::logic_error&) {
        }
        return std::nullopt;
    }

private:
    explicit Arithmetic(std::string s) : s_(std::move(s)) {}
    // The next character after blanks if it is one of ops (consumed), else 0.
    char take(std::string_view ops) {
        while (at_ < s_.size() && s_[at_] == ' ')
            ++at_;
        if (at_ < s_.size() && ops.find(s_[at_]) != std::string_view::npos) return s_[at_++];
        return 0;
    }
    double sum() {
        double v = product();
        for (char op; (op = take("+-"));)
            v = op == '+' ? v + product() : v - product();
        return v;
    }
    double product() {
        double v = power();
        for (char op; (op = take("*/"));)
            v = op == '*' ? v * power() : v / power();
        return v;
    }
    double power() {
        const double v = primary();
        return take("^") ? std::pow(v, primary()) : v;
    }
    double primary() {
        if (take("(")) {
            const double v = sum();
            if (!take(")")) throw std::invalid_argument("no closing parenthesis");
            return v;
        }
        if (at_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[at_])))
            throw std::invalid_argument("no number");
        std::size_t used = 0;
        const double v = std::stod(s_.substr(at_), &used);
        at_ += used;
        return v;
    }

    std::string s_;
    std::size_t at_ = 0;
};

// Half a unit of the last decimal of a shown number ("117.6" → 0.05, "1538" → 0.5).
inline double halfUnit(const std::string& shown) {
    const std::size_t point = shown.find('.');
    if (point == std::string::npos) return 0.5;
    const std::size_t end =
        std::min(shown.find_first_not_of("0123456789", point + 1), shown.size());
    return 0.5 * std::pow(10.0, -double(end - point - 1));
}

// Whether a line's numbers evaluate to its shown result: within the rounding of the result,
// and of the six-digit figures carried between lines. A ratio "1/N" is compared as N.
inline bool agrees(const std::string& numbers, const std::string& shown, std::string* why) {
    const auto v = Arithmetic::eval(numbers);
    // A shown result is a number, "12.3 %" or "1/593".
    const auto r = Arithmetic::eval(shown.substr(0, shown.find('%')));
    if (!v || !r) {
        *why = "cannot read '" + numbers + "' = '" + shown + "'";
        return false;
    }
    const bool reciprocal = shown.rfind("1/", 0) == 0;
    const double got = reciprocal ? 1 / *v : *v, want = reciprocal ? 1 / *r : *r;
    const double tolerance = halfUnit(reciprocal ? shown.substr(2) : shown) + 1e-5 * std::abs(got);
    *why = numbers + " = " + std::to_string(got) + ", shown " + shown;
    return std::abs(got - want) <= tolerance;
}

} // namespace sheet
