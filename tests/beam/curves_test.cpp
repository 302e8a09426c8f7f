// What the calculation shows beside its figures: the curves of moment and deflection along the
// beam, and the calculation sheet's working lines.
#include "beam/curves.hpp"
#include "beam/working.hpp"

#include <gtest/gtest.h>

#include "sheet_arithmetic.hpp"
#include "steel_beam.hpp"

#include <cmath>

namespace {

using S = beam::Structure;

// L = 2000 mm, L1 = 800 mm, 1600 N (per-metre cases: 0.8 N/mm), Z = 10 cm³, I = 1000 cm⁴,
// E = 205000 N/mm² (EI = 2.05e12 N·mm²), 10.3 kg/m (self weight 201.88 N, shown 201.9).
beam::Inputs check(S s, int loadCase) {
    return beamtest::steel(s, loadCase, 1600, 2000, 800, "10", "1000", "10.3");
}
constexpr double L = 2000, A = 800, EI = 2.05e12, P = 1600;

struct Checked {
    beam::Outcome out;
    beam::BeamCurves c;
};

Checked run(S s, int loadCase) {
    const beam::Inputs in = check(s, loadCase);
    Checked r{beam::calcDispatch(in), {}};
    auto c = beam::beamCurves(in, r.out);
    EXPECT_TRUE(c);
    if (c) r.c = *c;
    return r;
}

std::size_t at(const beam::BeamCurves& c, double x) {
    for (std::size_t i = 0; i < c.x.size(); ++i)
        if (std::abs(c.x[i] - x) < 1e-9) return i;
    ADD_FAILURE() << "no sample at " << x;
    return 0;
}

void near(double got, double want, double rel) {
    EXPECT_NEAR(got, want, rel * std::abs(want) + 1e-12);
}

// The curves' maxima against the figures the calculation shows. Where the calculation gives
// the deflection under a point load at L1 or at mid-span of the propped beam (whose largest
// deflection lies elsewhere), the curve is read there. Zero moment at a free end or a pin, zero
// deflection at a support, zero slope at a fixed end: a millionth of the span inside a fixed end
// the deflection has risen by less than a ten-thousandth of what the average slope would give;
// inside a pin by more than a tenth.
TEST(BeamCurves, MaximaAreTheCalculationsAndEndsKeepTheirConditions) {
    enum End { Fixed, Pinned, Free };
    const struct {
        S s;
        End left, right;
    } rows[] = {{S::Cantilever, Fixed, Free},
                {S::VerticalCantilever, Fixed, Free},
                {S::SimplySupported, Pinned, Pinned},
                {S::FixedBothEnds, Fixed, Fixed},
                {S::PinnedFixed, Pinned, Fixed}};
    for (const auto& [s, left, right] : rows) {
        const End ends[] = {left, right};
        for (int lc = 1; lc <= 3; ++lc) {
            SCOPED_TRACE(testing::Message() << int(s) << "/" << lc);
            const Checked r = run(s, lc);
            const beam::Quantities& q = *r.out.quantities;
            near(std::abs(r.c.moment.load.max.value), q.mo, 0.005);
            near(std::abs(r.c.moment.self.max.value), q.jmo, 0.005);
            near(r.c.deflection.self.max.value, q.jtawami, 0.005);
            const bool underLoad =
                (s >= S::SimplySupported && lc == 2) || (s == S::PinnedFixed && lc == 1);
            const double xd = lc == 2 ? A : L / 2;
            if (underLoad)
                near(r.c.deflection.load.values[at(r.c, xd)], q.kajutawami, 1e-9);
            else
                near(r.c.deflection.load.max.value, q.kajutawami, 0.005);
            // Load and self weight peak together except where a point load stands off
            // mid-span (and in the propped beam, whose crests part).
            if (lc != 2 && s != S::PinnedFixed) {
                near(std::abs(r.c.moment.total.max.value), q.mo + q.jmo, 0.005);
                near(r.c.deflection.total.max.value, q.tawamiT, 0.005);
            }
            EXPECT_GE(r.c.x.size(), 201u);
            const auto& m = r.c.moment.total.values;
            const auto& d = r.c.deflection.total.values;
            const double mmax = std::abs(r.c.moment.total.max.value);
            const double dmax = r.c.deflection.total.max.value;
            ASSERT_TRUE(mmax > 0 && dmax > 0);
            for (int e = 0; e < 2; ++e) {
                if (ends[e] != Fixed) {
                    EXPECT_NEAR(e == 0 ? m.front() : m.back(), 0, 1e-9 * mmax) << "end " << e;
                }
                if (ends[e] != Free) {
                    EXPECT_NEAR(e == 0 ? d.front() : d.back(), 0, 1e-9 * dmax) << "end " << e;
                }
            }
        }
        // A point load at L1 and a uniform load together.
        const beam::Loading lo{s, L, EI, P, A, 0.8, 0};
        const double average = std::abs(beam::deflectionAt(lo, L / 2)) / L, h = L * 1e-6;
        for (int e = 0; e < 2; ++e) {
            const double slope = std::abs(beam::deflectionAt(lo, e == 0 ? h : L - h)) / h;
            if (ends[e] == Fixed) {
                EXPECT_LT(slope, 1e-4 * average) << int(s) << " end " << e;
            } else if (ends[e] == Pinned) {
                EXPECT_GT(slope, 0.1 * average) << int(s) << " end " << e;
            }
        }
    }
    // Nothing calculated, no curves.
    beam::Inputs in = check(S::SimplySupported, 1);
    in.spanMm = 0;
    EXPECT_FALSE(beam::beamCurves(in, beam::calcDispatch(in)));
}

// One case per structure at mid-span and at L1, against the textbook closed forms (EI·δ in
// N·mm³, M in N·mm, then N·m).
TEST(BeamCurves, OneCasePerStructureMatchesTheClosedFormAtMidSpanAndAtL1) {
    const double m = L / 2, a = A, b = L - A;
    // Cantilever, 1600 N spread over the last 800 mm (w = 2 N/mm from c = 1200): the full
    // uniform load less the one over [0, c].
    const double w = 2, c = L - A;
    const auto cantM = [&](double x) {
        return -(w * (L - x) * (L - x) - w * (c - x) * (c - x)) / 2;
    };
    const auto cantD = [&](double x) {
        return w * x * x * (6 * (L * L - c * c) - 4 * x * (L - c)) / (24 * EI);
    };
    // Fixed at both ends, P at a (Roark): the left-end moment and reaction.
    const double ma = -P * a * b * b / (L * L), ra = P * b * b * (3 * a + b) / (L * L * L);
    // Pinned at the left, fixed at the right, P at a from the pin (AISC).
    const double r1 = P * b * b * (a + 2 * L) / (2 * L * L * L);
    const struct {
        S s;
        int lc;
        double mMid, dMid, mL1, dL1;
    } rows[] = {
        {S::Cantilever, 3, cantM(m), cantD(m), cantM(a), cantD(a)},
        // Vertical cantilever, P at the tip: M = -P(L - x), δ = P·x²(3L - x)/(6EI).
        {S::VerticalCantilever, 1, -P * m, P * m * m * (3 * L - m) / (6 * EI), -P * (L - a),
         P * a * a * (3 * L - a) / (6 * EI)},
        // Simply supported, P at a < L/2: δ(L/2) = P·a(3L² - 4a²)/(48EI), δ(a) = P·a²b²/(3EIL).
        {S::SimplySupported, 2, P * a / 2, P * a * (3 * L * L - 4 * a * a) / (48 * EI),
         P * a * b / L, P * a * a * b * b / (3 * EI * L)},
        // δ(L/2) = P·a²(3b - a)/(48EI), δ(a) = P·a³b³/(3EI·L³).
        {S::FixedBothEnds, 2, ma + ra * m - P * (m - a), P * a * a * (3 * b - a) / (48 * EI),
         2 * P * a * a * b * b / (L * L * L), P * std::pow(a * b, 3) / (3 * EI * std::pow(L, 3))},
        // δ(L/2) = P·a(3L² - 5a²)/(96EI), δ(a) = P·a²b³(3L + a)/(12EI·L³).
        {S::PinnedFixed, 2, r1 * m - P * (m - a), P * a * (3 * L * L - 5 * a * a) / (96 * EI),
         r1 * a, P * a * a * b * b * b * (3 * L + a) / (12 * EI * L * L * L)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(int(row.s));
        const Checked r = run(row.s, row.lc);
        near(r.c.moment.load.values[at(r.c, m)], row.mMid / 1000, 1e-9);
        near(r.c.deflection.load.values[at(r.c, m)], row.dMid, 1e-9);
        near(r.c.moment.load.values[at(r.c, a)], row.mL1 / 1000, 1e-9);
        near(r.c.deflection.load.values[at(r.c, a)], row.dL1, 1e-9);
    }
    // The self weight, 201.9 N spread over a simply supported span: 5·W·L³/(384EI) at mid-span.
    const Checked s = run(S::SimplySupported, 1);
    near(s.c.deflection.self.values[at(s.c, m)], 5 * 201.9 * L * L * L / (384 * EI), 1e-9);
    EXPECT_DOUBLE_EQ(s.c.deflection.self.max.x, m);
}

// The calculation sheet's beam: 1234.5 N over 2000 mm, L1 = 600 mm, Z = 10.5 cm³, I = 95.3 cm⁴,
// 10.3 kg/m.
beam::Inputs sheetCheck(S s, int loadCase, double l1 = 600) {
    return beamtest::steel(s, loadCase, 1234.5, 2000, l1, "10.5", "95.3", "10.3");
}

// Every line of every block evaluates to the result it shows, for all fifteen cases, a load
// per metre, a point load beyond mid-span (the other end moment governs) and at mid-span of
// the propped beam (the fixed end governs).
TEST(WorkingLines, EveryLineEvaluatesToTheResultShown) {
    std::vector<beam::Inputs> checks;
    for (S s : {S::Cantilever, S::VerticalCantilever, S::SimplySupported, S::FixedBothEnds,
                S::PinnedFixed})
        for (int lc = 1; lc <= 3; ++lc) {
            checks.push_back(sheetCheck(s, lc));
            beam::Inputs perMetre = sheetCheck(s, lc);
            perMetre.loadMode = beam::LoadMode::PerMetre;
            checks.push_back(perMetre);
        }
    checks.push_back(sheetCheck(S::FixedBothEnds, 2, 1500));
    checks.push_back(sheetCheck(S::PinnedFixed, 2, 1000));
    checks.push_back(sheetCheck(S::PinnedFixed, 2, 150));
    for (const beam::Inputs& in : checks) {
        SCOPED_TRACE(testing::Message() << int(in.structure) << "/" << int(in.loadCase) << " "
                                        << in.l1Mm << " " << int(in.loadMode));
        const beam::Outcome out = beam::calcDispatch(in);
        const auto blocks = beam::workingLines(in, out);
        ASSERT_EQ(blocks.size(), 4u);
        EXPECT_EQ(blocks[0].title, "荷重による");
        EXPECT_EQ(blocks[3].title, "比率");
        // The load's moment and deflection are the two halves of `Label式`.
        const auto& load = blocks[0].lines;
        ASSERT_GE(load.size(), 3u);
        EXPECT_EQ(load[load.size() - 3].formula + " " + load.back().formula, *out.formula);
        EXPECT_EQ(load[load.size() - 3].result, out.results->si.kajumo);
        EXPECT_EQ(blocks[2].lines[1].result, out.results->si.mot);
        EXPECT_EQ(blocks[2].lines[1].oldResult, out.old.mot);
        for (const beam::WorkingBlock& b : blocks)
            for (const beam::WorkingLine& line : b.lines) {
                std::string why;
                EXPECT_TRUE(sheet::agrees(line.numbers, line.result, &why))
                    << b.title << " " << line.formula << ": " << why;
            }
    }
}

// One line of each kind as a reader sees it, worked by hand: 1234.5 N at mid-span of 2 m
// gives 1234.5 × 2000 / 4 / 1000 = 617.25 → 617 N·m; σ = 617.25 × 10³ / 10.5 × 10³ =
// 58.79 → 58.8 N/mm²; 10.3 kg/m × 9.8 × 2 m = 201.88 → 201.9 N.
TEST(WorkingLines, ReadAsWorkedByHand) {
    const beam::Inputs in = sheetCheck(S::SimplySupported, 1);
    const auto blocks = beam::workingLines(in, beam::calcDispatch(in));
    ASSERT_EQ(blocks.size(), 4u);
    const beam::WorkingLine& m = blocks[0].lines[0];
    EXPECT_EQ(m.formula, "M=P*L/4");
    EXPECT_EQ(m.numbers, "1234.5 N × 2000 mm / 4 / 10³");
    EXPECT_EQ(m.result + " " + m.unit, "617 N·m");
    EXPECT_EQ(m.oldResult + " " + m.oldUnit, "6296 kg·cm");
    EXPECT_EQ(blocks[0].lines[1].numbers, "617.25 × 10³ N·mm / (10.5 × 10³ mm³)");
    EXPECT_EQ(blocks[0].lines[1].result, "58.8");
    EXPECT_EQ(blocks[0].lines[2].numbers,
              "1234.5 N × 2000³ mm³ / (48 × 205000 N/mm² × 95.3 × 10⁴ mm⁴)");
    EXPECT_EQ(blocks[1].lines[0].numbers, "10.3 kg/m × 9.8 × 2000 mm / 10³");
    EXPECT_EQ(blocks[1].lines[0].result, "201.9");
    // The vertical cantilever's weight adds to the load and bends nothing.
    const beam::Inputs v = sheetCheck(S::VerticalCantilever, 1);
    const auto vb = beam::workingLines(v, beam::calcDispatch(v));
    EXPECT_EQ(vb[1].lines[1].formula + vb[1].lines[1].result, "M=00");
    EXPECT_EQ(vb[2].lines[0].result, "1436.4");
    EXPECT_EQ(beam::sheetNumber(0.333333333333, 6) + " " + beam::sheetNumber(2000, 6) + " " +
                  beam::sheetNumber(1234567.8, 6),
              "0.333333 2000 1234570");
    // Nothing calculated (L1 beyond the span), no working.
    const beam::Inputs beyond = sheetCheck(S::Cantilever, 3, 2500);
    EXPECT_TRUE(beam::workingLines(beyond, beam::calcDispatch(beyond)).empty());
}

} // namespace
