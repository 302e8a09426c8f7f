// Form材サイズ選択 with hostile files in place of the steel size table, visited one after the other
// so that each visit reads a file replaced since the last. What the reader makes of each file is
// tested in tests/catalog; here every visit opens within a second and shows either the list or,
// where nothing can be read, the named message and direct entry.
#include "fakes.hpp"

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QListWidget>
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

    // SS400 and the upright H section on the section road (later back to the material screen),
    // then "次に進む": the size screen alone, shown and painted in time.
    void visit(const char* what) {
        Form断面選択& material = run.registry.screen<Form断面選択>();
        if (!material.isLoaded()) {
            run.registry.screen<FormOpen>().show();
            click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
            material.control<QListWidget>("Listzaisitu")->setCurrentRow(0);
            click(material.control<QWidget>("ImageH縦"));
        } else {
            click(ctl("Commandmae"));
        }
        QElapsedTimer timer;
        timer.start();
        click(material.control<QWidget>("Commandtugi"));
        QApplication::processEvents();
        const qint64 ms = timer.elapsed();
        std::printf("[   time   ] %s: %lld ms\n", what, static_cast<long long>(ms));
        EXPECT_LT(ms, kLimitMs);
        ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    }
    QWidget* ctl(const char* name) {
        return run.registry.screen<Form材サイズ選択>().control<QWidget>(QString::fromUtf8(name));
    }
    QString sizeCaption() { return static_cast<Label*>(ctl("LblDanmenSize"))->caption(); }

    // No list: `message` where the size would be, and the empty property boxes to type into.
    void typedIn(const char* what, const QString& message) {
        SCOPED_TRACE(what);
        visit(what);
        EXPECT_FALSE(ctl("ListDanmenSize")->isVisible());
        EXPECT_EQ(sizeCaption(), message);
        EXPECT_TRUE(ctl("LblDanmen")->isVisible());
        EXPECT_EQ(static_cast<QLineEdit*>(ctl("Text面積"))->text(), "");
    }
    // The list, its first row chosen.
    void listed(const char* what, const QString& first) {
        SCOPED_TRACE(what);
        visit(what);
        auto* list = static_cast<QListWidget*>(ctl("ListDanmenSize"));
        EXPECT_TRUE(list->isVisible());
        EXPECT_FALSE(ctl("LblDanmen")->isVisible());
        ASSERT_GT(list->count(), 0);
        EXPECT_EQ(list->item(0)->text(), first);
        EXPECT_EQ(sizeCaption(), first);
    }

    QTemporaryDir folder;
    ProgramRun run;
};

TEST_F(HostileFiles, EachVisitOpensInTimeWithTheListOrDirectEntry) {
    const fs::path file = fs::path(folder.path().toStdString()) / "vbSStype.csv";
    const std::string h100 = "9,\"H-100\",16.9,21.59,378,75.6,4.18\r\n";
    put(file, "");
    typedIn("empty", kNoList);

    std::mt19937 random(20240607); // 64 KiB of noise with NULs among it
    std::string noise(64 * 1024, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = i % 97 == 0 ? '\0' : static_cast<char>(random() & 0xFF);
    put(file, noise);
    typedIn("binary", kNoList);

    // Lead bytes with no trail byte and bytes that are no Shift_JIS around a sound row.
    put(file, "9,\"H-\x81\",1,2,3,4,5\xE0\r\n" + h100 + "9,\"\x80\xA0\xFD\xFE\xFF\",1,2,3,4,5\x81");
    listed("broken Shift_JIS", QStringLiteral("H-\uFFFD"));

    // 50 MiB of H sections H-0 to H-999 over and over.
    {
        std::string thousand;
        for (int i = 0; i < 1000; ++i)
            thousand += "9,\"H-" + std::to_string(i) + "\",16.9,21.59,378,75.6,4.18\r\n";
        std::ofstream out(file, std::ios::binary);
        for (std::size_t written = 0; written < 50u << 20; written += thousand.size())
            out << thousand;
    }
    listed("50 MiB of H sections", "H-0");

    put(file, std::string(10 << 20, 'x')); // one line of a single 10 MiB value
    typedIn("10 MiB line", kNoList);

    // Where the file cannot be opened the message names it.
    fs::remove_all(file);
    fs::create_directory(file);
    typedIn("folder", kCannotRead);
    fs::remove_all(file);
    typedIn("no file", kCannotRead);
    {
        // Mode 000 in a folder others may pass through but not list.
        put(file, h100);
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

    put(file, h100);
    listed("sound again", "H-100");
}

} // namespace
