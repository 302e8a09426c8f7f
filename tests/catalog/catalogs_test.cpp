// The material and shape catalogs against published constants, hand-worked conversions and the
// size screen's rules.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <tuple>

#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "catalog/size_table.hpp"

namespace {

using enum catalog::MaterialFamily;
using catalog::NoListMode;

// The size-table rule reaches past the fourteen list entries: 4..22 are wood.
TEST(Materials, FamilyAndSizeTableFileByNumber) {
    auto file = [](int zaitype) { return catalog::sizeTableFileName(zaitype).value_or("-"); };
    EXPECT_EQ((std::array{file(1), file(2), file(3), file(4), file(22), file(23), file(0)}),
              (std::array<std::string_view, 7>{"vbSStype.csv", "vbSUStype.csv", "vbALtype.csv",
                                               "vbWOODtype.csv", "vbWOODtype.csv", "-", "-"}));
    EXPECT_EQ((std::array{catalog::familyOf(22), catalog::familyOf(23), catalog::familyOf(-1)}),
              (std::array{Wood, None, None}));
    EXPECT_TRUE(catalog::material(14) && !catalog::material(0) && !catalog::material(15));
}

TEST(Materials, Ss400StoresItsPublishedConstants) {
    const catalog::Material& m = *catalog::material(1);
    EXPECT_EQ((std::array{m.yang, m.kmage, m.kashuku, m.ksendan, m.hiju, m.yangOld, m.kmageOld,
                          m.kashukuOld, m.ksendanOld}),
              (std::array{205000.0, 157.0, 157.0, 90.5, 7.85, 2100000.0, 1600.0, 1600.0, 924.0}));
    const catalog::MaterialTexts t = catalog::siTexts(m);
    EXPECT_EQ((std::array{t.kmage, t.kashuku, t.ksendan, t.yang, t.hiju}),
              (std::array<std::string, 5>{"157", "157", "90.5", "205000", "7.85"}));
}

// 1.1 F / 3 from the standard strengths (Fb, Fc, Fs) of ungraded timber, by hand: 赤松 28.2,
// 22.2, 2.4; 桧 26.7, 20.7, 2.1; 杉 22.2, 17.7, 1.8; なら 29.4, 21.0, 3.0. SUS403, F = 390:
// 390 / 1.5 = 260, 260 / √3 = 150.1.
TEST(Materials, AllowableStressesFollowTheirStandardStrengths) {
    using Row = std::tuple<int, double, double, double>; // zaitype, bending, compression, shear
    for (const auto& [zaitype, kmage, kashuku, ksendan] :
         {Row{4, 10.3, 8.14, 0.88}, Row{9, 9.79, 7.59, 0.77}, Row{11, 8.14, 6.49, 0.66},
          Row{12, 10.8, 7.70, 1.10}, Row{2, 260, 260, 150}}) {
        const catalog::Material& m = *catalog::material(zaitype);
        EXPECT_EQ((std::array{m.kmage, m.kashuku, m.ksendan}),
                  (std::array{kmage, kashuku, ksendan}))
            << m.listText;
    }
}

// An old value is about 100 / 9.8 = 10.2 times its SI value: a unit slip or a swapped column.
TEST(Materials, OldAndSiValuesAreOfTheSameOrder) {
    for (const catalog::Material& m : catalog::materials()) {
        for (double ratio : {m.yangOld / m.yang, m.kmageOld / m.kmage, m.kashukuOld / m.kashuku,
                             m.ksendanOld / m.ksendan})
            EXPECT_TRUE(ratio > 8.5 && ratio < 11.0) << m.listText << " " << ratio;
        EXPECT_LT(m.ksendan, m.kmage) << m.listText;
        EXPECT_TRUE(m.hiju > 0 && m.hiju < 8.0) << m.listText;
        EXPECT_EQ(catalog::familyOf(m.zaitype), m.family) << m.listText;
    }
}

// Untouched boxes keep the catalog exactly; a typed box (or every box in direct entry) gives
// its own value, old units × 100 / 9.8 to three figures as the catalog's own:
// 200 -> 2040.8163 -> 2040, 8.14 -> 83.061 -> 83.1, 120 -> 1224.49 -> 1220,
// 205000 -> 2091836.73 -> 2090000.
TEST(Materials, TypedValuesTravelOnAndUntouchedOnesKeepTheCatalog) {
    const catalog::Material& ss400 = *catalog::material(1);
    catalog::MaterialTexts boxes{"200", "8.14", "90.5", "205000", "7.9abc"};
    catalog::MaterialValues v = catalog::committedValues(ss400, false, boxes);
    EXPECT_EQ(
        (std::array{v.kmage, v.hiju, v.yang, v.ksendanOld, v.yangOld, v.kmageOld, v.kashukuOld}),
        (std::array{200.0, 7.9, 205000.0, 924.0, 2100000.0, 2040.0, 83.1}));

    v = catalog::committedValues(ss400, true, {"120", "157", "90.5", "205000", "7.85"});
    EXPECT_EQ((std::array{v.kmageOld, v.yangOld}), (std::array{1220.0, 2090000.0}));

    // Nothing a box can hold makes a value that is not a number.
    v = catalog::committedValues(ss400, true, {"1e400", "-1e400", "abc", "", "１２"});
    for (double x : {v.kmage, v.kashuku, v.ksendan, v.yang, v.hiju, v.kmageOld, v.kashukuOld,
                     v.ksendanOld, v.yangOld})
        EXPECT_TRUE(std::isfinite(x)) << x;
    EXPECT_GT(v.kmageOld, 1e300);
    EXPECT_EQ((std::array{v.ksendan, v.yang, v.hiju}), (std::array{0.0, 0.0, 0.0}));
}

// The first of the five boxes, top to bottom, that holds no positive number is named.
TEST(Materials, AMaterialGoesOnOnlyWithFivePositiveNumbers) {
    using catalog::MaterialValue;
    EXPECT_EQ(catalog::firstUnusableValue({"157", "157", "90.5", "205000", "7.85"}), std::nullopt);
    EXPECT_EQ(catalog::firstUnusableValue({"157", "157", "90.5", "205000", "1,9"}),
              MaterialValue::Hiju);
    EXPECT_EQ(catalog::firstUnusableValue({"157", "0", "abc", "205000", "7.85"}),
              MaterialValue::Kashuku);
    EXPECT_EQ(catalog::unusableValueMessage(MaterialValue::Yang),
              "「ヤング係数」が正の数ではありません。\r半角数字で正の値を入力してください。");
}

// The names made up where the table has none: by family (steel, stainless, aluminium, wood).
TEST(Shapes, FamilyNamesFallBackByRule) {
    EXPECT_EQ(catalog::familyShapeName(21, 1), "軽量溝形鋼－縦・・・21");
    EXPECT_EQ(catalog::familyShapeName(22, 13), "軽量溝形 横・・・22");
    EXPECT_EQ(catalog::familyShapeName(24, 2), "");
    EXPECT_EQ(catalog::familyShapeName(99, 2), "断面その他・・・99");
    EXPECT_EQ(catalog::familyShapeName(26, 13), "::::::::::::2613");
    EXPECT_EQ(catalog::familyShapeName(1, 0), "::::::::::::10"); // a material of no family
    EXPECT_EQ(catalog::familyShapeName(17, 11), "丸太");         // another wood
}

TEST(Shapes, SizeScreenRulesOfEveryCode) {
    // Per family (steel, stainless, aluminium, wood): L keeps the list, D direct entry only,
    // C direct entry or the calculator.
    const std::map<int, std::string> rules{{11, "LDDD"}, {12, "LDDD"}, {14, "LCLL"}, {15, "LDLL"},
                                           {17, "LLCL"}, {18, "LLCL"}, {21, "LCCC"}, {22, "LCCC"},
                                           {23, "CCCC"}, {24, "CCCC"}, {25, "CCCC"}, {99, "DDDD"}};
    const std::map<char, NoListMode> modes{{'L', NoListMode::KeepsList},
                                           {'D', NoListMode::DirectOnly},
                                           {'C', NoListMode::DirectOrCalc}};
    for (const catalog::ShapeInfo& s : catalog::shapes()) {
        const auto rule = rules.find(s.code);
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(catalog::noListMode(s.code, std::array{Steel, Stainless, Aluminium, Wood}[f]),
                      modes.at(rule == rules.end() ? 'L' : rule->second[f]))
                << "code " << s.code << " family " << f;
    }
}

} // namespace
