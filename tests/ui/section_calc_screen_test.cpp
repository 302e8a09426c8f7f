// What the user sees and does on the section calculator Form入力断面他, reached as a user
// reaches it: material, shape, then "断面図から計算" on the size screen. The size tables are
// left out, so every computable shape offers the calculator.
#include "fakes.hpp"
#include "roads.hpp"

#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"
#include "ui/sketch_canvas.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

const QColor kYellow(255, 255, 0);

class SectionCalc : public SectionCalculatorTest {
protected:
    void open(const char* picture, bool beamRoad = false) {
        SectionCalculatorTest::open(picture, beamRoad ? std::optional<BeamCase>(
                                                            {"Image片持1", "Image片持集中"})
                                                      : std::nullopt);
    }
    const SketchCanvas* canvas() { return ctl<SketchCanvas>(QStringLiteral("SketchCanvas")); }
};

TEST_F(SectionCalc, APipeTypedAndThroughTheKeypad) {
    open("Image丸パイプ");
    EXPECT_EQ(s().window().windowTitle(), "入力-断面サイズ");
    EXPECT_EQ(caption("LabelTitle"), " 断面性能 計算");
    EXPECT_EQ(caption("Labelzaisitu"), "鋼材－SS400");
    EXPECT_EQ(text("TxtHiju"), "7.85");
    EXPECT_EQ(hen(1)->palette().color(QPalette::Base), kYellow);
    typeInto(hen(1), "60.5");
    EXPECT_EQ(results(), (QStringList{"", "", "", "", ""})); // t still empty: silent
    EXPECT_FALSE(canvas()->sketch());
    // The keypad writes into the marked field only after a click on the thickness field.
    press("3.2");
    click(hen(2));
    EXPECT_EQ(hen(2)->text(), "3.2");
    EXPECT_EQ(ctl<Label>("Readout")->caption(), "0.");
    EXPECT_EQ(hen(2)->palette().color(QPalette::Base), kYellow);
    EXPECT_NE(hen(1)->palette().color(QPalette::Base), kYellow);
    // A = π/4 (60.5² − 54.1²) = 576.04 mm²; 5.7604 × 7.85 / 10 = 4.52 kg/m;
    // I = π/64 (60.5⁴ − 54.1⁴) = 23.72 cm⁴; Z = I / 30.25 mm = 7.84 cm³; √(I/A) = 2.03 cm.
    EXPECT_EQ(results(), (QStringList{"5.76", "4.52", "7.84", "23.72", "2.03"}));
    EXPECT_FALSE(caption("Labeldsize").isEmpty());
    EXPECT_EQ(run.counters.beeps, 0);
    // The hand-over to the calculation screen: the texts as shown.
    const auto r = s().resultTexts();
    EXPECT_EQ((QStringList{r.size, r.area, r.mass, r.z, r.i, r.radius}),
              (QStringList{caption("Labeldsize"), text("Text面積"), text("TextZaijuryou"),
                           text("Textdz"), text("Textdi"), text("TxtD2r")}));
    // Typing into field 1 does not move the mark. 50 × 3.2: π/4 · (50² − 43.6²) = 470.5 mm².
    typeInto(hen(1), "50");
    EXPECT_EQ(results()[0], "4.70");
    EXPECT_EQ(hen(2)->palette().color(QPalette::Base), kYellow);
    // "←入力" into the marked field: 25 is half of 50.
    press("25");
    click(ctl("Command入力"));
    EXPECT_EQ(hen(2)->text(), "25.");
    EXPECT_EQ(bikou(), "パイプの肉厚が半径を超えてます。");
    EXPECT_GE(run.counters.beeps, 1);
    EXPECT_EQ(results()[0], "4.70"); // the refused entry keeps the last results
    typeInto(hen(2), "24.9");
    EXPECT_EQ(bikou(), "");
    EXPECT_NE(results()[0], "4.70");
}

TEST_F(SectionCalc, CaptionsAndFieldsByShape) {
    const struct {
        const char* picture;  // on the shape screen
        const char* drawing;  // shown here
        QStringList captions; // LabelHEN1M … of the visible fields, "" for a hidden one
    } cases[] = {
        {"Image丸パイプ", "Image丸パイプinp", {"直径φ(mm)", "厚みｔ(mm)", "", "", "", ""}},
        {"Image角パイプ", "Image角パイプinp", {"幅・高 (mm)", "厚みｔ(mm)", "", "", "", ""}},
        {"Image角パイプ横",
         "Image角パイプ横inp",
         {"幅 (mm)", "高 (mm)", "厚み ｔ(mm)", "", "", ""}},
        {"ImageFB縦", "Image角ムク縦inp", {"幅 (mm)", "高 (mm)", "", "", "", ""}},
        {"ImageL等辺", "ImageL等辺inp", {"幅 ・ 高 (mm)", "", "厚みｔ(mm)", "", "", ""}},
        {"ImageL不等横", "ImageL等辺inp", {"幅 (mm)", "高 (mm)", "厚み ｔ(mm)", "", "", ""}},
        {"Image丸solid", "Image丸ムクinp", {"直径φ(mm)", "", "", "", "", ""}},
        {"Image角ムク", "Image角ムクinp", {"幅 ・ 高 (mm)", "", "", "", "", ""}},
        {"Image軽溝横長", "Image軽溝横長inp", {"幅 (mm)", "高 (mm)", "厚み ｔ(mm)", "", "", ""}},
        {"ImageT縦", "ImageT縦inp", {"幅 (mm)", "高 (mm)", "厚み ｔ(mm)", "厚み ａ(mm)", "", ""}},
        {"ImageH縦a",
         "ImageHa縦inp",
         {"幅Ａ (mm)", "幅Ｂ (mm)", "高 (mm)", "厚み ａ(mm)", "厚み ｔ(mm)", "厚み ｂ(mm)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        open(c.picture);
        QStringList seen;
        for (int k = 1; k <= 6; ++k) {
            auto* label = ctl<Label>(QStringLiteral("LabelHEN%1M").arg(k));
            EXPECT_EQ(label->isVisible(), hen(k)->isVisible()) << k;
            seen << (hen(k)->isVisible() ? label->caption() : QString());
        }
        EXPECT_EQ(seen, c.captions);
        QStringList pictures;
        for (auto* p : s().window().findChildren<Picture*>())
            if (p->isVisible()) pictures << p->objectName();
        EXPECT_EQ(pictures, QStringList{QString::fromUtf8(c.drawing)});
        EXPECT_TRUE(ctl<Picture>(QString::fromUtf8(c.drawing))->hasImage());
        click(ctl("Commandmae"));
        click(run.registry.screen<Form材サイズ選択>().control<QWidget>("Commandmae"));
    }
    EXPECT_EQ(run.counters.ends, 0);
}

TEST_F(SectionCalc, ASolidRectangleAndItsSketch) {
    open("Image角ムク縦"); // code 19
    typeInto(hen(1), "50");
    typeInto(hen(2), "100");
    // A = 50 cm²; I = 50 · 100³ / 12 = 4 166 667 mm⁴ = 416.67 cm⁴; Z = I / 50 mm = 83.33 cm³;
    // √(416.67 / 50) = 2.89 cm; 50 × 7.85 / 10 = 39.25 kg/m.
    EXPECT_EQ(results(), (QStringList{"50.00", "39.25", "83.33", "416.67", "2.89"}));
    // The frame (left 720, top 4560, side 1815) and an upright bar hanging from its top edge,
    // k = round(1815 / 100) = 18: 900 twips wide, centred at 720 + 457.
    ASSERT_TRUE(canvas()->sketch());
    EXPECT_EQ(canvas()->sketch()->fills.front().rect, (section::Rect{720, 4560, 1815, 1815}));
    EXPECT_EQ(canvas()->sectionPath().boundingRect(), QRectF(1177, 4560, 900, 1815));
    // Lying instead of upright, pasted at once: refused with the message, beep, results and
    // sketch stay. (Typing "100" passed through 50 × 1 and 50 × 10, lying, which beeped.)
    const int beepsBefore = run.counters.beeps;
    hen(1)->setText("150");
    EXPECT_EQ(bikou(), "断面は縦長タイプです。横長タイプに変更する場合は、前に戻って、断面を再選択"
                       "して下さい。");
    EXPECT_EQ(run.counters.beeps, beepsBefore + 1);
    EXPECT_EQ(results()[3], "416.67");
    EXPECT_EQ(canvas()->sectionPath().boundingRect(), QRectF(1177, 4560, 900, 1815));
    // Hostile texts: letters after a number count as the number, letters alone as nothing.
    typeInto(hen(1), "25mm");
    EXPECT_EQ(bikou(), "");
    EXPECT_EQ(results()[0], "25.00");
    const int beeps = run.counters.beeps;
    for (const char* t : {"abc", "", "0", "-5", "  ", "..", "e5"}) {
        typeInto(hen(1), t);
        EXPECT_EQ(results()[0], "25.00") << t;
        EXPECT_EQ(bikou(), "") << t;
    }
    EXPECT_EQ(run.counters.beeps, beeps);
    // A 10 m × 20 m bar is drawn filling the frame; a tiny one gives "0" and no crash.
    typeInto(hen(1), "10000");
    typeInto(hen(2), "20000");
    // k = 1815 / 20000: 10000 mm is 907.5 -> 908 twips wide, its left 720 + 453.75 cut to
    // whole twips as for the small bar above.
    EXPECT_EQ(canvas()->sectionPath().boundingRect(), QRectF(1173, 4560, 908, 1815));
    for (const char* t : {"1e-30", "1e200", "99999999999999999999"}) {
        typeInto(hen(2), t);
        for (const QString& r : results()) {
            EXPECT_FALSE(r.contains('e') || r.contains("inf") || r.contains("nan"))
                << t << r.toStdString();
        }
    }
}

TEST_F(SectionCalc, OpenSectionsAreOneOutline) {
    open("ImageT縦"); // code 23
    for (auto [k, v] : {std::pair{1, "100"}, {2, "50"}, {3, "10"}, {4, "6"}})
        typeInto(hen(k), v);
    ASSERT_TRUE(canvas()->sketch());
    // Flange 1815 × 180 on top of a web 108 wide: one closed outline of 8 corners.
    const QPainterPath& p = canvas()->sectionPath();
    const QPolygonF outline = p.toFillPolygon();
    EXPECT_EQ(p.toFillPolygons().size(), 1);
    EXPECT_EQ(outline.isClosed() ? outline.size() - 1 : outline.size(), 8);
    EXPECT_TRUE(p.contains(QPointF(1627, 4650)));  // the joint of flange and web is inside
    EXPECT_FALSE(p.contains(QPointF(1000, 5000))); // beside the web: yellow
    // A square tube keeps its hole.
    click(ctl("Commandmae"));
    click(run.registry.screen<Form材サイズ選択>().control<QWidget>("Commandmae"));
    open("Image角パイプ");
    typeInto(hen(1), "100");
    typeInto(hen(2), "4.5");
    EXPECT_FALSE(canvas()->sectionPath().contains(QPointF(1627, 5467)));
    EXPECT_TRUE(canvas()->sectionPath().contains(QPointF(760, 5467)));
}

TEST_F(SectionCalc, ResultsOutOfRangeAreRefusedWithAMessage) {
    open("Image角ムク");
    typeInto(hen(1), "10");
    EXPECT_EQ(results()[0], "1.00");
    // Typing "1" on the way to "10" beeped: a 1 mm bar is too small to go on with.
    const int beeps = run.counters.beeps;
    hen(1)->setText("1e100"); // pasted: typed key by key, "1e10" would be computed first
    EXPECT_EQ(bikou(), "寸法が計算できる範囲を超えています。");
    EXPECT_EQ(run.counters.beeps, beeps + 1);
    EXPECT_EQ(results()[0], "1.00");
}

TEST_F(SectionCalc, MaterialUnitsSwitchAlone) {
    open("Image角ムク");
    typeInto(hen(1), "10");
    const QStringList before = results();
    EXPECT_TRUE(ctl<QRadioButton>("Opt2SI")->isChecked());
    EXPECT_EQ(caption("Labelkmage"), "許容曲げ (N/mm2)");
    EXPECT_EQ(text("Textkmage"), "157");
    EXPECT_TRUE(shown("Textyang") && !shown("TextyangOld"));
    click(ctl("Opt2old"));
    EXPECT_EQ((QStringList{caption("Labelkmage"), caption("Labelkashuku"), caption("Labelksendan"),
                           caption("Labelyang")}),
              (QStringList{"許容曲げ [kg/cm2]", "許容圧縮 [kg/cm2]", "許容せん断 [kg/cm2]",
                           "ヤング係数 [kg/cm2]"}));
    EXPECT_TRUE(shown("TextyangOld") && !shown("Textyang"));
    EXPECT_EQ(text("TextksendanOld"), "924");
    EXPECT_EQ(text("TextyangOld"), "2100000");
    EXPECT_EQ(results(), before);
    click(ctl("Opt2SI"));
    EXPECT_EQ(caption("Labelyang"), "ヤング係数 (N/mm2)");
    EXPECT_TRUE(shown("Textksendan") && !shown("TextksendanOld"));
}

TEST_F(SectionCalc, GoingOnOnTheBeamRoad) {
    open("ImageT縦", true);
    ASSERT_TRUE(shown("Commandtugi"));
    click(ctl("Commandtugi"));
    EXPECT_EQ(bikou(), "断面形状を入力してから、次へ進んでください。");
    EXPECT_EQ(run.counters.beeps, 1);
    // A tiny T: every result "0" with a beep, and going on is refused without one.
    for (auto [k, v] : {std::pair{1, "0.1"}, {2, "0.1"}, {3, "0.01"}, {4, "0.01"}})
        typeInto(hen(k), v);
    EXPECT_EQ(results(), (QStringList{"0", "0", "0", "0", "0"}));
    const int beeps = run.counters.beeps;
    click(ctl("Commandtugi"));
    EXPECT_EQ(bikou(), "申し訳ありませんが、断面形状が小さいため対応できません。");
    EXPECT_EQ(run.counters.beeps, beeps);
    // A real one, then a refused entry: going on takes the last good results.
    for (auto [k, v] : {std::pair{1, "100"}, {2, "50"}, {3, "10"}, {4, "6"}})
        typeInto(hen(k), v);
    typeInto(hen(4), "100");
    EXPECT_EQ(bikou(), "肉厚が大きすぎます。");
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_TRUE(s().isLoaded());
}

TEST_F(SectionCalc, PrintBackEndAndCloseBox) {
    open("Image丸パイプ");
    EXPECT_FALSE(shown("Commandtugi")); // the section road ends here
    run.counters.copiesChosen = std::nullopt;
    click(ctl("CmdPrin"));
    EXPECT_EQ(run.counters.printDialogs, 1);
    EXPECT_TRUE(run.counters.printed.empty());
    run.counters.copiesChosen = 2;
    click(ctl("CmdPrin"));
    EXPECT_EQ(run.counters.printed,
              (std::vector<std::pair<QString, int>>{{QStringLiteral("Form入力断面他"), 2}}));
    // Back: the size screen as it was, the calculator unloaded, the program still running.
    click(ctl("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_FALSE(s().isLoaded());
    EXPECT_EQ(run.counters.ends, 0);
    // Opening again starts fresh.
    click(run.registry.screen<Form材サイズ選択>().control<QWidget>("CmdZIE"));
    EXPECT_EQ(hen(1)->text(), "");
    closeBox(&s().window());
    EXPECT_EQ(run.counters.ends, 1);
}

TEST_F(SectionCalc, TheEndButtonEndsTheProgram) {
    open("Image角ムク");
    click(ctl("Commandend"));
    EXPECT_EQ(run.counters.ends, 1);
}

} // namespace
