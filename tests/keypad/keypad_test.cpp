// Key sequences on the keypad, worked out by hand (that the readout stays a number text whatever
// is pressed is the fuzz target's check).
#include "keypad/keypad.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using keypad::FieldWrite;
using keypad::Key;
using keypad::Keypad;
using keypad::LastKey;

namespace {

// What the host was asked to do over a whole sequence.
struct Trace {
    std::vector<FieldWrite> writes;
    std::vector<int> marks;
    int recalcs = 0;
};

// One step: a digit, "." (the point key), "BS", "C", "E" (←入力), "F<k>" (click on field k)
// or "X" (the screen's clear-all, which empties the readout).
void step(Keypad& k, const std::string& token, Trace& t) {
    keypad::Handover h;
    if (token.size() == 1 && token[0] >= '0' && token[0] <= '9')
        h = k.press(keypad::digitKey(token[0] - '0'));
    else if (token == "." || token == "BS" || token == "C" || token == "E")
        h = k.press(token == "."    ? Key::Point
                    : token == "BS" ? Key::Backspace
                    : token == "C"  ? Key::Cancel
                                    : Key::Enter);
    else if (token[0] == 'F')
        h = k.clickField(std::atoi(token.c_str() + 1));
    else if (token == "X")
        k.clearReadout();
    else
        ADD_FAILURE() << "unknown token " << token;
    if (h.markTarget) t.marks.push_back(*h.markTarget);
    if (h.write) t.writes.push_back(*h.write);
    t.recalcs += h.recalculate ? 1 : 0;
}

Trace run(Keypad& k, const std::string& script) {
    Trace t;
    std::istringstream in(script);
    for (std::string token; in >> token;)
        step(k, token, t);
    return t;
}

TEST(KeypadTyping, BuildsTheReadout) {
    using enum LastKey;
    const struct {
        const char *keys, *readout;
        LastKey lastKey;
        bool flgDecimal;
    } cases[] = {
        // clang-format off
        {"", "0.", NONE, false}, {"1 2 . 5", "12.5", NUMS, true}, {". 5", "0.5", NUMS, true},
        {"0 0 7", "007.", NUMS, false},
        {"1 2 . 5 . 6", "12.56", NUMS, true}, // a second point changes nothing
        // Backspace drops two characters and shows the rest as a whole number, so a decimal
        // left over rounds it; the point stays typed.
        {"1 2 3 BS 4", "124.", NUMS, false}, {"5 BS", "0.", CE, false},
        {"1 2 . 7 6 5 BS", "13.", NUMS, true}, {"1 . 2 3 BS BS", "0.", CE, true},
        {"1 . 2 3 BS BS 4", "4.", NUMS, false}, {". BS 5", "5.", NUMS, false},
        // Clear: the next digit or point starts a new number.
        {"1 2 . 5 C 3", "3.", NUMS, false}, {"1 2 . 5 C . 5", "0.5", NUMS, true},
        // The clear-all empties the readout; the point typed after it once got lost (3.5 -> 35).
        {"1 2 X", "", NUMS, false}, {"1 . 5 X 3 . 5", "3.5", NUMS, true},
        {"0 . 0 F2", "0.0", NUMS, true}, // a click while the readout is 0 only moves
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Keypad k(4);
        const Trace t = run(k, c.keys);
        EXPECT_EQ(k.readout(), c.readout);
        EXPECT_EQ(k.lastKey(), c.lastKey);
        EXPECT_EQ(k.flgDecimal(), c.flgDecimal);
        EXPECT_TRUE(t.writes.empty() && t.recalcs == 0);
    }
}

TEST(KeypadHandOver, WritesTheReadoutIntoTheTarget) {
    const struct {
        int fields;
        const char* keys;
        std::vector<FieldWrite> writes;
        std::vector<int> marks;
        int recalcs, target;
        const char* readout;
    } cases[] = {
        // ←入力: the text as shown, trailing point included, then "0." again.
        {4, "F2 1 2 . 5 E", {{2, "12.5", 12.5}}, {2}, 1, 2, "0."},
        {4, "0 0 7 E", {{1, "007.", 7}}, {}, 1, 1, "0."},
        {4, "1 2 X E", {{1, "", 0}}, {}, 1, 1, "0."},
        // A click on a field moves a readout above 0 into it; the field recalculates by itself.
        {4, "F2 7 F3 E", {{3, "7.", 7}, {3, "0.", 0}}, {2, 3}, 1, 3, "0."},
        {6, "1 . 5 F5 2 F5", {{5, "1.5", 1.5}, {5, "2.", 2}}, {5, 5}, 0, 5, "0."},
        {4, "0 0 F2", {}, {2}, 0, 2, "00."},
        // A number that names no field of the screen changes nothing.
        {4, "F2 7 F5 F0 F-1 E", {{2, "7.", 7}}, {2}, 1, 2, "0."},
        // The transfer of 3. leaves 0., the point starts 0.
        {6, "1 2 . 5 E 3 F2 . 5", {{1, "12.5", 12.5}, {2, "3.", 3}}, {2}, 1, 2, "0.5"},
        // The readout stops at fifteen digits; the largest number keeps its value exactly
        // through the field; backspace on a full readout with decimals may round up to one
        // more whole digit.
        {4, "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 . 9", {}, {}, 0, 1, "123456789012345."},
        {4, ". 0 0 0 0 0 0 0 0 0 0 0 0 0 7 8 E", {{1, "0.00000000000007", 7e-14}}, {}, 1, 1, "0."},
        {4,
         "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 E",
         {{1, "999999999999999.", 1e15 - 1}},
         {},
         1,
         1,
         "0."},
        {4, "9 9 9 9 9 9 9 9 9 9 9 9 . 9 5 1 BS", {}, {}, 0, 1, "1000000000000."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Keypad k(c.fields);
        const Trace t = run(k, c.keys);
        EXPECT_EQ(t.writes, c.writes);
        EXPECT_EQ(t.marks, c.marks);
        EXPECT_EQ(t.recalcs, c.recalcs);
        EXPECT_EQ(k.target(), c.target);
        EXPECT_EQ(k.readout(), c.readout);
    }
}

TEST(KeypadState, ResetRestoresTheLoadState) {
    Keypad k(6);
    run(k, "F4 1 . 5");
    k.reset();
    EXPECT_TRUE(k.readout() == "0." && k.lastKey() == LastKey::NONE && !k.flgDecimal() &&
                k.target() == 1);
    EXPECT_THROW(Keypad(0), std::invalid_argument);
    EXPECT_THROW(keypad::digitKey(10), std::out_of_range);
}

} // namespace
