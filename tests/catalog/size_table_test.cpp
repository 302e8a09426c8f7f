#include "catalog/size_table.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "catalog/data_folder.hpp"

namespace {

namespace fs = std::filesystem;
using catalog::Field;

// Code page 932 bytes of a few characters (JIS X 0208 row/cell to Shift_JIS by hand):
//   φ 0x83D3, × 0x817E, □ 0x81A0, 表 0x955C (its trail byte is the ASCII backslash).
constexpr const char* kPhi = "\x83\xD3";
constexpr const char* kTimes = "\x81\x7E";
constexpr const char* kHyou = "\x95\x5C";

catalog::SizeTableRead read(const std::string& bytes, int code) {
    std::istringstream in(bytes);
    return catalog::readSizeTable(in, code);
}

TEST(SizeTableReader, KeepsTheRecordsOfOneShapeInFileOrder) {
    const std::string file = std::string("1,\"") + kPhi + "48.6" + kTimes +
                             "2.3\",2.63,3.345,8.99,3.70,1.64\r\n" + "2,\"B\",1,2,3,4,5\r\n" +
                             "1,\"C\",1,10,20,30,40\n" + "1,\"D\",1,11,21,31,41";
    const auto r = read(file, 1);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.records, 4u);
    EXPECT_EQ(r.rows[0][1].text, "φ48.6×2.3");
    EXPECT_EQ(r.rows[0][1].kind, Field::Kind::Text);
    EXPECT_EQ(r.rows[0][3].kind, Field::Kind::Number);
    EXPECT_EQ(r.rows[0][3].number, 3.345);
    EXPECT_EQ(r.rows[0][5].display(), "3.7"); // a number stays a number
    EXPECT_EQ(r.rows[1][1].text, "C");
    EXPECT_EQ(r.rows[2][1].text, "D"); // the last line needs no line end
    EXPECT_EQ(r.leftoverValues, 0u);
    EXPECT_EQ(read(file, 2).rows.size(), 1u);
    EXPECT_TRUE(read(file, 3).rows.empty());
}

TEST(SizeTableReader, RecordsMayBreakAcrossLines) {
    const auto r = read("1,\"A\",\n2.63,3.345,\r\n\r\n8.99,\n3.70,1.64\n\n1,\"B\",1,2,3,4,5\n", 1);
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0][1].text, "A");
    EXPECT_EQ(r.rows[0][4].number, 8.99);
    EXPECT_EQ(r.rows[0][6].number, 1.64);
    EXPECT_EQ(r.rows[1][1].text, "B");
}

TEST(SizeTableReader, QuotedTextKeepsCommasBlanksAndLineBreaks) {
    const auto r = read("1,\" a,b \",1,2,3,4,5\n1,\"x\ny\"junk,1,2,3,4,5\n", 1);
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0][1].text, " a,b ");
    EXPECT_EQ(r.rows[1][1].text, "x\ny"); // what follows the closing quote is dropped
}

TEST(SizeTableReader, FieldOneMustBeTheNumberItself) {
    struct Case {
        const char* first;
        bool matches;
    };
    for (const Case& c :
         {Case{"1", true}, Case{" 1 ", true}, Case{"1.0", true}, Case{"+1", true},
          Case{"\"1\"", false}, Case{"1abc", false}, Case{"x", false}, Case{"", false},
          Case{"0x1", false}, Case{"1e0", true}, Case{"nan", false}}) {
        const auto r = read(std::string(c.first) + ",\"A\",1,2,3,4,5\n", 1);
        EXPECT_EQ(r.rows.size(), c.matches ? 1u : 0u) << c.first;
        EXPECT_EQ(r.records, 1u) << c.first;
    }
}

TEST(SizeTableReader, MissingFieldsShiftTheGroupsOfSeven) {
    // The first line lacks a value, so the second record's code completes the first record and
    // the rest of the file no longer fills a group.
    const auto r = read("1,\"A\",1,2,3,4\n1,\"B\",1,2,3,4,5\n", 1);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][1].text, "A");
    EXPECT_EQ(r.rows[0][6].number, 1);
    EXPECT_EQ(r.leftoverValues, 6u);
}

TEST(SizeTableReader, EmptyAndTextValuesStayWhatTheyAre) {
    const auto r = read("1,\"A\",,abc,  ,\"12.5\",7\n", 1);
    ASSERT_EQ(r.rows.size(), 1u);
    const catalog::SizeRow& row = r.rows[0];
    EXPECT_EQ(row[2].kind, Field::Kind::Empty);
    EXPECT_EQ(row[3].kind, Field::Kind::Text);
    EXPECT_EQ(row[3].text, "abc");
    EXPECT_EQ(row[3].value(), 0);
    EXPECT_EQ(row[4].kind, Field::Kind::Empty);
    EXPECT_EQ(row[5].kind, Field::Kind::Text);
    EXPECT_EQ(row[5].value(), 12.5);
    const catalog::SelectedSize s = catalog::selectSize(row, "7.85");
    EXPECT_EQ(s.textMenseki, "abc");
    EXPECT_EQ(s.textJuryou, "0.00");
    EXPECT_EQ(s.textDi, "");
    EXPECT_EQ(s.textDz, "12.5");
}

TEST(SizeTableReader, InvalidShiftJisBecomesReplacementCharacters) {
    struct Case {
        std::string bytes, text;
    };
    for (const Case& c : {Case{std::string(kHyou), "表"}, Case{"\xFF", "\uFFFD"},
                          Case{"a\x81 b", "a\uFFFD b"}, Case{std::string("x\x83"), "x\uFFFD"},
                          Case{std::string(kPhi) + "\xA1\xFD", "φ\uFF61\uFFFD"}}) {
        const auto r = read("1,\"" + c.bytes + "\",1,2,3,4,5\n", 1);
        ASSERT_EQ(r.rows.size(), 1u);
        EXPECT_EQ(r.rows[0][1].text, c.text);
    }
    // Unquoted text is decoded the same way.
    const auto r = read(std::string("1,") + kHyou + "\xFF,1,2,3,4,5", 1);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][1].text, "表\uFFFD");
}

TEST(SizeTableReader, BrokenEndings) {
    // A final group of fewer than seven values is ignored.
    auto r = read("1,\"A\",1,2,3,4,5\n1,\"B\",1,2", 1);
    EXPECT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.leftoverValues, 4u);
    // A quote never closed runs to the end of the file as one value.
    r = read("1,\"A\",1,2,3,4,5\n1,\"B,1,2,3,4,5\n", 1);
    EXPECT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.leftoverValues, 2u);
    // Nothing at all.
    r = read("", 1);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.rows.empty());
    r = read("\n\r\n  \n", 1);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_EQ(r.leftoverValues, 0u);
}

// Produces `records` lines of a non-matching shape, then one of shape 1, without holding
// them in memory.
class GeneratedFile : public std::streambuf {
public:
    GeneratedFile(std::size_t records, std::string line, std::string last)
        : left_(records), line_(std::move(line)), last_(std::move(last)) {}

protected:
    int_type underflow() override {
        if (left_ == 0 && done_) return traits_type::eof();
        if (left_ > 0) {
            chunk_.clear();
            while (left_ > 0 && chunk_.size() < (1 << 16)) {
                chunk_ += line_;
                --left_;
            }
        } else {
            chunk_ = last_;
            done_ = true;
        }
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    std::size_t left_;
    std::string line_, last_, chunk_;
    bool done_ = false;
};

long maxRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

TEST(SizeTableReader, HugeFileIsReadInBoundedMemory) {
    const long before = maxRssKb();
    // About 200 MB of records of another shape.
    GeneratedFile huge(8'000'000, "2,\"H-100x100x6x8\",16.9,21.59,378,75.6,4.18\n",
                       "1,\"last\",1,2,3,4,5\n");
    std::istream in(&huge);
    const auto r = catalog::readSizeTable(in, 1);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][1].text, "last");
    EXPECT_EQ(r.records, 8'000'001u);
    EXPECT_LT(maxRssKb() - before, 20'000); // kilobytes
}

TEST(SizeTableReader, OverlongValueIsCutNotStored) {
    const long before = maxRssKb();
    GeneratedFile noSeparators(3'000'000,
                               "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
                               ",\"A\",1,2,3,4,5\n1,\"B\",1,2,3,4,5\n");
    std::istream in(&noSeparators);
    const auto r = catalog::readSizeTable(in, 1);
    EXPECT_LT(maxRssKb() - before, 20'000);
    EXPECT_EQ(r.cutValues, 1u);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][1].text, "B");
}

TEST(SizeTableReader, ManyMatchingRowsAreAllKept) {
    std::string file;
    for (int i = 0; i < 1000; ++i)
        file += "5,\"FB-" + std::to_string(i) + "\",1,2,3,4,5\n";
    const auto r = read(file, 5);
    ASSERT_EQ(r.rows.size(), 1000u);
    EXPECT_EQ(r.rows[999][1].text, "FB-999");
    EXPECT_EQ(r.droppedRows, 0u);
}

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("hari_catalog_" + std::to_string(::getpid()) + "_" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

private:
    fs::path path_;
    static inline int counter_ = 0;
};

TEST(SizeTableFile, MissingOrUnreadableFilesAreNamed) {
    TempDir dir;
    auto r = catalog::readSizeTable(dir.path() / "vbSStype.csv", 1);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find("vbSStype.csv"), std::string::npos) << r.error;
    fs::create_directory(dir.path() / "vbALtype.csv");
    r = catalog::readSizeTable(dir.path() / "vbALtype.csv", 1);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find("vbALtype.csv"), std::string::npos) << r.error;
}

TEST(SizeTableFile, FamilyFilesAndFolderOrder) {
    EXPECT_EQ(catalog::sizeTableFileName(1), "vbSStype.csv");
    EXPECT_EQ(catalog::sizeTableFileName(2), "vbSUStype.csv");
    EXPECT_EQ(catalog::sizeTableFileName(3), "vbALtype.csv");
    EXPECT_EQ(catalog::sizeTableFileName(4), "vbWOODtype.csv");
    EXPECT_EQ(catalog::sizeTableFileName(22), "vbWOODtype.csv");
    EXPECT_FALSE(catalog::sizeTableFileName(23).has_value());
    EXPECT_FALSE(catalog::sizeTableFileName(0).has_value());

    TempDir first, second;
    second.write("vbSStype.csv", "1,\"second\",1,2,3,4,5\n");
    const std::vector<fs::path> folders{first.path(), second.path()};
    auto list = catalog::loadSizeList(1, 1, folders);
    ASSERT_TRUE(list.table.ok()) << list.table.error;
    ASSERT_EQ(list.table.rows.size(), 1u);
    EXPECT_EQ(list.table.rows[0][1].text, "second");
    first.write("vbSStype.csv", "1,\"first\",1,2,3,4,5\n");
    list = catalog::loadSizeList(1, 1, folders);
    ASSERT_EQ(list.table.rows.size(), 1u);
    EXPECT_EQ(list.table.rows[0][1].text, "first");
    EXPECT_EQ(list.path, first.path() / "vbSStype.csv");
    // Neither folder holds the aluminium file: the error names the first place looked at.
    list = catalog::loadSizeList(3, 1, folders);
    EXPECT_FALSE(list.table.ok());
    EXPECT_EQ(list.path, first.path() / "vbALtype.csv");
    // A material of no family reads nothing and fails nothing.
    list = catalog::loadSizeList(30, 1, folders);
    EXPECT_FALSE(list.fileName.has_value());
    EXPECT_TRUE(list.table.ok());
    EXPECT_TRUE(list.table.rows.empty());
}

TEST(SizeTableFile, DefaultFoldersStartWithTheWorkingDirectory) {
    const auto folders = catalog::defaultDataFolders();
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], fs::current_path());
    EXPECT_EQ(folders[1].filename(), "data");
    EXPECT_TRUE(fs::exists(folders[1].parent_path() / "catalog_tests"));
}

// Mass and weight per metre from the area and the specific gravity text, by hand:
//   10 cm2, 7.85: 10 * 7.85 * 100 / 1000 = 7.85 kg/m; * 9.8 = 76.93 N/m
//   3.345 cm2, 7.85: 2.625825 -> 2.63 kg/m; 25.733085 -> 25.73 N/m
//   21.59 cm2, 0.38: 0.82042 -> 0.82 kg/m; 8.040116 -> 8.04 N/m
//   0.5 cm2, 0.45: 0.0225 -> 0.02 kg/m (third decimal 2); * 9.8 = 0.2205 -> 0.22 N/m
TEST(SelectedSize, MassAndWeightTexts) {
    struct Case {
        std::string area, sg, mass, weight;
    };
    for (const Case& c :
         {Case{"10", "7.85", "7.85", "76.93"}, Case{"3.345", "7.85", "2.63", "25.73"},
          Case{"21.59", "0.38", "0.82", "8.04"}, Case{"0.5", "0.45", "0.02", "0.22"},
          Case{"10", "abc", "0.00", "0.00"}}) {
        const auto r = read("1,\"X\",0," + c.area + ",1,2,3\n", 1);
        ASSERT_EQ(r.rows.size(), 1u);
        const catalog::SelectedSize s = catalog::selectSize(r.rows[0], c.sg);
        EXPECT_EQ(s.textJuryou, c.mass) << c.area << " " << c.sg;
        EXPECT_EQ(s.textJuryouSI, c.weight) << c.area << " " << c.sg;
        EXPECT_EQ(s.textMenseki, c.area);
        EXPECT_EQ(s.danmenSize, "X");
        EXPECT_EQ(s.textDi, "1");
        EXPECT_EQ(s.textDz, "2");
        EXPECT_EQ(s.txtD2r, "3");
    }
}

TEST(SelectedSize, MassAfterTheAreaBoxChanges) {
    EXPECT_EQ(catalog::massTextForArea("12abc", "7.85"), "9.42"); // 12 * 0.785
    EXPECT_EQ(catalog::massTextForArea("", "7.85"), "0.00");
    EXPECT_EQ(catalog::massTextForArea(" 100", "2.7"), "27.00");
}

} // namespace
