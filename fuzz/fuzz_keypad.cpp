// The keypad: the first byte chooses the number of fields (the screens have 4 and 6), every
// further byte is one action: a digit key, the point, back-space, cancel, enter, a click on a
// field (numbers outside the screen's fields included), the screen's clear-all or a new load of
// the screen. After every action the readout must still be a number text the field can take.
#include "check.hpp"

#include "common/numtext.hpp"
#include "keypad/keypad.hpp"

#include <cmath>
#include <string>

namespace {

using fuzz::escaped;
using fuzz::fail;

// Empty (after the clear-all), or digits, one point and the decimals typed after it: "12.",
// "12.5", "007.", with no more digits than the keypad takes.
bool isReadout(const std::string& s) {
    if (s.empty()) return true;
    int digits = 0, points = 0;
    for (char c : s) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    const bool digitFirst = s[0] >= '0' && s[0] <= '9';
    return points == 1 && digitFirst && digits <= keypad::Keypad::kMaxDigits;
}

// The details of a report are put together only when a check fails: the log of keys is long.
void checkState(const keypad::Keypad& k, const std::string& log) {
    const std::string& r = k.readout();
    if (!isReadout(r)) fail("the readout is a number text", escaped(r) + " after " + log);
    const double v = numtext::value(r);
    if (!(std::isfinite(v) && v >= 0))
        fail("the readout reads as a finite number", escaped(r) + " after " + log);
    if (k.target() < 1 || k.target() > k.fieldCount())
        fail("the target is a field of the screen", std::to_string(k.target()) + " after " + log);
}

void checkHandover(const keypad::Keypad& k, const keypad::Handover& h, const std::string& log) {
    if (h.markTarget && (*h.markTarget < 1 || *h.markTarget > k.fieldCount()))
        fail("a marked target is a field of the screen", log);
    if (!h.write) return;
    const keypad::FieldWrite& w = *h.write;
    if (w.field < 1 || w.field > k.fieldCount()) fail("a write goes to a field of the screen", log);
    if (!isReadout(w.text)) fail("a field gets a number text", escaped(w.text) + " after " + log);
    if (!(w.value == numtext::value(w.text) && std::isfinite(w.value)))
        fail("a field gets the number its text reads as", escaped(w.text) + " after " + log);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const int fieldCount = 1 + in.u8() % 8;
    keypad::Keypad k(fieldCount);
    std::string log = "fields " + std::to_string(fieldCount) + ":";
    checkState(k, log);
    while (in.left() > 0) {
        const std::uint8_t b = in.u8();
        keypad::Handover h;
        // Digits take half of the byte values, so that long numbers are typed often.
        if (b < 128) {
            h = k.press(keypad::digitKey(b % 10));
            log += static_cast<char>('0' + b % 10);
        } else {
            switch ((b - 128) % 8) {
            case 0:
            case 1:
                h = k.press(keypad::Key::Point);
                log += " .";
                break;
            case 2:
                h = k.press(keypad::Key::Backspace);
                log += " BS";
                break;
            case 3:
                h = k.press(keypad::Key::Cancel);
                log += " C";
                break;
            case 4:
                h = k.press(keypad::Key::Enter);
                log += " E";
                break;
            case 5: {
                const int field = (b - 128) / 8 % (fieldCount + 2); // 0 and fieldCount + 1 too
                h = k.clickField(field);
                log += " F" + std::to_string(field);
                break;
            }
            case 6:
                k.clearReadout();
                log += " X";
                break;
            default:
                k.reset();
                log += " load";
                break;
            }
        }
        if (log.size() > 2000) log.erase(0, log.size() - 2000);
        checkHandover(k, h, log);
        checkState(k, log);
    }
    return 0;
}
