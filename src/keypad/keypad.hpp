// The on-screen keypad's entry logic: the number being built in the readout, the field it is
// meant for, and what a key or a click on a field asks of the screen that hosts the keypad.
// Fields are numbered from 1 (TextHEN1 ...); the keypad knows nothing else about them.
//
// The readout is always a number text as the user builds it: digits, one point, and the
// decimals typed after the point (‹12.›, ‹12.5›, ‹007.›), or empty after the screen's
// clear-all. Whole numbers keep their trailing point, and so does the text handed to a field.
#pragma once

#include <optional>
#include <string>

namespace keypad {

// Entry state: nothing typed since the screen was loaded, a number being typed, or the
// readout just cleared or handed over (the next digit starts a new number).
enum class LastKey { NONE, NUMS, CE };

enum class Key { D0, D1, D2, D3, D4, D5, D6, D7, D8, D9, Point, Backspace, Cancel, Enter };

// The digit key with the caption `d` (0..9).
Key digitKey(int d);

// A text the host writes into one of its fields, with the number it stands for.
struct FieldWrite {
    int field = 0;
    std::string text;
    double value = 0;
    bool operator==(const FieldWrite&) const = default;
};

// What a key or a field click asks of the host, in this order: move the target marker,
// write the field, recalculate.
struct Handover {
    std::optional<int> markTarget;
    std::optional<FieldWrite> write;
    bool recalculate = false;
    bool operator==(const Handover&) const = default;
};

class Keypad {
public:
    // Digits the readout may hold: every whole number of 15 digits is exact in a double and
    // 15 significant digits survive the way through text and back, so the field gets exactly
    // the number shown; 15 digits and a point also fit the readout's label.
    static constexpr int kMaxDigits = 15;

    // A keypad for a screen whose fields are numbered 1..fieldCount (at least 1).
    explicit Keypad(int fieldCount);

    // The state at screen load: readout "0.", nothing typed, no point, target field 1.
    void reset();
    // The screen's clear-all: the readout becomes empty; the entry state stays.
    void clearReadout();

    // One key. Only Enter hands anything over; the other keys change the readout alone.
    Handover press(Key key);
    // A click on field k: k becomes the target, and a readout above 0 moves into it.
    // A number outside 1..fieldCount names no field of the screen and changes nothing.
    Handover clickField(int field);

    const std::string& readout() const { return readout_; }
    LastKey lastKey() const { return lastKey_; }
    bool flgDecimal() const { return flgDecimal_; }
    int target() const { return flgHEN_; }
    int fieldCount() const { return fieldCount_; }

private:
    void typeDigit(char digit);
    void typePoint();
    void backspace();
    Handover handOver(int field, bool recalculate);

    int fieldCount_;
    std::string readout_;
    LastKey lastKey_ = LastKey::NONE;
    bool flgDecimal_ = false;
    int flgHEN_ = 1;
};

} // namespace keypad
