// The checked-in size tables: equal to what the generator writes, readable, holding sizes for
// the shapes whose lists the size screen shows, and agreeing with published catalogues.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <span>

#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "catalog/size_table.hpp"

namespace {

namespace fs = std::filesystem;
using catalog::SizeRow;

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Material numbers 1..4 stand for the four families and their files.
fs::path dataFile(int zaitype) {
    return fs::path(HARI_SOURCE_DIR) / "data" / *catalog::sizeTableFileName(zaitype);
}

TEST(DataFiles, EqualTheGeneratorsOutput) {
    const fs::path out = fs::temp_directory_path() / ("hari_sizegen_" + std::to_string(::getpid()));
    fs::remove_all(out);
    const std::string command = std::string(HARI_SIZEGEN) + " " + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (int zaitype : {1, 2, 3, 4}) {
        EXPECT_TRUE(bytesOf(out / dataFile(zaitype).filename()) == bytesOf(dataFile(zaitype)))
            << dataFile(zaitype) << " is not the generator's output: build regenerate_size_tables";
    }
    fs::remove_all(out);
}

TEST(DataFiles, OneWellFormedRecordPerLineAndSizesForEveryListedShape) {
    const std::set<int> woodCodes{5, 6, 17, 18, 19, 20}; // the sawn sections and logs stocked
    for (int zaitype : {1, 2, 3, 4}) {
        SCOPED_TRACE(dataFile(zaitype).filename().string());
        const auto lines =
            static_cast<std::size_t>(std::ranges::count(bytesOf(dataFile(zaitype)), '\n'));
        std::size_t records = 0;
        for (const catalog::ShapeInfo& s : catalog::shapes()) {
            const catalog::SizeTableRead r = catalog::readSizeTable(dataFile(zaitype), s.code);
            ASSERT_TRUE(r.ok());
            EXPECT_EQ(r.leftoverValues, 0u);
            EXPECT_EQ(r.records, lines);
            records += r.rows.size();
            const bool listed = catalog::noListMode(s.code, catalog::familyOf(zaitype)) ==
                                    catalog::NoListMode::KeepsList &&
                                (zaitype != 4 || woodCodes.contains(s.code));
            EXPECT_TRUE(!listed || !r.rows.empty()) << "shape " << s.code << " has no sizes";
            for (const SizeRow& row : r.rows) {
                SCOPED_TRACE(row[1].text);
                EXPECT_TRUE(row[1].kind == catalog::Field::Kind::Text &&
                            row[1].text.find("\uFFFD") == std::string::npos);
                for (std::size_t f = 2; f < catalog::kFieldsPerRecord; ++f)
                    EXPECT_TRUE(row[f].kind == catalog::Field::Kind::Number && row[f].number > 0)
                        << "field " << f + 1;
                // I = A i^2, each printed to three or four figures.
                const double a = row[3].number, i = row[4].number, r2 = row[6].number;
                EXPECT_NEAR(a * r2 * r2 / i, 1.0, 0.012);
            }
        }
        EXPECT_EQ(records, lines); // no record outside the shape codes of the panel
    }
}

struct Published {
    int code;
    const char* designation;
    double fields[5]; // unit mass, A, I, Z, i; 0: not printed by the source
};

// JIS G 3444 STK pipes: manufacturer's table of 三水 (sansui-inc.co.jp), "寸法および単位質量"
// (unit mass in kg/m, field 3, for two of them).
// JIS G 3192 H sections: table of mecha-basic.com "H形鋼の規格寸法" (A, Ix, Iy, Zx, Zy).
// JIS G 3192 channels: 構造設計資料 hyken (JIS_G_3192_M), A, Ix, Iy, ix, iy, Zx, Zy.
// JIS G 3353 welded light H sections: JIS G 3353:2011 表6 as reproduced by jis.eomec.com.
// JIS G 3350 lipped channels: the lipped-channel table of a maker's catalogue ("リップみぞ形鋼
// 形状寸法・断面性能表").
const Published kPublished[] = {{1, "φ48.6×2.3", {2.63, 3.345, 8.99, 3.70, 1.64}},
                                {1, "φ60.5×3.2", {0, 5.760, 23.7, 7.84, 2.03}},
                                {1, "φ114.3×3.5", {0, 12.18, 187, 32.7, 3.92}},
                                {1, "φ139.8×4.5", {0, 19.13, 438, 62.7, 4.79}},
                                {1, "φ165.2×5.0", {19.8, 25.16, 808, 97.8, 5.67}},
                                {1, "φ216.3×5.8", {0, 38.36, 2130, 197, 7.45}},
                                {9, "H-100×100×6×8", {0, 21.59, 378, 75.6, 0}},
                                {10, "H-100×100×6×8", {0, 21.59, 134, 26.7, 0}},
                                {9, "H-100×50×5×7", {0, 11.85, 187, 37.5, 0}},
                                {10, "H-100×50×5×7", {0, 11.85, 14.8, 5.91, 0}},
                                {9, "H-150×150×7×10", {0, 39.65, 1620, 216, 0}},
                                {10, "H-150×150×7×10", {0, 39.65, 563, 75.1, 0}},
                                {9, "H-200×100×5.5×8", {0, 26.67, 1810, 181, 0}},
                                {9, "H-300×150×6.5×9", {0, 46.78, 7210, 481, 0}},
                                {10, "H-300×150×6.5×9", {0, 46.78, 508, 67.7, 0}},
                                {9, "H-400×200×8×13", {0, 83.37, 23500, 1170, 0}},
                                {10, "H-400×200×8×13", {0, 83.37, 1740, 174, 0}},
                                {9, "H-350×350×12×19", {0, 171.9, 39800, 2280, 0}},
                                {11, "[-75×40×5×7", {0, 8.818, 75.3, 20.1, 2.92}},
                                {12, "[-75×40×5×7", {0, 8.818, 12.2, 4.47, 1.17}},
                                {11, "[-150×75×6.5×10", {0, 23.71, 861, 115, 6.03}},
                                {12, "[-150×75×6.5×10", {0, 23.71, 117, 22.4, 2.22}},
                                {11, "[-200×90×8×13.5", {0, 38.65, 2490, 249, 8.02}},
                                {12, "[-380×100×13×20", {0, 85.71, 655, 87.8, 2.76}},
                                {88, "軽量H-100×100×3.2×4.5", {0, 11.91, 225, 45.1, 4.35}},
                                {88, "軽量H-150×75×3.2×4.5", {0, 11.26, 432, 57.6, 6.19}},
                                {88, "軽量H-300×150×4.5×6", {0, 30.96, 4790, 319, 12.4}},
                                {26, "C-100×50×20×2.3", {0, 5.172, 80.7, 0, 0}},
                                {26, "C-100×50×20×3.2", {0, 7.007, 107, 0, 0}},
                                {26, "C-60×30×10×2.3", {0, 2.872, 0, 0, 0}}};

// JIS G 3466 STKR unit masses (kg/m) from a stockist's table (araya-kk.co.jp, 製造寸法及び
// 単位質量表): field 3 of the steel table.
const Published kMasses[] = {
    {2, "□-50×50×1.6", {2.38}},   {2, "□-50×50×2.3", {3.34}},   {2, "□-50×50×3.2", {4.50}},
    {2, "□-60×60×2.3", {4.06}},   {2, "□-75×75×3.2", {7.01}},   {2, "□-75×75×4.5", {9.55}},
    {2, "□-100×100×3.2", {9.52}}, {2, "□-100×100×4.5", {13.1}}, {2, "□-125×125×4.5", {16.6}},
    {3, "□-50×20×2.3", {2.25}},   {3, "□-60×30×3.2", {3.99}},   {4, "□-75×45×1.6", {2.88}},
    {3, "□-100×50×2.3", {5.14}},  {4, "□-125×75×3.2", {9.52}}};

// The row of the steel table with this shape code and designation.
std::optional<SizeRow> steelRow(int code, const std::string& designation) {
    for (const SizeRow& row : catalog::readSizeTable(dataFile(1), code).rows)
        if (row[catalog::kFieldDesignation].text == designation) return row;
    return std::nullopt;
}

TEST(PublishedSizes, AgreeToThePrintedFigure) {
    using Table = std::span<const Published>;
    for (Table table : {Table(kPublished), Table(kMasses)}) {
        for (const Published& p : table) {
            SCOPED_TRACE(p.designation);
            const std::optional<SizeRow> row = steelRow(p.code, p.designation);
            ASSERT_TRUE(row) << "code " << p.code;
            for (std::size_t f = catalog::kFieldUnitMass; f < catalog::kFieldsPerRecord; ++f) {
                const double published = p.fields[f - catalog::kFieldUnitMass];
                if (published > 0) {
                    EXPECT_EQ((*row)[f].number, published) << "field " << f + 1;
                }
            }
        }
    }
}

} // namespace
