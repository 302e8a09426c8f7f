#include "beam/working.hpp"

#include <gtest/gtest.h>

#include "sheet_arithmetic.hpp"
#include "steel_beam.hpp"

namespace {

using S = beam::Structure;

beam::Inputs check(S s, int loadCase, double l1 = 600) {
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
            checks.push_back(check(s, lc));
            beam::Inputs perMetre = check(s, lc);
            perMetre.loadMode = beam::LoadMode::PerMetre;
            checks.push_back(perMetre);
        }
    checks.push_back(check(S::FixedBothEnds, 2, 1500));
    checks.push_back(check(S::PinnedFixed, 2, 1000));
    checks.push_back(check(S::PinnedFixed, 2, 150));
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
    const beam::Inputs in = check(S::SimplySupported, 1);
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
    const beam::Inputs v = check(S::VerticalCantilever, 1);
    const auto vb = beam::workingLines(v, beam::calcDispatch(v));
    EXPECT_EQ(vb[1].lines[1].formula + vb[1].lines[1].result, "M=00");
    EXPECT_EQ(vb[2].lines[0].result, "1436.4");
    EXPECT_EQ(beam::sheetNumber(0.333333333333, 6) + " " + beam::sheetNumber(2000, 6) + " " +
                  beam::sheetNumber(1234567.8, 6),
              "0.333333 2000 1234570");
    // Nothing calculated (L1 beyond the span), no working.
    const beam::Inputs beyond = check(S::Cantilever, 3, 2500);
    EXPECT_TRUE(beam::workingLines(beyond, beam::calcDispatch(beyond)).empty());
}

} // namespace
