// Sizes of the steel table against published catalogue figures, typed from the tables named
// beside each group and compared to their printed precision.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "catalog/size_table.hpp"

namespace {

struct Published {
    int code;
    const char* designation;
    double area, secondMoment, modulus, gyration; // 0: not printed by the source
};

// JIS G 3444 STK pipes: manufacturer's table of 三水 (sansui-inc.co.jp), "寸法および単位質量".
// JIS G 3192 H sections: table of mecha-basic.com "H形鋼の規格寸法" (A, Ix, Iy, Zx, Zy).
// JIS G 3192 channels: 構造設計資料 hyken (JIS_G_3192_M), A, Ix, Iy, ix, iy, Zx, Zy.
// JIS G 3353 welded light H sections: JIS G 3353:2011 表6 as reproduced by jis.eomec.com.
// JIS G 3350 lipped channels: the lipped-channel table of a maker's catalogue ("リップみぞ形鋼
// 形状寸法・断面性能表").
const Published kPublished[] = {
    {1, "φ48.6×2.3", 3.345, 8.99, 3.70, 1.64},
    {1, "φ60.5×3.2", 5.760, 23.7, 7.84, 2.03},
    {1, "φ114.3×3.5", 12.18, 187, 32.7, 3.92},
    {1, "φ139.8×4.5", 19.13, 438, 62.7, 4.79},
    {1, "φ165.2×5.0", 25.16, 808, 97.8, 5.67},
    {1, "φ216.3×5.8", 38.36, 2130, 197, 7.45},
    {9, "H-100×100×6×8", 21.59, 378, 75.6, 0},
    {10, "H-100×100×6×8", 21.59, 134, 26.7, 0},
    {9, "H-100×50×5×7", 11.85, 187, 37.5, 0},
    {10, "H-100×50×5×7", 11.85, 14.8, 5.91, 0},
    {9, "H-150×150×7×10", 39.65, 1620, 216, 0},
    {10, "H-150×150×7×10", 39.65, 563, 75.1, 0},
    {9, "H-200×100×5.5×8", 26.67, 1810, 181, 0},
    {9, "H-300×150×6.5×9", 46.78, 7210, 481, 0},
    {10, "H-300×150×6.5×9", 46.78, 508, 67.7, 0},
    {9, "H-400×200×8×13", 83.37, 23500, 1170, 0},
    {10, "H-400×200×8×13", 83.37, 1740, 174, 0},
    {9, "H-350×350×12×19", 171.9, 39800, 2280, 0},
    {11, "[-75×40×5×7", 8.818, 75.3, 20.1, 2.92},
    {12, "[-75×40×5×7", 8.818, 12.2, 4.47, 1.17},
    {11, "[-150×75×6.5×10", 23.71, 861, 115, 6.03},
    {12, "[-150×75×6.5×10", 23.71, 117, 22.4, 2.22},
    {11, "[-200×90×8×13.5", 38.65, 2490, 249, 8.02},
    {12, "[-380×100×13×20", 85.71, 655, 87.8, 2.76},
    {88, "軽量H-100×100×3.2×4.5", 11.91, 225, 45.1, 4.35},
    {88, "軽量H-150×75×3.2×4.5", 11.26, 432, 57.6, 6.19},
    {88, "軽量H-300×150×4.5×6", 30.96, 4790, 319, 12.4},
    {26, "C-100×50×20×2.3", 5.172, 80.7, 0, 0},
    {26, "C-100×50×20×3.2", 7.007, 107, 0, 0},
    {26, "C-60×30×10×2.3", 2.872, 0, 0, 0},
};

// JIS G 3466 STKR unit masses (kg/m) from a stockist's table (araya-kk.co.jp, 製造寸法及び
// 単位質量表): field 3 of the steel table.
struct PublishedMass {
    int code;
    const char* designation;
    double mass;
};
const PublishedMass kMasses[] = {
    {2, "□-50×50×1.6", 2.38},   {2, "□-50×50×2.3", 3.34},   {2, "□-50×50×3.2", 4.50},
    {2, "□-60×60×2.3", 4.06},   {2, "□-75×75×3.2", 7.01},   {2, "□-75×75×4.5", 9.55},
    {2, "□-100×100×3.2", 9.52}, {2, "□-100×100×4.5", 13.1}, {2, "□-125×125×4.5", 16.6},
    {3, "□-50×20×2.3", 2.25},   {3, "□-60×30×3.2", 3.99},   {4, "□-75×45×1.6", 2.88},
    {3, "□-100×50×2.3", 5.14},  {4, "□-125×75×3.2", 9.52},  {1, "φ48.6×2.3", 2.63},
    {1, "φ165.2×5.0", 19.8},
};

std::map<std::string, catalog::SizeRow> steelRows(int code) {
    std::ifstream in(std::filesystem::path(HARI_SOURCE_DIR) / "data" / "vbSStype.csv",
                     std::ios::binary);
    std::map<std::string, catalog::SizeRow> rows;
    for (catalog::SizeRow& row : catalog::readSizeTable(in, code).rows)
        rows[row[catalog::kFieldDesignation].text] = row;
    return rows;
}

TEST(PublishedSizes, SectionPropertiesAgreeToThePrintedFigure) {
    for (const Published& p : kPublished) {
        SCOPED_TRACE(p.designation);
        const auto rows = steelRows(p.code);
        const auto it = rows.find(p.designation);
        ASSERT_NE(it, rows.end()) << "code " << p.code;
        const catalog::SizeRow& row = it->second;
        EXPECT_EQ(row[catalog::kFieldArea].number, p.area);
        if (p.secondMoment > 0) {
            EXPECT_EQ(row[catalog::kFieldSecondMoment].number, p.secondMoment);
        }
        if (p.modulus > 0) {
            EXPECT_EQ(row[catalog::kFieldModulus].number, p.modulus);
        }
        if (p.gyration > 0) {
            EXPECT_EQ(row[catalog::kFieldGyration].number, p.gyration);
        }
    }
}

TEST(PublishedSizes, UnitMassesAgreeToThePrintedFigure) {
    for (const PublishedMass& p : kMasses) {
        const auto rows = steelRows(p.code);
        const auto it = rows.find(p.designation);
        ASSERT_NE(it, rows.end()) << p.designation;
        EXPECT_EQ(it->second[catalog::kFieldUnitMass].number, p.mass) << p.designation;
    }
}

} // namespace
