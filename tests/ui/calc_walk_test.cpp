// The beam road walked fifteen times, once for each structure and load case, from FormOpen to
// the results and back to FormOpen by "最初から", as a user does it: pictures double-clicked,
// the load typed, the span entered on the keypad, L1 typed.
//
// Every walk uses the same beam: SS400 (allowable 157 N/mm², E = 205 000 N/mm²), a pipe of
// Z = 10 cm³, I = 50 cm⁴ and 7.85 kg/m, span L = 2000 mm, P = 1000 N (or 1000 N in all for a
// uniform load), L1 = 500 mm, L2 = 1500 mm; E·I = 1.025e11 N·mm².
//
// Self weight: 2000 mm × 7.85 kg/m × 9.8 / 1000 = 153.86 N, shown "153.9"; its moment is that
// of a uniform load of 153.9 N (w·L²/2, /8, /12 and /8 for the propped beam; none on the
// vertical cantilever), its deflection from 153.86 N: cantilever W·L³/(8EI) = 1.501 mm, simple
// 5W·L³/(384EI) = 0.156 mm, fixed W·L³/(384EI) = 0.031 mm, propped W·L³/(185EI) = 0.065 mm.
//
// Load moments and deflections from the textbook cases (M in N·m, stress = M / 10 N/mm²):
//   cantilever   P·L = 2000, P·L³/(3EI) = 26.016;  W·L/2 = 1000, W·L³/(8EI) = 9.756;
//                w = 2 N/mm on the outer L1: w·L1·(L − L1/2) = 1750,
//                w/(24EI)·(3L⁴ − 4·L2³·L + L2⁴) = 21.189
//   simple       P·L/4 = 500, P·L³/(48EI) = 1.626;  P·L1·L2/L = 375, P·L1²·L2²/(3EI·L) = 0.915;
//                W·L/8 = 250, 5W·L³/(384EI) = 1.016
//   fixed        P·L/8 = 250, P·L³/(192EI) = 0.407;  end moment P·L1·L2²/L² = 281.25 (under
//                the load 2P·L1²·L2²/L³ = 140.6), P·L1³·L2³/(3EI·L³) = 0.171;
//                W·L/12 = 166.7, W·L³/(384EI) = 0.203
//   propped      3P·L/16 = 375, 7P·L³/(768EI) = 0.711;  pin reaction P·L2²·(L1 + 2L)/(2L³) =
//                632.8 N, under the load 632.8 × 0.5 m = 316.4 (fixed end 234.4),
//                P·L1²·L2³·(3L + L1)/(12EI·L³) = 0.557;  W·L/8 = 250, W·L³/(185EI) = 0.422
// The ratios are those of the shown total stress to 157, the deflection ratio L / total.
#include "fakes.hpp"

#include <QListWidget>
#include <QTemporaryDir>
#include <fstream>

#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

struct Walk {
    const char* structure; // picture on Form梁形式1
    const char* loadCase;  // picture on the structure's load-case screen
    const char* picture;   // the load picture on Form入力計算 (its moment picture adds "M")
    const char* loadCaption;
    bool withL1;
    // kajumo, kajumage, jmo, jmage, mot, maget
    const char* moments[6];
    const char* deflections[3]; // load, self weight, total
    const char* stressRatio;
    const char* deflectionRatio;
    const char* symbol;
};

const Walk kWalks[] = {
    {"Image片持1", "Image片持集中", "Img入力片集", "荷重を入力( N )", false,
     {"2000", "200.0", "154", "15.4", "2154", "215.4"}, {"26.0", "1.5", "27.5"}, "137.2 %",
     "1/73", "△"},
    {"Image片持1", "Image片持分布", "Img入力片分", "全体荷重を入力( N )", false,
     {"1000", "100.0", "154", "15.4", "1154", "115.4"}, {"9.8", "1.5", "11.3"}, "73.5 %",
     "1/178", "○"},
    {"Image片持1", "Image片持分先", "Img入力片分先", "全体荷重を入力( N )", true,
     {"1750", "175.0", "154", "15.4", "1904", "190.4"}, {"21.2", "1.5", "22.7"}, "121.3 %",
     "1/88", "△"},
    {"Img垂直", "Image垂直集中", "Img入力垂片集", "荷重を入力( N )", false,
     {"2000", "200.0", "0", "0.0", "2000", "200.0"}, {"26.0", "0.0", "26.0"}, "127.4 %", "1/77",
     "△"},
    {"Img垂直", "Image垂直分布", "Img入力垂片分", "全体荷重を入力( N )", false,
     {"1000", "100.0", "0", "0.0", "1000", "100.0"}, {"9.8", "0.0", "9.8"}, "63.7 %", "1/205",
     "○"},
    {"Img垂直", "Image垂直分先", "Img入力垂片分先", "全体荷重を入力( N )", true,
     {"1750", "175.0", "0", "0.0", "1750", "175.0"}, {"21.2", "0.0", "21.2"}, "111.5 %", "1/94",
     "△"},
    {"Image両端支持", "Image両端支持中央", "Img入力単純集", "荷重を入力( N )", false,
     {"500", "50.0", "38", "3.8", "538", "53.8"}, {"1.6", "0.2", "1.8"}, "34.3 %", "1/1122",
     "○"},
    {"Image両端支持", "Image両端支持任意", "Img入力単純集L1", "荷重を入力( N )", true,
     {"375", "37.5", "38", "3.8", "413", "41.3"}, {"0.9", "0.2", "1.1"}, "26.3 %", "1/1867",
     "○"},
    {"Image両端支持", "Image両端支持分布", "Img入力単純分", "全体荷重を入力( N )", false,
     {"250", "25.0", "38", "3.8", "288", "28.8"}, {"1.0", "0.2", "1.2"}, "18.3 %", "1/1706",
     "○"},
    // Deflections below 0.1 mm show two decimals, and so then do all three.
    {"Image両端固定", "Image両端固定中央", "Img入力両固集", "荷重を入力( N )", false,
     {"250", "25.0", "26", "2.6", "276", "27.6"}, {"0.41", "0.03", "0.44"}, "17.6 %", "1/4569",
     "○"},
    {"Image両端固定", "Image両端固定任意", "Img入力両固集L1", "荷重を入力( N )", true,
     {"281", "28.1", "26", "2.6", "307", "30.7"}, {"0.17", "0.03", "0.20"}, "19.6 %", "1/9864",
     "○"},
    {"Image両端固定", "Image両端固定分布", "Img入力両固分", "全体荷重を入力( N )", false,
     {"167", "16.7", "26", "2.6", "192", "19.2"}, {"0.20", "0.03", "0.23"}, "12.2 %", "1/8528",
     "○"},
    {"Imageピン固", "Imageピン固中央", "Img入力ピン固集", "荷重を入力( N )", false,
     {"375", "37.5", "38", "3.8", "413", "41.3"}, {"0.71", "0.06", "0.78"}, "26.3 %", "1/2576",
     "○"},
    {"Imageピン固", "Imageピン固任意", "Img入力ピン固集L1", "荷重を入力( N )", true,
     {"316", "31.6", "38", "3.8", "355", "35.5"}, {"0.56", "0.06", "0.62"}, "22.6 %", "1/3214",
     "○"},
    {"Imageピン固", "Imageピン固分布", "Img入力ピン固分", "全体荷重を入力( N )", false,
     {"250", "25.0", "38", "3.8", "288", "28.8"}, {"0.42", "0.06", "0.49"}, "18.3 %", "1/4108",
     "○"},
};

class CalcWalk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        std::ofstream(folder.filePath("vbSStype.csv").toStdString(), std::ios::binary)
            << "1,\"P-A\",7.85,10,50,10,2.24\r\n";
        run.registry.setDataFolders({folder.path().toStdString()});
        run.registry.screen<FormOpen>().show();
    }
    // From FormOpen to the calculation screen, choosing by double-clicks.
    void road(const Walk& w) {
        ASSERT_EQ(visibleWindows(), QStringList{"FormOpen"});
        click(run.registry.screen<FormOpen>().control<QWidget>("ImageHari"));
        doubleClick(run.registry.screen<Form梁形式1>().control<QWidget>(u(w.structure)));
        LoadCaseScreen* cases = loadCaseScreen(run.registry, run.registry.screen<Form梁形式1>().hari);
        ASSERT_NE(cases, nullptr);
        doubleClick(cases->control<QWidget>(u(w.loadCase)));
        Form断面選択& material = run.registry.screen<Form断面選択>();
        material.control<QListWidget>("Listzaisitu")->setCurrentRow(0);
        click(material.control<QWidget>(u("Image丸パイプ")));
        click(material.control<QWidget>("Commandtugi"));
        Form材サイズ選択& sizes = run.registry.screen<Form材サイズ選択>();
        QListWidget* list = sizes.control<QListWidget>("ListDanmenSize");
        doubleClickAt(list->viewport(), list->visualItemRect(list->item(0)).center());
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    }
    static QString u(const char* s) { return QString::fromUtf8(s); }
    template <class T = QWidget> T* ctl(const QString& name) {
        return run.registry.screen<Form入力計算>().control<T>(name);
    }
    QString text(const char* name) { return ctl<QLineEdit>(u(name))->text(); }
    QString caption(const char* name) { return ctl<Label>(u(name))->caption(); }
    void keys(const char* digits) {
        for (const char* k = digits; *k; ++k)
            click(ctl(QStringLiteral("Number%1").arg(*k)));
    }
    QStringList visibleCasePictures() {
        QStringList names;
        for (QWidget* p : run.registry.screen<Form入力計算>().window().findChildren<QWidget*>())
            if (p->objectName().startsWith(u("Img入力")) && p->isVisible()) names << p->objectName();
        names.sort();
        return names;
    }

    QTemporaryDir folder;
    ProgramRun run;
};

TEST_F(CalcWalk, EveryStructureAndLoadCaseFromTheFirstScreenToTheVerdict) {
    for (const Walk& w : kWalks) {
        SCOPED_TRACE(std::string(w.structure) + " " + w.loadCase);
        road(w);
        EXPECT_EQ(visibleCasePictures(), (QStringList{u(w.picture), u(w.picture) + "M"}));
        EXPECT_EQ(caption("LabelHEN1M"), u(w.loadCaption));
        EXPECT_EQ(ctl(u("TextHEN3"))->isVisible(), w.withL1);

        typeInto(ctl<QLineEdit>(u("TextHEN1")), "1000");
        keys("2000");
        click(ctl(u("TextHEN2")));
        if (w.withL1) {
            EXPECT_EQ(caption("LabelHEN3M"), u("Ｌ１(mm)を入力"));
            typeInto(ctl<QLineEdit>(u("TextHEN3")), "500");
        }
        EXPECT_EQ(text("TextHEN2"), "2000.");
        EXPECT_EQ(text("Textkaju"), "1000");
        EXPECT_EQ(text("Textjiju"), "153.9");
        EXPECT_EQ(text("Textkajut"), "1153.9");
        const char* const names[] = {"Textkajumo", "Textkajumage", "Textjmo",
                                     "Textjmage",  "Textmot",      "Textmaget"};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(text(names[i]), w.moments[i]) << names[i];
        EXPECT_EQ((QStringList{text("Textkajutawami"), text("Textjtawami"), text("Texttawamit")}),
                  (QStringList{w.deflections[0], w.deflections[1], w.deflections[2]}));
        EXPECT_EQ(caption("Labelmagehikaku"), w.stressRatio);
        EXPECT_EQ(caption("Labeltawamihikaku"), w.deflectionRatio);
        EXPECT_EQ(caption("Label丸"), u(w.symbol));
        EXPECT_TRUE(ctl(u("ShapeHan1"))->isVisible());
        // The bar: 4280 twips for 200 % of the allowable, the shown total stress of it.
        const double stress = text("Textmaget").toDouble();
        EXPECT_NEAR(app::twips(ctl(u("ShapeHan1"))).width(), 4280 * stress / 314, 1.0);
        EXPECT_FALSE(ctl(u("Labelinphantei"))->isVisible());

        click(ctl(u("CmdTop")));
        ASSERT_EQ(visibleWindows(), QStringList{"FormOpen"});
        EXPECT_EQ(run.counters.ends, 0);
    }
}

// After a restart nothing of the previous walk remains, even with previous input kept by a
// "前に戻る" before it.
TEST_F(CalcWalk, TheRoadAfterARestartStartsAfresh) {
    road(kWalks[0]);
    typeInto(ctl<QLineEdit>(u("TextHEN1")), "1000");
    typeInto(ctl<QLineEdit>(u("TextHEN2")), "2000");
    click(ctl(u("Opt1kN")));
    click(ctl(u("Commandmae")));
    click(run.registry.screen<Form材サイズ選択>().control<QWidget>("Commandtugi"));
    EXPECT_EQ(text("TextHEN1"), "1000");
    click(ctl(u("CmdTop")));

    road(kWalks[7]); // simple beam, P at L1
    EXPECT_EQ(text("TextHEN1"), "");
    EXPECT_EQ(text("TextHEN3"), "");
    EXPECT_EQ(caption("LabelHEN1M"), u("荷重を入力( N )"));
    EXPECT_EQ(text("Textkajumo"), "0");
    typeInto(ctl<QLineEdit>(u("TextHEN1")), "1000");
    typeInto(ctl<QLineEdit>(u("TextHEN2")), "2000");
    typeInto(ctl<QLineEdit>(u("TextHEN3")), "500");
    EXPECT_EQ(text("Textkajumo"), "375");
    EXPECT_EQ(text("Textmot"), "413");
}

} // namespace
