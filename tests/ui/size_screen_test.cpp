// What the user sees and does on Form材サイズ選択, with size tables the test writes itself so
// that every figure can be checked by hand; and the screen with hostile files in place of the
// steel size table, visited one after the other so that each visit reads a file replaced since
// the last. What the reader makes of each file is tested in tests/catalog; here every visit opens
// within a second and shows either the list or, where nothing can be read, the named message and
// direct entry.
#include "roads.hpp"

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalog/shapes.hpp"
#include "ui/calc_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

namespace fs = std::filesystem;

class SizeScreen : public ScreenTest<Form材サイズ選択> {
protected:
    void SetUp() override {
        // Steel: two pipes (code 1), a lipped channel (26) and an H section (9); nothing of 23.
        write("vbSStype.csv",
              "1,\"P-10\",7.85,10,120,24.5,3.46\r\n1,\"P-20\",15.7,20,400,60,4.47\r\n"
              "26,\"C-100\",3.5,4.5,70,14,3.9\r\n9,\"H-1\",20,25.6,1000,100,6.2\r\n");
        write("vbWOODtype.csv", "18,\"90SQ\",4.1,81,547,122,2.6\r\n"); // square timber only
        write("vbALtype.csv", "17,\"R-20\",0.85,3.142,0.785,0.785,0.5\r\n");
        run.registry.setDataFolders({folder.path().toStdString()});
    }
    void write(const char* name, const std::string& contents) {
        std::ofstream(folder.filePath(name).toStdString(), std::ios::binary) << contents;
    }
    // On the section road, or on the beam road with a point load on a cantilever.
    void road(int materialRow, const char* picture, bool beam = false) {
        toSizeScreen(run, picture,
                     beam ? std::optional(BeamCase{"Image片持1", "Image片持集中"}) : std::nullopt,
                     materialRow);
    }
    // Area, mass, weight, Z, I, radius of gyration, specific gravity.
    QStringList boxes() {
        QStringList texts;
        for (const char* n :
             {"Text面積", "Textjuryou", "TextjuryouSI", "Textdz", "Textdi", "TxtD2r", "TxtHiju"})
            texts << ctl<QLineEdit>(n)->text();
        return texts;
    }
    QStringList rows() {
        QStringList texts;
        for (auto* item : ctl<QListWidget>("ListDanmenSize")->findItems("", Qt::MatchContains))
            texts << item->text();
        return texts;
    }
    void doubleClickRow(int row) {
        auto* list = ctl<QListWidget>("ListDanmenSize");
        doubleClickAt(list->viewport(), list->visualItemRect(list->item(row)).center());
    }

    QTemporaryDir folder;
};

TEST_F(SizeScreen, ListsTheSizesATypedAreaMovesMassAndWeightAndEndEnds) {
    road(0, "Image丸パイプ");
    EXPECT_EQ(caption("Labelzaisitu"), "鋼材－SS400 - 鋼管");
    EXPECT_EQ(rows(), (QStringList{"P-10", "P-20"}));
    EXPECT_EQ(caption("LblDanmenSize"), "P-10");
    // 10 cm2 of SS400 (7.85): 7.85 kg/m, 10 * 7.85 * 100 * 9.8 / 1000 = 76.93 N/m.
    EXPECT_EQ(boxes(), (QStringList{"10", "7.85", "76.93", "24.5", "120", "3.46", "7.85"}));
    EXPECT_TRUE(ctl("CmdZIE")->isVisible());
    EXPECT_FALSE(ctl("Commandtugi")->isVisible()); // the section road ends here
    // 20 cm2: 15.70 kg/m, 153.86 N/m. On the section road a double-click only shows the row.
    doubleClickRow(1);
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(caption("LblDanmenSize"), "P-20");
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"20", "15.70", "153.86"}));
    // 12.5 cm2 typed: 9.8125 -> 9.81 kg/m, 96.1625 -> 96.16 N/m.
    typeInto(ctl<QLineEdit>("Text面積"), "12.5");
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"12.5", "9.81", "96.16"}));
    click(ctl("Commandend"));
    EXPECT_EQ(run.counters.ends, 1);
}

// Nothing in the file for the shape, a shape never listed (aluminium bars and channels), or
// "リスト以外のサイズ" of a lipped channel: the properties are typed in, or calculated where a
// calculator exists. Wood's 81 cm2 of 杉 (0.38): 3.078 -> 3.08 kg/m, 30.1644 -> 30.16 N/m.
TEST_F(SizeScreen, WithNothingToListThePropertiesAreTypedInOrCalculated) {
    const struct {
        int row; // 0 SS400, 1 SUS403, 2 A6063-T5, 10 杉
        const char* picture;
        bool calculator;
        const char* hiju;
    } cases[] = {
        {1, "Image溝縦", false, "7.75"},     {2, "Image丸solid", true, "2.7"},
        {2, "Image溝横", false, "2.7"},      {0, "ImageT縦", true, "7.85"},
        {0, "ImgZIE", false, "7.85"},        {0, "CommandSonota", false, "7.85"},
        {10, "Image丸パイプ", true, "0.38"}, {10, "ImageH縦", false, "0.38"},
        {0, "Imageリップ縦", false, "7.85"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        road(c.row, c.picture);
        if (rows() == QStringList{"C-100"}) click(ctl("CmdZIE"));
        EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
        EXPECT_TRUE(ctl("ListDanmenSize")->isHidden());
        EXPECT_EQ(caption("LblDanmenSize"), QString::fromUtf8(catalog::kNoListCaption));
        EXPECT_EQ(caption("LblDanmen").trimmed(),
                  c.calculator
                      ? "断面性能を直接(半角）入力または、「断面図から計算」をクリックして下さい。"
                      : "断面性能を直接(半角）入力して下さい。");
        EXPECT_EQ(ctl("CmdZIE")->isVisible(), c.calculator);
        EXPECT_EQ(boxes(), (QStringList{"", "", "", "", "", "", c.hiju}));
        click(ctl("Commandmae"));
        click(run.registry.screen<Form断面選択>().control<QWidget>("Commandmae"));
    }
    road(10, "Image角ムク");
    EXPECT_EQ(rows(), QStringList{"90SQ"});
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"81", "3.08", "30.16"}));
}

// "次に進む " wants each of area, Z, I and i as a positive number.
TEST_F(SizeScreen, NextRefusesAMissingZeroOrNegativeProperty) {
    road(1, "Image溝縦", true); // typed in
    const auto fill = [&](std::array<const char*, 4> v) {
        for (int k = 0; k < 4; ++k)
            typeInto(ctl<QLineEdit>(std::array{"Text面積", "Textdz", "Textdi", "TxtD2r"}[k]),
                     QString::fromUtf8(v[k]));
    };
    int beeps = 0;
    // The message names the first box, top to bottom, that holds no positive number.
    for (auto [refused, named] : {std::pair{std::array{"10", "20", "100", "0"}, "二次半径"},
                                  std::pair{std::array{"10", "20", "100", ""}, "二次半径"},
                                  std::pair{std::array{"-10", "-20", "100", "3"}, "面積"},
                                  std::pair{std::array{"abc", "20", "100", "3"}, "面積"},
                                  std::pair{std::array{"10", "1,9", "100", "3"}, "断面係数"}}) {
        fill(refused);
        click(ctl("Commandtugi"));
        EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"}) << refused[0] << refused[3];
        EXPECT_EQ(run.counters.beeps, ++beeps);
        EXPECT_EQ(ctl<Label>("LblDanmen")->backColor(), QColor(255, 0, 0));
        EXPECT_TRUE(caption("LblDanmen").startsWith(QStringLiteral("「%1」").arg(named)));
    }
    EXPECT_EQ(ctl<QLineEdit>("Textdz")->palette().color(QPalette::Base), QColor(255, 0, 0));
    fill({"10", "20", "100", "3.16"});
    // SUS403 (7.75): 10 cm2 is 7.75 kg/m, 75.95 N/m.
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"10", "7.75", "75.95"}));
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(s().mousePointer(), app::MousePointer::Hourglass);
    EXPECT_EQ(run.registry.state().DanmenSize, "直接入力");
}

// The designation goes on only with the figures of its row: typed over, it is marked; a later
// visit with typed properties never carries the row of an earlier one.
TEST_F(SizeScreen, TheDesignationNamesOnlyTheFiguresShown) {
    const auto designation = [&] {
        return need<Label>(run.registry.screen<Form入力計算>(), "Labeldsize")->caption();
    };
    road(0, "Image丸パイプ", true);
    ctl<QListWidget>("ListDanmenSize")->setCurrentRow(1);
    typeInto(ctl<QLineEdit>("Textdz"), "60.0"); // the row's own figure, written otherwise
    click(ctl("Commandtugi"));
    EXPECT_EQ(designation(), "P-20");
    click(run.registry.screen<Form入力計算>().control<QWidget>("Commandmae"));
    typeInto(ctl<QLineEdit>("Textdi"), "410");
    click(ctl("Commandtugi"));
    EXPECT_EQ(designation(), "P-20（値を変更）");
    click(run.registry.screen<Form入力計算>().control<QWidget>("CmdTop"));
    road(1, "Image溝縦", true);
    for (const char* box : {"Text面積", "Textdz", "Textdi", "TxtD2r"})
        typeInto(ctl<QLineEdit>(box), "5");
    click(ctl("Commandtugi"));
    EXPECT_EQ(designation(), "直接入力");
}

// Within two seconds, on a machine busy with other tests (alone it takes about half a second);
// builds with sanitizers run several times slower. A file that hangs the reader takes forever.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kLimitMs = 10'000;
#else
constexpr qint64 kLimitMs = 2000;
#endif

const QString kNoList = QString::fromUtf8(catalog::kNoListCaption);
const QString kCannotRead = QStringLiteral("サイズ表「vbSStype.csv」を読み込めませんでした。");

void put(const fs::path& f, const std::string& bytes) {
    fs::remove_all(f);
    std::ofstream(f, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// Root reads files of mode 000: while this lives, root opens files as "nobody", without the
// capabilities that override file modes.
struct FilesAsNobody {
    const bool root = ::geteuid() == 0;
    FilesAsNobody() {
        if (root) ::setfsuid(65534);
    }
    ~FilesAsNobody() {
        if (root) ::setfsuid(0);
    }
};

class HostileFiles : public ScreenTest<Form材サイズ選択> {
protected:
    void SetUp() override { run.registry.setDataFolders({folder.path().toStdString()}); }
    void TearDown() override {
        EXPECT_EQ(run.counters.ends, 0);
        EXPECT_EQ(run.counters.beeps, 0);
    }

    // SS400 and the upright H section on the section road (later back to the material screen),
    // then "次に進む": the size screen alone, in time, showing `first` as the first row of the
    // list or, with no list, as the message over the empty boxes of direct entry.
    void visit(const char* what, const QString& first, bool list) {
        SCOPED_TRACE(what);
        Form断面選択& material = run.registry.screen<Form断面選択>();
        if (!material.isLoaded()) {
            run.registry.screen<FormOpen>().show();
            click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
            need<QListWidget>(material, "Listzaisitu")->setCurrentRow(0);
            click(material.control<QWidget>("ImageH縦"));
        } else {
            click(ctl<QWidget>("Commandmae"));
        }
        QElapsedTimer timer;
        timer.start();
        click(material.control<QWidget>("Commandtugi"));
        QApplication::processEvents();
        const qint64 ms = timer.elapsed();
        std::printf("[   time   ] %s: %lld ms\n", what, static_cast<long long>(ms));
        EXPECT_LT(ms, kLimitMs);
        ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
        auto* rows = ctl<QListWidget>("ListDanmenSize");
        EXPECT_EQ(rows->isVisible(), list);
        EXPECT_EQ(shown("LblDanmen"), !list);
        EXPECT_EQ(caption("LblDanmenSize"), first);
        const QLineEdit* area = ctl<QLineEdit>("Text面積"); // empty for direct entry
        EXPECT_EQ(list ? rows->item(0)->text() : area->text(), list ? first : "");
    }

    QTemporaryDir folder;
};

TEST_F(HostileFiles, EachVisitOpensInTimeWithTheListOrDirectEntry) {
    const fs::path file = fs::path(folder.path().toStdString()) / "vbSStype.csv";
    const std::string h100 = "9,\"H-100\",16.9,21.59,378,75.6,4.18\r\n";
    put(file, "");
    visit("empty", kNoList, false);

    std::string noise(64 * 1024, '\0'); // every byte value in turn, NULs among them
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>(i * 167 % 256);
    put(file, noise);
    visit("binary", kNoList, false);

    // Lead bytes with no trail byte and bytes that are no Shift_JIS around a sound row.
    put(file, "9,\"H-\x81\",1,2,3,4,5\xE0\r\n" + h100 + "9,\"\x80\xA0\xFD\xFE\xFF\",1,2,3,4,5\x81");
    visit("broken Shift_JIS", QStringLiteral("H-\uFFFD"), true);

    // 50 MiB of H sections H-0 to H-999 over and over.
    {
        std::string thousand;
        for (int i = 0; i < 1000; ++i)
            thousand += "9,\"H-" + std::to_string(i) + "\",16.9,21.59,378,75.6,4.18\r\n";
        std::ofstream out(file, std::ios::binary);
        for (std::size_t written = 0; written < 50u << 20; written += thousand.size())
            out << thousand;
    }
    visit("50 MiB of H sections", "H-0", true);

    put(file, std::string(10 << 20, 'x')); // one line of a single 10 MiB value
    visit("10 MiB line", kNoList, false);

    // Where the file cannot be opened the message names it.
    fs::remove_all(file);
    fs::create_directory(file);
    visit("folder", kCannotRead, false);
    {
        // Mode 000 in a folder others may pass through but not list.
        put(file, h100);
        fs::permissions(file, fs::perms::none);
        fs::permissions(folder.path().toStdString(),
                        fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        FilesAsNobody nobody;
        ASSERT_FALSE(std::ifstream(file).is_open()) << "a file of mode 000 was read";
        visit("unreadable", kCannotRead, false);
    }
    // Opening a pipe no one writes to would wait for ever; a device may never end.
    fs::remove_all(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    visit("pipe", kCannotRead, false);
    fs::remove_all(file);
    fs::create_symlink("/dev/zero", file);
    visit("link to /dev/zero", kCannotRead, false);

    put(file, h100);
    visit("sound again", "H-100", true);
}

} // namespace
