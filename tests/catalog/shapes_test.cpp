#include "catalog/shapes.hpp"

#include <gtest/gtest.h>

#include <set>

namespace {

using catalog::MaterialFamily;
using catalog::NoListMode;

TEST(Shapes, PanelCodesWithTheirNames) {
    struct Row {
        int code;
        const char *control, *stored, *prompt;
    };
    const Row rows[] = {
        {1, "Image丸パイプ", "丸パイプ", "丸パイプ"},
        {2, "Image角パイプ", "角パイプ正", "角パイプ"},
        {3, "Image角パイプ縦", "角パイプ縦長", "角パイプ縦"},
        {4, "Image角パイプ横", "角パイプ横長", "角パイプ横"},
        {11, "Image溝縦", "溝縦", "溝形縦"},
        {12, "Image溝横", "溝横", "溝形横"},
        {14, "ImageL不等縦", "不等辺山形 縦長", "不等辺山形 縦長"},
        {17, "Image丸solid", "丸ムク", "丸ムク"},
        {22, "Image軽溝横長", "軽溝横", "軽溝横"},
        {25, "ImageH縦a", "H縦a", "H縦a"},
        {27, "Imageリップ横", "リップ横", "リップ横"},
        {88, "CommandSonota", "その他の断面", ""},
        {99, "ImgZIE", "直接データを入力", "直接データを入力"},
    };
    for (const Row& r : rows) {
        const catalog::ShapeInfo* s = catalog::shape(r.code);
        ASSERT_NE(s, nullptr) << r.code;
        EXPECT_EQ(s->control, r.control);
        EXPECT_EQ(s->storedName, r.stored);
        EXPECT_EQ(s->promptName, r.prompt);
    }
    std::set<int> codes;
    for (const catalog::ShapeInfo& s : catalog::shapes())
        codes.insert(s.code);
    std::set<int> expected{88, 99};
    for (int c = 1; c <= 27; ++c)
        if (c != 7 && c != 8 && c != 16) expected.insert(c);
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(catalog::shape(7), nullptr);
    EXPECT_EQ(catalog::shape(16), nullptr);
}

TEST(Shapes, FamilyNamesWithTheirFallbacks) {
    struct Row {
        int code, zaitype;
        const char* name;
    };
    const Row rows[] = {
        {1, 1, "鋼管"},
        {1, 2, "SUS丸パイプ"},
        {1, 3, "丸パイプ"},
        {1, 14, "丸パイプ"},
        {5, 2, "SUSFB 縦長"},
        {6, 7, "FB 横長"},
        {11, 1, "溝形鋼－縦"},
        {13, 2, "SUS 等辺山形"},
        {15, 3, "不等辺山形－横長"},
        {17, 4, "丸太"},
        {17, 3, "丸ムク"},
        {18, 2, ""},
        {18, 3, "角材正方形"},
        {19, 3, ""},
        {20, 11, "角材長方形－横"},
        {20, 1, "角鋼－横長"},
        {21, 1, "軽量溝形鋼－縦・・・21"},
        {21, 2, "軽量溝形 縦・・・21"},
        {22, 3, "軽量溝形 横・・・22"},
        {22, 13, "軽量溝形 横・・・22"},
        {23, 1, ""},
        {25, 9, ""},
        {26, 1, "::::::::::::261"},
        {27, 14, "::::::::::::2714"},
        {88, 5, "断面その他・・・"},
        {99, 1, "断面その他・・・99"},
        {7, 5, "::::::::::::75"},
        {1, 0, "::::::::::::10"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(catalog::familyShapeName(r.code, r.zaitype), r.name)
            << r.code << " / " << r.zaitype;
}

TEST(Shapes, NoListModesOfEveryCodeAndFamily) {
    const MaterialFamily families[] = {MaterialFamily::Steel, MaterialFamily::Stainless,
                                       MaterialFamily::Aluminium, MaterialFamily::Wood};
    // Written out from the size screen's rules, family by family (S, SUS, AL, W).
    auto expected = [](int code, int f) {
        const char* rule = "";
        switch (code) {
        case 11:
        case 12:
            rule = "LDDD";
            break;
        case 14:
            rule = "LCLL";
            break;
        case 15:
            rule = "LDLL";
            break;
        case 17:
        case 18:
            rule = "LLCL";
            break;
        case 21:
        case 22:
            rule = "LCCC";
            break;
        case 23:
        case 24:
        case 25:
            rule = "CCCC";
            break;
        case 99:
            rule = "DDDD";
            break;
        default:
            rule = "LLLL";
            break;
        }
        switch (rule[f]) {
        case 'D':
            return NoListMode::DirectOnly;
        case 'C':
            return NoListMode::DirectOrCalc;
        default:
            return NoListMode::KeepsList;
        }
    };
    for (const catalog::ShapeInfo& s : catalog::shapes())
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(catalog::noListMode(s.code, families[f]), expected(s.code, f))
                << "code " << s.code << " family " << f;
}

TEST(Shapes, OtherSizeButtonAndCalculator) {
    std::set<int> hidden, calc;
    for (const catalog::ShapeInfo& s : catalog::shapes()) {
        if (catalog::hidesOtherSizeButton(s.code)) hidden.insert(s.code);
        if (catalog::opensCalculator(s.code)) calc.insert(s.code);
    }
    EXPECT_EQ(hidden, (std::set<int>{9, 10, 11, 12, 88}));
    EXPECT_EQ(calc,
              (std::set<int>{1, 2, 3, 4, 5, 6, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
}

} // namespace
