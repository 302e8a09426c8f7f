// The size-table reader on broken and hostile files, the data folders, a chosen size's texts; the
// material and shape catalogs against published constants, hand-worked conversions and the size
// screen's rules; the checked-in size tables: equal to what the generator writes, readable,
// holding sizes for the shapes whose lists the size screen shows, and agreeing with published
// catalogues.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <tuple>

#include "catalog/data_folder.hpp"
#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "catalog/size_table.hpp"
#include "common/numtext.hpp"

namespace {

namespace fs = std::filesystem;
using catalog::SizeRow;

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
    // The last line has no line end. (Code page 932 is read in the broken files and the tables.)
    const std::string file = "1,\"A\",2.63,3.345,8.99,3.70,1.64\r\n2,\"B\",1,2,3,4,5\r\n"
                             "1,\"C\",,abc,  ,\"12.5\",7\n1,\"D\",1,11,21,31,41";
    const auto r = read(file, 1);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.records, 4u);
    ASSERT_EQ(designations(r), (std::vector<std::string>{"A", "C", "D"}));
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

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using enum catalog::MaterialFamily;
using catalog::NoListMode;

// The size-table rule reaches past the fourteen list entries: 4..22 are wood.
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

// Material numbers 1..4 stand for the four families and their files.
fs::path dataFile(int zaitype) {
    return fs::path(HARI_SOURCE_DIR) / "data" / *catalog::sizeTableFileName(zaitype);
}

TEST(DataFiles, EqualTheGeneratorsOutput) {
    const TempDir out;
    const std::string command = std::string(HARI_SIZEGEN) + " " + out.path.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (int zaitype : {1, 2, 3, 4})
        EXPECT_TRUE(bytesOf(out.path / dataFile(zaitype).filename()) == bytesOf(dataFile(zaitype)))
            << dataFile(zaitype) << " is not the generator's output: build regenerate_size_tables";
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
            std::set<std::string> designations;
            for (const SizeRow& row : r.rows) {
                SCOPED_TRACE(row[1].text);
                EXPECT_TRUE(designations.insert(row[1].text).second) << "listed twice";
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

// Pipes JIS G 3444: 三水 (sansui-inc.co.jp) 寸法および単位質量. H, channels and angles JIS G 3192:
// mecha-basic.com H形鋼の規格寸法, 構造設計資料 hyken, the JIS table of equal angles. Welded light
// H JIS G 3353:2011 表6. Lipped channels JIS G 3350: a maker's リップみぞ形鋼 断面性能表. Tubes
// JIS G 3466: section.dat (KP-), unit masses from araya-kk.co.jp 製造寸法及び単位質量表.
// clang-format off
const Published kPublished[] = {
    {1, "φ48.6×2.3", {2.63, 3.345, 8.99, 3.70, 1.64}},
    {2, "□-350×350×12.0", {124, 158.5, 29800, 1700, 13.7}},
    {3, "□-250×150×9.0", {52.3, 66.67, 5480, 438, 9.06}},
    {4, "□-250×150×9.0", {52.3, 66.67, 2470, 330, 6.09}},
    {9, "H-250×250×9×14", {0, 91.43, 10700, 860, 10.8}},
    {9, "H-148×100×6×9", {20.7, 26.35, 1000, 135, 6.17}}, // medium flange, at the depth rolled
    {10, "H-588×300×12×20", {147, 187.2, 9010, 601, 6.94}},
    {9, "H-198×99×4.5×7", {17.8, 22.69, 1540, 156, 8.25}}, // narrow flange
    // JFEスチール H形鋼 断面性能表 (広幅), the size between H-200×200 and H-250×250
    {9, "H-208×202×10×16", {65.7, 83.69, 6530, 628, 8.83}},
    {10, "H-208×202×10×16", {65.7, 83.69, 2200, 218, 5.13}},
    {11, "[-150×75×6.5×10", {0, 23.71, 861, 115, 6.03}},
    {13, "L-75×75×9", {9.96, 12.69, 64.4, 12.1, 2.25}},
    {88, "軽量H-150×125×3.2×6", {15.2, 19.42, 848, 113, 6.61}},
    {26, "C-250×75×25×4.5", {14.9, 18.92, 1690, 0, 0}},
    // Rolled channels and angles carry the area of the standard's formula, not of the true
    // fillets, which differ in the fourth figure, and the unit mass of that printed area.
    // Channels: the JIS G 3192 table as hyken (構造設計資料, JIS_G_3192_M) prints it. Angles: by
    // hand from t (A + B - t) + 0.215 (r1^2 - 2 r2^2), e.g. L-65×65×6 (r1 8.5, r2 4): 752.7 mm2.
    {11, "[-75×40×5×7", {6.92, 8.818}},
    {11, "[-180×75×7×10.5", {21.4, 27.20}}, // 21.3 from 27.197
    {12, "[-180×75×7×10.5", {21.4, 27.20}},
    {11, "[-250×90×11×14.5", {40.2, 51.17}},
    {11, "[-300×90×10×15.5", {43.8, 55.74}}, // the outline: 55.75
    {12, "[-300×90×12×16", {48.6, 61.90}},
    {11, "[-380×100×13×20", {67.3, 85.71}},
    {13, "L-25×25×3", {1.12, 1.427}},
    {13, "L-65×65×6", {5.91, 7.527}},
    {13, "L-80×80×6", {7.32, 9.327}},
    {13, "L-250×250×35", {128, 162.6}},
    {15, "L-150×100×12", {22.4, 28.56}}};
// clang-format on

// The row of the steel table with this shape code and designation.
std::optional<SizeRow> steelRow(int code, const std::string& designation) {
    for (const SizeRow& row : catalog::readSizeTable(dataFile(1), code).rows)
        if (row[catalog::kFieldDesignation].text == designation) return row;
    return std::nullopt;
}

TEST(PublishedSizes, AgreeToThePrintedFigure) {
    for (const Published& p : kPublished) {
        SCOPED_TRACE(p.designation);
        const std::optional<SizeRow> row = steelRow(p.code, p.designation);
        ASSERT_TRUE(row) << "code " << p.code;
        for (std::size_t f = catalog::kFieldUnitMass; f < catalog::kFieldsPerRecord; ++f) {
            const double published = p.fields[f - catalog::kFieldUnitMass];
            EXPECT_EQ(published > 0 ? (*row)[f].number : 0, published) << "field " << f + 1;
        }
    }
}

// Standard sizes once missing are listed. Medium-flange H is rolled below its nominal depth:
// computed at the nominal one it overstated I and Z (a fault once) and let a failing beam pass.
TEST(PublishedSizes, StandardSizesListedAndNoMediumFlangeAtItsNominalDepth) {
    // (L-250×250×35 is among the published rows.)
    for (const auto& [code, designation] :
         {std::pair{21, "[-100×50×2.3"}, {10, "H-890×299×15×23"}, {1, "φ1016×22.0"}})
        EXPECT_TRUE(steelRow(code, designation)) << code << " " << designation;
    for (int code : {9, 10})
        for (const char* nominal : {"H-150×100×6×9", "H-200×150×6×9", "H-250×175×7×11",
                                    "H-300×200×8×12", "H-350×250×9×14", "H-400×300×10×16",
                                    "H-450×300×11×18", "H-500×300×11×18", "H-600×300×12×20"})
            EXPECT_FALSE(steelRow(code, nominal)) << code << " " << nominal;
}

} // namespace
