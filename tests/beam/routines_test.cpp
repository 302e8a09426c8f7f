// Every structure and load case against an independent solution of the beam equation: the
// bending moment is a particular solution plus A + B·x, the deflection the double integral of
// M/EI (Simpson's rule, exact on the piecewise polynomials here) plus C + D·x, and A, B, C, D
// come from the end conditions. Nothing of the routines' closed forms is reused.
#include "beam/dispatch.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

enum class End { Fixed, Pinned, Free };

struct PointLoad {
    double a, p; // position from the left end (mm), force (N)
};
struct UniformLoad {
    double from, to, w; // mm, mm, N/mm
};

// A beam of length l, downward loads and deflections positive, sagging moments positive.
class BeamSolution {
public:
    BeamSolution(double l, End left, End right, std::vector<PointLoad> points,
                 std::vector<UniformLoad> uniform, double ei)
        : l_(l), ei_(ei), points_(std::move(points)), uniform_(std::move(uniform)) {
        std::array<std::array<double, 5>, 4> rows{};
        int n = 0;
        for (auto [x, end] : {std::pair{0.0, left}, std::pair{l, right}}) {
            // Unknowns A, B (moment), C, D (deflection); each end gives two conditions.
            const auto deflection = [&] {
                rows[n++] = {-x * x / 2, -x * x * x / 6, 1, x, integral2(x)};
            };
            const auto slope = [&] { rows[n++] = {-x, -x * x / 2, 0, 1, integral1(x)}; };
            const auto moment = [&] { rows[n++] = {1, x, 0, 0, -particular(x)}; };
            const auto shear = [&] { rows[n++] = {0, 1, 0, 0, -particularSlope(x)}; };
            switch (end) {
            case End::Fixed:
                deflection(), slope();
                break;
            case End::Pinned:
                deflection(), moment();
                break;
            case End::Free:
                moment(), shear();
                break;
            }
        }
        solve(rows);
    }

    // N·mm
    double moment(double x) const { return particular(x) + a_ + b_ * x; }
    // mm
    double deflection(double x) const {
        return (c_ + d_ * x - (integral2(x) + a_ * x * x / 2 + b_ * x * x * x / 6)) / ei_;
    }
    double maxAbsMoment() const {
        double m = 0;
        for (double x : samples())
            m = std::max(m, std::abs(moment(x)));
        return m;
    }
    double maxDeflection() const {
        double v = 0;
        for (double x : samples())
            v = std::max(v, deflection(x));
        return v;
    }

private:
    // M'' = -q: a point load bends the moment line, a uniform load curves it.
    double particular(double x) const {
        double m = 0;
        for (const auto& p : points_)
            m -= p.p * std::max(0.0, x - p.a);
        for (const auto& u : uniform_) {
            const double s = std::max(0.0, x - u.from), e = std::max(0.0, x - u.to);
            m -= u.w / 2 * (s * s - e * e);
        }
        return m;
    }
    // A load standing on the right end counts as inside the span there.
    double particularSlope(double x) const {
        double v = 0;
        for (const auto& p : points_)
            v -= x >= p.a ? p.p : 0.0;
        for (const auto& u : uniform_)
            v -= u.w * (std::max(0.0, x - u.from) - std::max(0.0, x - u.to));
        return v;
    }
    std::vector<double> breaks(double x) const {
        std::vector<double> b = {0, x};
        for (const auto& p : points_)
            b.push_back(p.a);
        for (const auto& u : uniform_)
            b.insert(b.end(), {u.from, u.to});
        std::erase_if(b, [x](double t) { return t < 0 || t > x; });
        std::sort(b.begin(), b.end());
        b.erase(std::unique(b.begin(), b.end()), b.end());
        return b;
    }
    template <class F> double simpson(double x, F f) const {
        const std::vector<double> b = breaks(x);
        double sum = 0;
        for (std::size_t k = 1; k < b.size(); ++k) {
            const int n = 16;
            const double h = (b[k] - b[k - 1]) / n;
            double part = f(b[k - 1]) + f(b[k]);
            for (int i = 1; i < n; ++i)
                part += (i % 2 ? 4 : 2) * f(b[k - 1] + i * h);
            sum += part * h / 3;
        }
        return sum;
    }
    double integral1(double x) const {
        return simpson(x, [this](double t) { return particular(t); });
    }
    double integral2(double x) const {
        return simpson(x, [this, x](double t) { return (x - t) * particular(t); });
    }
    std::vector<double> samples() const {
        std::vector<double> xs;
        for (int i = 0; i <= 2000; ++i)
            xs.push_back(l_ * i / 2000);
        for (const auto& p : points_)
            xs.push_back(p.a);
        return xs;
    }
    void solve(std::array<std::array<double, 5>, 4>& r) {
        for (int c = 0; c < 4; ++c) {
            int pivot = c;
            for (int i = c + 1; i < 4; ++i)
                if (std::abs(r[i][c]) > std::abs(r[pivot][c])) pivot = i;
            std::swap(r[c], r[pivot]);
            for (int i = 0; i < 4; ++i) {
                if (i == c) continue;
                const double f = r[i][c] / r[c][c];
                for (int j = c; j < 5; ++j)
                    r[i][j] -= f * r[c][j];
            }
        }
        a_ = r[0][4] / r[0][0];
        b_ = r[1][4] / r[1][1];
        c_ = r[2][4] / r[2][2];
        d_ = r[3][4] / r[3][3];
    }

    double l_, ei_;
    std::vector<PointLoad> points_;
    std::vector<UniformLoad> uniform_;
    double a_ = 0, b_ = 0, c_ = 0, d_ = 0;
};

// The solver itself, on cases every handbook has.
TEST(BeamSolution, ReproducesHandbookCases) {
    const double l = 1000, p = 1000, ei = 2e12;
    const BeamSolution tip(l, End::Fixed, End::Free, {{l, p}}, {}, ei);
    EXPECT_NEAR(tip.moment(0), -1e6, 1e-3);             // -P·L
    EXPECT_NEAR(tip.deflection(l), 1e12 / 6e12, 1e-12); // P·L³/(3EI) = 1/6 mm
    const BeamSolution mid(l, End::Pinned, End::Pinned, {{500, p}}, {}, ei);
    EXPECT_NEAR(mid.moment(500), 250000, 1e-3);            // P·L/4
    EXPECT_NEAR(mid.deflection(500), 1e12 / 96e12, 1e-12); // P·L³/(48EI)
    const BeamSolution fixed(l, End::Fixed, End::Fixed, {}, {{0, l, 1}}, ei);
    EXPECT_NEAR(fixed.moment(0), -1e6 / 12, 1e-3);  // -w·L²/12
    EXPECT_NEAR(fixed.moment(500), 1e6 / 24, 1e-3); // +w·L²/24 at mid-span
}

// Member used below: Z 184 cm³, I 1840 cm⁴, E 205000 N/mm², 17.2 kg/m, allowable 160 N/mm².
constexpr double kZ = 184, kI = 1840, kE = 205000, kMass = 17.2;
constexpr double kEI = kE * kI * 1e4; // N·mm²
constexpr double kSpan = 2400, kL1 = 700, kLoad = 1500;
// Self weight 2400 mm × 17.2 kg/m × 9.8 / 1000 = 404.544 N, displayed as "404.5"; the
// self-weight moment is worked from 404.5 N.
constexpr double kSelfWeight = 404.544, kSelfShown = 404.5;

beam::Inputs member(beam::Structure s, int loadCase) {
    beam::Inputs in;
    in.structure = s;
    in.loadCase = loadCase;
    in.loadN = kLoad;
    in.spanMm = kSpan;
    in.l1Mm = kL1;
    in.zText = "184.00";
    in.iText = "1840.00";
    in.eText = "205000";
    in.massText = "17.2";
    in.allowText = "160";
    return in;
}

struct CaseModel {
    const char* name;
    beam::Structure structure;
    int loadCase;
    End left, right;
    std::vector<PointLoad> points;
    std::vector<UniformLoad> uniform;
    double at;        // where the load deflection is taken; < 0: the largest deflection
    double tolerance; // relative; the 1/185 of the propped cantilever is a rounded coefficient
};

const double kW = kLoad / kSpan; // a total of 1500 N spread over the span, N/mm

std::vector<CaseModel> cases() {
    using S = beam::Structure;
    const double l = kSpan, a = kL1;
    return {
        {"calc11", S::Cantilever, 1, End::Fixed, End::Free, {{l, kLoad}}, {}, l, 1e-9},
        {"calc12", S::Cantilever, 2, End::Fixed, End::Free, {}, {{0, l, kW}}, l, 1e-9},
        {"calc13", S::Cantilever, 3, End::Fixed, End::Free, {}, {{l - a, l, kLoad / a}}, l, 1e-9},
        {"calc31",
         S::SimplySupported,
         1,
         End::Pinned,
         End::Pinned,
         {{l / 2, kLoad}},
         {},
         l / 2,
         1e-9},
        {"calc32", S::SimplySupported, 2, End::Pinned, End::Pinned, {{a, kLoad}}, {}, a, 1e-9},
        {"calc33", S::SimplySupported, 3, End::Pinned, End::Pinned, {}, {{0, l, kW}}, l / 2, 1e-9},
        {"calc41", S::FixedBothEnds, 1, End::Fixed, End::Fixed, {{l / 2, kLoad}}, {}, l / 2, 1e-9},
        {"calc42", S::FixedBothEnds, 2, End::Fixed, End::Fixed, {{a, kLoad}}, {}, a, 1e-9},
        {"calc43", S::FixedBothEnds, 3, End::Fixed, End::Fixed, {}, {{0, l, kW}}, l / 2, 1e-9},
        {"calc51", S::PinnedFixed, 1, End::Pinned, End::Fixed, {{l / 2, kLoad}}, {}, l / 2, 1e-9},
        {"calc52", S::PinnedFixed, 2, End::Pinned, End::Fixed, {{a, kLoad}}, {}, a, 1e-9},
        // Exactly w·L⁴/(184.6·EI); the handbook's 185 is 0.2 % off.
        {"calc53", S::PinnedFixed, 3, End::Pinned, End::Fixed, {}, {{0, l, kW}}, -1, 3e-3},
        // The vertical cantilever bends under the load like the cantilever.
        {"calc11 vertical",
         S::VerticalCantilever,
         1,
         End::Fixed,
         End::Free,
         {{l, kLoad}},
         {},
         l,
         1e-9},
        {"calc12 vertical",
         S::VerticalCantilever,
         2,
         End::Fixed,
         End::Free,
         {},
         {{0, l, kW}},
         l,
         1e-9},
        {"calc13 vertical",
         S::VerticalCantilever,
         3,
         End::Fixed,
         End::Free,
         {},
         {{l - a, l, kLoad / a}},
         l,
         1e-9},
    };
}

TEST(FormulaRoutines, AgreeWithTheBeamEquationForEveryStructureAndLoadCase) {
    for (const CaseModel& c : cases()) {
        SCOPED_TRACE(c.name);
        const beam::Outcome out = beam::calcDispatch(member(c.structure, c.loadCase));
        ASSERT_TRUE(out.calculated());
        const beam::Quantities& q = *out.quantities;

        const BeamSolution load(kSpan, c.left, c.right, c.points, c.uniform, kEI);
        const double mo = load.maxAbsMoment() / 1000; // N·m
        EXPECT_NEAR(q.mo, mo, 1e-9 * mo);
        EXPECT_NEAR(q.wa, kLoad, 1e-9);
        EXPECT_NEAR(q.kajumage, mo / kZ, 1e-9 * mo);
        const double delta = c.at < 0 ? load.maxDeflection() : load.deflection(c.at);
        EXPECT_NEAR(q.kajutawami, delta, c.tolerance * delta);

        EXPECT_NEAR(q.jiju, kSelfWeight, 1e-9);
        if (c.structure == beam::Structure::VerticalCantilever) {
            // Its own weight acts along its axis.
            EXPECT_EQ(q.jmo, 0);
            EXPECT_EQ(q.jmage, 0);
            EXPECT_EQ(q.jtawami, 0);
        } else {
            const bool cantilever = c.structure == beam::Structure::Cantilever;
            const End left = c.left, right = c.right;
            const BeamSolution shown(kSpan, left, right, {}, {{0, kSpan, kSelfShown / kSpan}}, kEI);
            const double jmo = shown.maxAbsMoment() / 1000;
            EXPECT_NEAR(q.jmo, jmo, 1e-9 * jmo);
            EXPECT_NEAR(q.jmage, jmo / kZ, 1e-9 * jmo);
            const BeamSolution self(kSpan, left, right, {}, {{0, kSpan, kSelfWeight / kSpan}}, kEI);
            const double jt = cantilever ? self.deflection(kSpan)
                              : c.structure == beam::Structure::PinnedFixed
                                  ? self.maxDeflection()
                                  : self.deflection(kSpan / 2);
            const double tol = c.structure == beam::Structure::PinnedFixed ? 3e-3 : 1e-9;
            EXPECT_NEAR(q.jtawami, jt, tol * jt);
        }
        EXPECT_DOUBLE_EQ(q.tawamiT, q.kajutawami + q.jtawami);
    }
}

// The fixed-fixed beam with an off-centre load: the end nearer the load carries the largest
// moment; with the load at mid-span the three candidates are equal.
TEST(FormulaRoutines, Calc42TakesTheLargestOfTheEndAndLoadMoments) {
    struct Row {
        double a;
        const char* governing;
    };
    for (const Row& row : {Row{700, "left end"}, Row{1700, "right end"}, Row{1200, "all equal"}}) {
        SCOPED_TRACE(row.governing);
        auto in = member(beam::Structure::FixedBothEnds, 2);
        in.l1Mm = row.a;
        const beam::Outcome out = beam::calcDispatch(in);
        ASSERT_TRUE(out.calculated());
        const beam::Quantities& q = *out.quantities;
        const BeamSolution s(kSpan, End::Fixed, End::Fixed, {{row.a, kLoad}}, {}, kEI);
        EXPECT_NEAR(*q.ma, -s.moment(0) / 1000, 1e-9);
        EXPECT_NEAR(*q.mb, -s.moment(kSpan) / 1000, 1e-9);
        EXPECT_NEAR(*q.mc, s.moment(row.a) / 1000, 1e-9);
        EXPECT_NEAR(q.mo, s.maxAbsMoment() / 1000, 1e-9);
    }
    // Load at mid-span: P·L/8 = 1500 × 2400 / 8 = 450000 N·mm = 450 N·m.
    auto in = member(beam::Structure::FixedBothEnds, 2);
    in.l1Mm = 1200;
    EXPECT_NEAR(beam::calcDispatch(in).quantities->mo, 450, 1e-9);
}

// The propped cantilever: near the pinned end the moment under the load exceeds the fixed-end
// moment; at mid-span the fixed end governs (3·P·L/16, as for the mid-span case).
TEST(FormulaRoutines, Calc52TakesTheLargerOfTheFixedEndAndLoadMoments) {
    struct Row {
        double a, l, mo;
    };
    // a = 100, L = 1000, P = 1000: fixed end 1000·100·900·1100/(2·10⁶) = 49500 N·mm, under the
    // load 1000·100·900²·2100/(2·10⁹) = 85050 N·mm, so 85.05 N·m.
    // a = 500: fixed end 1000·500·500·1500/(2·10⁶) = 187500 N·mm = 3·P·L/16.
    for (const Row& row : {Row{100, 1000, 85.05}, Row{500, 1000, 187.5}}) {
        auto in = member(beam::Structure::PinnedFixed, 2);
        in.loadN = 1000;
        in.spanMm = row.l;
        in.l1Mm = row.a;
        const beam::Outcome out = beam::calcDispatch(in);
        ASSERT_TRUE(out.calculated());
        const beam::Quantities& q = *out.quantities;
        EXPECT_NEAR(q.mo, row.mo, 1e-9);
        const BeamSolution s(row.l, End::Pinned, End::Fixed, {{row.a, 1000}}, {}, kEI);
        EXPECT_NEAR(*q.mb, -s.moment(row.l) / 1000, 1e-9);
        EXPECT_NEAR(*q.mc, s.moment(row.a) / 1000, 1e-9);
        EXPECT_FALSE(q.ma.has_value());
    }
}

// Load over L1 at the tip of a cantilever, with L1 = L: the same as a load over the whole length.
TEST(FormulaRoutines, TipLoadOverTheWholeLengthEqualsTheUniformLoad) {
    auto part = member(beam::Structure::Cantilever, 3);
    part.l1Mm = kSpan;
    const beam::Outcome a = beam::calcDispatch(part);
    const beam::Outcome b = beam::calcDispatch(member(beam::Structure::Cantilever, 2));
    ASSERT_TRUE(a.calculated() && b.calculated());
    EXPECT_NEAR(a.quantities->mo, b.quantities->mo, 1e-9);
    EXPECT_NEAR(a.quantities->kajutawami, b.quantities->kajutawami, 1e-12);
    EXPECT_EQ(a.quantities->hen4, 0.0);
    // w = 1 N/mm over L1 = 500 of L = 1000: M = 500 × 750 = 375000 N·mm; the shape factor
    // 3 - 4/8 + 1/16 = 2.5625 times 10¹²/(24 × 205000 × 100 × 10⁴) = 0.2032520 gives 0.5208 mm.
    beam::Inputs in = member(beam::Structure::Cantilever, 3);
    in.loadN = 500;
    in.spanMm = 1000;
    in.l1Mm = 500;
    in.iText = "100";
    const beam::Outcome c = beam::calcDispatch(in);
    EXPECT_NEAR(c.quantities->mo, 375, 1e-9);
    EXPECT_NEAR(*c.quantities->hen4, 500, 1e-9);
    EXPECT_NEAR(c.quantities->kajutawami, 0.520833, 1e-6);
}

} // namespace
