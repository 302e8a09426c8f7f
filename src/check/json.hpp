// A small, strict JSON reader and writer for the check files: UTF-8 only, no duplicate keys,
// nothing after the value, a bounded depth. A number keeps the text it was written with, so
// that a value typed as "12.50" is read back as "12.50", not as the double's shortest form.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace check::json {

struct Value;
struct Member;
using Object = std::vector<Member>; // in the order written
using Array = std::vector<Value>;

struct Number {
    double value = 0;
    std::string text; // as written in the file: a JSON number
};

struct Value {
    std::variant<std::nullptr_t, bool, Number, std::string, Array, Object> v;

    bool isObject() const { return std::holds_alternative<Object>(v); }
    const Object* object() const { return std::get_if<Object>(&v); }
    const Array* array() const { return std::get_if<Array>(&v); }
    const Number* number() const { return std::get_if<Number>(&v); }
    const std::string* string() const { return std::get_if<std::string>(&v); }
    const bool* boolean() const { return std::get_if<bool>(&v); }
};

struct Member {
    Member(std::string k, Value v) : first(std::move(k)), second(std::move(v)) {}
    std::string first;
    Value second;
};

// The member of an object by its key, or null.
const Value* find(const Object& o, std::string_view key);

// Why a text is not JSON: what is wrong, at which line (1-based).
struct SyntaxError {
    std::string what; // Japanese, e.g. "閉じていない文字列"
    int line = 1;
};

// Parses a whole text; a UTF-8 byte order mark at the start is skipped.
std::variant<Value, SyntaxError> parse(std::string_view text);

// Whether `text` is one JSON number (what the grammar allows: "-0.5", "12.50", "1e3"; not
// ".5", "+1", "05", "1.").
bool isNumberText(std::string_view text);

// Whether `text` is well-formed UTF-8 without surrogates or overlong forms.
bool isUtf8(std::string_view text);
// The text with every byte that is not part of well-formed UTF-8 replaced by U+FFFD.
std::string validUtf8(std::string_view text);

// Writes a value with two-blank indentation, members in their order, non-ASCII text as it
// is and control characters escaped.
std::string write(const Value& v);

} // namespace check::json
