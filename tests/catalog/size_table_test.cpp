#include "catalog/size_table.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
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
        {"", {}, 0},
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

// A matching record takes exactly its own seven values, whatever came before it; matching
// rows beyond the limit are counted, not kept. Every fourth record is of shape 1 (R0, R1, ...)
// between records of shape 2 with other kinds of value, so kMaxRows + 3 of them fill the list
// and leave 3 over.
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

// Builds with sanitizers run several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlowdown = 10;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr double kSlowdown = 10;
#else
constexpr double kSlowdown = 1;
#endif
#else
constexpr double kSlowdown = 1;
#endif

// Processor time of this thread in milliseconds: unlike the clock on the wall, it does not
// grow when others share the machine.
double threadMs() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The least processor time, in milliseconds, of three reads of `bytes` for `code`, each of
// which must find `records` records.
double leastReadMs(const std::string& bytes, int code, std::size_t records) {
    double least = 1e9;
    for (int i = 0; i < 3; ++i) {
        std::istringstream in(bytes);
        const double start = threadMs();
        const auto r = catalog::readSizeTable(in, code);
        least = std::min(least, threadMs() - start);
        EXPECT_EQ(r.records, records);
    }
    return least;
}

// The size screen reads its table while the user waits and must open within a second, its
// list included, so the rows a file can make it keep must cost little beside splitting the
// file. 20 MiB of records all of shape 1 (20 MiB / 32 bytes = 655360 of them) keep the most
// rows there may be; read for shape 2 they keep none. Keeping them once cost three times the
// splitting, when up to 100000 rows were kept.
TEST(SizeTableReader, TheRowsKeptAddLittleToReadingALongFile) {
    constexpr std::size_t kBytes = 20u << 20;
    std::string records;
    records.reserve(kBytes);
    while (records.size() < kBytes)
        records += "1,\"H-100x50\",9.3,11.8,187,37,39\n";
    const double splitting = leastReadMs(records, 2, kBytes / 32),
                 keeping = leastReadMs(records, 1, kBytes / 32);
    std::printf("[   time   ] 20 MiB: %.0f ms for no row, %.0f ms for the most rows\n", splitting,
                keeping);
    EXPECT_LT(keeping, 2 * splitting);
    EXPECT_LT(keeping, 400 * kSlowdown);
}

// A fresh folder, removed afterwards.
struct TempDir {
    static inline int count = 0;
    fs::path path = fs::temp_directory_path() /
                    ("hari_catalog_" + std::to_string(::getpid()) + "_" + std::to_string(count++));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

// Reads about 1.5 MB per unit (records of another shape, a value without any separator, then
// the one record of shape 1) and returns the peak resident memory in kB while reading.
long peakKbReading(std::size_t units) {
    TempDir dir;
    {
        std::ofstream out(dir.path / "big.csv", std::ios::binary);
        for (std::size_t i = 0; i < 12'000 * units; ++i)
            out << "2,\"H-100x100x6x8\",16.9,21.59,378,75.6,4.18\n";
        for (std::size_t i = 0; i < 1000 * units; ++i)
            out << std::string(1000, 'x');
        out << ",\"A\",1,2,3,4,5\n1,\"last\",1,2,3,4,5\n";
    }
    std::ofstream("/proc/self/clear_refs") << "5"; // restart the high-water mark
    const auto r = catalog::readSizeTable(dir.path / "big.csv", 1);
    EXPECT_EQ(designations(r), std::vector<std::string>{"last"});
    EXPECT_EQ(r.records, 12'000 * units + 2);
    EXPECT_EQ(r.cutValues, 1u);
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

TEST(SizeTableReader, MemoryDoesNotGrowWithTheInput) {
    // AddressSanitizer keeps freed memory in quarantine, so the peak grows with what was read.
    if (kSlowdown > 1) GTEST_SKIP() << "resident memory is not the reader's under AddressSanitizer";
    const long small = peakKbReading(1), large = peakKbReading(4);
    ASSERT_GT(small, 0);
    EXPECT_LT(large - small, 1024) << small << " kB, then " << large << " kB";
}

TEST(SizeTableReader, ManyMatchingRowsAreAllKept) {
    std::string file;
    for (int i = 0; i < 1000; ++i)
        file += "5,\"FB-" + std::to_string(i) + "\",1,2,3,4,5\n";
    const auto r = read(file, 5);
    ASSERT_EQ(r.rows.size(), 1000u);
    EXPECT_EQ(r.rows[999][1].text, "FB-999");
}

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
    // A file in no folder, or a folder in its place: the error names the first place looked at.
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
    // Without a choice: the working directory, the copy beside the program (this test runs from
    // <build>/bin), then the installed place under bin's parent, <build>/share/hari/data.
    const fs::path build = fs::canonical(HARI_BINARY_DIR);
    EXPECT_EQ(catalog::executableFolder(), build / "bin");
    EXPECT_EQ(catalog::defaultDataFolders(),
              (std::vector<fs::path>{fs::current_path(), build / "bin" / "data",
                                     build / "share" / "hari" / "data"}));
}

// Only a regular file is read: a pipe without a writer would keep the open waiting and
// /dev/zero never ends, so both would hang the screen that asks. A link to a file is read.
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

// Mass and weight per metre from the area and the specific gravity text, by hand:
//   10 cm2, 7.85: 10 * 7.85 * 100 / 1000 = 7.85 kg/m; * 9.8 = 76.93 N/m
//   3.345 cm2, 7.85: 2.625825 -> 2.63 kg/m; 25.733085 -> 25.73 N/m
//   21.59 cm2, 0.38: 0.82042 -> 0.82 kg/m; 8.040116 -> 8.04 N/m
//   0.5 cm2, 0.45: 0.0225 -> 0.02 kg/m (third decimal 2); * 9.8 = 0.2205 -> 0.22 N/m
//   "12abc", 7.85: the leading 12 gives 9.42 kg/m, 92.316 -> 92.32 N/m
TEST(SelectedSize, MassAndWeightTexts) {
    struct Case {
        std::string area, sg, mass, weight;
    };
    for (const Case& c :
         {Case{"10", "7.85", "7.85", "76.93"}, Case{"3.345", "7.85", "2.63", "25.73"},
          Case{"21.59", "0.38", "0.82", "8.04"}, Case{"0.5", "0.45", "0.02", "0.22"},
          Case{"12abc", "7.85", "9.42", "92.32"}, Case{"", "7.85", "0.00", "0.00"},
          Case{"10", "abc", "0.00", "0.00"}}) {
        const catalog::SelectedSize s =
            catalog::selectSize(read("1,X,0," + c.area + ",1,2,3\n", 1).rows.at(0), c.sg);
        // The boxes in screen order (fields 2, 4, 6, 5, 7 as read), then the mass and weight
        // boxes after the area box changed to the same text.
        EXPECT_EQ((std::array{s.danmenSize, s.textMenseki, s.textJuryou, s.textJuryouSI, s.textDz,
                              s.textDi, s.txtD2r, catalog::massTextForArea(c.area, c.sg),
                              catalog::weightTextForArea(c.area, c.sg)}),
                  (std::array<std::string, 9>{"X", c.area, c.mass, c.weight, "2", "1", "3", c.mass,
                                              c.weight}))
            << c.area << " " << c.sg;
    }
}

// An area box of "1e400" reads as the largest double, about 1.797e308; 1.797e308 * 7.85 is
// about 1.41e309, past the largest double, so there is no mass to show, and the mass box stays
// empty like the weight box instead of showing 0.00 kg/m. A file's area of 1e400 is the same.
// An area of 1e300 still has a mass: 1e300 * 7.85 * 100 / 1000 = 7.85e299 kg/m, that is "785"
// and 297 zeros, and a weight of 7.85e299 * 9.8 = 7.693e300 N/m, 301 digits (the mass box
// rounds from 15 digits, the weight box from the double, whose 17th digit may be off).
TEST(SelectedSize, AMassBeyondTheRangeOfNumbersShowsNothing) {
    EXPECT_EQ(catalog::massTextForArea("1e400", "7.85"), "");
    EXPECT_EQ(catalog::weightTextForArea("1e400", "7.85"), "");
    const catalog::SelectedSize s =
        catalog::selectSize(read("1,X,0,1e400,1,2,3\n", 1).rows.at(0), "7.85");
    EXPECT_EQ(s.textJuryou, "");
    EXPECT_EQ(s.textJuryouSI, "");

    EXPECT_EQ(catalog::massTextForArea("1e300", "7.85"), "785" + std::string(297, '0') + ".00");
    const std::string weight = catalog::weightTextForArea("1e300", "7.85");
    EXPECT_EQ(weight.size(), 301u + 3u) << weight;
    EXPECT_NEAR(numtext::value(weight) / 7.693e300, 1.0, 1e-15) << weight;
}

} // namespace
