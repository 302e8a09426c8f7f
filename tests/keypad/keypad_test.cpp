// Key sequences on the keypad, worked out by hand, and the readout staying a number text
// whatever is pressed.
#include "keypad/keypad.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <sstream>
#include <vector>

using keypad::FieldWrite;
using keypad::Handover;
using keypad::Key;
using keypad::Keypad;
using keypad::LastKey;

namespace keypad {
void PrintTo(const FieldWrite& w, std::ostream* os) {
    *os << "{field " << w.field << ", \"" << w.text << "\", " << w.value << '}';
}
void PrintTo(LastKey k, std::ostream* os) {
    *os << (k == LastKey::NONE ? "NONE" : k == LastKey::NUMS ? "NUMS" : "CE");
}
} // namespace keypad

namespace {

// What the host was asked to do over a whole sequence.
struct Trace {
    std::vector<FieldWrite> writes;
    std::vector<int> marks;
    int recalcs = 0;
};

// One step of a script: a digit, "." (the point key), "BS", "C", "E" (←入力), "F<k>" (click
// on field k) or "X" (the screen's clear-all, which empties the readout).
void step(Keypad& k, const std::string& token, Trace& t) {
    Handover h;
    if (token.size() == 1 && token[0] >= '0' && token[0] <= '9')
        h = k.press(keypad::digitKey(token[0] - '0'));
    else if (token == ".")
        h = k.press(Key::Point);
    else if (token == "BS")
        h = k.press(Key::Backspace);
    else if (token == "C")
        h = k.press(Key::Cancel);
    else if (token == "E")
        h = k.press(Key::Enter);
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

struct Sequence {
    const char* keys;
    const char* readout;
    LastKey lastKey;
    bool flgDecimal;
};

void PrintTo(const Sequence& s, std::ostream* os) {
    *os << '"' << s.keys << '"';
}

class KeypadTyping : public ::testing::TestWithParam<Sequence> {};

TEST_P(KeypadTyping, BuildsTheReadout) {
    const Sequence& s = GetParam();
    Keypad k(4);
    const Trace t = run(k, s.keys);
    EXPECT_EQ(k.readout(), s.readout) << s.keys;
    EXPECT_EQ(k.lastKey(), s.lastKey) << s.keys;
    EXPECT_EQ(k.flgDecimal(), s.flgDecimal) << s.keys;
    EXPECT_TRUE(t.writes.empty()) << s.keys;
    EXPECT_EQ(t.recalcs, 0) << s.keys;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, KeypadTyping, ::testing::Values(
    // Load state and plain numbers.
    Sequence{"", "0.", LastKey::NONE, false},
    Sequence{"7", "7.", LastKey::NUMS, false},
    Sequence{"1 2 . 5", "12.5", LastKey::NUMS, true},
    Sequence{". 5", "0.5", LastKey::NUMS, true},
    Sequence{"0", "0.", LastKey::NUMS, false},
    Sequence{"0 0 7", "007.", LastKey::NUMS, false},
    Sequence{"1 . 0 0", "1.00", LastKey::NUMS, true},
    // A second point changes nothing.
    Sequence{"1 2 . . 5", "12.5", LastKey::NUMS, true},
    Sequence{"1 2 . 5 . 6", "12.56", LastKey::NUMS, true},
    Sequence{". .", "0.", LastKey::NUMS, true},
    // Backspace on whole numbers drops the last digit.
    Sequence{"1 2 3 BS", "12.", LastKey::NUMS, false},
    Sequence{"1 2 3 BS 4", "124.", LastKey::NUMS, false},
    Sequence{"5 BS", "0.", LastKey::CE, false},
    Sequence{"5 BS 3", "3.", LastKey::NUMS, false},
    Sequence{"BS", "0.", LastKey::CE, false},
    // 00 read as a number is 0, shown "0." while the number is still being typed.
    Sequence{"0 0 7 BS", "0.", LastKey::NUMS, false},
    Sequence{"0 0 7 BS 5", "05.", LastKey::NUMS, false},
    // Backspace on decimals drops two characters and shows the rest rounded to a whole number;
    // the point stays typed.
    Sequence{"1 2 . 3 4 BS", "12.", LastKey::NUMS, true},
    Sequence{"1 2 . 5 BS", "12.", LastKey::NUMS, true},
    Sequence{"1 2 . 5 BS 5", "12.5", LastKey::NUMS, true},
    Sequence{"1 2 . 7 6 5 BS", "13.", LastKey::NUMS, true},
    Sequence{"9 9 . 9 5 BS", "99.", LastKey::NUMS, true},
    Sequence{"9 9 . 9 5 1 BS", "100.", LastKey::NUMS, true},
    Sequence{"0 . 4 5 6 BS", "0.", LastKey::NUMS, true},
    Sequence{"0 . 5 5 6 BS", "1.", LastKey::NUMS, true},
    Sequence{"1 . 2 3 BS BS", "0.", LastKey::CE, true},
    Sequence{"1 . 2 3 BS BS 4", "4.", LastKey::NUMS, false},
    Sequence{". BS", "0.", LastKey::CE, true},
    Sequence{". BS 5", "5.", LastKey::NUMS, false},
    // Clear: the next digit or point starts a new number.
    Sequence{"1 2 . 5 C", "0.", LastKey::CE, true},
    Sequence{"1 2 . 5 C 3", "3.", LastKey::NUMS, false},
    Sequence{"1 2 . 5 C . 5", "0.5", LastKey::NUMS, true},
    // The screen's clear-all empties the readout without changing the entry state.
    Sequence{"1 2 X", "", LastKey::NUMS, false},
    Sequence{"1 2 X 5", "5.", LastKey::NUMS, false},
    Sequence{"1 2 X F2", "", LastKey::NUMS, false},
    // After the clear-all a point or a digit starts a new number, so no point is lost.
    Sequence{"1 . 5 X 3 . 5", "3.5", LastKey::NUMS, true},
    Sequence{"1 2 X . 5", "0.5", LastKey::NUMS, true},
    // Clicking a field while the readout is 0 only moves the target.
    Sequence{"F3", "0.", LastKey::NONE, false},
    Sequence{"0 . 0 F2", "0.0", LastKey::NUMS, true}));
// clang-format on

struct Transfer {
    int fields;
    const char* keys;
    std::vector<FieldWrite> writes;
    std::vector<int> marks;
    int recalcs;
    int target;
    const char* readout;
};

void PrintTo(const Transfer& s, std::ostream* os) {
    *os << '"' << s.keys << '"';
}

class KeypadHandOver : public ::testing::TestWithParam<Transfer> {};

TEST_P(KeypadHandOver, WritesTheReadoutIntoTheTarget) {
    const Transfer& s = GetParam();
    Keypad k(s.fields);
    const Trace t = run(k, s.keys);
    EXPECT_EQ(t.writes, s.writes) << s.keys;
    EXPECT_EQ(t.marks, s.marks) << s.keys;
    EXPECT_EQ(t.recalcs, s.recalcs) << s.keys;
    EXPECT_EQ(k.target(), s.target) << s.keys;
    EXPECT_EQ(k.readout(), s.readout) << s.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeypadHandOver,
    ::testing::Values(
        // ←入力: the text as shown, trailing point included, then "0." again.
        Transfer{4, "F2 1 2 . 5 E", {{2, "12.5", 12.5}}, {2}, 1, 2, "0."},
        Transfer{4, "3 E", {{1, "3.", 3}}, {}, 1, 1, "0."},
        Transfer{4, "E", {{1, "0.", 0}}, {}, 1, 1, "0."},
        Transfer{4, "0 0 7 E", {{1, "007.", 7}}, {}, 1, 1, "0."},
        Transfer{4, "1 2 X E", {{1, "", 0}}, {}, 1, 1, "0."},
        Transfer{4, "5 E 3 E", {{1, "5.", 5}, {1, "3.", 3}}, {}, 2, 1, "0."},
        Transfer{6, "F6 . 2 5 E", {{6, "0.25", 0.25}}, {6}, 1, 6, "0."},
        // A click on a field moves a readout above 0 into it; the field recalculates by itself.
        Transfer{4, "7 F1", {{1, "7.", 7}}, {1}, 0, 1, "0."},
        Transfer{4, "F3", {}, {3}, 0, 3, "0."},
        Transfer{4, "F2 7 F3 E", {{3, "7.", 7}, {3, "0.", 0}}, {2, 3}, 1, 3, "0."},
        Transfer{6, "1 . 5 F5 2 F5", {{5, "1.5", 1.5}, {5, "2.", 2}}, {5, 5}, 0, 5, "0."},
        Transfer{4, "0 . 0 0 1 F4", {{4, "0.001", 0.001}}, {4}, 0, 4, "0."},
        Transfer{4, "0 0 F2", {}, {2}, 0, 2, "00."},
        // A number that names no field of the screen changes nothing.
        Transfer{4, "F2 7 F5 F0 E", {{2, "7.", 7}}, {2}, 1, 2, "0."},
        Transfer{4, "7 F-1", {}, {}, 0, 1, "7."}));

TEST(KeypadState, AHandOverStartsTheNextNumberAfresh) {
    Keypad k(4);
    run(k, "1 2 . 5 E");
    EXPECT_EQ(k.lastKey(), LastKey::CE);
    run(k, "3");
    EXPECT_EQ(k.readout(), "3.");
    run(k, "F2 .");
    EXPECT_EQ(k.readout(), "0.") << "the transfer of 3. leaves 0., the point starts 0.";
    run(k, "5");
    EXPECT_EQ(k.readout(), "0.5");
}

TEST(KeypadState, ResetRestoresTheLoadState) {
    Keypad k(6);
    run(k, "F4 1 . 5");
    k.reset();
    EXPECT_EQ(k.readout(), "0.");
    EXPECT_EQ(k.lastKey(), LastKey::NONE);
    EXPECT_FALSE(k.flgDecimal());
    EXPECT_EQ(k.target(), 1);
    EXPECT_THROW(Keypad(0), std::invalid_argument);
    EXPECT_THROW(keypad::digitKey(10), std::out_of_range);
}

TEST(KeypadState, TheReadoutStopsAtFifteenDigits) {
    Keypad k(4);
    run(k, "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7");
    EXPECT_EQ(k.readout(), "123456789012345.");
    run(k, ". 9");
    EXPECT_EQ(k.readout(), "123456789012345.") << "no room for a decimal either";
    run(k, "BS");
    EXPECT_EQ(k.readout(), "12345678901234.");
    run(k, "C . 0 0 0 0 0 0 0 0 0 0 0 0 0 7 8");
    EXPECT_EQ(k.readout(), "0.00000000000007");
    Trace t = run(k, "E");
    ASSERT_EQ(t.writes.size(), 1u);
    EXPECT_DOUBLE_EQ(t.writes[0].value, 7e-14);
    // The largest number keeps its value exactly through the field.
    t = run(k, "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 E");
    ASSERT_EQ(t.writes.size(), 1u);
    EXPECT_EQ(t.writes[0].text, "999999999999999.");
    EXPECT_EQ(t.writes[0].value, 999999999999999.0);
    // Backspace on a full readout with decimals may round up to one more whole digit.
    run(k, "9 9 9 9 9 9 9 9 9 9 9 9 . 9 5 1 BS");
    EXPECT_EQ(k.readout(), "1000000000000.");
}

// ---- Whatever is pressed, the readout stays a number text.

const std::regex kNumberText("[0-9]+\\.[0-9]*");

void expectNumberText(const Keypad& k, const std::string& how) {
    const std::string& r = k.readout();
    if (r.empty()) return; // only the screen's clear-all empties it
    ASSERT_TRUE(std::regex_match(r, kNumberText)) << '"' << r << "\" after " << how;
    ASSERT_LE(r.size(), static_cast<size_t>(Keypad::kMaxDigits + 1)) << how;
    if (!k.flgDecimal()) {
        ASSERT_EQ(r.back(), '.') << '"' << r << "\" after " << how;
    }
    ASSERT_GE(k.target(), 1) << how;
    ASSERT_LE(k.target(), k.fieldCount()) << how;
}

void expectSoundHandOver(const Trace& t, const std::string& how) {
    for (const FieldWrite& w : t.writes) {
        ASSERT_TRUE(w.text.empty() || std::regex_match(w.text, kNumberText)) << how;
        ASSERT_EQ(w.value, w.text.empty() ? 0.0 : std::strtod(w.text.c_str(), nullptr)) << how;
    }
}

const std::vector<std::string> kTokens = {"0", "5", "9", ".", "BS", "C", "E", "F2", "F1", "X"};

void explore(const Keypad& k, const std::string& how, int depth) {
    for (const std::string& token : kTokens) {
        Keypad next = k;
        Trace t;
        step(next, token, t);
        const std::string now = how + ' ' + token;
        expectNumberText(next, now);
        expectSoundHandOver(t, now);
        if (::testing::Test::HasFatalFailure()) return;
        if (depth > 1) explore(next, now, depth - 1);
    }
}

TEST(KeypadInvariant, EverySequenceOfSixKeysKeepsANumberText) {
    explore(Keypad(2), "", 6);
}

TEST(KeypadInvariant, LongRandomSequencesKeepANumberText) {
    std::mt19937 rng(20240611);
    const std::vector<std::string> tokens = {"0", "1",  "2",  "3",  "4",  "5",  "6",
                                             "7", "8",  "9",  ".",  ".",  "BS", "C",
                                             "E", "F1", "F2", "F3", "F4", "F5", "X"};
    std::uniform_int_distribution<size_t> pick(0, tokens.size() - 1);
    std::uniform_int_distribution<int> rare(0, 9);
    for (int run = 0; run < 2000; ++run) {
        Keypad k(4);
        std::string how;
        for (int i = 0; i < 80; ++i) {
            // Mostly digits, so the readout often reaches its limit.
            const std::string& token = rare(rng) < 7 ? tokens[pick(rng) % 10] : tokens[pick(rng)];
            Trace t;
            step(k, token, t);
            how += ' ' + token;
            expectNumberText(k, how);
            expectSoundHandOver(t, how);
            if (HasFatalFailure()) return;
        }
    }
}

} // namespace
