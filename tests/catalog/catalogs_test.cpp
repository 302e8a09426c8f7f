// The material and shape catalogs against the lists and tables the screens show.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "catalog/size_table.hpp"

namespace {

using enum catalog::MaterialFamily;
using catalog::NoListMode;

TEST(Materials, ListOrderTextsAndFamilies) {
    struct Row {
        const char* text;
        catalog::MaterialFamily family;
    };
    const Row expected[] = {{"SS400", Steel},   {"SUS403", Stainless}, {"アルミ合金", Aluminium},
                            {"赤松", Wood},     {"黒松", Wood},        {"米松", Wood},
                            {"からまつ", Wood}, {"ひば", Wood},        {"桧", Wood},
                            {"つが", Wood},     {"杉", Wood},          {"なら", Wood},
                            {"ぶな", Wood},     {"ジャラ", Wood}};
    ASSERT_EQ(catalog::materials().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const catalog::Material& m = catalog::materials()[i];
        EXPECT_EQ(m.zaitype, static_cast<int>(i) + 1);
        EXPECT_EQ(m.listText, expected[i].text);
        EXPECT_EQ(m.family, expected[i].family) << expected[i].text;
        EXPECT_EQ(catalog::familyOf(m.zaitype), m.family) << expected[i].text;
        EXPECT_EQ(catalog::material(m.zaitype), &m);
        // The display name is the kind of material, a full-width dash, then the grade.
        EXPECT_NE(std::string(m.zaisitu).find("－"), std::string::npos) << m.zaisitu;
    }
    EXPECT_TRUE(!catalog::material(0) && !catalog::material(15));
}

// The size-table rule reaches past the fourteen list entries: 4..22 are wood.
TEST(Materials, FamilyAndSizeTableFileByNumber) {
    auto file = [](int zaitype) { return catalog::sizeTableFileName(zaitype).value_or("-"); };
    EXPECT_EQ((std::array{file(1), file(2), file(3), file(4), file(22), file(23), file(0)}),
              (std::array<std::string_view, 7>{"vbSStype.csv", "vbSUStype.csv", "vbALtype.csv",
                                               "vbWOODtype.csv", "vbWOODtype.csv", "-", "-"}));
    EXPECT_EQ((std::array{catalog::familyOf(22), catalog::familyOf(23), catalog::familyOf(-1)}),
              (std::array{Wood, None, None}));
}

TEST(Materials, Ss400StoresItsPublishedConstants) {
    const catalog::Material& m = *catalog::material(1);
    EXPECT_EQ(m.zaisitu, "鋼材－SS400");
    EXPECT_EQ((std::array{m.yang, m.kmage, m.kashuku, m.ksendan, m.hiju, m.yangOld, m.kmageOld,
                          m.kashukuOld, m.ksendanOld}),
              (std::array{205000.0, 157.0, 157.0, 90.5, 7.85, 2100000.0, 1600.0, 1600.0, 924.0}));
    const catalog::MaterialTexts t = catalog::siTexts(m);
    EXPECT_EQ((std::array{t.kmage, t.kashuku, t.ksendan, t.yang, t.hiju}),
              (std::array<std::string, 5>{"157", "157", "90.5", "205000", "7.85"}));
}

// Long-term allowable stresses of the woods, 1.1 F / 3 from the standard strengths of
// ungraded timber, worked by hand:
//   赤松 Fb 28.2 -> 10.34 -> 10.3, Fc 22.2 -> 8.14, Fs 2.4 -> 0.88
//   桧   Fb 26.7 -> 9.79, Fc 20.7 -> 7.59, Fs 2.1 -> 0.77
//   つが Fb 24.6 -> 9.02, Fc 19.2 -> 7.04
//   杉   Fb 22.2 -> 8.14, Fc 17.7 -> 6.49, Fs 1.8 -> 0.66
//   なら Fb 29.4 -> 10.78 -> 10.8, Fc 21.0 -> 7.70, Fs 3.0 -> 1.10
// and SUS403 with F = 390: 390 / 1.5 = 260, 260 / sqrt 3 = 150.1 -> 150.
TEST(Materials, AllowableStressesFollowTheirStandardStrengths) {
    using Row = std::tuple<int, double, double, double>; // zaitype, bending, compression, shear
    for (const auto& [zaitype, kmage, kashuku, ksendan] :
         {Row{4, 10.3, 8.14, 0.88}, Row{9, 9.79, 7.59, 0.77}, Row{10, 9.02, 7.04, 0.77},
          Row{11, 8.14, 6.49, 0.66}, Row{12, 10.8, 7.70, 1.10}, Row{2, 260, 260, 150}}) {
        const catalog::Material& m = *catalog::material(zaitype);
        EXPECT_EQ((std::array{m.kmage, m.kashuku, m.ksendan}),
                  (std::array{kmage, kashuku, ksendan}))
            << m.listText;
    }
}

// An old value is about 100 / 9.8 = 10.2 times its SI value; the older tables stand on their
// own, so only a unit slip or a swapped column is caught here.
TEST(Materials, OldAndSiValuesAreOfTheSameOrder) {
    for (const catalog::Material& m : catalog::materials()) {
        for (double ratio : {m.yangOld / m.yang, m.kmageOld / m.kmage, m.kashukuOld / m.kashuku,
                             m.ksendanOld / m.ksendan})
            EXPECT_TRUE(ratio > 8.5 && ratio < 11.0) << m.listText << " " << ratio;
        EXPECT_LT(m.ksendan, m.kmage) << m.listText;
        EXPECT_TRUE(m.hiju > 0 && m.hiju < 8.0) << m.listText;
    }
}

// Typed materials: x 100 / 9.8 to three significant figures, by hand:
//   205000 -> 2 091 836.7 -> 2 090 000;  157 -> 1602.04 -> 1600;  90.5 -> 923.47 -> 923;
//   8.14 -> 83.061 -> 83.1;  "12x" -> 122.45 -> 122;  no number gives 0.
TEST(Materials, OldUnitsOfATypedMaterial) {
    const catalog::OldUnits o = catalog::oldUnitsFromSiTexts("205000", "157", "8.14", "90.5");
    EXPECT_EQ((std::array{o.yang, o.kmage, o.kashuku, o.ksendan}),
              (std::array{2090000.0, 1600.0, 83.1, 923.0}));
    const catalog::OldUnits e = catalog::oldUnitsFromSiTexts("", "abc", "12x", " 0");
    EXPECT_EQ((std::array{e.yang, e.kmage, e.kashuku, e.ksendan}),
              (std::array{0.0, 0.0, 122.0, 0.0}));
}

// What goes on with the material: untouched boxes keep the catalog exactly, a box typed over
// (or all boxes in direct entry) gives its own value, old units x 100 / 9.8 unrounded:
//   200 -> 2040.8163;  157 in direct entry -> 1602.0408;  205000 -> 2091836.73.
TEST(Materials, TypedValuesTravelOnAndUntouchedOnesKeepTheCatalog) {
    const catalog::Material& ss400 = *catalog::material(1);
    catalog::MaterialTexts boxes{"157", "157", "90.5", "205000", "7.85"};
    catalog::MaterialValues v = catalog::committedValues(ss400, false, boxes);
    EXPECT_EQ(
        (std::array{v.yang, v.kmage, v.hiju, v.yangOld, v.kmageOld, v.kashukuOld, v.ksendanOld}),
        (std::array{205000.0, 157.0, 7.85, 2100000.0, 1600.0, 1600.0, 924.0}));

    boxes.kmage = "200";
    boxes.hiju = "7.9abc";
    v = catalog::committedValues(ss400, false, boxes);
    EXPECT_EQ((std::array{v.kmage, v.hiju, v.kashukuOld, v.yangOld}),
              (std::array{200.0, 7.9, 1600.0, 2100000.0}));
    EXPECT_NEAR(v.kmageOld, 2040.8163, 1e-4);

    v = catalog::committedValues(ss400, true, {"157", "157", "90.5", "205000", "7.85"});
    EXPECT_NEAR(v.kmageOld, 1602.0408, 1e-4);
    EXPECT_NEAR(v.yangOld, 2091836.73, 1e-2);

    // Nothing a box can hold makes a value that is not a number.
    v = catalog::committedValues(ss400, true, {"1e400", "-1e400", "abc", "", "１２"});
    for (double x : {v.kmage, v.kashuku, v.ksendan, v.yang, v.hiju, v.kmageOld, v.kashukuOld,
                     v.ksendanOld, v.yangOld})
        EXPECT_TRUE(std::isfinite(x)) << x;
    EXPECT_GT(v.kmageOld, 1e300);
    EXPECT_EQ((std::array{v.ksendan, v.yang, v.hiju}), (std::array{0.0, 0.0, 0.0}));
}

TEST(Materials, RoundSignificantHalvesAwayFromZeroOnTheDecimalForm) {
    using Row = std::tuple<double, int, double>; // value, digits, rounded
    for (const auto& [v, digits, rounded] :
         {Row{2.675, 3, 2.68}, Row{1.005, 3, 1.01}, Row{-1.005, 3, -1.01}, Row{99.95, 3, 100},
          Row{0.0012345, 4, 0.001235}, Row{1602.04, 3, 1600}, Row{0.125, 2, 0.13}})
        EXPECT_DOUBLE_EQ(catalog::roundSignificant(v, digits), rounded) << v;
    EXPECT_EQ(catalog::plainText(-0.5), "-0.5");
}

TEST(Shapes, PanelCodesWithTheirNames) {
    struct Row {
        int code;
        const char *control, *stored, *prompt;
    };
    const Row rows[] = {{1, "Image丸パイプ", "丸パイプ", "丸パイプ"},
                        {2, "Image角パイプ", "角パイプ正", "角パイプ"},
                        {3, "Image角パイプ縦", "角パイプ縦長", "角パイプ縦"},
                        {4, "Image角パイプ横", "角パイプ横長", "角パイプ横"},
                        {11, "Image溝縦", "溝縦", "溝形縦"},
                        {12, "Image溝横", "溝横", "溝形横"},
                        {14, "ImageL不等縦", "不等辺山形 縦長", "不等辺山形 縦長"},
                        {17, "Image丸solid", "丸ムク", "丸ムク"},
                        {22, "Image軽溝横長", "軽溝横", "軽溝横"},
                        {25, "ImageH縦a", "H縦a", "H縦a"},
                        {26, "Imageリップ縦", "リップ縦", "リップ縦"},
                        {27, "Imageリップ横", "リップ横", "リップ横"},
                        {88, "CommandSonota", "その他の断面", ""},
                        {99, "ImgZIE", "直接データを入力", "直接データを入力"}};
    for (const Row& r : rows) {
        const catalog::ShapeInfo* s = catalog::shape(r.code);
        ASSERT_NE(s, nullptr) << r.code;
        EXPECT_EQ((std::array{s->control, s->storedName, s->promptName}),
                  (std::array<std::string_view, 3>{r.control, r.stored, r.prompt}));
    }
    // With the codes of the two sets below, every one of the 26 codes of the panel.
    EXPECT_EQ(catalog::shapes().size(), 26u);
    EXPECT_EQ(catalog::shape(7), nullptr);
}

// By family: steel (material 1), stainless (2), aluminium (3), wood (13).
TEST(Shapes, FamilyNamesWithTheirFallbacks) {
    const std::map<int, std::array<const char*, 4>> rows{
        {1, {"鋼管", "SUS丸パイプ", "丸パイプ", "丸パイプ"}},
        {5, {"FB縦", "SUSFB 縦長", "FB 縦長", "FB 縦長"}},
        {11, {"溝形鋼－縦", "SUS溝形－縦", "溝形－縦", "溝形－縦"}},
        {15, {"不等辺山形鋼－横長", "SUS不等辺山形－横長", "不等辺山形－横長", "不等辺山形－横長"}},
        {17, {"丸鋼", "SUS丸ムク", "丸ムク", "丸太"}},
        {18, {"角鋼", "", "角材正方形", "角材正方形"}},
        {19, {"角鋼－縦長", "", "", "角材長方形－縦"}},
        {21,
         {"軽量溝形鋼－縦・・・21", "軽量溝形 縦・・・21", "軽量溝形 縦・・・21",
          "軽量溝形 縦・・・21"}},
        {22,
         {"軽量溝形鋼－横・・・22", "軽量溝形 横・・・22", "軽量溝形 横・・・22",
          "軽量溝形 横・・・22"}},
        {23, {"", "", "", ""}},
        {26, {"::::::::::::261", "::::::::::::262", "::::::::::::263", "::::::::::::2613"}},
        {88, {"断面その他・・・", "断面その他・・・", "断面その他・・・", "断面その他・・・"}}};
    for (const auto& [code, names] : rows)
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(catalog::familyShapeName(code, f < 3 ? f + 1 : 13), names[f]) << code;
    // Another wood; direct entry; a code without a name; a material of no family.
    EXPECT_EQ(catalog::familyShapeName(20, 11), "角材長方形－横");
    EXPECT_EQ(catalog::familyShapeName(99, 2), "断面その他・・・99");
    EXPECT_EQ(catalog::familyShapeName(7, 5), "::::::::::::75");
    EXPECT_EQ(catalog::familyShapeName(1, 0), "::::::::::::10");
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
    std::set<int> hidden, calc;
    for (const catalog::ShapeInfo& s : catalog::shapes()) {
        const auto rule = rules.find(s.code);
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(catalog::noListMode(s.code, std::array{Steel, Stainless, Aluminium, Wood}[f]),
                      modes.at(rule == rules.end() ? 'L' : rule->second[f]))
                << "code " << s.code << " family " << f;
        if (catalog::hidesOtherSizeButton(s.code)) hidden.insert(s.code);
        if (catalog::opensCalculator(s.code)) calc.insert(s.code);
    }
    EXPECT_EQ(hidden, (std::set<int>{9, 10, 11, 12, 88}));
    EXPECT_EQ(calc,
              (std::set<int>{1, 2, 3, 4, 5, 6, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
}

} // namespace
