// What the fuzz targets share: reading typed values off the fuzzer's bytes, and checks that
// print the broken invariant with the values involved and abort, so that libFuzzer keeps the
// input as a crash.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace fuzz {

// The text in quotes with bytes outside printable ASCII as \xNN, so that a report can be
// typed back in.
inline std::string escaped(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out + "\"";
}

inline std::string number(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

[[noreturn]] inline void fail(std::string_view what, const std::string& detail) {
    std::fprintf(stderr, "\n==== invariant broken: %.*s\n     %s\n", static_cast<int>(what.size()),
                 what.data(), detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// The details of a report, given as a text or as a function that writes it: checks run on
// every input, so details that take work to put together are written only when one fails.
template <class Detail> std::string detailText(Detail&& detail) {
    if constexpr (std::is_invocable_v<Detail&>)
        return detail();
    else
        return std::string(detail);
}

template <class Detail = std::string_view>
void require(bool holds, std::string_view what, Detail&& detail = {}) {
    if (!holds) fail(what, detailText(detail));
}

inline void requireFinite(double v, std::string_view what, std::string_view where = {}) {
    if (!std::isfinite(v)) fail(what, "not finite: " + number(v) + ", " + std::string(where));
}

// Why a text that shows a number would look broken on a screen: an infinity or NaN spelt out,
// or an exponent after a digit ("1e+20", "2.5E-7", "3e5"). Empty when it looks sound.
inline std::string numberTextFault(std::string_view text) {
    const auto at = [&](std::size_t i) {
        const char c = i < text.size() ? text[i] : '\0';
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    const auto digit = [&](std::size_t i) { return at(i) >= '0' && at(i) <= '9'; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (at(i) == 'i' && at(i + 1) == 'n' && at(i + 2) == 'f') return "spells an infinity";
        if (at(i) == 'n' && at(i + 1) == 'a' && at(i + 2) == 'n') return "spells a NaN";
        if (!digit(i) || at(i + 1) != 'e') continue;
        std::size_t j = i + 2;
        if (at(j) == '+' || at(j) == '-') ++j;
        if (digit(j) || j > i + 2) return "has an exponent";
    }
    return {};
}

inline void requireNumberText(std::string_view text, std::string_view what,
                              std::string_view where = {}) {
    const std::string fault = numberTextFault(text);
    if (!fault.empty()) fail(what, fault + ": " + escaped(text) + ", " + std::string(where));
}

// The fuzzer's bytes read front to back; past the end every read gives zeros.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t left() const { return size_ - pos_; }

    std::uint8_t u8() { return pos_ < size_ ? data_[pos_++] : 0; }

    std::uint16_t u16() {
        const std::uint16_t hi = u8();
        return static_cast<std::uint16_t>(hi << 8 | u8());
    }

    // Any double, NaN, infinities and subnormals included.
    double rawDouble() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | u8();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

    // A text of up to `maxLength` bytes, its length in the first byte.
    std::string text(std::size_t maxLength = 40) {
        const std::size_t n = std::min<std::size_t>(u8() % (maxLength + 1), left());
        std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return s;
    }

    // A text as the keypad writes it into a field: up to 15 digits, at most one point, made of
    // the next bytes up to a byte that ends it. What the user can type, and so what every
    // formula must handle without leaving the range of numbers. The low four bits of a byte
    // decide, so that ASCII reads as written: '0' … '9' are digits, '.' (and ':') the point,
    // ',' (and every other value) ends the text: "60.5,3.2,".
    std::string keypadText() {
        std::string s;
        int digits = 0;
        bool point = false;
        while (pos_ < size_) {
            const int k = data_[pos_++] % 16;
            if (k <= 9) {
                if (digits < 15) {
                    s.push_back(static_cast<char>('0' + k));
                    ++digits;
                }
            } else if (k == 10 || k == 14) {
                if (!point) s.push_back('.');
                point = true;
            } else {
                break;
            }
        }
        return s;
    }

    // Everything not read yet.
    std::string_view rest() {
        std::string_view s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace fuzz
