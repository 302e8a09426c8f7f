// A check as a document in the window (the fifteen beam roads are saved and opened on the layout
// walk, the calculator's sections on its own tests): a section typed in opens as saved; a refused
// file or a failed save changes nothing; the end of the program asks before a change since the last
// save is lost; `hari report` prints the sheet that 計算書 shows for the check.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "pdf_reading.hpp"
#include "report/report_command.hpp"
#include "roads.hpp"
#include "ui/calc_screen.hpp"

namespace testing_ui {
namespace {

QString text(app::Screen& s, const char* name) {
    return need<QLineEdit>(s, QString::fromUtf8(name))->text();
}
void type(app::Screen& s, const char* name, const QString& t) {
    typeInto(need<QLineEdit>(s, QString::fromUtf8(name)), t);
}

class CheckDocument : public ::testing::Test {
protected:
    QString file(const char* name) const { return QDir(folder.path()).filePath(name); }
    ui::Form入力計算& calc(ProgramRun& run) { return run.registry.screen<ui::Form入力計算>(); }

    // The beam road to the calculation screen with a listed size of H形通常.
    void walk(ProgramRun& run, BeamCase c) {
        toSizeScreen(run, "ImageH縦", c);
        auto& sizes = run.registry.screen<ui::Form材サイズ選択>();
        need<QListWidget>(sizes, "ListDanmenSize")->setCurrentRow(3);
        click(need(sizes, "Commandtugi"));
        type(calc(run), "TextHEN1", "2.5");
        type(calc(run), "TextHEN2", "1800");
    }

    QTemporaryDir folder;
};

// Typed properties open as saved; the steel table has no sizes of their shape to rank, and the
// ranking button says so.
TEST_F(CheckDocument, ATypedSectionOpensAsSaved) {
    ProgramRun run;
    toSizeScreen(run, "ImgZIE", BeamCase{"Image片持1", "Image片持集中"});
    auto& sizes = run.registry.screen<ui::Form材サイズ選択>();
    type(sizes, "Text面積", "12.50");
    type(sizes, "Textdz", "30");
    type(sizes, "Textdi", "120.5");
    type(sizes, "TxtD2r", "3.1");
    click(need(sizes, "Commandtugi"));
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    const auto* ranking = need<QPushButton>(calc(run), "Cmd断面選定");
    EXPECT_FALSE(ranking->isEnabled());
    EXPECT_EQ(ranking->toolTip(), "この材質のサイズ表には、この形状のサイズがありません。");
    type(calc(run), "TextHEN1", "500");
    type(calc(run), "TextHEN2", "1200");
    saveCheck(run, calc(run), file("typed.hari"));
    ProgramRun opened;
    openCheck(opened, file("typed.hari"));
    EXPECT_EQ(seen(calc(opened)), seen(calc(run)));
}

TEST_F(CheckDocument, ARefusedFileOrAFailedSaveChangesNothing) {
    {
        std::ofstream(file("bad.hari").toStdString())
            << "{\"format\": \"hari-check\", \"version\": 3}";
    }
    ProgramRun run;
    walk(run, {"Image片持1", "Image片持集中"});
    const QStringList before = seen(calc(run));
    // Into a folder that is not there: said, naming the file; the check stays.
    run.documents->saveAs = file("none/x.hari");
    click(need(calc(run), "Cmd保存"));
    ASSERT_EQ(run.documents->told.size(), 1);
    EXPECT_EQ(run.documents->told[0], "「x.hari」に保存できませんでした。フォルダがありません。");
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(seen(calc(run)), before);
    // Cancelled: nothing is written, nothing said.
    run.documents->saveAs.reset();
    click(need(calc(run), "Cmd保存"));
    EXPECT_EQ(run.documents->told.size(), 1);
    // A newer file, from the opening screen after "最初から": refused, nothing opened.
    click(need(calc(run), "CmdTop"));
    openCheck(run, file("bad.hari"));
    ASSERT_EQ(run.documents->told.size(), 2);
    EXPECT_TRUE(run.documents->told[1].startsWith("「bad.hari」を開けません。新しい版（第 3 版）"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_EQ(run.registry.state().hari, beam::Structure::Cantilever);
    // Never saved (the save failed, the file was refused): the end comes at once.
    run.registry.screen<ui::FormOpen>().window().close();
    EXPECT_EQ(run.counters.ends, 1);
    EXPECT_EQ(run.documents->questions, 0);
}

TEST_F(CheckDocument, ASavedCheckOpensWithoutItsSizeAndTheEndAsksOnlyAfterAChange) {
    {
        ProgramRun run;
        walk(run, {"Image片持1", "Image片持集中"});
        saveCheck(run, calc(run), file("end.hari"));
        // Saved and unchanged: no question.
        click(need(calc(run), "Commandend"));
        EXPECT_EQ(run.counters.ends, 1);
        EXPECT_EQ(run.documents->questions, 0);
    }
    {
        // A size the tables no longer hold: opened as typed properties, and said.
        QFile saved(file("end.hari"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        std::string bytes = saved.readAll().toStdString();
        const std::size_t at = bytes.find("\"size\": \"H-");
        ASSERT_NE(at, std::string::npos) << bytes;
        bytes.replace(at, 11, "\"size\": \"H-9");
        { std::ofstream(file("gone.hari").toStdString()) << bytes; }
        ProgramRun run;
        openCheck(run, file("gone.hari"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
        ASSERT_EQ(run.documents->told.size(), 1);
        EXPECT_TRUE(run.documents->told[0].startsWith("サイズ「H-9"));
        EXPECT_TRUE(
            run.documents->told[0].endsWith("保存された断面性能を直接入力として開きました。"));
        EXPECT_EQ(need<ui::Label>(calc(run), "Labeldsize")->caption(), "直接入力");
        EXPECT_FALSE(text(calc(run), "Textkajumo").isEmpty());
        EXPECT_NE(text(calc(run), "Textkajumo"), "0");
    }
    ProgramRun run;
    openCheck(run, file("end.hari"));
    type(calc(run), "TextHEN1", "3");
    // キャンセル: the check stays, by the button and by the close box.
    click(need(calc(run), "Commandend"));
    calc(run).window().close();
    EXPECT_EQ(run.documents->questions, 2);
    EXPECT_EQ(run.counters.ends, 0);
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    // 保存: written, then the end.
    run.documents->answer = app::DocumentDialogs::Answer::Save;
    click(need(calc(run), "Commandend"));
    EXPECT_EQ(run.counters.ends, 1);
    ProgramRun again;
    openCheck(again, file("end.hari"));
    EXPECT_EQ(text(calc(again), "TextHEN1"), "3");
    // 保存しない: ends without writing.
    type(calc(again), "TextHEN1", "4");
    again.documents->answer = app::DocumentDialogs::Answer::Discard;
    click(need(calc(again), "Commandend"));
    EXPECT_EQ(again.counters.ends, 1);
    ProgramRun third;
    openCheck(third, file("end.hari"));
    EXPECT_EQ(text(calc(third), "TextHEN1"), "3");
}

// `hari report` writes the same sheet as 計算書 shows for the check opened in the window; a
// refused file or an output that cannot be written is status 2 with the reason, and no file.
TEST_F(CheckDocument, TheReportCommandWritesTheSheetTheWindowShows) {
    const std::string example = HARI_SOURCE_DIR "/docs/examples/b1.hari";
    const QString out = file("b1.pdf");
    const auto command = [](std::vector<std::string> args, std::string* errors) {
        std::ostringstream o, e;
        const int status = report::reportCommand(args, o, e);
        *errors = e.str();
        return status;
    };
    std::string err;
    ASSERT_EQ(command({example, "--pdf", out.toStdString()}, &err), 0) << err;
    const PdfFile written = readPdf(out);
    ASSERT_EQ(written.pageTexts.size(), 1);

    // The window finds the saved size in the program's own tables.
    ProgramRun run;
    run.registry.setDataFolders({HARI_BINARY_DIR "/bin/data"});
    run.reportPreview->pdf = file("window.pdf");
    openCheck(run, QString::fromStdString(example));
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(printedSheet(run, calc(run)), written.pageTexts.join(' ').simplified());
    EXPECT_TRUE(holdsText(written.pageTexts.join(' '), "倉庫 A 棟"));

    const QString bad = file("bad.hari");
    std::ofstream(bad.toStdString()) << "{ not a check";
    EXPECT_EQ(command({bad.toStdString(), "--pdf", file("x.pdf").toStdString()}, &err), 2);
    EXPECT_NE(err.find("hari report: 「bad.hari」"), std::string::npos) << err;
    EXPECT_EQ(command({example, "--pdf", file("no/such/x.pdf").toStdString()}, &err), 2);
    EXPECT_NE(err.find("に書き込めませんでした。"), std::string::npos) << err;
    EXPECT_FALSE(QFile::exists(file("x.pdf")));
    EXPECT_EQ(command({example}, &err), 1);

    // A check of the section road gives the sheet of its section.
    const QString pipe = file("pipe.hari");
    std::ofstream(pipe.toStdString())
        << R"({"format": "hari-check", "version": 1, "program": "hari 5.3.3", "title": "",)"
        << R"( "member": "", "road": "section", "material": {"entry": 1, "typed": false,)"
        << R"( "kmage": 157, "kashuku": 157, "ksendan": 90.5, "yang": 205000, "hiju": 7.85},)"
        << R"( "section": {"source": "calculator", "shape": 1, "dims": [60.5, 3.2]}})";
    ASSERT_EQ(command({pipe.toStdString(), "--pdf", out.toStdString()}, &err), 0) << err;
    const QString section = readPdf(out).pageTexts.join(' ');
    for (const char* shown : {"断面性能の計算", "φ 60.5× t 3.2", "5.76", "23.72", "7.84"})
        EXPECT_TRUE(holdsText(section, shown)) << shown;
}

} // namespace
} // namespace testing_ui
