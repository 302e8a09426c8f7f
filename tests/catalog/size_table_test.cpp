#include "catalog/size_table.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalog/data_folder.hpp"
#include "common/numtext.hpp"

namespace {

namespace fs = std::filesystem;
using catalog::Field;

catalog::SizeTableRead read(const std::string& bytes, int code) {
    std::istringstream in(bytes);
    return catalog::readSizeTable(in, code);
}

std::vector<std::string> designations(const catalog::SizeTableRead& r) {
    std::vector<std::string> names;
    for (const catalog::SizeRow& row : r.rows)
        names.push_back(row[catalog::kFieldDesignation].text);
    return names;
}

TEST(SizeTableReader, KeepsTheRecordsOfOneShapeInFileOrder) {
    // φ48.6×2.3 in code page 932 (φ 83D3, × 817E); the last line has no line end.
    const std::string file = "1,\"\x83\xD3"
                             "48.6\x81\x7E"
                             "2.3\",2.63,3.345,8.99,3.70,1.64\r\n2,\"B\",1,2,3,4,5\r\n"
                             "1,\"C\",,abc,  ,\"12.5\",7\n1,\"D\",1,11,21,31,41";
    const auto r = read(file, 1);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.records, 4u);
    ASSERT_EQ(designations(r), (std::vector<std::string>{"φ48.6×2.3", "C", "D"}));
    EXPECT_EQ(r.rows[0][3].number, 3.345);
    EXPECT_EQ(r.rows[0][5].display(), "3.7"); // a number stays a number
    EXPECT_EQ(read(file, 2).rows.size(), 1u);
    // Nothing between commas is empty; text stays text, quoted digits included.
    const catalog::SizeRow& c = r.rows[1];
    EXPECT_EQ((std::array{c[1].kind, c[2].kind, c[3].kind, c[4].kind, c[5].kind}),
              (std::array{Field::Kind::Text, Field::Kind::Empty, Field::Kind::Text,
                          Field::Kind::Empty, Field::Kind::Text}));
}

// Broken and hostile files: the shape-1 rows found, and the values of an ignored last group.
TEST(SizeTableReader, OddlyBrokenFiles) {
    struct Case {
        std::string bytes;
        std::vector<std::string> designations;
        std::size_t leftover;
    };
    const Case cases[] = {
        {"1,\"A\",\n2.63,3.345,\r\n\r\n8.99,\n3.70,1.64\n\n1,\"B\",1,2,3,4,5\n", {"A", "B"}, 0},
        // Quotes keep commas, blanks and line breaks; what follows the closing quote is dropped.
        {"1,\" a,b \",1,2,3,4,5\n1,\"x\ny\"junk,1,2,3,4,5\n", {" a,b ", "x\ny"}, 0},
        // A lacking value: the next record's code completes this one and the rest falls short.
        {"1,\"A\",1,2,3,4\n1,\"B\",1,2,3,4,5\n", {"A"}, 6},
        {"1,\"A\",1,2,3,4,5\n1,\"B\",1,2", {"A"}, 4},
        {"1,\"A\",1,2,3,4,5\n1,\"B,1,2,3,4,5\n", {"A"}, 2}, // a quote never closed
        {"\n\r\n  \n", {}, 0},
        // Field 1 must be the number itself: only the first five match.
        {"1,a,1,2,3,4,5\n 1 ,b,1,2,3,4,5\n1.0,c,1,2,3,4,5\n+1,d,1,2,3,4,5\n1e0,e,1,2,3,4,5\n"
         "\"1\",f,1,2,3,4,5\n1abc,,1,2,3,4,5\nx,,1,2,3,4,5\n,,1,2,3,4,5\n0x1,,1,2,3,4,5\n"
         "nan,,1,2,3,4,5\n",
         {"a", "b", "c", "d", "e"},
         0},
        // Code page 932: 表 955C (trail byte '\'), a lone FF, a lead byte before a blank, a
        // lead byte cut off by the quote, unquoted text, half-width ｡ A1 then a bad pair.
        {"1,\"\x95\x5C\",1,2,3,4,5\n1,\"\xFF\",1,2,3,4,5\n1,\"a\x81 b\",1,2,3,4,5\n"
         "1,\"x\x83\",1,2,3,4,5\n1,\x95\x5C\xFF,1,2,3,4,5\n1,\"\x83\xD3\xA1\xFD\",1,2,3,4,5\n",
         {"表", "\uFFFD", "a\uFFFD b", "x\uFFFD", "表\uFFFD", "φ\uFF61\uFFFD"},
         0}};
    for (const Case& c : cases) {
        const auto r = read(c.bytes, 1);
        EXPECT_TRUE(r.ok());
        EXPECT_EQ(designations(r), c.designations) << c.bytes;
        EXPECT_EQ(r.leftoverValues, c.leftover) << c.bytes;
    }
}

// A matching record takes exactly its own seven values, whatever came before it; rows beyond
// kMaxRows are counted, not kept. Every fourth record is of shape 1.
TEST(SizeTableReader, RowsBeyondTheLimitAreCountedNotKept) {
    std::string file;
    const std::size_t matching = catalog::kMaxRows + 3;
    for (std::size_t i = 0; i < matching; ++i) {
        const std::string n = std::to_string(i);
        file += "2,\"long designation " + n + "\",x,\"t\",,  9  ,8\n";
        file += "2,a,b,c,d,e,f\n2,1,2,3,4,5,6\n1,R" + n + ",1,2,3,4,5\n";
    }
    const auto r = read(file, 1);
    EXPECT_EQ(r.records, 4 * matching);
    ASSERT_EQ(r.rows.size(), catalog::kMaxRows);
    EXPECT_EQ(r.droppedRows, 3u);
    const catalog::SizeRow& last = r.rows.back();
    EXPECT_EQ(last[1].text, "R" + std::to_string(catalog::kMaxRows - 1));
    for (std::size_t i = 2; i < catalog::kFieldsPerRecord; ++i) {
        EXPECT_EQ(last[i].kind, Field::Kind::Number) << i;
        EXPECT_EQ(last[i].number, static_cast<double>(i - 1)) << i;
    }
}

struct TempDir {
    static inline int count = 0;
    fs::path path = fs::temp_directory_path() /
                    ("hari_catalog_" + std::to_string(::getpid()) + "_" + std::to_string(count++));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

TEST(SizeTableFile, TheFirstFolderHoldingTheFileWins) {
    TempDir first, second;
    std::ofstream(second.path / "vbSStype.csv") << "1,second,1,2,3,4,5\n";
    const std::vector<fs::path> folders{first.path, second.path};
    EXPECT_EQ(designations(catalog::loadSizeList(1, 1, folders).table),
              std::vector<std::string>{"second"});
    std::ofstream(first.path / "vbSStype.csv") << "1,first,1,2,3,4,5\n";
    auto list = catalog::loadSizeList(1, 1, folders);
    EXPECT_EQ(designations(list.table), std::vector<std::string>{"first"});
    EXPECT_EQ(list.path, first.path / "vbSStype.csv");
    // A file in no folder, or a folder in its place: the error names the first place looked.
    fs::create_directory(first.path / "vbSUStype.csv");
    for (int zaitype : {2, 3}) {
        list = catalog::loadSizeList(zaitype, 1, folders);
        EXPECT_FALSE(list.table.ok());
        EXPECT_EQ(list.path, first.path / *list.fileName);
        EXPECT_NE(list.table.error.find(list.path.string()), std::string::npos) << list.table.error;
    }
    // A material of no family reads nothing and fails nothing.
    list = catalog::loadSizeList(30, 1, folders);
    EXPECT_TRUE(!list.fileName && list.table.ok() && list.table.rows.empty());
    // By default: the working directory, beside the program (<build>/bin), then the installed
    // place under bin's parent.
    const fs::path build = fs::canonical(HARI_BINARY_DIR);
    EXPECT_EQ(catalog::executableFolder(), build / "bin");
    EXPECT_EQ(catalog::defaultDataFolders(),
              (std::vector<fs::path>{fs::current_path(), build / "bin" / "data",
                                     build / "share" / "hari" / "data"}));
}

// A pipe or /dev/zero in place of the table once hung the size screen: only a regular file (or a
// link to one) is read.
TEST(SizeTableFile, APipeOrADeviceIsNotRead) {
    TempDir dir;
    const fs::path pipe = dir.path / "pipe.csv", zero = dir.path / "zero.csv",
                   link = dir.path / "link.csv", missing = dir.path / "missing.csv";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", zero);
    std::ofstream(dir.path / "real.csv") << "1,A,1,2,3,4,5\n";
    fs::create_symlink(dir.path / "real.csv", link);
    for (const fs::path& p : {pipe, zero}) {
        const auto r = catalog::readSizeTable(p, 1);
        EXPECT_EQ(r.error, p.string() + ": not a regular file");
        EXPECT_TRUE(r.rows.empty());
    }
    EXPECT_EQ(designations(catalog::readSizeTable(link, 1)), std::vector<std::string>{"A"});
    EXPECT_EQ(catalog::readSizeTable(missing, 1).error,
              missing.string() + ": No such file or directory");
}

// Mass A × sg / 10 kg/m and weight × 9.8 N/m, by hand: 3.345 × 7.85 -> 2.625825, 25.733085;
// 0.5 × 0.45 -> 0.0225, 0.2205; "12abc" × 7.85 -> 9.42, 92.316; 1e300 × 7.85 / 10 = 7.85e299,
// × 9.8 = 7.693e300. A mass beyond the doubles (1e400) once showed 0.00 kg/m: now nothing.
TEST(SelectedSize, MassAndWeightTexts) {
    struct Case {
        std::string area, sg, mass, weight;
    };
    for (const Case& c :
         {Case{"3.345", "7.85", "2.63", "25.73"}, Case{"0.5", "0.45", "0.02", "0.22"},
          Case{"12abc", "7.85", "9.42", "92.32"}, Case{"10", "abc", "0.00", "0.00"}}) {
        const catalog::SelectedSize s =
            catalog::selectSize(read("1,X,0," + c.area + ",1,2,3\n", 1).rows.at(0), c.sg);
        // Fields 2, 4, 6, 5, 7 in screen order, then the boxes after a typed area.
        EXPECT_EQ((std::array{s.danmenSize, s.textMenseki, s.textJuryou, s.textJuryouSI, s.textDz,
                              s.textDi, s.txtD2r, catalog::massTextForArea(c.area, c.sg),
                              catalog::weightTextForArea(c.area, c.sg)}),
                  (std::array<std::string, 9>{"X", c.area, c.mass, c.weight, "2", "1", "3", c.mass,
                                              c.weight}))
            << c.area << " " << c.sg;
    }
    const catalog::SelectedSize s =
        catalog::selectSize(read("1,X,0,1e400,1,2,3\n", 1).rows.at(0), "7.85");
    EXPECT_EQ(s.textJuryou + s.textJuryouSI + catalog::massTextForArea("1e400", "7.85") +
                  catalog::weightTextForArea("1e400", "7.85"),
              "");
    EXPECT_EQ(catalog::massTextForArea("1e300", "7.85"), "785" + std::string(297, '0') + ".00");
    const std::string weight = catalog::weightTextForArea("1e300", "7.85");
    EXPECT_EQ(weight.size(), 301u + 3u) << weight;
    EXPECT_NEAR(numtext::value(weight) / 7.693e300, 1.0, 1e-15) << weight;
}

// A designation stands for its row's figures: written otherwise it still does, changed it is
// marked once, and typed properties carry no row's name.
TEST(SizeDesignation, NamesARowOnlyWithItsFigures) {
    const catalog::SelectedSize p20 =
        catalog::selectSize(read("1,P-20,15.7,20,400,60,4.47\n", 1).rows.at(0), "7.85");
    const auto name = [&](catalog::SectionFigures f) {
        return catalog::sectionDesignation(&p20, f);
    };
    EXPECT_EQ(name({"20", "60", "400", "4.47"}), "P-20");
    EXPECT_EQ(name({"20.0", " 60", "4e2", "4.470"}), "P-20");
    EXPECT_EQ(name({"20", "61", "400", "4.47"}), "P-20（値を変更）");
    EXPECT_EQ(name({"20", "60", "400", ""}), "P-20（値を変更）");
    EXPECT_EQ(catalog::sectionDesignation(nullptr, {"20", "60", "400", "4.47"}), "直接入力");
    EXPECT_EQ(catalog::markEdited("P-20（値を変更）"), "P-20（値を変更）");
    EXPECT_EQ(catalog::markEdited("直接入力"), "直接入力");
}

} // namespace
