// What the user sees and does on Form入力計算, reached along the beam road with a size table the
// test writes itself; the fifteen roads' results are layout_test's.
#include "pdf_reading.hpp"
#include "roads.hpp"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>
#include <fstream>

#include "ui/calc_screen.hpp"
#include "ui/gauge_canvas.hpp"
#include "ui/gui.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

// SS400 (157 N/mm2, E = 205 000 N/mm2); the first pipe Z = 10 cm3, I = 50 cm4, 7.85 kg/m, the
// second Z = 20 cm3. The cantilever of L = 2000 mm: self weight 153.9 N, its moment 154 N·m.
class CalcScreen : public ScreenTest<Form入力計算> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        std::ofstream(folder.filePath("vbSStype.csv").toStdString(), std::ios::binary)
            << "1,\"P-A\",7.85,10,50,10,2.24\r\n1,\"P-B\",7.85,10,100,20,3.16\r\n";
        run.registry.setDataFolders({folder.path().toStdString()});
    }
    void road() {
        toSizeScreen(run, "Image丸パイプ", BeamCase{"Image片持1", "Image片持集中"});
        forward();
    }
    void forward(int row = 0) {
        Form材サイズ選択& sizes = run.registry.screen<Form材サイズ選択>();
        need<QListWidget>(sizes, "ListDanmenSize")->setCurrentRow(row);
        click(sizes.control<QWidget>("Commandtugi"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    }
    bool checked(const char* name) { return ctl<QRadioButton>(name)->isChecked(); }
    void type(const char* field, const char* typed) { typeInto(ctl<QLineEdit>(field), typed); }
    QRect box(const char* name) { return shown(name) ? app::twips(ctl(name)) : QRect(); }
    QAccessibleInterface* reader(const char* name) {
        return QAccessible::queryAccessibleInterface(ctl(name));
    }
    // The texts of the fields named, joined by blanks; `suffix` is added to each name.
    QString texts(const char* names, const char* suffix = "") {
        QStringList l;
        for (const QString& n : QString(names).split(' '))
            l << ctl<QLineEdit>(n + suffix)->text();
        return l.join(' ');
    }
    static constexpr const char* kSi =
        "Textkaju Textkajumo Textkajumage Textjiju Textjmo Textjmage Textkajut Textmot Textmaget";

    QTemporaryDir folder;
};

// P = 1000 N at the tip: 2000 N·m, 200.0 N/mm2, with the self weight 2154 N·m, 215.4 N/mm2.
// Through the printer dialog: cancelled, then two copies. Then the real printer writing a PDF
// file, as the dialog's print-to-file does: two pages, each the screen drawn as text and lines
// (no image of the window), the gauge of the background canvas with them. A drawing is an
// image that says what it shows to a screen reader and cannot be pressed.
TEST_F(CalcScreen, CantileverPointLoadInSiAndOldUnitsPrinted) {
    road();
    QAccessibleInterface* picture = reader("Img入力片集");
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "片持 集中荷重（先端）");
    EXPECT_FALSE(picture->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(caption("Labelzaisitu") + " " + caption("Labeldsize"), "鋼材－SS400 P-A");
    EXPECT_EQ(texts("Text面積 Textjuryou Textdz Textdi TxtD2r Textkmage Textyang TextkmageOld "
                    "TextyangOld"),
              "10 7.85 10.00 50.00 2.24 157 205000 1600 2100000");
    for (const char* hidden : {"Label丸", "ShapeHan1", "CmdSaikeisan", "Labelinphantei"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    type("TextHEN1", "1000");
    type("TextHEN2", "2000");
    // Old units from the SI texts over 9.8: 102.04 kg, 20408 kg·cm, 2040.8 kg/cm2, 154 -> 1571.
    EXPECT_EQ(texts(kSi, "Old"), "102.0 20408 2040.8 15.7 1571 157.1 117.7 21980 2198.0");
    EXPECT_FALSE(shown("TextkajumoOld"));
    click(ctl("Opt2old"));
    EXPECT_EQ(caption("Labelhyouji"), "　旧-表示");
    for (const char* name : {"TextkajumoOld", "TextkmageOld", "Textkajutawami"})
        EXPECT_TRUE(shown(name)) << name; // deflections have no twin
    EXPECT_FALSE(shown("Textkajumo") || shown("Textkmage"));
    click(ctl("Opt2SI"));
    EXPECT_EQ(caption("Labelhyouji"), "　SI-表示");
    EXPECT_TRUE(shown("Textkajumo") && !shown("TextkajumoOld"));
    EXPECT_EQ(texts("Textkajumo"), "2000");

    printCancelledThenTwice(run, ctl("CmdPrin"), "Form入力計算");
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    expectSharpPdf(s().window(), folder.filePath("calc.pdf"), 2,
                   {"鋼材－SS400", "最大曲げ応力", "(N/mm2)", "たわみ量 (mm)", "長さ入力", "200.0",
                    "2154", "P-A", "印刷"},
                   "GaugeCanvas");
}

// The gauge spans Labelzaisitu's left + 200 = 1880 to Labelmagehikaku's left - 200 = 6160,
// W = 4280 twips for 200 %: 100 % at 4020, 150 % at 5090, a bar of 4280 / 314 per N/mm2.
// The pixels are read mid-height (5840 + 150 twips): a keystroke must repaint the gauge.
TEST_F(CalcScreen, VerdictAndGaugeFollowTheTotalStress) {
    road();
    type("TextHEN2", "2000");
    QWidget& w = s().window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const auto pixelAt = [&](int xTwips) {
        QApplication::processEvents();
        const QImage shown = w.windowHandle()->screen()->grabWindow(w.winId()).toImage();
        const QColor c = shown.pixelColor(app::toPixels(xTwips) * shown.width() / w.width(),
                                          app::toPixels(5990) * shown.height() / w.height());
        return c == QColor(0, 128, 128)   ? 'T'
               : c == QColor(255, 128, 0) ? 'O'
               : c == QColor(255, 0, 0)   ? 'R'
                                          : '-';
    };
    const struct {
        const char *load, *maget, *verdict;
        int bar, orange, red; // widths of ShapeHan1, 2 and 3, 0 when hidden
        const char* colours;  // teal, orange, red or none at 3000, 4500 and 5600 twips
    } cases[] = {
        {"1500", "315.4", "曲げ応力 短期 NG×", 4280, 2140, 1070, "TOR"}, // > 200 %: clipped
        {"1000", "215.4", "曲げ応力 短期 OK△", 2936, 796, 0, "TO-"},     // 137.2 %
        {"500", "115.4", "曲げ応力 長期 OK○", 1573, 0, 0, "T--"},        // 73.5 %
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.load);
        type("TextHEN1", c.load);
        EXPECT_EQ(texts("Textmaget"), c.maget);
        EXPECT_EQ(caption("Label判定") + caption("Label丸"), c.verdict);
        for (const char* name : {"Label丸", "Label100", "Shape判定", "LineH1"})
            EXPECT_TRUE(shown(name)) << name;
        EXPECT_EQ(box("ShapeHan4"), QRect(1880, 5840, 4280, 300));
        EXPECT_EQ(box("ShapeHan1"), QRect(1880, 5840, c.bar, 300));
        EXPECT_EQ(box("ShapeHan2"), c.orange ? QRect(4020, 5840, c.orange, 300) : QRect());
        EXPECT_EQ(box("ShapeHan3"), c.red ? QRect(5090, 5840, c.red, 300) : QRect());
        EXPECT_EQ((std::string{pixelAt(3000), pixelAt(4500), pixelAt(5600)}), c.colours);
    }
    EXPECT_EQ(box("LineH1").center().x(), 4020);
    EXPECT_EQ(box("LineH2").center().x(), 5090);
}

// A field click marks the field yellow, "←入力" writes into the marked one (3 m: 3000 N·m) and
// recalculates, even where the text written is the one there, and the keys leave the focus in
// the field. The clear button empties inputs, readout and results.
TEST_F(CalcScreen, TheKeypadWritesIntoTheMarkedFieldAndClearEmptiesAll) {
    road();
    const auto yellow = [&](const char* field) {
        return ctl<QLineEdit>(field)->palette().color(QPalette::Base) == QColor(255, 255, 0);
    };
    EXPECT_TRUE(yellow("TextHEN1"));
    type("TextHEN1", "1000");
    click(ctl("TextHEN2"));
    EXPECT_TRUE(yellow("TextHEN2") && !yellow("TextHEN1"));
    for (const char* key : {"Number3", "Number0", "Number0", "Number0", "Command入力"})
        click(ctl(key));
    EXPECT_EQ(texts("TextHEN2 Textkajumo"), "3000. 3000");
    EXPECT_EQ(caption("Label判定") + caption("Label丸"), "曲げ応力 短期 NG×"); // over 300 N/mm2
    EXPECT_FALSE(s().window().findChild<GaugeCanvas*>()->drawn().empty());
    type("Textdz", "20"); // 3000 N·m over 20 cm3: 150.0 N/mm2 once recalculated
    for (const char* key : {"Number3", "Number0", "Number0", "Number0", "Command入力"})
        click(ctl(key));
    EXPECT_EQ(texts("TextHEN2 Textkajumage"), "3000. 150.0");
    EXPECT_EQ(s().window().focusWidget(), ctl("TextHEN2"));
    // The longest number the keypad takes fits its readout.
    for (int k = 0; k < 17; ++k)
        click(ctl("Number8"));
    const auto* readout = ctl<Label>("Readout");
    EXPECT_EQ(readout->caption(), "888888888888888.");
    EXPECT_LE(QFontMetrics(readout->font()).horizontalAdvance(readout->text()) + readout->indent(),
              readout->contentsRect().width());
    click(ctl("Number5"));
    click(ctl("CmdHensuKaijo"));
    EXPECT_EQ(texts("TextHEN1 TextHEN2 TextHEN3 TextHEN4 Textkajutawami Textjtawami Texttawamit"),
              "      ");
    EXPECT_EQ(caption("Readout") + caption("Labelmagehikaku"), "");
    const char* const zeros = "0.0 0 0.0 0.0 0 0.0 0.0 0 0.0";
    EXPECT_EQ(texts(kSi) + " " + texts(kSi, "Old"), QString(zeros) + " " + zeros);
    EXPECT_FALSE(shown("Label丸") || shown("ShapeHan1") || shown("Label100"));
    // The bar painted behind the gauge went with the verdict.
    EXPECT_TRUE(s().window().findChild<GaugeCanvas*>()->drawn().empty());
}

// An edited section value changes no result until "再計算" or the next input uses it.
TEST_F(CalcScreen, AnEditedSectionValueWaitsForRecalculation) {
    road();
    type("TextHEN2", "2000");
    type("TextHEN1", "500");
    type("Textdz", "20");
    EXPECT_EQ(texts("Textkajumage Textmaget"), "100.0 115.4");
    // The size no longer has these figures, and says so while they differ from its own.
    EXPECT_EQ(caption("Labeldsize"), "P-A（値を変更）");
    type("Textdz", "10");
    EXPECT_EQ(caption("Labeldsize"), "P-A");
    type("Textdz", "20");
    ASSERT_TRUE(shown("CmdSaikeisan"));
    // A click that changes no input (the load unit already chosen, the span's field) calculates
    // nothing, and so does an input that calculates nothing (the load cleared, then typed again):
    // the results of the old Z wait, and the screen says so.
    click(ctl("Opt1N"));
    click(ctl("TextHEN2"));
    EXPECT_EQ(texts("Textkajumage"), "100.0");
    type("TextHEN1", "");
    EXPECT_TRUE(shown("CmdSaikeisan"));
    EXPECT_EQ(texts("Textkajumage"), "100.0");
    ctl<QLineEdit>("TextHEN1")->setText("500");
    EXPECT_FALSE(shown("CmdSaikeisan")); // now calculated with Z = 20: 50.0
    EXPECT_EQ(texts("Textkajumage"), "50.0");
    type("Textdz", "20.0");
    EXPECT_EQ(ctl<QPushButton>("CmdSaikeisan")->text(), "再計算");
    click(ctl("CmdSaikeisan"));
    // 1000 N·m over 20 cm3 = 50.0 N/mm2; the self weight's 153.9 N·m gives 7.7; together 57.7.
    EXPECT_EQ(texts("Textkajumage Textjmage Textmaget"), "50.0 7.7 57.7");
    EXPECT_FALSE(shown("CmdSaikeisan"));
    type("Textyang", "102500");
    ASSERT_TRUE(shown("CmdSaikeisan"));
    // The old-unit twins follow: 102500 * 100 / 9.8 = 1 045 918 -> 1 050 000 kg/cm2 and
    // 100 * 100 / 9.8 = 1020.4 -> 1020, three figures as the material screen converts.
    type("Textkmage", "100");
    EXPECT_EQ(texts("TextyangOld TextkmageOld"), "1050000 1020");
    type("Textkmage", "157");
    type("TextHEN1", "600"); // 1200 N·m / 20 = 60.0; 600 * 2000^3 / (3 * 102500 * 500000) = 31.22
    EXPECT_EQ(texts("Textkajumage Textkajutawami"), "60.0 31.2");
    EXPECT_FALSE(shown("CmdSaikeisan"));
}

// Back and on with the second pipe (Z 20): the input comes back in kN and the old display,
// recalculated: 1 kN * 2 m = 2000 N·m, 100.0 N/mm2 -> 1020.4 kg/cm2 (after "最初から" a road
// starts empty: the layout walk). A screen reader hears a text box by its caption, which follows
// the load unit, and a result by row and column.
TEST_F(CalcScreen, PreviousInputComesBackAfterGoingBack) {
    road();
    click(ctl("Opt1kN"));
    EXPECT_EQ(reader("TextHEN1")->text(QAccessible::Name), "荷重を入力( kN )");
    EXPECT_EQ(reader("TextmagetOld")->text(QAccessible::Name), "合計 最大曲げ応力[kg/cm2]");
    type("TextHEN1", "1");
    type("TextHEN2", "2000");
    click(ctl("Opt2old"));
    click(ctl("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_FALSE(s().isLoaded());
    forward(1);
    EXPECT_EQ(texts("TextHEN1 TextHEN2 Textdz Textkajumage TextkajumageOld"),
              "1 2000 20.00 100.0 1020.4");
    EXPECT_TRUE(checked("Opt1kN") && checked("Opt2old") && shown("TextkajumageOld"));
    EXPECT_EQ(caption("LabelHEN1M"), "荷重を入力( kN )");
}

// Qt's own dialogs (the print dialog, the standard buttons) speak Japanese like the screens.
TEST(QtJapanese, DialogTextsComeFromQtsJapaneseCatalog) {
    ASSERT_TRUE(app::installQtJapanese())
        << "qtbase_ja.qm is not installed (qt6-translations-l10n)";
    EXPECT_TRUE(app::installQtJapanese()); // a second call keeps the one catalog

    // Context, English source, the text of Qt's Japanese catalog.
    struct Text {
        const char* context;
        const char* source;
        const char* japanese;
    };
    const Text texts[] = {
        {"QPrintDialog", "Print", "印刷"},
        {"QPlatformTheme", "Cancel", "キャンセル"},
        {"QPrintDialog", "&Options >>", "オプション(&O) >>"},
    };
    for (const Text& t : texts)
        EXPECT_EQ(QCoreApplication::translate(t.context, t.source).toStdString(), t.japanese)
            << t.context << " / " << t.source;

    // A standard button made now carries the Japanese text.
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().toStdString(), "キャンセル");
}

} // namespace
