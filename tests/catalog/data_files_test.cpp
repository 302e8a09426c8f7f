// The checked-in size tables: equal to what the generator writes, readable, and holding sizes
// for the shapes whose lists the size screen shows.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "catalog/size_table.hpp"

namespace {

namespace fs = std::filesystem;

const char* const kFiles[] = {"vbSStype.csv", "vbSUStype.csv", "vbALtype.csv", "vbWOODtype.csv"};

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path dataFile(const char* name) {
    return fs::path(HARI_SOURCE_DIR) / "data" / name;
}

TEST(DataFiles, EqualTheGeneratorsOutput) {
    const fs::path out = fs::temp_directory_path() / ("hari_sizegen_" + std::to_string(::getpid()));
    fs::remove_all(out);
    const std::string command = std::string(HARI_SIZEGEN) + " " + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : kFiles) {
        const std::string generated = bytesOf(out / name);
        ASSERT_FALSE(generated.empty()) << name;
        EXPECT_TRUE(generated == bytesOf(dataFile(name)))
            << name << " differs from the generator's output: run the regenerate_size_tables "
            << "target";
    }
    fs::remove_all(out);
}

TEST(DataFiles, OneWellFormedRecordPerLine) {
    for (const char* name : kFiles) {
        SCOPED_TRACE(name);
        const std::string bytes = bytesOf(dataFile(name));
        std::size_t lines = 0;
        for (std::size_t pos = 0; (pos = bytes.find("\r\n", pos)) != std::string::npos; pos += 2)
            ++lines;
        std::size_t records = 0;
        for (const catalog::ShapeInfo& s : catalog::shapes()) {
            std::ifstream in(dataFile(name), std::ios::binary);
            const catalog::SizeTableRead r = catalog::readSizeTable(in, s.code);
            ASSERT_TRUE(r.ok());
            EXPECT_EQ(r.leftoverValues, 0u);
            EXPECT_EQ(r.records, lines);
            records += r.rows.size();
            for (const catalog::SizeRow& row : r.rows) {
                SCOPED_TRACE(row[1].text);
                EXPECT_EQ(row[1].kind, catalog::Field::Kind::Text);
                EXPECT_EQ(row[1].text.find("\uFFFD"), std::string::npos);
                for (std::size_t f : {2, 3, 4, 5, 6}) {
                    EXPECT_EQ(row[f].kind, catalog::Field::Kind::Number);
                    EXPECT_GT(row[f].number, 0);
                }
                // I = A i^2, each printed to three or four figures.
                const double a = row[3].number, i = row[4].number, r2 = row[6].number;
                EXPECT_NEAR(a * r2 * r2 / i, 1.0, 0.012);
            }
        }
        EXPECT_EQ(records, lines); // no record outside the shape codes of the panel
    }
}

TEST(DataFiles, EveryListedSteelStainlessAndAluminiumShapeHasSizes) {
    for (int zaitype : {1, 2, 3}) {
        const catalog::Material& m = *catalog::material(zaitype);
        for (const catalog::ShapeInfo& s : catalog::shapes()) {
            if (catalog::noListMode(s.code, m.family) != catalog::NoListMode::KeepsList) continue;
            std::ifstream in(dataFile(std::string(*catalog::sizeTableFileName(zaitype)).c_str()),
                             std::ios::binary);
            EXPECT_FALSE(catalog::readSizeTable(in, s.code).rows.empty())
                << m.listText << " shape " << s.code;
        }
    }
    // Wood: the sawn sections and logs the market stocks.
    for (int code : {5, 6, 17, 18, 19, 20}) {
        std::ifstream in(dataFile("vbWOODtype.csv"), std::ios::binary);
        EXPECT_FALSE(catalog::readSizeTable(in, code).rows.empty()) << code;
    }
}

} // namespace
