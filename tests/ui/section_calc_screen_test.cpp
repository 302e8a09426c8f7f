// What the user sees and does on the section calculator Form入力断面他: the keypad, the failed
// checks, the sketch, the material units, the way on to the beam, back and end.
#include "fakes.hpp"
#include "roads.hpp"

#include <QRadioButton>

#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/size_screen.hpp"
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
// not move it. Back and end.
TEST_F(SectionCalc, APipeTypedAndThroughTheKeypadThenBackAndEnd) {
    open("Image丸パイプ");
    EXPECT_EQ(text("TxtHiju"), "7.85");
    EXPECT_EQ(hen(1)->palette().color(QPalette::Base), kYellow);
    typeInto(hen(1), "60.5");
    EXPECT_EQ(results(), (QStringList{"", "", "", "", ""})); // t still empty: silent
    press("3.2");
    click(hen(2));
    EXPECT_EQ(hen(2)->text(), "3.2");
    EXPECT_EQ(hen(2)->palette().color(QPalette::Base), kYellow);
    EXPECT_NE(hen(1)->palette().color(QPalette::Base), kYellow);
    // A = π/4 (60.5² − 54.1²) = 576.04 mm²; 5.7604 × 7.85 / 10 = 4.52 kg/m;
    // I = π/64 (60.5⁴ − 54.1⁴) = 23.72 cm⁴; Z = I / 30.25 mm = 7.84 cm³; √(I/A) = 2.03 cm.
    EXPECT_EQ(results(), (QStringList{"5.76", "4.52", "7.84", "23.72", "2.03"}));
    EXPECT_EQ(run.counters.beeps, 0);
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
    // Back: the size screen, the calculator unloaded; opening again starts fresh. "おわり" ends.
    EXPECT_FALSE(shown("Commandtugi")); // the section road ends here
    click(ctl("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(run.registry.screen<Form材サイズ選択>().mousePointer(), app::MousePointer::Default);
    EXPECT_FALSE(s().isLoaded());
    click(run.registry.screen<Form材サイズ選択>().control<QWidget>("CmdZIE"));
    EXPECT_EQ(hen(1)->text(), "");
    click(ctl("Commandend"));
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

// SS400 in N/mm2, or in the old kg/cm2 (924 = 90.5 / 9.8 * 100), the results unchanged.
TEST_F(SectionCalc, MaterialUnitsSwitchAlone) {
    open("Image角ムク");
    typeInto(hen(1), "10");
    const QStringList before = results();
    const auto material = [&] {
        return QStringList{caption("Labelkmage"), caption("Labelyang"),
                           shown("Textyang") ? text("Textyang") : text("TextyangOld"),
                           shown("Textksendan") ? text("Textksendan") : text("TextksendanOld")};
    };
    EXPECT_TRUE(ctl<QRadioButton>("Opt2SI")->isChecked());
    EXPECT_EQ(material(),
              (QStringList{"許容曲げ (N/mm2)", "ヤング係数 (N/mm2)", "205000", "90.5"}));
    click(ctl("Opt2old"));
    EXPECT_EQ(material(),
              (QStringList{"許容曲げ [kg/cm2]", "ヤング係数 [kg/cm2]", "2100000", "924"}));
    EXPECT_EQ(results(), before);
    click(ctl("Opt2SI"));
    EXPECT_EQ(material()[1], "ヤング係数 (N/mm2)");
}

TEST_F(SectionCalc, GoingOnOnTheBeamRoad) {
    open("ImageT縦", BeamCase{"Image片持1", "Image片持集中"});
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
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    // A real one, then a refused entry: going on takes the last good results.
    for (auto [k, v] : {std::pair{1, "100"}, {2, "50"}, {3, "10"}, {4, "10"}})
        typeInto(hen(k), v);
    const QStringList good = results();
    hen(4)->setText("100");
    EXPECT_EQ(bikou(), "肉厚が大きすぎます。");
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(need<QLineEdit>(run.registry.screen<Form入力計算>(), "Textdi")->text(), good[3]);
}

} // namespace
