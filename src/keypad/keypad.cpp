#include "keypad/keypad.hpp"

#include <algorithm>
#include <stdexcept>

#include "common/numtext.hpp"

namespace keypad {
namespace {

constexpr const char* kZero = "0.";

int digitCount(const std::string& s) {
    return static_cast<int>(
        std::count_if(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

} // namespace

Key digitKey(int d) {
    if (d < 0 || d > 9) throw std::out_of_range("digit key 0..9");
    return static_cast<Key>(static_cast<int>(Key::D0) + d);
}

Keypad::Keypad(int fieldCount) : fieldCount_(fieldCount) {
    if (fieldCount < 1) throw std::invalid_argument("a keypad needs at least one field");
    reset();
}

void Keypad::reset() {
    flgDecimal_ = false;
    lastKey_ = LastKey::NONE;
    readout_ = kZero;
    flgHEN_ = 1;
}

void Keypad::clearReadout() {
    readout_.clear();
}

Handover Keypad::press(Key key) {
    switch (key) {
    case Key::Point:
        typePoint();
        return {};
    case Key::Backspace:
        backspace();
        return {};
    case Key::Cancel:
        readout_ = kZero;
        lastKey_ = LastKey::CE;
        return {};
    case Key::Enter:
        return handOver(flgHEN_, true);
    default:
        typeDigit(static_cast<char>('0' + (static_cast<int>(key) - static_cast<int>(Key::D0))));
        return {};
    }
}

// An empty readout (after the clear-all) starts a new number like a cleared one does;
// otherwise a point typed into it would be lost and 3, "．", 5 would give 35.
void Keypad::typeDigit(char digit) {
    if (lastKey_ != LastKey::NUMS || readout_.empty()) {
        readout_.assign(1, '.');
        flgDecimal_ = false;
    }
    if (digitCount(readout_) >= kMaxDigits) return;
    if (flgDecimal_) {
        readout_ += digit;
    } else {
        // Whole numbers carry their point at the end: the digit goes in front of it.
        readout_.resize(std::min(readout_.find('.'), readout_.size()));
        readout_ += digit;
        readout_ += '.';
    }
    lastKey_ = LastKey::NUMS;
}

void Keypad::typePoint() {
    if (lastKey_ != LastKey::NUMS || readout_.empty()) readout_ = kZero;
    flgDecimal_ = true;
    lastKey_ = LastKey::NUMS;
}

// Dropping two characters removes the last digit of a whole number together with its point;
// what is left is shown again as a whole number, so any remaining decimal rounds it.
void Keypad::backspace() {
    if (readout_.size() >= 3) {
        const std::string kept = readout_.substr(0, readout_.size() - 2);
        readout_ = numtext::format(numtext::value(kept), "0.");
    } else if (readout_.size() == 2) {
        readout_ = kZero;
        lastKey_ = LastKey::CE;
    }
}

Handover Keypad::clickField(int field) {
    if (field < 1 || field > fieldCount_) return {};
    flgHEN_ = field;
    // The field's own change handling recalculates after a transfer.
    Handover h = numtext::value(readout_) > 0 ? handOver(field, false) : Handover{};
    h.markTarget = field;
    return h;
}

Handover Keypad::handOver(int field, bool recalculate) {
    Handover h;
    if (field >= 1 && field <= fieldCount_)
        h.write = FieldWrite{field, readout_, numtext::value(readout_)};
    h.recalculate = recalculate;
    readout_ = kZero;
    lastKey_ = LastKey::CE;
    return h;
}

} // namespace keypad
