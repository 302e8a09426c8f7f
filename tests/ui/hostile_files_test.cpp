// Form材サイズ選択 with hostile files in place of the steel size table: empty, binary, broken
// Shift_JIS, very long, one endless line, a folder, an unreadable file, things that are not
// files, and a file that changes between two visits. The screen must open within a second,
// alone, and show either the sound H sections of the file or the way to type the section in.
#include "fakes.hpp"
#include "size_screen_reading.hpp"

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "catalog/shapes.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

using namespace testing_ui;
using namespace ui;
using namespace std::string_literals;

namespace {

namespace fs = std::filesystem;

// The screen is to open within a second; builds with sanitizers run several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kLimitMs = 10'000;
#else
constexpr qint64 kLimitMs = 1000;
#endif

const QString kFile = QStringLiteral("vbSStype.csv");
const QString kNoListCaption = QString::fromUtf8(catalog::kNoListCaption);
// What the screen says when the file of the list cannot be opened or read.
const QString kCannotRead = QStringLiteral("サイズ表「vbSStype.csv」を読み込めませんでした。");
const QString kBad = QStringLiteral("\uFFFD"); // the replacement character

// Three H sections in code page 932 (× is 817E), figures from the JIS tables. Their boxes by
// hand with SS400's specific gravity 7.85, mass = area * 7.85 * 100 / 1000, weight = mass * 9.8:
//   21.59 cm2: 16.94815 -> 16.95 kg/m, 166.091870 -> 166.09 N/m
//   17.85 cm2: 14.01225 -> 14.01 kg/m, 137.320050 -> 137.32 N/m
//   26.67 cm2: 20.93595 -> 20.94 kg/m, 205.172310 -> 205.17 N/m
const std::string kTimes = "\x81\x7E"; // ×
const std::string kH100 =
    "9,\"H-100" + kTimes + "100" + kTimes + "6" + kTimes + "8\",16.9,21.59,378,75.6,4.18";
const std::string kH150 =
    "9,\"H-150" + kTimes + "75" + kTimes + "5" + kTimes + "7\",14.0,17.85,666,88.8,6.11";
const std::string kH200 =
    "9,\"H-200" + kTimes + "100" + kTimes + "5.5" + kTimes + "8\",20.9,26.67,1810,181,8.23";
const QString kH100Name = QStringLiteral("H-100×100×6×8");
const QString kH150Name = QStringLiteral("H-150×75×5×7");
const QString kH200Name = QStringLiteral("H-200×100×5.5×8");
// Area, mass, weight, Z, I, radius of gyration, specific gravity.
const QStringList kH100Boxes{"21.59", "16.95", "166.09", "75.6", "378", "4.18", "7.85"};
const QStringList kH150Boxes{"17.85", "14.01", "137.32", "88.8", "666", "6.11", "7.85"};
const QStringList kEmptyBoxes{"", "", "", "", "", "", "7.85"};

// Records of other shapes and garbage that keeps to seven values a record, so that the
// records after it are still read as records: blank lines, NULs and bytes that are no
// Shift_JIS, a quoted comma and line break, a lone CR, codes that only look like 9, odd
// numbers, a value far longer than any designation.
std::string garbage() {
    return "13,\"L-50" + kTimes + "50" + kTimes + "6\",4.43,5.644,12.6,3.55,1.50\r\n" +
           "\r\n  \t \r\n\n"
           "2,\"\x00\x01\xFF\xFE\x80 junk\",NaN,inf,-1e999,1e-999,0x1F\r\n"s
           "90,\"a,b\r\nc\",1,2,3,4,5\n"
           "19,9,9,9,9,9,9\r"
           "9x,\"H-NOT\",1,2,3,4,5\r\n"
           "-9,\"H-NEG\",1,2,3,4,5\r\n"
           "99,\"" +
           std::string(5000, 'Z') +
           "\",1,2,3,4,5\r\n"
           "17,\x81\x9F\xFC,\x00,\x01,\x7F,\xFF\xFE,\x81\r\n"s;
}

// Short records of other shapes (1 to 6), as most of a real table is.
std::string otherShapes() {
    std::string out;
    for (int i = 0; i < 200; ++i)
        out += std::to_string(i % 6 + 1) + ",\"\x83\xD3" + std::to_string(20 + i) +
               "\",2.63,3.345,8.99,3.70,1.64\r\n";
    return out;
}

// `piece` repeated to at least `bytes` bytes.
std::string repeated(const std::string& piece, std::size_t bytes) {
    std::string out;
    out.reserve(bytes + piece.size());
    while (out.size() < bytes)
        out += piece;
    return out;
}

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        run.registry.setDataFolders({folder.path().toStdString()});
    }
    void TearDown() override {
        EXPECT_EQ(run.counters.ends, 0);
        EXPECT_EQ(run.counters.beeps, 0);
    }

    fs::path file() const { return fs::path(folder.path().toStdString()) / kFile.toStdString(); }
    void put(const std::string& bytes) {
        fs::remove_all(file());
        std::ofstream(file(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // SS400 and the upright H section on the section road, then on to the size screen.
    void firstVisit(const char* what) {
        run.registry.screen<FormOpen>().show();
        click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
        Form断面選択& material = run.registry.screen<Form断面選択>();
        material.control<QListWidget>("Listzaisitu")->setCurrentRow(0);
        click(material.control<QWidget>(QStringLiteral("ImageH縦")));
        forward(what);
    }
    // Back to the material screen and forward again: the file is read anew.
    void nextVisit(const char* what) {
        click(ctl("Commandmae"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
        forward(what);
    }
    // "次に進む" of Form断面選択 until the size screen is shown and painted.
    void forward(const char* what) {
        QElapsedTimer timer;
        timer.start();
        click(run.registry.screen<Form断面選択>().control<QWidget>("Commandtugi"));
        QApplication::processEvents();
        const qint64 ms = timer.elapsed();
        std::printf("[   time   ] %s: %lld ms\n", what, static_cast<long long>(ms));
        EXPECT_LT(ms, kLimitMs) << what;
        ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"}) << what;
        expectNoOddNumbers(what);
    }

    Form材サイズ選択& s() { return run.registry.screen<Form材サイズ選択>(); }
    template <class T = QWidget> T* ctl(const char* name) {
        return s().control<T>(QString::fromUtf8(name));
    }
    QString caption(const char* name) { return ctl<Label>(name)->caption(); }
    QStringList boxes() { return sizeBoxes(s()); }
    QStringList listed() { return listedSizes(s()); }
    void select(int row) { ctl<QListWidget>("ListDanmenSize")->setCurrentRow(row); }

    // Every text the user can see on the window, list rows included.
    QStringList shownTexts() {
        QStringList texts{s().window().windowTitle()};
        for (QWidget* w : s().window().findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            if (auto* label = qobject_cast<QLabel*>(w))
                texts << label->text();
            else if (auto* box = qobject_cast<QLineEdit*>(w))
                texts << box->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                texts << button->text();
            else if (auto* list = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i)
                    texts << list->item(i)->text();
        }
        return texts;
    }
    void expectNoOddNumbers(const char* what) {
        static const QRegularExpression odd(QStringLiteral("inf|nan|\\d[eE][-+]?\\d"),
                                            QRegularExpression::CaseInsensitiveOption);
        for (const QString& t : shownTexts())
            EXPECT_FALSE(odd.match(t).hasMatch()) << what << ": " << t.toStdString();
    }

    // The list with these rows, the first of them chosen.
    void expectListed(const QStringList& rows, const QStringList& firstBoxes) {
        EXPECT_TRUE(ctl("ListDanmenSize")->isVisible());
        EXPECT_EQ(listed(), rows);
        EXPECT_EQ(caption("LblDanmenSize"), rows.value(0));
        EXPECT_EQ(boxes(), firstBoxes);
        EXPECT_FALSE(ctl("LblDanmen")->isVisible());
    }
    // No list: `message` where the size would be, and the properties to be typed in.
    void expectTypedIn(const QString& message) {
        EXPECT_FALSE(ctl("ListDanmenSize")->isVisible());
        EXPECT_EQ(caption("LblDanmenSize"), message);
        EXPECT_TRUE(ctl("LblDanmen")->isVisible());
        EXPECT_EQ(caption("LblDanmen"), QString::fromUtf8(catalog::kDirectOnlyPrompt));
        EXPECT_FALSE(ctl("Label3")->isVisible());
        // An H section has no calculator: the other-size button stays hidden.
        EXPECT_FALSE(ctl("CmdZIE")->isVisible());
        EXPECT_EQ(boxes(), kEmptyBoxes);
        EXPECT_FALSE(ctl<QLineEdit>("Text面積")->isReadOnly());
    }

    QTemporaryDir folder;
    ProgramRun run;
};

// A file that is there but holds no record: nothing to list, so the properties are typed in.
TEST_F(HostileFiles, EmptyAndBinaryFilesListNothing) {
    put("");
    firstVisit("empty");
    expectTypedIn(kNoListCaption);

    // 64 KiB of noise from a fixed seed, with NULs among it for certain.
    std::mt19937 random(20240607);
    std::string noise(64 * 1024, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = i % 97 == 0 ? '\0' : static_cast<char>(random() & 0xFF);
    put(noise);
    nextVisit("binary");
    expectTypedIn(kNoListCaption);
}

// Bytes that are no Shift_JIS each show as one replacement character, and the rest of the
// text and of the file is read as written. By hand: 亜 is 889F, φ is 83D3; 81, 9F, E0 and FC
// start a pair, so alone at the end of a value or before a blank they are bad; 80, A0 and
// FD-FF start nothing.
TEST_F(HostileFiles, BrokenShiftJisShowsReplacementCharacters) {
    put(kH100 + "\r\n"
                "2,\"\x9F\",1,2,3,4,5\xE0\r\n"
                "9,\"H-\x81\",20,25.6\x81,1000,100,6.2\x9F\r\n"
                "9,\"\x83\xD3\xFC\",1,2,3,4,5\xFC\n"
                "9,\"\x80\xA0\xFD\xFE\xFF\",1,2,3,4,5\r\n"
                "9,\"A\x81 B\x88\x9F\xE0\",1,2,3,4,5\n"
                "13,\x82,\xFC\xFC,\xFD,1,2,3\r\n"
                "9,\"H-END\x81\",1,2,3,4,5\x81");
    firstVisit("broken Shift_JIS");
    expectListed({kH100Name, "H-" + kBad, QStringLiteral("φ") + kBad, kBad.repeated(5),
                  "A" + kBad + QStringLiteral(" B亜") + kBad, "H-END" + kBad},
                 kH100Boxes);
    // The mass and weight come from the number the area text begins with, 25.6:
    // 25.6 * 0.785 = 20.096 -> 20.10 kg/m, 20.096 * 9.8 = 196.9408 -> 196.94 N/m.
    select(1);
    EXPECT_EQ(caption("LblDanmenSize"), "H-" + kBad);
    EXPECT_EQ(boxes(),
              (QStringList{"25.6" + kBad, "20.10", "196.94", "100", "1000", "6.2" + kBad, "7.85"}));
    expectNoOddNumbers("broken Shift_JIS, second row");
}

// 50 MiB of other shapes and garbage with an H section at the start, in the middle and at
// the end. The middle one is written with exponents; the boxes show plain decimals.
TEST_F(HostileFiles, FiftyMegabytesOfGarbageAroundThreeSections) {
    const std::string block = repeated(otherShapes() + garbage(), 1 << 20);
    constexpr int kBlocks = 50;
    {
        std::ofstream out(file(), std::ios::binary);
        out << kH100 << "\r\n";
        for (int i = 0; i < kBlocks; ++i) {
            if (i == kBlocks / 2)
                out << "9,\"H-150" + kTimes + "75" + kTimes + "5" + kTimes +
                           "7\",1.40e1,1.785E+01,6.66e2,8.88e1,611e-2\r\n";
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
        out << kH200 << "\n";
    }
    ASSERT_GE(fs::file_size(file()), 50u << 20);
    firstVisit("50 MiB");
    expectListed({kH100Name, kH150Name, kH200Name}, kH100Boxes);
    select(1);
    EXPECT_EQ(boxes(), kH150Boxes);
    expectNoOddNumbers("50 MiB, second row");
}

// 50 MiB of nothing but H sections, H-0 to H-999 over and over: only the first 10000 are
// listed, H-0 to H-999 ten times, so that the screen opens at once and memory stays bounded.
TEST_F(HostileFiles, FiftyMegabytesOfHSections) {
    std::string thousand;
    for (int i = 0; i < 1000; ++i)
        thousand += "9,\"H-" + std::to_string(i) + "\",16.9,21.59,378,75.6,4.18\r\n";
    const std::string block = repeated(thousand, 1 << 20);
    {
        std::ofstream out(file(), std::ios::binary);
        for (int i = 0; i < 50; ++i)
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    firstVisit("50 MiB of H sections");
    const QStringList rows = listed();
    ASSERT_EQ(rows.size(), 10'000);
    EXPECT_EQ(rows.front(), "H-0");
    EXPECT_EQ(rows[1999], "H-999");
    EXPECT_EQ(rows.back(), "H-999");
    EXPECT_EQ(caption("LblDanmenSize"), "H-0");
    EXPECT_EQ(boxes(), kH100Boxes);
}

// One line of 10 MiB: records that follow each other with commas only, then a single value of
// 10 MiB with no separator at all, which holds no record.
TEST_F(HostileFiles, OneLineOfTenMegabytes) {
    // □-100×100×3.2, □ being 81A0.
    const std::string other =
        "2,\"\x81\xA0-100" + kTimes + "100" + kTimes + "3.2\",9.52,12.13,187,37.5,3.93,";
    put(kH100 + "," + repeated(other, 10 << 20) + kH150);
    ASSERT_GE(fs::file_size(file()), 10u << 20);
    firstVisit("10 MiB line of records");
    expectListed({kH100Name, kH150Name}, kH100Boxes);

    put(std::string(10 << 20, 'x'));
    nextVisit("10 MiB value");
    expectTypedIn(kNoListCaption);
}

// Where the file cannot be opened the message names it.
TEST_F(HostileFiles, AFolderWithTheFileNameIsNamed) {
    fs::create_directory(file());
    firstVisit("folder");
    expectTypedIn(kCannotRead);
}

// Root reads a file of mode 000: for as long as it lives, root opens files as "nobody", which
// drops the capabilities that override file modes (they come back with the file user 0).
class FilesAsNobody {
public:
    FilesAsNobody() : root_(::geteuid() == 0) {
        if (root_) ::setfsuid(65534);
    }
    ~FilesAsNobody() {
        if (root_) ::setfsuid(0);
    }
    FilesAsNobody(const FilesAsNobody&) = delete;
    FilesAsNobody& operator=(const FilesAsNobody&) = delete;

private:
    bool root_;
};

// A file of mode 000 lists nothing for a user who may not read it. The folder stays writable,
// so the file is removed with it.
TEST_F(HostileFiles, AnUnreadableFileIsNamed) {
    put(kH100 + "\r\n");
    fs::permissions(file(), fs::perms::none);
    fs::permissions(file().parent_path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    FilesAsNobody nobody;
    ASSERT_FALSE(std::ifstream(file()).is_open()) << "a file of mode 000 was read";
    firstVisit("unreadable");
    expectTypedIn(kCannotRead);
}

// Neither a pipe nor a device is a size table: opening a pipe no one writes to would wait for
// ever, and a device may never end.
TEST_F(HostileFiles, APipeOrADeviceIsNamed) {
    ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0);
    firstVisit("pipe");
    expectTypedIn(kCannotRead);

    fs::remove(file());
    fs::create_symlink("/dev/zero", file());
    nextVisit("link to /dev/zero");
    expectTypedIn(kCannotRead);
}

// Each visit reads what the file holds then.
TEST_F(HostileFiles, AFileReplacedBetweenVisits) {
    put(kH100 + "\r\n" + kH200 + "\r\n");
    firstVisit("first file");
    expectListed({kH100Name, kH200Name}, kH100Boxes);
    select(1);

    put(kH150 + "\r\n");
    nextVisit("another file");
    expectListed({kH150Name}, kH150Boxes);

    put("\x00\xFF\x81,\"\n\x82\x00\x00"s);
    nextVisit("garbage");
    expectTypedIn(kNoListCaption);

    fs::remove(file());
    nextVisit("no file");
    expectTypedIn(kCannotRead);

    fs::create_directory(file());
    nextVisit("folder");
    expectTypedIn(kCannotRead);

    put(kH200 + "\r\n");
    nextVisit("sound again");
    expectListed({kH200Name}, {"26.67", "20.94", "205.17", "181", "1810", "8.23", "7.85"});
}

} // namespace
