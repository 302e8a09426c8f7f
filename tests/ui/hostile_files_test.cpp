// Form材サイズ選択 with hostile files in place of the steel size table, visited one after the other
// so that each visit reads a file replaced since the last. What the reader makes of each file is
// tested in tests/catalog; here every visit opens within a second and shows either the list or,
// where nothing can be read, the named message and direct entry.
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

using namespace testing_ui;
using namespace ui;

namespace {

namespace fs = std::filesystem;

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
