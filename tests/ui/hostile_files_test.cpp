// Form材サイズ選択 with hostile files in place of the steel size table, one after the other so
// that each visit also reads a file replaced since the last. Every visit must open within a
// second, alone, and show either the sound H sections of the file or the way to type one in.
#include "fakes.hpp"
#include "size_screen_reading.hpp"

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Within a second; builds with sanitizers run several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kLimitMs = 10'000;
#else
constexpr qint64 kLimitMs = 1000;
#endif

const QString kNoList = QString::fromUtf8(catalog::kNoListCaption);
const QString kCannotRead = QStringLiteral("サイズ表「vbSStype.csv」を読み込めませんでした。");
const QString kBad = QStringLiteral("\uFFFD"); // the replacement character

// H sections in code page 932 (× is 817E), figures from the JIS tables. Boxes by hand with
// SS400's 7.85: mass = area * 0.785 kg/m, weight = mass * 9.8 N/m, e.g. 21.59 cm2: 16.94815 ->
// 16.95 kg/m, 166.09187 -> 166.09 N/m.
const std::string kX = "\x81\x7E";
const std::string kH100 = "9,\"H-100" + kX + "100" + kX + "6" + kX + "8\",16.9,21.59,378,75.6,4.18";
const std::string kH150 = "9,\"H-150" + kX + "75" + kX + "5" + kX + "7\",14.0,17.85,666,88.8,6.11";
const std::string kH200 =
    "9,\"H-200" + kX + "100" + kX + "5.5" + kX + "8\",20.9,26.67,1810,181,8.23";
const QString kH100Name = "H-100×100×6×8", kH150Name = "H-150×75×5×7",
              kH200Name = "H-200×100×5.5×8";
// Area, mass, weight, Z, I, radius of gyration, specific gravity.
const QStringList kH100Boxes{"21.59", "16.95", "166.09", "75.6", "378", "4.18", "7.85"};
const QStringList kH150Boxes{"17.85", "14.01", "137.32", "88.8", "666", "6.11", "7.85"};
const QStringList kH200Boxes{"26.67", "20.94", "205.17", "181", "1810", "8.23", "7.85"};

// Other shapes and garbage that keeps to seven values a record: blank lines, NULs and bytes
// that are no Shift_JIS, a quoted comma and line break, a lone CR, codes that only look like
// 9, odd numbers, a value far longer than any designation.
std::string garbage() {
    std::string out;
    for (int i = 0; i < 200; ++i)
        out += std::to_string(i % 6 + 1) + ",\"\x83\xD3" + std::to_string(20 + i) +
               "\",2.63,3.345,8.99,3.70,1.64\r\n";
    return out + "13,\"L-50" + kX + "50" + kX + "6\",4.43,5.644,12.6,3.55,1.50\r\n" +
           "\r\n  \t \r\n\n2,\"\x00\x01\xFF\xFE\x80 junk\",NaN,inf,-1e999,1e-999,0x1F\r\n"s
           "90,\"a,b\r\nc\",1,2,3,4,5\n19,9,9,9,9,9,9\r9x,\"H-NOT\",1,2,3,4,5\r\n"
           "-9,\"H-NEG\",1,2,3,4,5\r\n99,\"" +
           std::string(5000, 'Z') +
           "\",1,2,3,4,5\r\n17,\x81\x9F\xFC,\x00,\x01,\x7F,\xFF\xFE,\x81\r\n"s;
}

std::string repeated(const std::string& piece, std::size_t bytes) {
    std::string out;
    while (out.size() < bytes)
        out += piece;
    return out;
}

void put(const fs::path& f, const std::string& bytes) {
    fs::remove_all(f);
    std::ofstream(f, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
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

    // The first time SS400 and the upright H section on the section road; later back to the
    // material screen. Then "次に進む", and the size screen shown and painted in time.
    void visit(const char* what) {
        Form断面選択& material = run.registry.screen<Form断面選択>();
        if (!material.isLoaded()) {
            run.registry.screen<FormOpen>().show();
            click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
            material.control<QListWidget>("Listzaisitu")->setCurrentRow(0);
            click(material.control<QWidget>("ImageH縦"));
        } else {
            click(ctl("Commandmae"));
            ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
        }
        QElapsedTimer timer;
        timer.start();
        click(material.control<QWidget>("Commandtugi"));
        QApplication::processEvents();
        const qint64 ms = timer.elapsed();
        std::printf("[   time   ] %s: %lld ms\n", what, static_cast<long long>(ms));
        EXPECT_LT(ms, kLimitMs);
        ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
        // No list row or box shows inf, nan or an exponent.
        static const QRegularExpression odd(QStringLiteral("inf|nan|\\d[eE][-+]?\\d"),
                                            QRegularExpression::CaseInsensitiveOption);
        const QStringList texts = listedSizes(s()) + sizeBoxes(s()) << caption("LblDanmenSize");
        for (const QString& t : texts)
            EXPECT_FALSE(odd.match(t).hasMatch()) << t.toStdString();
    }

    Form材サイズ選択& s() { return run.registry.screen<Form材サイズ選択>(); }
    QWidget* ctl(const char* name) { return s().control<QWidget>(QString::fromUtf8(name)); }
    QString caption(const char* name) {
        return s().control<Label>(QString::fromUtf8(name))->caption();
    }

    // No list: `message` where the size would be, and the properties to be typed in.
    void typedIn(const char* what, const QString& message) {
        SCOPED_TRACE(what);
        visit(what);
        EXPECT_FALSE(ctl("ListDanmenSize")->isVisible());
        EXPECT_EQ(caption("LblDanmenSize"), message);
        EXPECT_TRUE(ctl("LblDanmen")->isVisible());
        EXPECT_FALSE(ctl("CmdZIE")->isVisible()); // an H section has no calculator
        EXPECT_EQ(sizeBoxes(s()), (QStringList{"", "", "", "", "", "", "7.85"}));
    }
    // The list with these rows, the first chosen; then, if given, the second one's boxes.
    void listed(const char* what, const QStringList& rows, const QStringList& first,
                const QStringList& second = {}) {
        SCOPED_TRACE(what);
        visit(what);
        EXPECT_TRUE(ctl("ListDanmenSize")->isVisible());
        EXPECT_FALSE(ctl("LblDanmen")->isVisible());
        EXPECT_EQ(listedSizes(s()), rows);
        EXPECT_EQ(caption("LblDanmenSize"), rows.value(0));
        EXPECT_EQ(sizeBoxes(s()), first);
        if (second.isEmpty()) return;
        s().control<QListWidget>("ListDanmenSize")->setCurrentRow(1);
        EXPECT_EQ(caption("LblDanmenSize"), rows.value(1));
        EXPECT_EQ(sizeBoxes(s()), second);
    }

    QTemporaryDir folder;
    ProgramRun run;
};

TEST_F(HostileFiles, EachVisitReadsWhatTheFileHoldsThen) {
    const fs::path file = fs::path(folder.path().toStdString()) / "vbSStype.csv";
    put(file, "");
    typedIn("empty", kNoList);

    // 64 KiB of noise from a fixed seed, with NULs among it for certain.
    std::mt19937 random(20240607);
    std::string noise(64 * 1024, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = i % 97 == 0 ? '\0' : static_cast<char>(random() & 0xFF);
    put(file, noise);
    typedIn("binary", kNoList);

    // A byte that is no Shift_JIS (a lone 81, 9F, E0 or FC lead byte; 80, A0, FD-FF) shows as
    // one replacement character; 亜 is 889F, φ 83D3. The second row's mass comes from the number
    // its area begins with, 25.6: 20.096 -> 20.10 kg/m, 196.9408 -> 196.94 N/m.
    put(file, kH100 +
                  "\r\n2,\"\x9F\",1,2,3,4,5\xE0\r\n9,\"H-\x81\",20,25.6\x81,1000,100,6.2\x9F\r\n"
                  "9,\"\x83\xD3\xFC\",1,2,3,4,5\xFC\n9,\"\x80\xA0\xFD\xFE\xFF\",1,2,3,4,5\r\n"
                  "9,\"A\x81 B\x88\x9F\xE0\",1,2,3,4,5\n13,\x82,\xFC\xFC,\xFD,1,2,3\r\n"
                  "9,\"H-END\x81\",1,2,3,4,5\x81");
    listed("broken Shift_JIS",
           {kH100Name, "H-" + kBad, "φ" + kBad, kBad.repeated(5), "A" + kBad + " B亜" + kBad,
            "H-END" + kBad},
           kH100Boxes, {"25.6" + kBad, "20.10", "196.94", "100", "1000", "6.2" + kBad, "7.85"});

    // 50 MiB of garbage with an H section at the start, the middle (with exponents, shown as
    // plain decimals) and the end.
    {
        const std::string block = repeated(garbage(), 1 << 20);
        std::ofstream out(file, std::ios::binary);
        out << kH100 << "\r\n";
        for (int i = 0; i < 50; ++i)
            out << (i == 25 ? "9,\"H-150" + kX + "75" + kX + "5" + kX +
                                  "7\",1.40e1,1.785E+01,6.66e2,8.88e1,611e-2\r\n"
                            : "")
                << block;
        out << kH200 << "\n";
    }
    listed("50 MiB of garbage", {kH100Name, kH150Name, kH200Name}, kH100Boxes, kH150Boxes);

    // 50 MiB of H-0 to H-999 over and over: only the first 10000 rows are listed.
    std::string thousand;
    QStringList tenThousand;
    for (int i = 0; i < 1000; ++i)
        thousand += "9,\"H-" + std::to_string(i) + "\",16.9,21.59,378,75.6,4.18\r\n";
    for (int i = 0; i < 10'000; ++i)
        tenThousand << QStringLiteral("H-%1").arg(i % 1000);
    {
        const std::string block = repeated(thousand, 1 << 20);
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 50; ++i)
            out << block;
    }
    listed("50 MiB of H sections", tenThousand, kH100Boxes);

    // One line of 10 MiB: records joined by commas only (□-100×100×3.2, □ being 81A0), then a
    // single value of 10 MiB, which holds no record.
    const std::string square =
        "2,\"\x81\xA0-100" + kX + "100" + kX + "3.2\",9.52,12.13,187,37.5,3.93,";
    put(file, kH100 + "," + repeated(square, 10 << 20) + kH150);
    listed("10 MiB line of records", {kH100Name, kH150Name}, kH100Boxes);
    put(file, std::string(10 << 20, 'x'));
    typedIn("10 MiB value", kNoList);

    // Where the file cannot be opened the message names it.
    fs::remove_all(file);
    fs::create_directory(file);
    typedIn("folder", kCannotRead);
    fs::remove_all(file);
    typedIn("no file", kCannotRead);
    {
        // Mode 000 in a folder others may pass through but not list.
        put(file, kH100 + "\r\n");
        fs::permissions(file, fs::perms::none);
        fs::permissions(folder.path().toStdString(),
                        fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        FilesAsNobody nobody;
        ASSERT_FALSE(std::ifstream(file).is_open()) << "a file of mode 000 was read";
        typedIn("unreadable", kCannotRead);
    }
    // Opening a pipe no one writes to would wait for ever; a device may never end.
    fs::remove_all(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    typedIn("pipe", kCannotRead);
    fs::remove_all(file);
    fs::create_symlink("/dev/zero", file);
    typedIn("link to /dev/zero", kCannotRead);

    put(file, kH200 + "\r\n");
    listed("sound again", {kH200Name}, kH200Boxes);
}

} // namespace
