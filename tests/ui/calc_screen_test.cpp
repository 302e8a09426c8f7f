// What the user sees and does on Form入力計算, reached along the beam road with a size table the
// test writes itself. Every expected figure is worked out by hand in the comments.
#include "fakes.hpp"
#include "pdf_reading.hpp"

#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <fstream>

#include "app/services.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/gauge_canvas.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

// Two steel pipes of 10 cm2 (7.85 kg/m): Z 10 cm3 / I 50 cm4, and Z 20 cm3 / I 100 cm4.
// Columns: code, size, mass, area, I, Z, radius of gyration.
const char* kSteel = "1,\"P-A\",7.85,10,50,10,2.24\r\n"
                     "1,\"P-B\",7.85,10,100,20,3.16\r\n";

// SS400 (the first material): allowable bending 157 N/mm2, E = 205 000 N/mm2.
// Cantilever, L = 2000 mm, Z = 10 cm3, I = 50 cm4 = 500 000 mm4, 7.85 kg/m:
//   self weight 2000 mm * 7.85 kg/m * 9.8 / 1000 = 153.86 N -> "153.9";
//   its moment 153.9 * 2 m / 2 = 153.9 N·m -> "154"; its stress 153.9 / 10 = 15.39 -> "15.4";
//   its deflection 153.86 * 2000^3 / (8 * 205000 * 500000) = 1.501 mm.
// Point load P at the end: M = P * 2 m, stress = M / 10.

class CalcScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        std::ofstream(folder.filePath("vbSStype.csv").toStdString(), std::ios::binary) << kSteel;
        run.registry.setDataFolders({folder.path().toStdString()});
    }
    // Opening screen, structure, load case, SS400 and the pipe, then the size screen.
    void toSizes(const char* structure, const char* loadCase) {
        run.registry.screen<FormOpen>().show();
        click(run.registry.screen<FormOpen>().control<QWidget>("ImageHari"));
        doubleClick(
            run.registry.screen<Form梁形式1>().control<QWidget>(QString::fromUtf8(structure)));
        Form梁形式1& types = run.registry.screen<Form梁形式1>();
        LoadCaseScreen* cases = loadCaseScreen(run.registry, types.hari);
        ASSERT_NE(cases, nullptr);
        doubleClick(cases->control<QWidget>(QString::fromUtf8(loadCase)));
        Form断面選択& material = run.registry.screen<Form断面選択>();
        material.control<QListWidget>("Listzaisitu")->setCurrentRow(0);
        click(material.control<QWidget>(QString::fromUtf8("Image丸パイプ")));
        click(material.control<QWidget>("Commandtugi"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    }
    void forward(int sizeRow = 0) {
        Form材サイズ選択& sizes = run.registry.screen<Form材サイズ選択>();
        sizes.control<QListWidget>("ListDanmenSize")->setCurrentRow(sizeRow);
        click(sizes.control<QWidget>("Commandtugi"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    }
    void road(const char* structure = "Image片持1", const char* loadCase = "Image片持集中") {
        toSizes(structure, loadCase);
        forward();
    }
    Form入力計算& s() { return run.registry.screen<Form入力計算>(); }
    template <class T = QWidget> T* ctl(const char* name) {
        return s().control<T>(QString::fromUtf8(name));
    }
    QString text(const char* name) { return ctl<QLineEdit>(name)->text(); }
    QString caption(const char* name) {
        if (auto* l = ctl<Label>(name)) return l->caption();
        return ctl<QPushButton>(name)->text();
    }
    bool shown(const char* name) { return ctl(name)->isVisible(); }
    void type(const char* field, const char* typed) {
        typeInto(ctl<QLineEdit>(field), QString::fromUtf8(typed));
    }
    QStringList texts(std::initializer_list<const char*> names) {
        QStringList l;
        for (const char* n : names)
            l << text(n);
        return l;
    }
    QStringList si() {
        return texts({"Textkaju", "Textkajumo", "Textkajumage", "Textjiju", "Textjmo", "Textjmage",
                      "Textkajut", "Textmot", "Textmaget"});
    }
    QStringList old() {
        return texts({"TextkajuOld", "TextkajumoOld", "TextkajumageOld", "TextjijuOld",
                      "TextjmoOld", "TextjmageOld", "TextkajutOld", "TextmotOld", "TextmagetOld"});
    }
    QStringList deflections() { return texts({"Textkajutawami", "Textjtawami", "Texttawamit"}); }
    QRect at(const char* name) { return app::twips(ctl(name)); }

    QTemporaryDir folder;
    ProgramRun run;
};

TEST_F(CalcScreen, SetUpTakesOverTheSectionAndShowsTheCase) {
    road();
    EXPECT_EQ(s().window().windowTitle(), "入力-計算");
    EXPECT_EQ(caption("Labelzaisitu"), "鋼材－SS400");
    EXPECT_EQ(caption("Labeldsize"), "P-A");
    // Z, I and i reformatted with two decimals, area and mass as the size screen shows them.
    EXPECT_EQ(texts({"Text面積", "Textjuryou", "Textdz", "Textdi", "TxtD2r", "TxtHiju"}),
              (QStringList{"10", "7.85", "10.00", "50.00", "2.24", "7.85"}));
    EXPECT_EQ(texts({"Textkmage", "Textyang"}), (QStringList{"157", "205000"}));
    EXPECT_EQ(texts({"TextkmageOld", "TextyangOld"}), (QStringList{"1600", "2100000"}));
    EXPECT_TRUE(shown("Image丸パイプ"));
    EXPECT_FALSE(shown("ImageH縦"));
    EXPECT_TRUE(shown("Img入力片集"));
    EXPECT_TRUE(shown("Img入力片集M"));
    EXPECT_FALSE(shown("Img入力片分"));
    // Point load: the load and length fields only, moved by HenLayout2.
    EXPECT_EQ(caption("LabelHEN1M"), "荷重を入力( N )");
    EXPECT_EQ(caption("LabelHEN2M"), "長さ入力(mm)");
    EXPECT_EQ(at("LabelHEN1M").top(), 420);
    EXPECT_EQ(at("TextHEN1").top(), 660);
    EXPECT_EQ(at("LabelHEN2M").top(), 2100);
    EXPECT_EQ(at("TextHEN2").top(), 2280);
    for (const char* hidden :
         {"TextHEN3", "LabelHEN3M", "TextHEN4", "LabelHEN4M", "CmdP", "Cmdw", "Shp1", "Shp2",
          "Label100", "Label丸", "ImgiNpM", "Cmdchokuzensuti", "CmdSaikeisan", "Labelinphantei"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_EQ(si(), (QStringList{"0.0", "0", "0.0", "0.0", "0", "0.0", "0.0", "0", "0.0"}));
    EXPECT_EQ(ctl<QLineEdit>("TextHEN1")->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(caption("Readout"), "0.");
    EXPECT_TRUE(ctl<QRadioButton>("Opt1N")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("Opt2SI")->isChecked());
}

// P = 1000 N: M = 2000 N·m, stress 200.0; with the self weight 2154 N·m and 215.4 N/mm2.
// Deflection 1000 * 2000^3 / (3 * 205000 * 500000) = 26.016 mm, total 27.517 -> 1/73.
TEST_F(CalcScreen, CantileverPointLoadInSiAndOldUnits) {
    road();
    type("TextHEN1", "1000");
    type("TextHEN2", "2000");
    EXPECT_EQ(si(), (QStringList{"1000", "2000", "200.0", "153.9", "154", "15.4", "1153.9", "2154",
                                 "215.4"}));
    EXPECT_EQ(deflections(), (QStringList{"26.0", "1.5", "27.5"}));
    EXPECT_EQ(caption("Labelmagehikaku"), "137.2 %"); // 215.4 / 157
    EXPECT_EQ(caption("Labeltawamihikaku"), "1/73");
    EXPECT_TRUE(shown("ImgiNpM"));
    EXPECT_EQ(caption("Label式"), "M=-P*L δ=P*L^3/(3EI)");
    EXPECT_DOUBLE_EQ(s().Mo, 2000);
    EXPECT_EQ(s().Maxketasita, 1);

    // Old units from the SI texts: 1000 / 9.8 = 102.04 kg; 2000 / 9.8 * 100 = 20408 kg·cm;
    // 200 / 9.8 * 100 = 2040.8 kg/cm2; 154 -> 1571; 15.4 -> 157.1; 2154 -> 21980; 215.4 -> 2198.0.
    EXPECT_EQ(old(), (QStringList{"102.0", "20408", "2040.8", "15.7", "1571", "157.1", "117.7",
                                  "21980", "2198.0"}));
    EXPECT_TRUE(shown("Textkajumo"));
    EXPECT_FALSE(shown("TextkajumoOld"));
    EXPECT_EQ(caption("Labelkaju"), "荷重(N)");

    click(ctl("Opt2old"));
    EXPECT_EQ(s().FlgHyoujitani, 1);
    EXPECT_EQ(caption("Labelhyouji"), "　旧-表示");
    EXPECT_EQ(caption("Labelkajumage"), "最大曲げ応力[kg/cm2]");
    EXPECT_EQ(caption("Labeljmage"), "最大曲げ応力 [kg/cm2]");
    EXPECT_EQ(caption("Labelkmage"), "許容曲げ [kg/cm2]");
    EXPECT_FALSE(shown("Textkajumo"));
    EXPECT_TRUE(shown("TextkajumoOld"));
    EXPECT_TRUE(shown("TextkmageOld"));
    EXPECT_FALSE(shown("Textkmage"));
    EXPECT_TRUE(shown("Textkajutawami")); // deflections have no twin

    click(ctl("Opt2SI"));
    EXPECT_EQ(caption("Labelhyouji"), "　SI-表示");
    EXPECT_EQ(caption("Labelkaju"), "荷重 (N)");
    EXPECT_TRUE(shown("Textkajumo"));
    EXPECT_FALSE(shown("TextkajumoOld"));
    EXPECT_EQ(si()[1], "2000"); // switching the display changes no value
}

struct UnitCase {
    const char* option;
    const char* typed;
    const char* caption;
    const char* kaju;   // the load in N
    const char* kajumo; // N·m at 2000 mm
};

TEST_F(CalcScreen, TheLoadUnitReinterpretsTheTypedNumber) {
    road();
    type("TextHEN2", "2000");
    const UnitCase cases[] = {
        {"Opt1kN", "1", "荷重を入力( kN )", "1000", "2000"},
        {"Opt1kg", "100", "荷重を入力( kg )", "980", "1960"}, // 100 kg * 9.8
        {"Opt1N", "7", "荷重を入力( N )", "7", "14"},
        {"Opt1kN", "0.5", "荷重を入力( kN )", "500", "1000"},
    };
    for (const UnitCase& c : cases) {
        click(ctl(c.option));
        type("TextHEN1", c.typed);
        EXPECT_EQ(caption("LabelHEN1M"), QString::fromUtf8(c.caption)) << c.option;
        EXPECT_EQ(text("Textkaju"), c.kaju) << c.option << " " << c.typed;
        EXPECT_EQ(text("Textkajumo"), c.kajumo) << c.option << " " << c.typed;
    }
    // 0.5 typed: as kg it is 4.9 N, 9.8 N·m -> "10".
    click(ctl("Opt1kg"));
    EXPECT_EQ(text("Textkaju"), "4.9");
    EXPECT_EQ(text("Textkajumo"), "10");
    EXPECT_EQ(s().MaeFlgKajutani, 3);
}

struct VerdictCase {
    const char* load;
    const char* maget;
    const char* verdict;
    const char* symbol;
    int bar;         // ShapeHan1 width: 4280 / (2 * 157) * stress
    int orange, red; // widths of ShapeHan2 / ShapeHan3, 0 when hidden
};

// The gauge spans Labelzaisitu's left + 200 = 1880 to Labelmagehikaku's left - 200 = 6160,
// W = 4280 for 200 %; 100 % at 4020, 150 % at 5090.
TEST_F(CalcScreen, VerdictAndGaugeFollowTheTotalStress) {
    road();
    type("TextHEN2", "2000");
    const VerdictCase cases[] = {
        // 100 + 15.4 = 115.4: 73.5 %, bar 13.6306 * 115.4 = 1573
        {"500", "115.4", "曲げ応力 長期 OK", "○", 1573, 0, 0},
        // 200 + 15.4 = 215.4: bar 2936, orange from 4020 for 796
        {"1000", "215.4", "曲げ応力 短期 OK", "△", 2936, 796, 0},
        // 300 + 15.4 = 315.4 is beyond 200 %: the bar stops at the end of the frame.
        {"1500", "315.4", "曲げ応力 短期 NG", "×", 4280, 2140, 1070},
    };
    for (const VerdictCase& c : cases) {
        type("TextHEN1", c.load);
        EXPECT_EQ(text("Textmaget"), c.maget);
        EXPECT_EQ(caption("Label判定"), QString::fromUtf8(c.verdict)) << c.load;
        EXPECT_EQ(caption("Label丸"), QString::fromUtf8(c.symbol)) << c.load;
        EXPECT_TRUE(shown("Label丸"));
        EXPECT_TRUE(shown("Label100"));
        EXPECT_TRUE(shown("Shape判定"));
        EXPECT_EQ(at("ShapeHan4"), QRect(1880, 5840, 4280, 300));
        EXPECT_EQ(at("ShapeHan1"), QRect(1880, 5840, c.bar, 300)) << c.load;
        EXPECT_EQ(shown("ShapeHan2"), c.orange > 0) << c.load;
        if (c.orange) {
            EXPECT_EQ(at("ShapeHan2"), QRect(4020, 5840, c.orange, 300));
        }
        EXPECT_EQ(shown("ShapeHan3"), c.red > 0) << c.load;
        if (c.red) {
            EXPECT_EQ(at("ShapeHan3"), QRect(5090, 5840, c.red, 300));
        }
        EXPECT_TRUE(shown("LineH1"));
        EXPECT_EQ(at("LineH1").center().x(), 4020);
        EXPECT_EQ(at("LineH2").center().x(), 5090);
        // The background keeps the strips and the three outlines for a repaint.
        const auto& drawn = ctl<GaugeCanvas>("GaugeCanvas")->drawn();
        ASSERT_GE(drawn.size(), 4u);
        EXPECT_EQ(drawn.front().colour, beam::kTeal);
        EXPECT_FALSE(drawn.back().filled);
        EXPECT_EQ(drawn.back().rect.width, 4280);
    }
    const GaugeBox* red = ctl<GaugeBox>("ShapeHan3");
    EXPECT_EQ(red->fillColor(), QColor(255, 0, 0));
    EXPECT_EQ(ctl<GaugeBox>("ShapeHan2")->fillColor(), QColor(255, 128, 0));
    EXPECT_EQ(ctl<GaugeBox>("ShapeHan1")->fillColor(), QColor(0, 128, 128));
}

// What the window shows, not what the controls hold: a keystroke repaints only the gauge's part
// of the window, and that part must not keep the colours of the verdict before.
TEST_F(CalcScreen, TheWindowRepaintsTheGaugeAtEachVerdict) {
    road();
    type("TextHEN2", "2000");
    QWidget& w = s().window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const auto pixelAt = [&](int xTwips) {
        QApplication::processEvents();
        const QImage shown = w.windowHandle()->screen()->grabWindow(w.winId()).toImage();
        // The middle of the gauge's height, 5840 + 150 twips, at 15 twips a pixel.
        return shown.pixelColor(app::toPixels(xTwips) * shown.width() / w.width(),
                                app::toPixels(5990) * shown.height() / w.height());
    };
    const QColor teal(0, 128, 128), orange(255, 128, 0), red(255, 0, 0);
    // 1500 N: 315.4 N/mm2, beyond 200 %: teal to 100 %, orange to 150 %, red to the end.
    type("TextHEN1", "1500");
    EXPECT_EQ(pixelAt(3000), teal);
    EXPECT_EQ(pixelAt(4500), orange);
    EXPECT_EQ(pixelAt(5600), red);
    // 500 N: 115.4 N/mm2, 73.5 %, a teal bar to 1880 + 1573 = 3453 and nothing after it.
    type("TextHEN1", "500");
    EXPECT_EQ(pixelAt(3000), teal);
    for (int x : {3700, 4500, 5600}) {
        const QColor c = pixelAt(x);
        EXPECT_NE(c, teal) << x;
        EXPECT_NE(c, orange) << x;
        EXPECT_NE(c, red) << x;
    }
}

// Keys 1 0 0 0 and a click on the load field hand "1000." over; the same for the length.
TEST_F(CalcScreen, TheKeypadFillsTheFields) {
    road();
    const auto press = [&](const char* keys) {
        for (const char* k = keys; *k; ++k)
            click(ctl(QString("Number%1").arg(*k).toUtf8().constData()));
    };
    press("1000");
    EXPECT_EQ(caption("Readout"), "1000.");
    click(ctl("TextHEN1"));
    EXPECT_EQ(text("TextHEN1"), "1000.");
    press("2000");
    click(ctl("TextHEN2"));
    EXPECT_EQ(text("TextHEN2"), "2000.");
    EXPECT_EQ(ctl<QLineEdit>("TextHEN2")->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_NE(ctl<QLineEdit>("TextHEN1")->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(text("Textkajumo"), "2000");
    EXPECT_EQ(caption("Readout"), "0.");
    // "←入力" writes into the marked field: 3 m gives 3000 N·m.
    press("3000");
    click(ctl("Command入力"));
    EXPECT_EQ(text("TextHEN2"), "3000.");
    EXPECT_EQ(text("Textkajumo"), "3000");
    EXPECT_DOUBLE_EQ(s().LA, 3000);
}

// Uniform load on the cantilever, L = 2000 mm: 1000 N in all gives M = 1000 * 2 m / 2 =
// 1000 N·m; 1000 N/m gives 2000 N in all and M = 1 N/mm * 2000^2 / 2 = 2000 N·m.
TEST_F(CalcScreen, TotalOrPerMetreLoadOnTheWholeLength) {
    road("Image片持1", "Image片持分布");
    EXPECT_TRUE(shown("Img入力片分"));
    for (const char* b : {"CmdP", "Cmdw", "Shp1", "Shp2"})
        EXPECT_TRUE(shown(b)) << b;
    EXPECT_EQ(caption("LabelHEN1M"), "全体荷重を入力( N )");
    type("TextHEN1", "1000");
    type("TextHEN2", "2000");
    EXPECT_EQ(text("Textkajumo"), "1000");
    const int shp1 = at("Shp1").top(), shp2 = at("Shp2").top();
    EXPECT_EQ(shp1, 240 - 80);
    EXPECT_EQ(shp2, 240 + 60);

    click(ctl("Cmdw"));
    EXPECT_EQ(caption("LabelHEN1M"), "分布荷重を入力(N/m)");
    EXPECT_EQ(text("Textkajumo"), "2000");
    EXPECT_EQ(text("Textkaju"), "2000");
    EXPECT_EQ(at("Shp1").top(), shp1 + 480);
    EXPECT_EQ(at("Shp2").top(), shp2 + 480);
    click(ctl("Opt1kN"));
    EXPECT_EQ(caption("CmdP"), "全体荷重(kN)");
    EXPECT_EQ(caption("Cmdw"), "分布荷重(kN/m)");
    EXPECT_EQ(caption("LabelHEN1M"), "分布荷重を入力(kN/m)");
    EXPECT_EQ(text("Textkajumo"), "2000000");

    click(ctl("CmdP"));
    EXPECT_EQ(caption("LabelHEN1M"), "全体荷重を入力( kN )");
    EXPECT_EQ(at("Shp1").top(), shp1);
    EXPECT_EQ(text("Textkajumo"), "1000000");
}

// Simply supported, P = 1000 N at L1 = 500 mm of L = 2000 mm: M = P * L1 * L2 / L =
// 1000 * 500 * 1500 / 2000 = 375 000 N·mm = 375 N·m, stress 37.5 N/mm2.
TEST_F(CalcScreen, TwoSupportPointLoadAtL1) {
    road("Image両端支持", "Image両端支持任意");
    EXPECT_TRUE(shown("Img入力単純集L1"));
    EXPECT_TRUE(shown("TextHEN3"));
    EXPECT_EQ(caption("LabelHEN3M"), "Ｌ１(mm)を入力");
    EXPECT_EQ(caption("LabelHEN1M"), "荷重を入力( N )");
    EXPECT_FALSE(shown("CmdP"));
    // HenLayout3: load 220 / 460, L1 1100 / 1340, length 2350 / 2530.
    EXPECT_EQ(at("TextHEN1").top(), 460);
    EXPECT_EQ(at("TextHEN3").top(), 1340);
    EXPECT_EQ(at("TextHEN2").top(), 2530);
    type("TextHEN1", "1000");
    type("TextHEN2", "2000");
    type("TextHEN3", "500");
    EXPECT_EQ(text("Textkajumo"), "375");
    EXPECT_EQ(text("Textkajumage"), "37.5");
    EXPECT_TRUE(shown("Label丸"));

    // L1 beyond the span, pasted at once (typed key by key, "250" would be computed first):
    // the message, the verdict removed, the results kept.
    ctl<QLineEdit>("TextHEN3")->setText("2500");
    EXPECT_TRUE(shown("Labelinphantei"));
    EXPECT_EQ(caption("Labelinphantei"), " L1 が大きすぎます。");
    EXPECT_FALSE(shown("Label丸"));
    EXPECT_FALSE(shown("ShapeHan1"));
    EXPECT_FALSE(shown("LineH1"));
    EXPECT_EQ(caption("Label判定"), "");
    EXPECT_EQ(text("Textkajumo"), "375");
    type("TextHEN3", "500");
    EXPECT_FALSE(shown("Labelinphantei"));
    EXPECT_TRUE(shown("ShapeHan1"));
}

// Trying another section modulus: the edit alone changes no result, "再計算" appears, and its
// click recalculates with the value typed and goes away.
TEST_F(CalcScreen, AnEditedSectionValueWaitsForRecalculation) {
    road();
    type("TextHEN2", "2000");
    type("TextHEN1", "500");
    EXPECT_FALSE(shown("CmdSaikeisan"));
    EXPECT_EQ(text("Textmaget"), "115.4");
    type("Textdz", "20");
    EXPECT_EQ(text("Textkajumage"), "100.0");
    EXPECT_EQ(text("Textmaget"), "115.4");
    ASSERT_TRUE(shown("CmdSaikeisan"));
    EXPECT_EQ(ctl<QPushButton>("CmdSaikeisan")->text(), QString::fromUtf8("再計算"));
    click(ctl("CmdSaikeisan"));
    // 1000 N·m over 20 cm3 = 50.0 N/mm2; the self weight's 153.9 N·m gives 7.7; together 57.7.
    EXPECT_EQ(text("Textkajumage"), "50.0");
    EXPECT_EQ(text("Textjmage"), "7.7");
    EXPECT_EQ(text("Textmaget"), "57.7");
    EXPECT_FALSE(shown("CmdSaikeisan"));
    // A load typed after the edit recalculates with it too: 600 N gives 1200 / 20 = 60.0.
    type("Textyang", "102500"); // half the modulus: the load's deflection doubles
    ASSERT_TRUE(shown("CmdSaikeisan"));
    type("TextHEN1", "600");
    EXPECT_EQ(text("Textkajumage"), "60.0");
    EXPECT_FALSE(shown("CmdSaikeisan"));
    // 600 * 2000^3 / (3 * 102500 * 500000) = 31.22 mm.
    EXPECT_EQ(text("Textkajutawami").toDouble(), 31.2);
}

TEST_F(CalcScreen, ClearEmptiesInputsAndShowsZeros) {
    road();
    type("TextHEN1", "1000");
    type("TextHEN2", "2000");
    click(ctl("Number5"));
    click(ctl("CmdHensuKaijo"));
    EXPECT_EQ(texts({"TextHEN1", "TextHEN2", "TextHEN3", "TextHEN4"}),
              (QStringList{"", "", "", ""}));
    EXPECT_EQ(caption("Readout"), "");
    EXPECT_EQ(si(), (QStringList{"0.0", "0", "0.0", "0.0", "0", "0.0", "0.0", "0", "0.0"}));
    EXPECT_EQ(old(), (QStringList{"0.0", "0", "0.0", "0.0", "0", "0.0", "0.0", "0", "0.0"}));
    EXPECT_EQ(deflections(), (QStringList{"", "", ""}));
    EXPECT_EQ(caption("Labelmagehikaku"), "");
    EXPECT_FALSE(shown("Label丸"));
    EXPECT_FALSE(shown("ShapeHan1"));
    EXPECT_EQ(s().MaeTextHEN1, "");
    EXPECT_DOUBLE_EQ(s().WN, 0);
}

// Back to the size screen and forward with the stiffer pipe (Z 20): the input comes back in
// kN and the old display, recalculated: 1 kN * 2 m = 2000 N·m, 100.0 N/mm2 -> 1020.4 kg/cm2.
TEST_F(CalcScreen, PreviousInputComesBackAfterGoingBackAndForth) {
    road();
    click(ctl("Opt1kN"));
    type("TextHEN1", "1");
    type("TextHEN2", "2000");
    click(ctl("Opt2old"));
    click(ctl("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_FALSE(s().isLoaded());
    EXPECT_EQ(run.counters.ends, 0);
    EXPECT_EQ(run.registry.screen<Form材サイズ選択>().mousePointer(), app::MousePointer::Default);

    forward(1);
    EXPECT_EQ(texts({"TextHEN1", "TextHEN2"}), (QStringList{"1", "2000"}));
    EXPECT_TRUE(ctl<QRadioButton>("Opt1kN")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("Opt2old")->isChecked());
    EXPECT_EQ(caption("LabelHEN1M"), "荷重を入力( kN )");
    EXPECT_EQ(text("Textdz"), "20.00");
    EXPECT_EQ(text("Textkajumage"), "100.0");
    EXPECT_EQ(text("TextkajumageOld"), "1020.4");
    EXPECT_TRUE(shown("TextkajumageOld"));

    // "最初から" and the road again: everything starts empty.
    click(ctl("CmdTop"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_EQ(run.counters.ends, 0);
    road();
    EXPECT_EQ(texts({"TextHEN1", "TextHEN2"}), (QStringList{"", ""}));
    EXPECT_TRUE(ctl<QRadioButton>("Opt1N")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("Opt2SI")->isChecked());
    EXPECT_EQ(text("Textkajumo"), "0");
    EXPECT_FALSE(shown("Label丸"));
}

TEST_F(CalcScreen, PrintingGoesThroughThePrinterDialog) {
    road();
    run.counters.copiesChosen = std::nullopt; // cancel
    click(ctl("CmdPrin"));
    EXPECT_EQ(run.counters.printDialogs, 1);
    EXPECT_TRUE(run.counters.printed.empty());
    run.counters.copiesChosen = 2;
    click(ctl("CmdPrin"));
    ASSERT_EQ(run.counters.printed.size(), 1u);
    EXPECT_EQ(run.counters.printed[0], (std::pair<QString, int>{"Form入力計算", 2}));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
}

// The real printer, set to write a PDF file as the dialog's print-to-file does: two copies give
// two pages, each carrying the image of the screen with its results.
TEST_F(CalcScreen, PrintingToAPdfFileShowsTheScreenOnEachPage) {
    road();
    type("TextHEN1", "1000");
    type("TextHEN2", "2000");
    const QString file = folder.filePath("calc.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    app::printWindowImage(printer, &s().window(), 2);

    const PdfFile pdf = readPdf(file);
    EXPECT_EQ(pdf.pages, 2);
    ASSERT_EQ(pdf.images.size(), 1u); // one image, drawn on both pages
    const QImage screen = s().window().grab().toImage();
    EXPECT_EQ(pdf.images[0].size(), screen.size());
    EXPECT_LT(meanDifference(pdf.images[0], screen), 2.0);
}

TEST_F(CalcScreen, EndAndCloseBoxEndTheProgram) {
    road();
    click(ctl("Commandend"));
    EXPECT_EQ(run.counters.ends, 1);
    ProgramRun second;
    second.registry.setDataFolders({folder.path().toStdString()});
    Form入力計算& calc = second.registry.screen<Form入力計算>();
    calc.show();
    closeBox(&calc.window());
    EXPECT_EQ(second.counters.ends, 1);
}

} // namespace
