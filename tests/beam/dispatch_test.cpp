// The calculation against an independent solution of the beam equation, the deflection texts and
// the verdict, and what unusable input does. (The old-unit twins of the results are read, figure
// by figure, off the calculation screen in tests/ui.)
#include "beam/dispatch.hpp"
#include "beam/judgement.hpp"

#include <gtest/gtest.h>

#include "steel_beam.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using beam::Problem;
using S = beam::Structure;

// An independent solution of the beam equation: the load's own moment line in Macaulay
// brackets (M'' = -q) plus A + B·x, the deflection from EI·y'' = -M integrated in closed form
// plus C + D·x, and A, B, C, D from the end conditions. Deflections downwards, sagging moments
// positive, N and mm.
enum class End { Fixed, Pinned, Free };

struct Term { // c·<x - p>^n
    double c, p;
    int n;
};

std::vector<Term> point(double a, double p) {
    return {{-p, a, 1}};
}
std::vector<Term> uniform(double from, double to, double w) {
    return {{-w / 2, from, 2}, {w / 2, to, 2}};
}

struct Beam {
    Beam(double length, End left, End right, std::vector<Term> terms, double stiffness)
        : l(length), ei(stiffness), load(std::move(terms)) {
        using Row = std::array<double, 5>; // coefficients of A, B, C, D | right-hand side
        std::array<Row, 4> r{};
        int n = 0;
        for (auto [x, end] : {std::pair{0.0, left}, std::pair{l, right}}) {
            const Row y = {-x * x / 2, -x * x * x / 6, 1, x, own(x, 2)};
            const Row slope = {-x, -x * x / 2, 0, 1, own(x, 1)};
            const Row m = {1, x, 0, 0, -own(x, 0)}, shear = {0, 1, 0, 0, -own(x, -1)};
            r[n++] = end == End::Free ? m : y;
            r[n++] = end == End::Fixed ? slope : end == End::Pinned ? m : shear;
        }
        for (int c = 0; c < 4; ++c) { // Gauss-Jordan with partial pivoting
            std::swap(r[c], *std::max_element(r.begin() + c, r.end(), [c](auto& p, auto& q) {
                          return std::abs(p[c]) < std::abs(q[c]);
                      }));
            for (int i = 0; i < 4; ++i)
                for (int j = 4; i != c && j >= c; --j)
                    r[i][j] -= r[i][c] / r[c][c] * r[c][j];
        }
        for (int i = 0; i < 4; ++i)
            k[i] = r[i][4] / r[i][i];
    }

    // The k-th integral of the load's own moment line (k = -1: its slope); a load standing on
    // the end of the beam counts as on it.
    double own(double x, int order) const {
        double s = 0;
        for (const auto& [c, p, n] : load) {
            double f = x < p ? 0 : order < 0 ? c * n : c;
            for (int j = 1; j <= order; ++j)
                f /= n + j;
            s += f * std::pow(std::max(0.0, x - p), n + order);
        }
        return s;
    }
    double moment(double x) const { return own(x, 0) + k[0] + k[1] * x; }
    double deflection(double x) const {
        return (k[2] + k[3] * x - own(x, 2) - k[0] * x * x / 2 - k[1] * x * x * x / 6) / ei;
    }
    // The largest |M| or deflection over 2000 steps, a grid that holds every load point here.
    double most(bool ofMoment) const {
        double v = 0;
        for (int i = 0; i <= 2000; ++i)
            v = std::max(v, ofMoment ? std::abs(moment(l * i / 2000)) : deflection(l * i / 2000));
        return v;
    }

    double l, ei;
    std::vector<Term> load;
    std::array<double, 4> k{}; // A, B, C, D
};

// P = 1000 N at the tip of L = 1000 mm (at L1 = 300, or spread, as the case takes it),
// Z = 10 cm³, I = 100 cm⁴, E = 205000 N/mm², 10 kg/m, allowable 160 N/mm².
beam::Inputs tipLoad(S s = S::Cantilever, int loadCase = 1) {
    return beamtest::steel(s, loadCase, 1000, 1000, 300, "10", "100", "10");
}

TEST(FormulaRoutines, AgreeWithTheBeamEquationForEveryStructureAndLoadCase) {
    const End F = End::Fixed, P = End::Pinned, R = End::Free;
    const double l = 2000, a = 300, w = 0.5, ei = 205000.0 * 100 * 1e4;
    // 2000 mm × 10.3 kg/m × 9.8 / 1000 = 201.88 N, shown as "201.9", the figure its moment uses.
    const double self = 201.88, shownSelf = 201.9;
    struct Row {
        S s;
        int loadCase;
        End left, right;
        std::vector<Term> load;
        double at;        // where the load deflection is taken; < 0: the largest deflection
        double wa = 1000; // N
    };
    // 1000 N, spread over the loaded length; the vertical cantilever takes it per metre
    // (1 N/mm), which a point load ignores.
    // clang-format off
    const Row rows[] = {
        {S::Cantilever, 1, F, R, point(l, 1000), l}, {S::Cantilever, 2, F, R, uniform(0, l, w), l},
        {S::Cantilever, 3, F, R, uniform(l - a, l, 1000 / a), l},
        {S::VerticalCantilever, 1, F, R, point(l, 1000), l},
        {S::VerticalCantilever, 2, F, R, uniform(0, l, 1), l, 2000},
        {S::VerticalCantilever, 3, F, R, uniform(l - a, l, 1), l, 300},
        {S::SimplySupported, 1, P, P, point(l / 2, 1000), l / 2},
        {S::SimplySupported, 2, P, P, point(a, 1000), a},
        {S::SimplySupported, 3, P, P, uniform(0, l, w), l / 2},
        {S::FixedBothEnds, 1, F, F, point(l / 2, 1000), l / 2},
        {S::FixedBothEnds, 2, F, F, point(a, 1000), a},         // the left end governs
        {S::FixedBothEnds, 2, F, F, point(l - a, 1000), l - a}, // the right end
        {S::FixedBothEnds, 2, F, F, point(l / 2, 1000), l / 2}, // all three alike, P·L/8
        {S::FixedBothEnds, 3, F, F, uniform(0, l, w), l / 2},
        {S::PinnedFixed, 1, P, F, point(l / 2, 1000), l / 2},
        {S::PinnedFixed, 2, P, F, point(a, 1000), a},         // under the load
        {S::PinnedFixed, 2, P, F, point(l / 2, 1000), l / 2}, // the fixed end, 3·P·L/16
        {S::PinnedFixed, 3, P, F, uniform(0, l, w), -1}};
    // clang-format on
    std::set<std::string> formulas;
    for (const Row& c : rows) {
        SCOPED_TRACE(testing::Message() << int(c.s) << "/" << c.loadCase << " at " << c.at);
        beam::Inputs in = tipLoad(c.s, c.loadCase);
        in.spanMm = l;
        in.l1Mm = c.loadCase == 2 ? c.at : a; // a point load stands at L1
        in.massText = "10.3";
        if (c.s == S::VerticalCantilever) in.loadMode = beam::LoadMode::PerMetre;
        const beam::Outcome out = beam::calcDispatch(in);
        ASSERT_TRUE(out.calculated() && out.formula);
        formulas.insert(*out.formula);
        // Without the old units (a ranking of sizes) the SI texts and the verdict are the same,
        // and no twin is written.
        in.withOldUnits = false;
        const beam::Outcome without = beam::calcDispatch(in);
        EXPECT_EQ(without.old, beam::TwinTexts{});
        EXPECT_EQ(without.results.value().si, out.results.value().si);
        EXPECT_EQ(without.verdict.value().label判定, out.verdict.value().label判定);
        const beam::Quantities& q = *out.quantities;
        // The propped cantilever's 1/185 rounds w·L⁴/(184.6·EI): 0.2 % off.
        const bool propped = c.s == S::PinnedFixed;
        const Beam load(l, c.left, c.right, c.load, ei);
        const double mo = load.most(true) / 1000; // N·m
        EXPECT_NEAR(q.mo, mo, 1e-9 * mo);
        EXPECT_NEAR(q.wa, c.wa, 1e-9);
        EXPECT_NEAR(q.kajumage, mo / 10, 1e-9 * mo);
        const double delta = c.at < 0 ? load.most(false) : load.deflection(c.at);
        EXPECT_NEAR(q.kajutawami, delta, (c.at < 0 ? 3e-3 : 1e-9) * delta);
        EXPECT_NEAR(q.jiju, self, 1e-9);
        if (c.s == S::VerticalCantilever) { // its own weight acts along its axis
            EXPECT_EQ(q.jmo + q.jmage + q.jtawami, 0);
            continue;
        }
        const double jmo =
            Beam(l, c.left, c.right, uniform(0, l, shownSelf / l), ei).most(true) / 1000;
        EXPECT_NEAR(q.jmo, jmo, 1e-9 * jmo);
        EXPECT_NEAR(q.jmage, jmo / 10, 1e-9 * jmo);
        const Beam weight(l, c.left, c.right, uniform(0, l, self / l), ei);
        const double jt = c.s == S::Cantilever ? weight.deflection(l)
                          : propped            ? weight.most(false)
                                               : weight.deflection(l / 2);
        EXPECT_NEAR(q.jtawami, jt, (propped ? 3e-3 : 1e-9) * jt);
    }
    EXPECT_EQ(formulas.size(), 12u);
}

// 1600.4 N·m / 10 cm³ = 160.04 N/mm² is shown as 160.0, so the ratio is 100.0 % and ○; 160.05
// is shown as 160.1: △. Without a mass the beam is weightless, not refused.
TEST(CalcDispatch, RatioAndVerdictGoByTheDisplayedStress) {
    beam::Inputs in = tipLoad();
    in.massText = "";
    in.loadN = 1600.4;
    beam::Outcome out = beam::calcDispatch(in);
    EXPECT_EQ(out.results.value().labelmagehikaku, "100.0 %");
    EXPECT_EQ(out.verdict.value().label丸, "○");
    in.loadN = 1600.5;
    out = beam::calcDispatch(in);
    EXPECT_EQ(out.results.value().si.maget, "160.1");
    EXPECT_EQ(out.verdict.value().label丸, "△");
}

// Incomplete input calculates nothing and says nothing: the shown results stay and their twins
// follow them (98 N·m × 100 / 9.8 = 1000 kg·cm). Each value must be positive on its own: two
// negative entries do not make a calculable beam. Refused input is named at Top 1900 and clears
// the verdict: L1 (1000.5 of 1000, too large for the cases that use it, ignored by the others)
// leaves the results as they are; unsound section values zero them; a bad allowable stress
// leaves results without ratio. Past the largest double there is no result: 9e307 kN is
// infinite; 1e306 N at the tip of 10 m deflects by 1e306 · 1e12 mm³ / (3EI), past it; 1e308 N/m
// over 10 m totals 1e309 N; 1e300 kg/m over 1e10 mm weighs 9.8e307 N, whose deflection · L³ is
// past it. The message replaces the results (none from other inputs stays) and the verdict.
// Loads are per metre throughout, which the point loads ignore.
TEST(CalcDispatch, UnusableInputIsSilentOrNamedAndClearsTheVerdict) {
    using I = beam::Inputs;
    using enum Problem;
    const char *l1 = " L1 が大きすぎます。", *allow = " 許容曲げ応力が正しくありません。";
    const char* large = " 数値が大きすぎて計算できません。";
    const double big = beam::toNewtons(9e307, beam::LoadUnit::kN);
    const struct {
        S s;
        int loadCase;
        double load, span, l1;
        std::string I::*field;
        const char* text;
        Problem problem;
        const char* message = nullptr; // none: silent
    } rows[] = {
        {S::Cantilever, 1, 0, 1000, 0, &I::zText, "10", LoadNotPositive},
        {S::SimplySupported, 1, -1000, -1000, 0, &I::zText, "10", LoadNotPositive},
        {S::Cantilever, 3, 1000, -1000, -300, &I::zText, "10", SpanNotPositive},
        {S::FixedBothEnds, 2, 1000, 1000, 0, &I::zText, "10", L1NotPositive},
        {S::Cantilever, 3, 1000, 1000, -1, &I::zText, "10", L1NotPositive},
        {S{6}, 1, 1000, 1000, 0, &I::zText, "10", UnknownCase},
        {S::SimplySupported, 4, 1000, 1000, 0, &I::zText, "10", UnknownCase},
        {S::Cantilever, 3, 1000, 1000, 1000.5, &I::zText, "10", L1TooLarge, l1},
        {S::FixedBothEnds, 2, 1000, 1000, 1000.5, &I::zText, "10", L1TooLarge, l1},
        {S::SimplySupported, 3, 1000, 1000, 1000.5, &I::zText, "abc", BadZ,
         " 断面係数 (Z) が正しくありません。"},
        {S::Cantilever, 1, 1000, 1000, 1000.5, &I::iText, "-100", BadI,
         " 二次モーメント (I) が正しくありません。"},
        {S::Cantilever, 1, 1000, 1000, 1000.5, &I::eText, "0", BadE,
         " ヤング係数 (E) が正しくありません。"},
        {S::Cantilever, 1, 1000, 1000, 1000.5, &I::massText, "-0.5", NegativeMass,
         " 質量が負の値です。"},
        {S::Cantilever, 1, 1000, 1000, 1000.5, &I::allowText, "-160", BadAllowable, allow},
        {S::Cantilever, 1, big, 1000, 300, &I::massText, "10", TooLarge, large},
        {S::Cantilever, 1, 1e306, 1e4, 300, &I::massText, "10", TooLarge, large},
        {S::Cantilever, 2, 1e308, 1e4, 300, &I::massText, "10", TooLarge, large},
        {S::Cantilever, 1, 1000, 1e10, 300, &I::massText, "1e300", TooLarge, large},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(&r - rows);
        beam::Inputs in = tipLoad(r.s, r.loadCase);
        in.loadMode = beam::LoadMode::PerMetre;
        std::tie(in.loadN, in.spanMm, in.l1Mm) = std::tuple(r.load, r.span, r.l1);
        in.*r.field = r.text;
        in.shown.kajumo = "98";
        const beam::Outcome out = beam::calcDispatch(in);
        EXPECT_EQ(out.problem, r.problem);
        EXPECT_EQ(out.calculated(), r.message == allow);
        EXPECT_EQ(out.formula.has_value(), r.message == allow);
        EXPECT_FALSE(out.verdict);
        if (!r.message) {
            EXPECT_FALSE(out.results || out.message || out.clearVerdict);
            EXPECT_EQ(out.old.kajumo, "1000");
            continue;
        }
        ASSERT_TRUE(out.message);
        EXPECT_EQ(out.message->caption, r.message);
        EXPECT_TRUE(out.message->visible && out.clearVerdict);
        if (r.message == l1) {
            EXPECT_FALSE(out.results);
        } else if (r.message == allow) { // 1000 mm / 1.6858 mm = 593
            EXPECT_EQ(out.results.value().labelmagehikaku, "");
            EXPECT_EQ(out.results.value().labeltawamihikaku, "1/593");
        } else { // no stale figures stay on the screen
            ASSERT_TRUE(out.results);
            EXPECT_EQ(out.results->si, beam::KekkaZero());
            EXPECT_EQ(out.old.kajumo, "0");
            EXPECT_EQ(out.results->deflections.tawamit + out.results->labelmagehikaku +
                          out.results->labeltawamihikaku.value_or("-"),
                      "");
        }
    }
}

// 1e290 N at 10 m still fits: M = 1e290 · 1e4 / 1000 = 1e291 N·m, shown with all its 292
// digits (the first 16 as the double holds them).
TEST(CalcDispatch, ResultsJustBelowTheLargestNumberAreShownInFull) {
    beam::Inputs in = tipLoad();
    in.loadN = 1e290;
    in.spanMm = 1e4;
    const beam::Outcome out = beam::calcDispatch(in);
    EXPECT_EQ(out.problem, Problem::None);
    const std::string mo = out.results.value().si.kajumo;
    EXPECT_EQ(mo.size(), 292u);
    EXPECT_EQ(mo.substr(0, 16), "1" + std::string(15, '0'));
}

// A load standing on a support (L1 = L) of a weightless beam bends nothing: the verdict and the
// deflection ratio stay as they were. (That the vertical cantilever's weight bends nothing but
// still adds to the load is read off the calculation screen on its three roads, tests/ui.)
TEST(CalcDispatch, ALoadOnTheSupportBendsNothing) {
    beam::Inputs in = tipLoad(S::SimplySupported, 2);
    in.l1Mm = 1000;
    in.massText = "";
    const beam::Outcome out = beam::calcDispatch(in);
    ASSERT_TRUE(out.calculated() && out.message);
    EXPECT_EQ(out.message->caption, "");
    EXPECT_FALSE(out.message->visible);
    EXPECT_EQ(out.quantities->mo, 0);
    EXPECT_EQ(out.results->deflections.tawamit, "0.0");
    EXPECT_FALSE(out.results->labeltawamihikaku);
    EXPECT_FALSE(out.momentPositive || out.verdict || out.clearVerdict);
}

TEST(KetasitaSet, ShowsTheFirstDigitOfTheSmallerDeflectionUpToFiveDecimals) {
    struct Row {
        double load, self;
        int ketasita, jKetasita;
        const char* texts; // load, self weight, total
    };
    const Row rows[] = {
        {0.05, 0.0004, 2, 4, "0.0500 0.0004 0.0504"},
        {0.1, 0.01, 1, 2, "0.10 0.01 0.11"},
        {0.00009, 3, 5, 1, "0.00009 3.00000 3.00009"},
        {0.000001, 2, 5, 1, "0.00000 2.00000 2.00000"}, // never more than five
        {1.5, 0, 1, 1, "1.5 0.0 1.5"},                  // zero asks for one
        {-0.05, 0.5, 1, 1, "-0.1 0.5 0.5"},             // so does a negative one
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.texts);
        const beam::DeflectionTexts d = beam::KetasitaSet(r.load, r.self, r.load + r.self);
        EXPECT_EQ(d.ketasita, r.ketasita);
        EXPECT_EQ(d.jKetasita, r.jKetasita);
        EXPECT_EQ(d.kajutawami + " " + d.jtawami + " " + d.tawamit, r.texts);
    }
}

// The band stands for 0 % to 200 % of the allowable stress: the bar fills σ / (2 × 160) of it.
// An allowable stress of 1e-306 once made the bar NaN (σ / 2e-306 is past the doubles): 0.0
// N/mm² still has no bar, 0.1 (r = 1e305) fills the band.
TEST(HanteiShow, JudgesTheDisplayedStressWithStrictLimits) {
    using enum beam::Grade;
    struct Row {
        const char *maget, *allow;
        beam::Grade grade;
        const char* verdict; // `Label判定` and `Label丸`
        double bar;
    };
    const Row rows[] = {
        {"160.0", "160", LongTermOk, "曲げ応力 長期 OK ○", 0.5}, // r = 1.0
        {"160.1", "160", ShortTermOk, "曲げ応力 短期 OK △", 0.5003125},
        {"240.0", "160", ShortTermOk, "曲げ応力 短期 OK △", 0.75}, // r = 1.5
        {"240.1", "160", ShortTermNg, "曲げ応力 短期 NG ×", 0.7503125},
        {"320.01", "160", ShortTermNg, "曲げ応力 短期 NG ×", 1}, // capped at 200 %
        {"0.0", "160", LongTermOk, "曲げ応力 長期 OK ○", 0},
        {"0.0", "1e-306", LongTermOk, "曲げ応力 長期 OK ○", 0},
        {"0.1", "1e-306", ShortTermNg, "曲げ応力 短期 NG ×", 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.maget << " of " << r.allow);
        const beam::Hantei h = beam::HanteiShow(r.maget, r.allow);
        EXPECT_EQ(h.grade, r.grade);
        EXPECT_EQ(h.label判定 + " " + h.label丸, r.verdict);
        EXPECT_NEAR(h.bar, r.bar, 1e-12);
    }
}

} // namespace
