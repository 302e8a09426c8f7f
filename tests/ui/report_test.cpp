// The calculation sheet from "計算書" on Form入力断面他 and from `hari report`, printed to a PDF
// and read back with pdftotext (the sheets of the fifteen beam roads are layout_test's).
#include "pdf_reading.hpp"
#include "roads.hpp"

#include <fstream>
#include <sstream>

#include "report/report_command.hpp"
#include "ui/calc_screen.hpp"
#include "ui/form_open.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

class Report : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        preview = run.reportPreview;
        preview->pdf = folder.filePath("report.pdf");
    }
    Form入力計算& calc() { return run.registry.screen<Form入力計算>(); }

    QTemporaryDir folder;
    ProgramRun run;
    FakeReportPreview* preview = nullptr;
};

// The calculator's sheet: its dimensions, the eight results as it shows them, the centroid.
TEST_F(Report, SectionCalculatorSheet) {
    QTemporaryDir empty; // without size tables every shape offers the calculator
    run.registry.setDataFolders({empty.path().toStdString()});
    toSectionCalculator(run, "Image丸パイプ");
    ui::Form入力断面他& s = run.registry.screen<ui::Form入力断面他>();
    typeInto(need<QLineEdit>(s, "TextHEN1"), "60.5");
    typeInto(need<QLineEdit>(s, "TextHEN2"), "3.2");
    const QString text = printedSheet(run, s);
    for (const char* name :
         {"Text面積", "TextZaijuryou", "TextZaijuryouSI", "Textdi", "Textdz", "TxtD2r"})
        EXPECT_TRUE(sheetHolds(text, need<QLineEdit>(s, name)->text().trimmed())) << name;
    EXPECT_TRUE(sheetHolds(text, "60.5") && sheetHolds(text, "3.2"));
    EXPECT_TRUE(sheetHolds(text, need<Label>(s, "Labeldsize")->caption().trimmed()));
}

// `hari report` writes the same sheet as 計算書 shows for the check opened in the window; a
// refused file or an output that cannot be written is status 2 with the reason, and no file.
TEST_F(Report, CommandLineWritesTheSheetTheWindowShows) {
    const std::string example = HARI_SOURCE_DIR "/docs/examples/b1.hari";
    const QString out = folder.filePath("b1.pdf");
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
    run.registry.setDataFolders({HARI_BINARY_DIR "/bin/data"});
    run.registry.screen<ui::FormOpen>().show();
    run.documents->openName = QString::fromStdString(example);
    click(need(run.registry.screen<ui::FormOpen>(), "CmdOpen"));
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(printedSheet(run, calc()), written.pageTexts.join(' ').simplified());
    EXPECT_TRUE(sheetHolds(written.pageTexts.join(' '), "倉庫 A 棟"));

    const QString bad = folder.filePath("bad.hari");
    std::ofstream(bad.toStdString()) << "{ not a check";
    EXPECT_EQ(command({bad.toStdString(), "--pdf", folder.filePath("x.pdf").toStdString()}, &err),
              2);
    EXPECT_NE(err.find("hari report: 「bad.hari」"), std::string::npos) << err;
    EXPECT_EQ(command({example, "--pdf", folder.filePath("no/such/x.pdf").toStdString()}, &err), 2);
    EXPECT_NE(err.find("に書き込めませんでした。"), std::string::npos) << err;
    EXPECT_FALSE(QFile::exists(folder.filePath("x.pdf")));
    EXPECT_EQ(command({example}, &err), 1);

    // A check of the section road gives the sheet of its section.
    const QString pipe = folder.filePath("pipe.hari");
    std::ofstream(pipe.toStdString())
        << R"({"format": "hari-check", "version": 1, "program": "hari 5.3.3", "title": "",)"
        << R"( "member": "", "road": "section", "material": {"entry": 1, "typed": false,)"
        << R"( "kmage": 157, "kashuku": 157, "ksendan": 90.5, "yang": 205000, "hiju": 7.85},)"
        << R"( "section": {"source": "calculator", "shape": 1, "dims": [60.5, 3.2]}})";
    ASSERT_EQ(command({pipe.toStdString(), "--pdf", out.toStdString()}, &err), 0) << err;
    const QString section = readPdf(out).pageTexts.join(' ');
    for (const char* shown : {"断面性能の計算", "φ 60.5× t 3.2", "5.76", "23.72", "7.84"})
        EXPECT_TRUE(sheetHolds(section, shown)) << shown;
}

} // namespace
