// The ranking against beams worked by hand. Sizes carry the published figures of JIS G 3192
// (H sections: area cm2, I cm4, Z cm3) or those of a rectangle b x h (Z = bh²/6, I = bh³/12);
// the mass of a size is area x specific gravity x 100 / 1000, kg/m. Units as on screen:
// M in N·m, Z in cm³ so that M / Z is N/mm², deflections in mm with E I in N·mm².
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "../beam/steel_beam.hpp"
#include "choose/ranking.hpp"

namespace {

using S = beam::Structure;
constexpr choose::Term kLong = choose::Term::Long, kShort = choose::Term::Short;

catalog::SizeRow size(int shape, const std::string& designation, double area, double i, double z) {
    using K = catalog::Field::Kind;
    const auto n = [](double v) { return catalog::Field{K::Number, v, {}}; };
    return {n(shape), {K::Text, 0, designation}, n(0), n(area), n(i), n(z), n(1)};
}

// Four rolled H sections, SS400 (E 205000, fb 157, specific gravity 7.85). Masses:
// 17.85 x 0.785 = 14.01, 21.59 x 0.785 = 16.95, 22.90 x 0.785 = 17.98, 26.67 x 0.785 = 20.94.
const std::vector<catalog::SizeRow> kH = {
    size(9, "H-200×100×5.5×8", 26.67, 1810, 181),
    size(9, "H-175×90×5×8", 22.90, 1210, 138),
    size(9, "H-150×75×5×7", 17.85, 666, 88.8),
    size(9, "H-100×100×6×8", 21.59, 378, 75.6),
};

choose::Request steel(S s, int loadCase, double loadN, double spanMm, choose::Term term = kLong,
                      int deflectionLimit = 0) {
    choose::Request r;
    r.beam = beamtest::steel(s, loadCase, loadN, spanMm, 0, "", "", "");
    r.beam.allowText = "157";
    r.specificGravityText = "7.85";
    std::tie(r.term, r.deflectionLimit) = std::tuple(term, deflectionLimit);
    return r;
}

// Cantilever, P = 7500 N at the free end of L = 2000 mm: M = P L = 15000 N·m.
//  H-150×75: 15000/88.8 = 168.92; self weight 2000 x 14.01 x 9.8 / 1000 = 274.6 N,
//            M = 274.6 x 2 / 2 = 274.6 N·m, 274.6/88.8 = 3.09; total 172.0, 172.0/157 =
//            1.096: 短期 OK. δ = 7500 x 2000³ / (3 x 205000 x 666e4) = 14.649, self weight
//            274.596 x 2000³ / (8 x 205000 x 666e4) = 0.201; 14.850 mm, 1/135.
//  H-175×90: 15000/138 = 108.70; self 352.4 N, 352.4 N·m, 2.55; total 111.2, 70.8 %: 長期 OK.
//            δ = P L³/(3EI) = 7500 x 2000³ / (3 x 205000 x 1210e4) = 8.063, self weight
//            W L³/(8EI) = 352.408 x 2000³ / (8 x 205000 x 1210e4) = 0.142; 8.205 mm, 2000 /
//            8.205 = 1/244.
//  H-200×100: 15000/181 = 82.87; self 410.4 N, 2.27; 85.1, 54.2 %. δ = 5.390 + 0.111 =
//            5.501 mm, 1/364.
// 1/244 is worse than 1/360: the next size, at 1/364, is the lightest.
// The other structures: loads chosen to give M = 15000 N·m or near it, so that the sizes fall on
// both sides of fb.
TEST(Ranking, TheLightestPassingSizeOfEachBeamAgainstHandWorkedRows) {
    choose::Request perMetre = steel(S::SimplySupported, 3, 5000, 4000);
    perMetre.beam.loadMode = beam::LoadMode::PerMetre;
    choose::Request wood = steel(S::SimplySupported, 1, 3000, 2000);
    std::tie(wood.beam.eText, wood.beam.allowText, wood.specificGravityText) =
        std::tuple("7000", "8.14", "0.38");
    const std::vector<catalog::SizeRow> rectangles = {size(19, "90×150", 135, 2531.25, 337.5),
                                                      size(19, "60×120", 72, 864, 144),
                                                      size(19, "45×105", 47.25, 434.11, 82.69)};
    const struct {
        const char* name;
        choose::Request request;
        std::array<std::string, 7> lightest; // its designation, mass, stress, ..., verdict
        const std::vector<catalog::SizeRow>& sizes = kH;
    } cases[] = {
        {"cantilever",
         steel(S::Cantilever, 1, 7500, 2000),
         {"H-175×90×5×8", "17.98", "111.2", "70.8 %", "8.2", "1/244", "曲げ応力 長期 OK"}},
        {"cantilever, short term",
         steel(S::Cantilever, 1, 7500, 2000, kShort),
         {"H-150×75×5×7", "14.01", "172.0", "109.6 %", "14.8", "1/135", "曲げ応力 短期 OK"}},
        {"cantilever, 1/360",
         steel(S::Cantilever, 1, 7500, 2000, kLong, 360),
         {"H-200×100×5.5×8", "20.94", "85.1", "54.2 %", "5.5", "1/364", "曲げ応力 長期 OK"}},
        // Vertical cantilever, W = 20000 N over L = 1500: M = W L / 2 = 15000 N·m; its own
        // weight acts along it: 15000/138 = 108.7, 108.7/157 = 69.2 %; δ = W L³/(8EI) =
        // 20000 x 1500³ / (8 x 205000 x 1210e4) = 3.40, 1500/3.4015 = 1/441.
        {"vertical cantilever",
         steel(S::VerticalCantilever, 2, 20000, 1500),
         {"H-175×90×5×8", "17.98", "108.7", "69.2 %", "3.4", "1/441", "曲げ応力 長期 OK"}},
        // Simply supported, w = 5000 N/m over L = 4000: M = w L²/8 = 10000 N·m; H-150×75:
        // 112.61 + self (4000 x 14.01 x 9.8/1000 = 549.2 N, 549.2 x 4/8 = 274.6 N·m, 3.09) =
        // 115.7, 73.7 %; δ = 5 w L⁴/(384EI) = 12.207 + 5 x 549.192 x 4000³/(384EI) = 0.335:
        // 12.5 mm, 4000/12.5425 = 1/319.
        {"simply supported, per metre",
         perMetre,
         {"H-150×75×5×7", "14.01", "115.7", "73.7 %", "12.5", "1/319", "曲げ応力 長期 OK"}},
        // Fixed at both ends, P = 40000 N at mid-span of L = 3000: M = P L/8 = 15000 N·m;
        // H-150×75: 168.92 + 411.9 x 3/12 / 88.8 = 1.16: 170.1, 108.3 %: 短期 OK.
        // H-175×90: 108.70 + 528.6 x 3/12 / 138 = 0.96: 109.7, 69.9 %; δ = P L³/(192EI) =
        // 2.268 + W L³/(384EI) = 0.0150: two decimals, 2.28 mm, 3000/2.2827 = 1/1314.
        {"fixed at both ends",
         steel(S::FixedBothEnds, 1, 40000, 3000),
         {"H-175×90×5×8", "17.98", "109.7", "69.9 %", "2.28", "1/1314", "曲げ応力 長期 OK"}},
        // Pinned and fixed, P = 16000 N at mid-span of L = 5000: M = 3 P L/16 = 15000 N·m;
        // H-175×90: 108.70 + 881.0 x 5/8 / 138 = 3.99: 112.7, 71.8 %; δ = 7 P L³/(768EI) =
        // 7.349 + W L³/(185EI) = 0.240: 7.6 mm, 5000/7.589 = 1/659.
        {"pinned and fixed",
         steel(S::PinnedFixed, 1, 16000, 5000),
         {"H-175×90×5×8", "17.98", "112.7", "71.8 %", "7.6", "1/659", "曲げ応力 長期 OK"}},
        // 杉 (E 7000, fb 8.14, specific gravity 0.38), rectangles b x h standing, simply
        // supported, P = 3000 N at mid-span of L = 2000: M = P L/4 = 1500 N·m.
        //  45×105: Z = 4.5 x 10.5²/6 = 82.69: 18.1 N/mm², far beyond 1.5 fb: 短期 NG.
        //  60×120: Z = 144; 10.42 + 53.7 x 2/8 / 144 = 0.09: 10.5, 10.5/8.14 = 129.0 %: 短期 OK.
        //  90×150: Z = 337.5, I = 2531.25, mass 135 x 0.038 = 5.13; 4.44 + 100.5 x 2/8 / 337.5
        //          = 0.07: 4.5, 55.3 %: 長期 OK. δ = P L³/(48EI) = 3000 x 2000³/(48 x 7000 x
        //          2531.25e4) = 2.822 + 5 W L³/(384EI) = 0.0591: 2.88 mm, 2000/2.881 = 1/694.
        {"wood",
         wood,
         {"90×150", "5.13", "4.5", "55.3 %", "2.88", "1/694", "曲げ応力 長期 OK"},
         rectangles},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const choose::Ranking r = choose::rank(c.request, c.sizes);
        ASSERT_TRUE(r.lightest);
        const choose::Row& x = r.rows[*r.lightest];
        EXPECT_EQ((std::array{x.designation, x.mass, x.stress, x.stressRatio, x.deflection,
                              x.deflectionRatio, x.verdict}),
                  c.lightest);
    }
}

// Simply supported, P = 100000 N at L1 = 1000 of L = 4000: M = P L1 L2 / L = 75000 N·m, beyond
// every size: H-200×100: 414.36 + 820.8 x 4/8 / 181 = 2.27: 416.6, 416.6/157 = 265.4 %.
// 1/364 is the stiffest of the cantilever's sizes: none passes 1/365.
TEST(Ranking, NothingPasses) {
    choose::Request r = steel(S::SimplySupported, 2, 100000, 4000, kShort);
    r.beam.l1Mm = 1000;
    const choose::Ranking x = choose::rank(r, kH);
    ASSERT_TRUE(x.ranked());
    const choose::Row& heaviest = x.rows.back();
    EXPECT_EQ(
        (std::array{heaviest.designation, heaviest.stress, heaviest.stressRatio, heaviest.verdict}),
        (std::array<std::string, 4>{"H-200×100×5.5×8", "416.6", "265.4 %", "曲げ応力 短期 NG"}));
    EXPECT_EQ(choose::lightestCaption(x, kShort), "短期 OK のサイズはありません。");
    EXPECT_FALSE(choose::rank(steel(S::Cantilever, 1, 7500, 2000, kLong, 365), kH).lightest);
}

// What no size mends stops the ranking; what is wrong with one size fails that size only.
TEST(Ranking, ProblemsOfTheBeamAndOfOneSize) {
    const choose::Ranking a = choose::rank(steel(S::Cantilever, 1, 0, 2000), kH);
    EXPECT_EQ(a.problem, beam::Problem::LoadNotPositive);
    EXPECT_TRUE(a.rows.empty());
    EXPECT_EQ(choose::lightestCaption(a, kLong), "荷重と長さを入力して下さい。");

    choose::Request l1 = steel(S::SimplySupported, 2, 1000, 2000);
    l1.beam.l1Mm = 2500;
    EXPECT_EQ(choose::lightestCaption(choose::rank(l1, kH), kLong), "L1 が大きすぎます。");

    choose::Request noAllowable = steel(S::Cantilever, 1, 1000, 2000);
    noAllowable.beam.allowText = "0";
    EXPECT_EQ(choose::rank(noAllowable, kH).problem, beam::Problem::BadAllowable);

    // A size without Z, lighter than the rest, and two of equal mass ordered by designation.
    std::vector<catalog::SizeRow> sizes = kH;
    sizes.push_back(size(9, "H-0", 1, 10, 0));
    sizes.push_back(size(9, "H-150×75×5×7 (B)", 17.85, 666, 88.8));
    const choose::Ranking c = choose::rank(steel(S::Cantilever, 1, 1000, 1000), sizes);
    std::vector<std::string> order;
    for (const choose::Row& row : c.rows)
        order.push_back(row.designation);
    ASSERT_EQ(order,
              (std::vector<std::string>{"H-0", "H-150×75×5×7", "H-150×75×5×7 (B)", "H-100×100×6×8",
                                        "H-175×90×5×8", "H-200×100×5.5×8"}));
    EXPECT_EQ(c.rows.front().verdict, "断面係数 (Z) が正しくありません。");
    EXPECT_EQ(c.lightest, std::optional<std::size_t>(1)); // H-150×75×5×7
    EXPECT_EQ(c.rows[1].source, 2u);
}

} // namespace
