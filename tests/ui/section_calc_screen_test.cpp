// What the user sees and does on the section calculator Form入力断面他 (every shape is checked
// against its outline in tests/section): the keypad, the failed checks, the sketch, the material
// units, printing, one shape worked by hand without a mouse and handed over to the beam
// calculation, back and end.
#include "pdf_reading.hpp"
#include "roads.hpp"

#include "ui/calc_screen.hpp"
#include "ui/sketch_canvas.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

const QColor kYellow(255, 255, 0);

class SectionCalc : public SectionCalculatorTest {
protected:
    void back() {
        click(ctl("Commandmae"));
        click(run.registry.screen<Form材サイズ選択>().control<QWidget>("Commandmae"));
    }
    const SketchCanvas* canvas() { return ctl<SketchCanvas>(QStringLiteral("SketchCanvas")); }
};

// The keypad writes into the field marked yellow, which a click on a field moves; typing does
// not move it. "印刷" asks for the copies (cancelled: nothing printed); the window printed to a
// PDF file as text and lines, the to-scale sketch of the background canvas with them. Back and
// end.
TEST_F(SectionCalc, APipeTypedAndThroughTheKeypadPrintedThenBackAndEnd) {
    open("Image丸パイプ");
    EXPECT_EQ(text("TxtHiju"), "7.85");
    EXPECT_EQ(hen(1)->palette().color(QPalette::Base), kYellow);
    typeInto(hen(1), "60.5");
    EXPECT_EQ(results(), (QStringList{"", "", "", "", ""})); // t still empty: silent
    press("3.2");
    // The keypad stands 360 twips up and left of the calculation screen's, readout and keys alike.
    EXPECT_EQ(app::twips(ctl("Readout")).topLeft(), QPoint(6360, 960));
    EXPECT_EQ(app::twips(ctl("Number1")).topLeft(), QPoint(7320, 1320));
    click(hen(2));
    EXPECT_EQ(hen(2)->text(), "3.2");
    EXPECT_EQ(hen(2)->palette().color(QPalette::Base), kYellow);
    EXPECT_NE(hen(1)->palette().color(QPalette::Base), kYellow);
    // A = π/4 (60.5² − 54.1²) = 576.04 mm²; 5.7604 × 7.85 / 10 = 4.52 kg/m;
    // I = π/64 (60.5⁴ − 54.1⁴) = 23.72 cm⁴; Z = I / 30.25 mm = 7.84 cm³; √(I/A) = 2.03 cm.
    EXPECT_EQ(results(), (QStringList{"5.76", "4.52", "7.84", "23.72", "2.03"}));
    EXPECT_EQ(run.counters.beeps, 0);
    printCancelledThenTwice(run, ctl("CmdPrin"), "Form入力断面他");
    QTemporaryDir out;
    expectSharpPdf(s().window(), out.filePath("section.pdf"), 1, {"5.76", "60.5", "3.2", "印刷"},
                   "SketchCanvas");
    // SS400 in N/mm2, or in the old kg/cm2 (924 = 90.5 / 9.8 * 100), the results unchanged.
    const auto material = [&] {
        return QStringList{caption("Labelkmage"), caption("Labelyang"),
                           shown("Textyang") ? text("Textyang") : text("TextyangOld"),
                           shown("Textksendan") ? text("Textksendan") : text("TextksendanOld")};
    };
    EXPECT_EQ(material(),
              (QStringList{"許容曲げ (N/mm2)", "ヤング係数 (N/mm2)", "205000", "90.5"}));
    click(ctl("Opt2old"));
    EXPECT_EQ(material(),
              (QStringList{"許容曲げ [kg/cm2]", "ヤング係数 [kg/cm2]", "2100000", "924"}));
    EXPECT_EQ(results().join(' '), "5.76 4.52 7.84 23.72 2.03");
    click(ctl("Opt2SI"));
    // "計算書" prints the section's sheet (what it holds is checked through `hari report`).
    run.reportPreview->pdf = out.filePath("sheet.pdf");
    const QString sheet = printedSheet(run, s());
    EXPECT_TRUE(holdsText(sheet, "φ 60.5× t 3.2") && holdsText(sheet, "23.72"))
        << sheet.toStdString();
    // Saved and opened in a fresh program run: the section road ends on the calculator as it was.
    saveCheck(run, s(), out.filePath("pipe.hari"));
    {
        ProgramRun opened;
        openCheck(opened, out.filePath("pipe.hari"));
        EXPECT_TRUE(opened.registry.screen<Form入力断面他>().window().isVisible());
        EXPECT_EQ(seen(opened.registry.screen<Form入力断面他>()), seen(s()));
    }
    typeInto(hen(1), "50"); // "5" on the way: thicker than its radius
    EXPECT_EQ(hen(2)->palette().color(QPalette::Base), kYellow);
    // Pasted, letters after a number count as the number, letters alone as nothing, silently.
    const QStringList fifty = results();
    const int beeps = run.counters.beeps;
    for (const char* t : {"50mm", "abc", "", "0", "-5", "  ", "..", "e5"}) {
        hen(1)->setText(t);
        EXPECT_EQ(results(), fifty) << t;
        EXPECT_EQ(bikou(), "") << t;
    }
    EXPECT_EQ(run.counters.beeps, beeps);
    // Back: the size screen, the calculator unloaded; opening again starts fresh. "おわり" asks
    // first, the saved check having changed since, and ends without saving.
    EXPECT_FALSE(shown("Commandtugi")); // the section road ends here
    click(ctl("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(run.registry.screen<Form材サイズ選択>().mousePointer(), app::MousePointer::Default);
    EXPECT_FALSE(s().isLoaded());
    click(run.registry.screen<Form材サイズ選択>().control<QWidget>("CmdZIE"));
    EXPECT_EQ(hen(1)->text(), "");
    run.documents->answer = app::DocumentDialogs::Answer::Discard;
    click(ctl("Commandend"));
    EXPECT_EQ(run.documents->questions, 1);
    EXPECT_EQ(run.counters.ends, 1);
}

// The fields each shape asks for, each with its label, and one drawing. Each check refused: its
// message, one beep, the results and the designation kept.
TEST_F(SectionCalc, EachFailedCheckBeepsAndKeepsTheResults) {
    const struct {
        const char* picture;
        const char* good;  // HEN1,HEN2,… ("" where the shape has no such field)
        int field;         // pasted over at once
        const char* value; // with the value that fails the check
        const char* message;
    } checks[] = {
        // clang-format off
        {"Image角パイプ縦", "50,100,3.2", 2, "40", "角パイプは、縦長タイプです。幅と高さを正しく入力して下さい。"},
        {"Image角パイプ縦", "50,100,3.2", 3, "25", "角パイプの肉厚が大きすぎます。"},
        {"Image角パイプ横", "100,50,3.2", 1, "40", "角パイプは、横長タイプです。幅と高さを正しく入力して下さい。"},
        {"Image角パイプ", "50,3.2", 2, "25", "角パイプの肉厚が大きすぎます。正方形の幅と厚みを正しく入力して下さい。"},
        {"ImageL等辺", "50,,6", 3, "50", "肉厚が大きすぎます。"},
        {"ImageH縦a", "100,150,200,10,8,12", 5, "100", "肉厚が大きすぎます。"},
        {"Image丸パイプ", "50,3.2", 2, "25", "パイプの肉厚が半径を超えてます。"},
        {"Image角ムク縦", "50,100", 1, "150", "断面は縦長タイプです。横長タイプに変更する場合は、前に戻って、断面を再選択して下さい。"},
        // Typed key by key, "1e10" would be computed first.
        {"Image丸solid", "10", 1, "1e100", "寸法が計算できる範囲を超えています。"},
        // clang-format on
    };
    for (const auto& c : checks) {
        SCOPED_TRACE(std::string(c.picture) + " " + c.value);
        open(c.picture);
        const QStringList good = QString(c.good).split(',');
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(hen(k)->isVisible(), !good.value(k - 1).isEmpty()) << k;
            EXPECT_EQ(ctl(QStringLiteral("LabelHEN%1M").arg(k))->isVisible(), hen(k)->isVisible());
        }
        int drawings = 0;
        for (auto* p : s().window().findChildren<Picture*>())
            drawings += p->isVisible() && p->hasImage();
        EXPECT_EQ(drawings, 1);
        for (int k = 0; k < good.size(); ++k)
            hen(k + 1)->setText(good[k]);
        const QStringList before = results();
        const QString designation = caption("Labeldsize");
        ASSERT_FALSE(before[0].isEmpty());
        const int beeps = run.counters.beeps;
        hen(c.field)->setText(c.value);
        EXPECT_EQ(bikou(), QString::fromUtf8(c.message));
        EXPECT_EQ(run.counters.beeps, beeps + 1);
        EXPECT_EQ(results(), before);
        EXPECT_EQ(caption("Labeldsize"), designation);
        back();
    }
}

// T 100 × 50 at k = round(1815 / 100) = 18: flange 1815 × 180 at (720, 4560), web 108 wide
// below it; parts sharing an edge become one outline of 8 corners; a tube's hole is left out.
TEST_F(SectionCalc, TheSketchOfTheSection) {
    open("ImageT縦");
    EXPECT_FALSE(canvas()->sketch());
    for (auto [k, v] : {std::pair{1, "100"}, {2, "50"}, {3, "10"}, {4, "6"}})
        typeInto(hen(k), v);
    const QPainterPath& p = canvas()->sectionPath();
    EXPECT_EQ(p.toFillPolygons().size(), 1);
    EXPECT_EQ(p.toFillPolygon().size() - p.toFillPolygon().isClosed(), 8);
    EXPECT_TRUE(p.contains(QPointF(1627, 4650)));  // the joint of flange and web
    EXPECT_FALSE(p.contains(QPointF(1000, 5000))); // beside the web
    EXPECT_EQ(p.boundingRect(), QRectF(720, 4560, 1815, 900));
    hen(4)->setText("100"); // refused: the sketch stays
    EXPECT_EQ(canvas()->sectionPath().boundingRect(), QRectF(720, 4560, 1815, 900));
    back();
    open("Image角パイプ");
    typeInto(hen(1), "100");
    typeInto(hen(2), "4.5");
    EXPECT_FALSE(canvas()->sectionPath().contains(QPointF(1627, 5467)));
    EXPECT_TRUE(canvas()->sectionPath().contains(QPointF(760, 5467)));
}

// Unequal I, flanges 100 × 10 on top and 150 × 12 below, 200 high, web 8 × 178: A = 4224 mm²,
// centroid 349624 / 4224 = 82.77 mm up; I = 56405792 − 4224 · 82.77² = 27467122 mm⁴;
// Z = I / 117.23 = 234303 mm³; √(I/A) = 80.64 mm; mass 42.24 · 0.785 kg/m.
const char* const kDims[] = {"100", "150", "200", "10", "8", "12"};
const QStringList kResults{"42.24", "33.16", "234.30", "2746.71", "8.06"};
const QString kDesignation = QStringLiteral("異形 A 100× B 150× H 200× a 10× t 8× b 12");

// The shown screen's control that has the keyboard's focus, by name.
QString focused() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty() && w->focusWidget())
            return w->focusWidget()->objectName();
    return {};
}
// A key goes where the keyboard is: the focused control of the shown screen.
void key(int k) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty()) {
            QWidget* f = w->focusWidget();
            QTest::keyClick(f && f->isVisible() ? f : w, Qt::Key(k));
            return;
        }
}
// Tab until the control named `name` has the focus, then the keys.
void on(const char* name, std::initializer_list<int> keys) {
    for (int n = 0; n < 200 && focused() != name; ++n)
        key(Qt::Key_Tab);
    ASSERT_EQ(focused(), name);
    for (int k : keys)
        key(k);
}

// On the simple beam with a central load, reached without a mouse: no section does not go on.
// Entered half typed by keys, half through the keypad (the keys, then a click on the field),
// Enter moving on to the next field and pressing no button (though "次に進む" is the default
// button on the beam road), the section goes on by Enter on that button with its last good
// results after a refused entry, its long designation whole in a smaller font; "前に戻る" comes
// back to the dimensions, where a tiny section does not go on.
TEST_F(SectionCalc, TheUnequalIByHandCarriesTheBeam) {
    run.registry.screen<FormOpen>().show();
    on("ImageHari", {Qt::Key_Space});
    on("Image両端支持", {Qt::Key_Return});
    on("Image両端支持中央", {Qt::Key_Return});
    on("ImageH縦a", {Qt::Key_Return});
    on("CmdZIE", {Qt::Key_Space});
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    click(ctl("Commandtugi"));
    EXPECT_EQ(bikou(), "断面形状を入力してから、次へ進んでください。");
    EXPECT_EQ(run.counters.beeps, 1);
    on("TextHEN1", {});
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(focused(), hen(k + 1)->objectName());
        if (k % 2 == 1) {
            press(kDims[k]);
            click(hen(k + 1));
        } else {
            QTest::keyClicks(hen(k + 1), kDims[k]);
        }
        key(Qt::Key_Return);
    }
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    EXPECT_EQ(results(), kResults);
    EXPECT_EQ(caption("Labeldsize"), kDesignation);
    EXPECT_EQ(bikou(), "重心は下から 8.3 cm の位置です。");
    EXPECT_EQ(run.counters.beeps, 1);
    hen(5)->setText("100");
    EXPECT_EQ(bikou(), "肉厚が大きすぎます。");
    on("Commandtugi", {Qt::Key_Return});
    Form入力計算& calc = run.registry.screen<Form入力計算>();
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    const auto field = [&](const char* n) { return calc.control<QLineEdit>(QString::fromUtf8(n)); };
    Label* designation = calc.control<Label>("Labeldsize");
    EXPECT_EQ(designation->caption(), kDesignation);
    EXPECT_LE(QFontMetricsF(designation->font()).horizontalAdvance(designation->text()),
              designation->contentsRect().width()); // the whole text shown
    EXPECT_GE(designation->font().pointSizeF(), Label::kSmallestFitPoints);
    EXPECT_EQ(
        (QStringList{field("Text面積")->text(), field("Textjuryou")->text(),
                     field("Textdz")->text(), field("Textdi")->text(), field("TxtD2r")->text()}),
        kResults);
    // P = 9000 N at the middle of 4000 mm: M = P·L/4 = 9000 N·m; 9e6 / 234300 = 38.4 N/mm2;
    // P·L³ / (48 · 205000 · 27467100) = 2.13 mm.
    typeInto(field("TextHEN1"), "9000");
    typeInto(field("TextHEN2"), "4000");
    EXPECT_EQ(field("Textkajumo")->text(), "9000");
    EXPECT_EQ(field("Textkajumage")->text(), "38.4");
    EXPECT_EQ(field("Textkajutawami")->text(), "2.1");
    // Saved and opened in a fresh program run: the same screen, and on the way back the
    // calculator with the dimensions.
    saveCheck(run, calc, emptyFolder.filePath("i.hari"));
    {
        ProgramRun opened;
        openCheck(opened, emptyFolder.filePath("i.hari"));
        EXPECT_EQ(seen(opened.registry.screen<Form入力計算>()), seen(calc));
        click(need(opened.registry.screen<Form入力計算>(), "Commandmae"));
        EXPECT_EQ(need<QLineEdit>(opened.registry.screen<Form入力断面他>(), "TextHEN6")->text(),
                  "12");
    }
    // A short designation takes the label's own, larger font again.
    const qreal small = designation->font().pointSizeF();
    designation->setCaption("P-A");
    EXPECT_GT(designation->font().pointSizeF(), small);

    // Back: the dimensions as left, the last good results.
    click(calc.control<QWidget>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(hen(k + 1)->text().remove('.'), k == 4 ? "100" : kDims[k]) << k;
    EXPECT_EQ(results(), kResults);
    // A tiny I: every result "0" with a beep, and going on is refused without one.
    for (int k = 1; k <= 6; ++k)
        typeInto(hen(k), k < 4 ? "0.1" : "0.01");
    EXPECT_EQ(results(), (QStringList{"0", "0", "0", "0", "0"}));
    const int beeps = run.counters.beeps;
    click(ctl("Commandtugi"));
    EXPECT_EQ(bikou(), "申し訳ありませんが、断面形状が小さいため対応できません。");
    EXPECT_EQ(run.counters.beeps, beeps);
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
}

} // namespace
