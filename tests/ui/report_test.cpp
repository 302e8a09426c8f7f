// The calculation sheet of each check, from "計算書" on Form入力計算 and on Form入力断面他 through
// a preview that prints to a PDF, read back with pdftotext: the screen's texts are on it, and
// every line with numbers put in evaluates to the result it shows.
#include "fakes.hpp"
#include "pdf_reading.hpp"
#include "roads.hpp"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <fstream>
#include <sstream>

#include "../beam/sheet_arithmetic.hpp"
#include "app/services.hpp"
#include "report/page.hpp"
#include "report/report_command.hpp"
#include "report/sheets.hpp"
#include "ui/calc_screen.hpp"
#include "ui/form_open.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

struct Case {
    const char *structure, *loadCase;
    bool withL1;
};

// SS400, a pipe of Z = 10 cm³, I = 50 cm⁴, 7.85 kg/m; L = 2000, L1 = 500 mm, 1000 N.
const Case kCases[] = {
    {"Image片持1", "Image片持集中", false},        {"Image片持1", "Image片持分布", false},
    {"Image片持1", "Image片持分先", true},         {"Img垂直", "Image垂直集中", false},
    {"Img垂直", "Image垂直分布", false},           {"Img垂直", "Image垂直分先", true},
    {"Image両端支持", "Image両端支持中央", false}, {"Image両端支持", "Image両端支持任意", true},
    {"Image両端支持", "Image両端支持分布", false}, {"Image両端固定", "Image両端固定中央", false},
    {"Image両端固定", "Image両端固定任意", true},  {"Image両端固定", "Image両端固定分布", false},
    {"Imageピン固", "Imageピン固中央", false},     {"Imageピン固", "Imageピン固任意", true},
    {"Imageピン固", "Imageピン固分布", false},
};

// Qt names a CJK glyph by its lowest code point (大 reads back as ⼤): compared in compatibility
// form, which keeps the superscripts apart (mm² against mm2) only when both sides are.
bool holds(const QString& page, const QString& text) {
    return page.simplified()
        .normalized(QString::NormalizationForm_KC)
        .contains(text.simplified().normalized(QString::NormalizationForm_KC));
}

class Report : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        std::ofstream(folder.filePath("vbSStype.csv").toStdString(), std::ios::binary)
            << "1,\"P-A\",7.85,10,50,10,2.24\r\n";
        run.registry.setDataFolders({folder.path().toStdString()});
        preview = run.reportPreview;
        preview->pdf = folder.filePath("report.pdf");
        preview->typed = app::ReportHeading{QStringLiteral("倉庫増築"), QStringLiteral("小梁 B1")};
    }
    Form入力計算& calc() { return run.registry.screen<Form入力計算>(); }
    void toCalc(const Case& c) {
        toSizeScreen(run, "Image丸パイプ", BeamCase{c.structure, c.loadCase});
        Form材サイズ選択& sizes = run.registry.screen<Form材サイズ選択>();
        need<QListWidget>(sizes, "ListDanmenSize")->setCurrentRow(0);
        click(sizes.control<QWidget>("Commandtugi"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    }
    QString field(const char* name) { return need<QLineEdit>(calc(), name)->text(); }
    QString caption(const char* name) { return need<Label>(calc(), name)->caption(); }
    // The sheet's text, lines joined by blanks.
    QString sheet(app::Screen& screen) {
        QFile::remove(preview->pdf);
        click(need<QPushButton>(screen, QString::fromUtf8("Cmd計算書")));
        const PdfFile pdf = readPdf(preview->pdf);
        EXPECT_EQ(pdf.pageTexts.size(), 1);
        EXPECT_TRUE(pdf.images.empty()); // text and vectors only
        return pdf.pageTexts.join(' ').simplified();
    }

    // Whether the sheet of the check as it stands ends above the page's footer.
    bool fitsThePage() {
        QPdfWriter writer(folder.filePath("fit.pdf"));
        report::setUpPage(writer);
        QPainter painter(&writer);
        const report::BeamSheet s = report::beamSheet(run.registry.state(), QDate(2026, 12, 9));
        return report::paintBeamSheet(painter, s) < report::kContentHeight - 5;
    }

    QTemporaryDir folder;
    ProgramRun run;
    FakeReportPreview* preview = nullptr;
};

// For every structure and load case the sheet shows the screen's results as the screen shows
// them, and each line "formula = numbers = result" evaluates to its result.
TEST_F(Report, EveryCaseShowsTheScreensTextsAndItsWorkingAddsUp) {
    static const QRegularExpression line(
        QStringLiteral(" = ([^=]+?) = ([0-9.]+(?:/[0-9]+)?(?: %)?)"));
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.structure) + " " + c.loadCase);
        toCalc(c);
        if (&c == kCases) { // without a load nothing is calculated: no working is shown
            const QString none = sheet(calc());
            EXPECT_TRUE(holds(none, "計算結果はありません"));
            EXPECT_FALSE(holds(none, "荷重による"));
        }
        typeInto(need<QLineEdit>(calc(), "TextHEN1"), "1000");
        typeInto(need<QLineEdit>(calc(), "TextHEN2"), "2000");
        if (c.withL1) typeInto(need<QLineEdit>(calc(), "TextHEN3"), "500");
        const QString text = sheet(calc());
        const struct {
            const char *control, *unit;
        } shown[] = {{"Textkajumo", "N·m"}, {"Textkajumage", "N/mm²"}, {"Textjiju", "N"},
                     {"Textjmo", "N·m"},    {"Textjmage", "N/mm²"},    {"Textkajut", "N"},
                     {"Textmot", "N·m"},    {"Textmaget", "N/mm²"},    {"Textkajutawami", "mm"},
                     {"Textjtawami", "mm"}, {"Texttawamit", "mm"}};
        for (const auto& s : shown) {
            const QString want =
                " = " + field(s.control).trimmed() + " " + QString::fromUtf8(s.unit);
            EXPECT_TRUE(holds(text, want)) << s.control << ": " << want.toStdString();
        }
        for (const char* label : {"Labelmagehikaku", "Labeltawamihikaku", "Label判定", "Label式"})
            EXPECT_TRUE(holds(text, caption(label))) << label;
        int lines = 0;
        for (auto m = line.globalMatch(text); m.hasNext(); ++lines) {
            const auto hit = m.next();
            std::string why;
            EXPECT_TRUE(
                sheet::agrees(hit.captured(1).toStdString(), hit.captured(2).toStdString(), &why))
                << why;
        }
        EXPECT_GE(lines, 13); // load 3, self weight 4, total 4, ratios 2
        EXPECT_TRUE(fitsThePage()) << "runs into the footer";
        if (&c == std::end(kCases) - 1) {
            // In the old units the results and the material carry their kg-based twins.
            click(need<QWidget>(calc(), "Opt2old"));
            const QString old = sheet(calc());
            for (const char* twin :
                 {"TextkajumoOld", "TextmotOld", "TextmagetOld", "TextyangOld", "TextkmageOld"})
                EXPECT_TRUE(holds(old, field(twin).trimmed() + " kg")) << twin;
            // The heading typed in the preview, and what the check does not cover.
            EXPECT_TRUE(holds(old, "倉庫増築") && holds(old, "横座屈"));
        }
        click(need<QPushButton>(calc(), "CmdTop"));
    }
    // 件名 and 部材名 typed in the preview belong to the check and head its next sheet.
    EXPECT_EQ(run.counters.reportPreviews, 17);
    EXPECT_EQ(run.registry.state().件名, "倉庫増築");
    EXPECT_EQ(preview->shown.部材名, "小梁 B1");
}

// The calculator's sheet: its dimensions, the eight results as it shows them, the centroid.
TEST_F(Report, SectionCalculatorSheet) {
    QTemporaryDir empty; // without size tables every shape offers the calculator
    run.registry.setDataFolders({empty.path().toStdString()});
    toSectionCalculator(run, "Image丸パイプ");
    ui::Form入力断面他& s = run.registry.screen<ui::Form入力断面他>();
    typeInto(need<QLineEdit>(s, "TextHEN1"), "60.5");
    typeInto(need<QLineEdit>(s, "TextHEN2"), "3.2");
    const QString text = sheet(s);
    for (const char* name :
         {"Text面積", "TextZaijuryou", "TextZaijuryouSI", "Textdi", "Textdz", "TxtD2r"})
        EXPECT_TRUE(holds(text, need<QLineEdit>(s, name)->text().trimmed())) << name;
    EXPECT_TRUE(holds(text, "60.5") && holds(text, "3.2"));
    EXPECT_TRUE(holds(text, need<Label>(s, "Labeldsize")->caption().trimmed()));
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
    preview->typed.reset();
    EXPECT_EQ(sheet(calc()), written.pageTexts.join(' ').simplified());
    EXPECT_TRUE(holds(written.pageTexts.join(' '), "倉庫 A 棟"));

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
        EXPECT_TRUE(holds(section, shown)) << shown;
}

} // namespace
