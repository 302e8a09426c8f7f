// Reading back a calculation sheet's line with the numbers put in ("1000 N × 2000³ mm³ /
// (3 × 205000 N/mm² × 100 × 10⁴ mm⁴)"): the units are dropped, the rest is arithmetic with
// × / + − ( ) and superscript powers, evaluated as a reader would.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace sheet {

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
        Arithmetic a{text};
        const std::optional<double> v = a.sum();
        a.blanks();
        if (!v || a.at_ != a.s_.size()) return std::nullopt;
        return v;
    }

    // A shown result: a number, "12.3 %" or "1/593".
    static std::optional<double> result(const std::string& text) {
        std::string t = text;
        if (const std::size_t pc = t.find('%'); pc != std::string::npos) t.erase(pc);
        return eval(t);
    }

private:
    explicit Arithmetic(std::string s) : s_(std::move(s)) {}
    void blanks() {
        while (at_ < s_.size() && s_[at_] == ' ')
            ++at_;
    }
    bool take(char c) {
        blanks();
        if (at_ < s_.size() && s_[at_] == c) return ++at_, true;
        return false;
    }
    std::optional<double> sum() {
        std::optional<double> v = product();
        while (v) {
            if (take('+')) {
                auto r = product();
                v = r ? std::optional(*v + *r) : std::nullopt;
            } else if (take('-')) {
                auto r = product();
                v = r ? std::optional(*v - *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> product() {
        std::optional<double> v = power();
        while (v) {
            if (take('*')) {
                auto r = power();
                v = r ? std::optional(*v * *r) : std::nullopt;
            } else if (take('/')) {
                auto r = power();
                v = r ? std::optional(*v / *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> power() {
        std::optional<double> v = primary();
        if (v && take('^')) {
            auto e = primary();
            v = e ? std::optional(std::pow(*v, *e)) : std::nullopt;
        }
        return v;
    }
    std::optional<double> primary() {
        if (take('(')) {
            auto v = sum();
            return v && take(')') ? v : std::nullopt;
        }
        blanks();
        std::size_t used = 0;
        if (at_ >= s_.size() || !(std::isdigit(static_cast<unsigned char>(s_[at_])))) return {};
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
    int decimals = 0;
    if (point != std::string::npos)
        while (point + 1 + decimals < shown.size() &&
               std::isdigit(static_cast<unsigned char>(shown[point + 1 + decimals])))
            ++decimals;
    return 0.5 * std::pow(10.0, -decimals);
}

// Whether a line's numbers evaluate to its shown result: within the rounding of the result,
// and of the six-digit figures carried between lines. A ratio "1/N" is compared as N.
inline bool agrees(const std::string& numbers, const std::string& shown, std::string* why) {
    const auto v = Arithmetic::eval(numbers);
    const auto r = Arithmetic::result(shown);
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
