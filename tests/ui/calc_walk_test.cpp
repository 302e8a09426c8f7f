// The beam road for each of the fifteen structures and load cases, from FormOpen to the verdict
// and back by "最初から": pictures double-clicked, the load typed, the span entered on the keypad,
// L1 typed. SS400 (allowable 157 N/mm², E = 205 000 N/mm²), a pipe of Z = 10 cm³, I = 50 cm⁴,
// 7.85 kg/m; L = 2000, L1 = 500, L2 = 1500 mm; P = 1000 N, or 1000 N in all; E·I = 1.025e11
// N·mm². Self weight 2000 × 7.85 × 9.8 / 1000 = 153.86 N ("153.9"), a uniform load (none on the
// vertical cantilever), deflecting W·L³/(8EI) = 1.501, 5W·L³/(384EI) = 0.156, W·L³/(384EI) =
// 0.031 and W·L³/(185EI) = 0.065 mm. Load moments in N·m (stress = M / 10 N/mm²), deflections:
//   cantilever P·L = 2000, P·L³/(3EI) = 26.016; W·L/2 = 1000, W·L³/(8EI) = 9.756; w = 2 N/mm on
//     the outer L1: w·L1·(L − L1/2) = 1750, w/(24EI)·(3L⁴ − 4·L2³·L + L2⁴) = 21.189
//   simple P·L/4 = 500, P·L³/(48EI) = 1.626; P·L1·L2/L = 375, P·L1²·L2²/(3EI·L) = 0.915;
//     W·L/8 = 250, 5W·L³/(384EI) = 1.016
//   fixed P·L/8 = 250, P·L³/(192EI) = 0.407; P·L1·L2²/L² = 281.25, P·L1³·L2³/(3EI·L³) = 0.171;
//     W·L/12 = 166.7, W·L³/(384EI) = 0.203
//   propped 3P·L/16 = 375, 7P·L³/(768EI) = 0.711; pin reaction P·L2²·(L1 + 2L)/(2L³) = 632.8 N,
//     under the load 632.8 × 0.5 m = 316.4, P·L1²·L2³·(3L + L1)/(12EI·L³) = 0.557;
//     W·L/8 = 250, W·L³/(185EI) = 0.422
// The ratios: shown total stress / 157, and L / total deflection.
#include "roads.hpp"

#include <fstream>

#include "ui/calc_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

struct Walk {
    const char *structure, *loadCase; // pictures on Form梁形式1 and the load-case screen
    const char* picture; // the load picture on Form入力計算; its moment picture adds "M"
    const char* loadCaption;
    bool withL1;
    // kajumo, kajumage, jmo, jmage, mot, maget; deflections of load, self weight, total;
    // stress ratio, deflection ratio, verdict symbol
    const char* results;
};

const char* const kPoint = "荷重を入力( N )";
const char* const kTotal = "全体荷重を入力( N )";
// Deflections below 0.1 mm show two decimals, and so then do all three.
const Walk kWalks[] = {
    {"Image片持1", "Image片持集中", "Img入力片集", kPoint, false,
     "2000 200.0 154 15.4 2154 215.4 26.0 1.5 27.5 137.2 % 1/73 △"},
    {"Image片持1", "Image片持分布", "Img入力片分", kTotal, false,
     "1000 100.0 154 15.4 1154 115.4 9.8 1.5 11.3 73.5 % 1/178 ○"},
    {"Image片持1", "Image片持分先", "Img入力片分先", kTotal, true,
     "1750 175.0 154 15.4 1904 190.4 21.2 1.5 22.7 121.3 % 1/88 △"},
    {"Img垂直", "Image垂直集中", "Img入力垂片集", kPoint, false,
     "2000 200.0 0 0.0 2000 200.0 26.0 0.0 26.0 127.4 % 1/77 △"},
    {"Img垂直", "Image垂直分布", "Img入力垂片分", kTotal, false,
     "1000 100.0 0 0.0 1000 100.0 9.8 0.0 9.8 63.7 % 1/205 ○"},
    {"Img垂直", "Image垂直分先", "Img入力垂片分先", kTotal, true,
     "1750 175.0 0 0.0 1750 175.0 21.2 0.0 21.2 111.5 % 1/94 △"},
    {"Image両端支持", "Image両端支持中央", "Img入力単純集", kPoint, false,
     "500 50.0 38 3.8 538 53.8 1.6 0.2 1.8 34.3 % 1/1122 ○"},
    {"Image両端支持", "Image両端支持任意", "Img入力単純集L1", kPoint, true,
     "375 37.5 38 3.8 413 41.3 0.9 0.2 1.1 26.3 % 1/1867 ○"},
    {"Image両端支持", "Image両端支持分布", "Img入力単純分", kTotal, false,
     "250 25.0 38 3.8 288 28.8 1.0 0.2 1.2 18.3 % 1/1706 ○"},
    {"Image両端固定", "Image両端固定中央", "Img入力両固集", kPoint, false,
     "250 25.0 26 2.6 276 27.6 0.41 0.03 0.44 17.6 % 1/4569 ○"},
    {"Image両端固定", "Image両端固定任意", "Img入力両固集L1", kPoint, true,
     "281 28.1 26 2.6 307 30.7 0.17 0.03 0.20 19.6 % 1/9864 ○"},
    {"Image両端固定", "Image両端固定分布", "Img入力両固分", kTotal, false,
     "167 16.7 26 2.6 192 19.2 0.20 0.03 0.23 12.2 % 1/8528 ○"},
    {"Imageピン固", "Imageピン固中央", "Img入力ピン固集", kPoint, false,
     "375 37.5 38 3.8 413 41.3 0.71 0.06 0.78 26.3 % 1/2576 ○"},
    {"Imageピン固", "Imageピン固任意", "Img入力ピン固集L1", kPoint, true,
     "316 31.6 38 3.8 355 35.5 0.56 0.06 0.62 22.6 % 1/3214 ○"},
    {"Imageピン固", "Imageピン固分布", "Img入力ピン固分", kTotal, false,
     "250 25.0 38 3.8 288 28.8 0.42 0.06 0.49 18.3 % 1/4108 ○"},
};

// Each road after the first follows a restart by "最初から", and starts empty. An L1 pasted at
// once (typed, "250" would be computed first) beyond the span is named.
TEST(CalcWalk, EveryStructureAndLoadCaseFromTheFirstScreenToTheVerdict) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::ofstream(folder.filePath("vbSStype.csv").toStdString(), std::ios::binary)
        << "1,\"P-A\",7.85,10,50,10,2.24\r\n";
    ProgramRun run;
    app::Registry& r = run.registry;
    r.setDataFolders({folder.path().toStdString()});
    Form入力計算& calc = r.screen<Form入力計算>();
    const auto ctl = [&](const QString& name) { return need(calc, name); };
    const auto box = [&](const QString& name) { return calc.control<QLineEdit>(name); };
    const auto caption = [&](const QString& name) { return need<Label>(calc, name)->caption(); };
    // The texts of the boxes and labels named, joined by blanks.
    const auto read = [&](const char* names) {
        QStringList l;
        for (const QString& n : QString(names).split(' '))
            l << (box(n) ? box(n)->text() : caption(n));
        return l.join(' ');
    };
    for (const Walk& w : kWalks) {
        SCOPED_TRACE(std::string(w.structure) + " " + w.loadCase);
        toSizeScreen(run, "Image丸パイプ", BeamCase{w.structure, w.loadCase});
        auto* sizes = r.screen<Form材サイズ選択>().control<QListWidget>("ListDanmenSize");
        doubleClickAt(sizes->viewport(), sizes->visualItemRect(sizes->item(0)).center());
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});

        QStringList pictures;
        for (QWidget* p : calc.window().findChildren<QWidget*>())
            if (p->objectName().startsWith("Img入力") && p->isVisible())
                pictures << p->objectName();
        pictures.sort();
        EXPECT_EQ(pictures, (QStringList{w.picture, QString(w.picture) + "M"}));
        EXPECT_EQ(caption("LabelHEN1M"), w.loadCaption);
        EXPECT_EQ(ctl("TextHEN3")->isVisible(), w.withL1);
        EXPECT_EQ(read("TextHEN1 TextHEN2 Textkajumo"), "  0");
        typeInto(box("TextHEN1"), "1000");
        for (const char* k : {"Number2", "Number0", "Number0", "Number0", "TextHEN2"})
            click(ctl(k));
        if (w.withL1) typeInto(box("TextHEN3"), "500");
        EXPECT_EQ(read("TextHEN2 Textkaju Textjiju Textkajut Textkajumo Textkajumage Textjmo "
                       "Textjmage Textmot Textmaget Textkajutawami Textjtawami Texttawamit "
                       "Labelmagehikaku Labeltawamihikaku Label丸"),
                  QString("2000. 1000 153.9 1153.9 ") + w.results);
        EXPECT_TRUE(ctl("ShapeHan1")->isVisible());
        EXPECT_FALSE(ctl("Labelinphantei")->isVisible());
        if (w.withL1) { // L1 beyond the span, pasted at once: named, no verdict, results kept
            box("TextHEN3")->setText("2500");
            EXPECT_TRUE(ctl("Labelinphantei")->isVisible());
            EXPECT_EQ(read("Labelinphantei Label判定"), " L1 が大きすぎます。 ");
            for (const char* gone : {"Label丸", "ShapeHan1", "LineH1"})
                EXPECT_FALSE(ctl(gone)->isVisible()) << gone;
            EXPECT_EQ(box("Textkajumo")->text(), QString(w.results).section(' ', 0, 0));
            typeInto(box("TextHEN3"), "500");
            EXPECT_FALSE(ctl("Labelinphantei")->isVisible());
            EXPECT_TRUE(ctl("ShapeHan1")->isVisible());
        }
        click(ctl("CmdTop"));
        ASSERT_EQ(visibleWindows(), QStringList{"FormOpen"});
        EXPECT_EQ(run.counters.ends, 0);
    }
}

} // namespace
