// What the user sees and does on Form材サイズ選択, with size tables the test writes itself so
// that every figure can be checked by hand.
#include "roads.hpp"

#include <fstream>

#include "catalog/shapes.hpp"
#include "ui/calc_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

class SizeScreen : public ScreenTest<Form材サイズ選択> {
protected:
    void SetUp() override {
        // Steel: two pipes (code 1), a lipped channel (26) and an H section (9); nothing of 23.
        write("vbSStype.csv",
              "1,\"P-10\",7.85,10,120,24.5,3.46\r\n1,\"P-20\",15.7,20,400,60,4.47\r\n"
              "26,\"C-100\",3.5,4.5,70,14,3.9\r\n9,\"H-1\",20,25.6,1000,100,6.2\r\n");
        write("vbWOODtype.csv", "18,\"90SQ\",4.1,81,547,122,2.6\r\n"); // square timber only
        write("vbALtype.csv", "17,\"R-20\",0.85,3.142,0.785,0.785,0.5\r\n");
        run.registry.setDataFolders({folder.path().toStdString()});
    }
    void write(const char* name, const std::string& contents) {
        std::ofstream(folder.filePath(name).toStdString(), std::ios::binary) << contents;
    }
    // On the section road, or on the beam road with a point load on a cantilever.
    void road(int materialRow, const char* picture, bool beam = false) {
        toSizeScreen(run, picture,
                     beam ? std::optional(BeamCase{"Image片持1", "Image片持集中"}) : std::nullopt,
                     materialRow);
    }
    // Area, mass, weight, Z, I, radius of gyration, specific gravity.
    QStringList boxes() {
        QStringList texts;
        for (const char* n :
             {"Text面積", "Textjuryou", "TextjuryouSI", "Textdz", "Textdi", "TxtD2r", "TxtHiju"})
            texts << ctl<QLineEdit>(n)->text();
        return texts;
    }
    QStringList rows() {
        QStringList texts;
        for (auto* item : ctl<QListWidget>("ListDanmenSize")->findItems("", Qt::MatchContains))
            texts << item->text();
        return texts;
    }
    void doubleClickRow(int row) {
        auto* list = ctl<QListWidget>("ListDanmenSize");
        doubleClickAt(list->viewport(), list->visualItemRect(list->item(row)).center());
    }

    QTemporaryDir folder;
};

TEST_F(SizeScreen, ListsTheSizesATypedAreaMovesMassAndWeightAndEndEnds) {
    road(0, "Image丸パイプ");
    EXPECT_EQ(caption("Labelzaisitu"), "鋼材－SS400 - 鋼管");
    EXPECT_EQ(rows(), (QStringList{"P-10", "P-20"}));
    EXPECT_EQ(caption("LblDanmenSize"), "P-10");
    // 10 cm2 of SS400 (7.85): 7.85 kg/m, 10 * 7.85 * 100 * 9.8 / 1000 = 76.93 N/m.
    EXPECT_EQ(boxes(), (QStringList{"10", "7.85", "76.93", "24.5", "120", "3.46", "7.85"}));
    EXPECT_TRUE(ctl("CmdZIE")->isVisible());
    EXPECT_FALSE(ctl("Commandtugi")->isVisible()); // the section road ends here
    // 20 cm2: 15.70 kg/m, 153.86 N/m. On the section road a double-click only shows the row.
    doubleClickRow(1);
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(caption("LblDanmenSize"), "P-20");
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"20", "15.70", "153.86"}));
    // 12.5 cm2 typed: 9.8125 -> 9.81 kg/m, 96.1625 -> 96.16 N/m.
    typeInto(ctl<QLineEdit>("Text面積"), "12.5");
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"12.5", "9.81", "96.16"}));
    click(ctl("Commandend"));
    EXPECT_EQ(run.counters.ends, 1);
}

// Nothing in the file for the shape, a shape never listed (aluminium bars and channels), or
// "リスト以外のサイズ" of a lipped channel: the properties are typed in, or calculated where a
// calculator exists. Wood's 81 cm2 of 杉 (0.38): 3.078 -> 3.08 kg/m, 30.1644 -> 30.16 N/m.
TEST_F(SizeScreen, WithNothingToListThePropertiesAreTypedInOrCalculated) {
    const struct {
        int row; // 0 SS400, 1 SUS403, 2 A6063-T5, 10 杉
        const char* picture;
        bool calculator;
        const char* hiju;
    } cases[] = {
        {1, "Image溝縦", false, "7.75"},     {2, "Image丸solid", true, "2.7"},
        {2, "Image溝横", false, "2.7"},      {0, "ImageT縦", true, "7.85"},
        {0, "ImgZIE", false, "7.85"},        {0, "CommandSonota", false, "7.85"},
        {10, "Image丸パイプ", true, "0.38"}, {10, "ImageH縦", false, "0.38"},
        {0, "Imageリップ縦", false, "7.85"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        road(c.row, c.picture);
        if (rows() == QStringList{"C-100"}) click(ctl("CmdZIE"));
        EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
        EXPECT_TRUE(ctl("ListDanmenSize")->isHidden());
        EXPECT_EQ(caption("LblDanmenSize"), QString::fromUtf8(catalog::kNoListCaption));
        EXPECT_EQ(caption("LblDanmen").trimmed(),
                  c.calculator
                      ? "断面性能を直接(半角）入力または、「断面図から計算」をクリックして下さい。"
                      : "断面性能を直接(半角）入力して下さい。");
        EXPECT_EQ(ctl("CmdZIE")->isVisible(), c.calculator);
        EXPECT_EQ(boxes(), (QStringList{"", "", "", "", "", "", c.hiju}));
        click(ctl("Commandmae"));
        click(run.registry.screen<Form断面選択>().control<QWidget>("Commandmae"));
    }
    road(10, "Image角ムク");
    EXPECT_EQ(rows(), QStringList{"90SQ"});
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"81", "3.08", "30.16"}));
}

// "次に進む " wants each of area, Z, I and i as a positive number.
TEST_F(SizeScreen, NextRefusesAMissingZeroOrNegativeProperty) {
    road(1, "Image溝縦", true); // typed in
    const auto fill = [&](std::array<const char*, 4> v) {
        for (int k = 0; k < 4; ++k)
            typeInto(ctl<QLineEdit>(std::array{"Text面積", "Textdz", "Textdi", "TxtD2r"}[k]),
                     QString::fromUtf8(v[k]));
    };
    int beeps = 0;
    // The message names the first box, top to bottom, that holds no positive number.
    for (auto [refused, named] : {std::pair{std::array{"10", "20", "100", "0"}, "二次半径"},
                                  std::pair{std::array{"10", "20", "100", ""}, "二次半径"},
                                  std::pair{std::array{"-10", "-20", "100", "3"}, "面積"},
                                  std::pair{std::array{"abc", "20", "100", "3"}, "面積"},
                                  std::pair{std::array{"10", "1,9", "100", "3"}, "断面係数"}}) {
        fill(refused);
        click(ctl("Commandtugi"));
        EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"}) << refused[0] << refused[3];
        EXPECT_EQ(run.counters.beeps, ++beeps);
        EXPECT_EQ(ctl<Label>("LblDanmen")->backColor(), QColor(255, 0, 0));
        EXPECT_TRUE(caption("LblDanmen").startsWith(QStringLiteral("「%1」").arg(named)));
    }
    EXPECT_EQ(ctl<QLineEdit>("Textdz")->palette().color(QPalette::Base), QColor(255, 0, 0));
    fill({"10", "20", "100", "3.16"});
    // SUS403 (7.75): 10 cm2 is 7.75 kg/m, 75.95 N/m.
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"10", "7.75", "75.95"}));
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(s().mousePointer(), app::MousePointer::Hourglass);
    EXPECT_EQ(run.registry.state().DanmenSize, "直接入力");
}

// The designation goes on only with the figures of its row: typed over, it is marked; a later
// visit with typed properties never carries the row of an earlier one.
TEST_F(SizeScreen, TheDesignationNamesOnlyTheFiguresShown) {
    const auto designation = [&] {
        return need<Label>(run.registry.screen<Form入力計算>(), "Labeldsize")->caption();
    };
    road(0, "Image丸パイプ", true);
    ctl<QListWidget>("ListDanmenSize")->setCurrentRow(1);
    typeInto(ctl<QLineEdit>("Textdz"), "60.0"); // the row's own figure, written otherwise
    click(ctl("Commandtugi"));
    EXPECT_EQ(designation(), "P-20");
    click(run.registry.screen<Form入力計算>().control<QWidget>("Commandmae"));
    typeInto(ctl<QLineEdit>("Textdi"), "410");
    click(ctl("Commandtugi"));
    EXPECT_EQ(designation(), "P-20（値を変更）");
    click(run.registry.screen<Form入力計算>().control<QWidget>("CmdTop"));
    road(1, "Image溝縦", true);
    for (const char* box : {"Text面積", "Textdz", "Textdi", "TxtD2r"})
        typeInto(ctl<QLineEdit>(box), "5");
    click(ctl("Commandtugi"));
    EXPECT_EQ(designation(), "直接入力");
}

} // namespace
