// What the user sees and does on Form材サイズ選択, with size tables the test writes itself so
// that every figure can be checked by hand.
#include "fakes.hpp"
#include "size_screen_reading.hpp"

#include <QListWidget>
#include <QTemporaryDir>
#include <fstream>

#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

// Steel: two pipes (code 1), a lipped channel (26) and an H section (9); nothing of 23.
// The first pipe: area 10 cm2, so 7.85 kg/m and 10 * 7.85 * 100 * 9.8 / 1000 = 76.93 N/m.
const char* kSteel = "1,\"P-10\",7.85,10,120,24.5,3.46\r\n"
                     "1,\"P-20\",15.7,20,400,60,4.47\r\n"
                     "26,\"C-100\",3.5,4.5,70,14,3.9\r\n"
                     "9,\"H-1\",20,25.6,1000,100,6.2\r\n";
// Wood: square timbers only.
const char* kWood = "18,\"90SQ\",4.1,81,547,122,2.6\r\n";

class SizeScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        write("vbSStype.csv", kSteel);
        write("vbWOODtype.csv", kWood);
        run.registry.setDataFolders({folder.path().toStdString()});
    }
    void write(const char* name, const std::string& contents) {
        std::ofstream(folder.filePath(name).toStdString(), std::ios::binary) << contents;
    }
    // The section road from the opening screen, with a material row and a shape picture.
    void sectionRoad(int materialRow, const char* picture) {
        run.registry.screen<FormOpen>().show();
        click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
        choose(materialRow, picture);
    }
    // The beam road: cantilever, point load, then the material and the shape.
    void beamRoad(int materialRow, const char* picture) {
        run.registry.screen<FormOpen>().show();
        click(run.registry.screen<FormOpen>().control<QWidget>("ImageHari"));
        doubleClick(run.registry.screen<Form梁形式1>().control<QWidget>("Image片持1"));
        doubleClick(run.registry.screen<Form片持0>().control<QWidget>("Image片持集中"));
        choose(materialRow, picture);
    }
    void choose(int materialRow, const char* picture) {
        Form断面選択& material = run.registry.screen<Form断面選択>();
        material.control<QListWidget>("Listzaisitu")->setCurrentRow(materialRow);
        click(material.control<QWidget>(QString::fromUtf8(picture)));
        click(material.control<QWidget>("Commandtugi"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    }
    Form材サイズ選択& s() { return run.registry.screen<Form材サイズ選択>(); }
    template <class T = QWidget> T* ctl(const char* name) {
        return s().control<T>(QString::fromUtf8(name));
    }
    QString caption(const char* name) {
        if (auto* l = ctl<Label>(name)) return l->caption();
        if (auto* b = ctl<QPushButton>(name)) return b->text();
        return ctl<QLineEdit>(name)->text();
    }
    QStringList boxes() { return sizeBoxes(s()); }
    QStringList listed() { return listedSizes(s()); }
    bool noList() { return ctl("ListDanmenSize")->isHidden(); }

    QTemporaryDir folder;
    ProgramRun run;
};

TEST_F(SizeScreen, ListsTheSizesOfTheShapeAndShowsTheFirst) {
    sectionRoad(0, "Image丸パイプ");
    EXPECT_EQ(s().window().windowTitle(), "Form材サイズ選択");
    EXPECT_EQ(caption("Label0"), "　材質サイズの選定");
    EXPECT_EQ(caption("Labelzaisitu"), "鋼材－SS400 - 鋼管");
    EXPECT_EQ(listed(), (QStringList{"P-10", "P-20"}));
    EXPECT_EQ(caption("LblDanmenSize"), "P-10");
    EXPECT_EQ(boxes(), (QStringList{"10", "7.85", "76.93", "24.5", "120", "3.46", "7.85"}));
    EXPECT_EQ(s().DanmenSize, "P-10");
    EXPECT_EQ((std::array{s().Dmensekiv, s().Div, s().Dzv, s().D2rv}),
              (std::array{10.0, 120.0, 24.5, 3.46}));
    EXPECT_DOUBLE_EQ(s().DjuryouSIv, 76.93);
    EXPECT_EQ(caption("Label3"),
              "表よりサイズをダブルクリック\r　または\r選択後「次に進む」をクリック");
    EXPECT_EQ(caption("CmdZIE"), "リスト以外のサイズ");
    EXPECT_TRUE(ctl("CmdZIE")->isVisible());
    EXPECT_FALSE(ctl("LblDanmen")->isVisible());
    // The section road ends here: no way forward.
    EXPECT_FALSE(ctl("Commandtugi")->isVisible());

    // 20 cm2: 15.70 kg/m, 20 * 7.85 * 100 * 9.8 / 1000 = 153.86 N/m.
    ctl<QListWidget>("ListDanmenSize")->setCurrentRow(1);
    EXPECT_EQ(caption("LblDanmenSize"), "P-20");
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"20", "15.70", "153.86"}));
}

// A typed area moves mass and weight together: 12.5 cm2 of SS400 is 9.8125 -> 9.81 kg/m and
// 96.1625 -> 96.16 N/m.
TEST_F(SizeScreen, ATypedAreaUpdatesMassAndWeight) {
    sectionRoad(0, "Image丸パイプ");
    typeInto(ctl<QLineEdit>("Text面積"), "12.5");
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"12.5", "9.81", "96.16"}));
    for (const char* hostile : {"1e400", "abc", "-3", "99999999999999999999", "１２"}) {
        ctl<QLineEdit>("Text面積")->setText(QString::fromUtf8(hostile));
        for (const QString& t : boxes())
            EXPECT_FALSE(t.contains("inf") || t.contains("nan"))
                << hostile << " " << t.toStdString();
    }
}

TEST_F(SizeScreen, AChannelOfStainlessIsTypedIn) {
    sectionRoad(1, "Image溝縦");
    EXPECT_EQ(caption("Labelzaisitu"), "ステンレス－SUS403 - SUS溝形－縦");
    EXPECT_TRUE(noList());
    EXPECT_EQ(caption("LblDanmenSize"), "該当するリストはございません。");
    EXPECT_TRUE(ctl("LblDanmen")->isVisible());
    EXPECT_EQ(caption("LblDanmen"), "断面性能を直接(半角）入力して下さい。");
    EXPECT_FALSE(ctl("Label3")->isVisible());
    EXPECT_FALSE(ctl("CmdZIE")->isVisible());
    EXPECT_EQ(boxes(), (QStringList{"", "", "", "", "", "", "7.75"}));
}

// Aluminium: no round bars or channels are listed, whatever the file holds.
TEST_F(SizeScreen, AluminiumBarsAreCalculatedAndItsChannelsTypedIn) {
    write("vbALtype.csv", "17,\"R-20\",0.85,3.142,0.785,0.785,0.5\r\n");
    sectionRoad(2, "Image丸solid");
    EXPECT_EQ(caption("Labelzaisitu"), "アルミ合金－A6063-T5 - 丸ムク");
    EXPECT_TRUE(noList());
    EXPECT_EQ(caption("CmdZIE"), "断面図から計算");
    EXPECT_EQ(boxes().back(), "2.7");
    click(ctl("Commandmae"));
    click(run.registry.screen<Form断面選択>().control<QWidget>("Image溝横"));
    click(run.registry.screen<Form断面選択>().control<QWidget>("Commandtugi"));
    EXPECT_EQ(caption("Labelzaisitu"), "アルミ合金－A6063-T5 - 溝形－横");
    EXPECT_TRUE(noList());
    EXPECT_FALSE(ctl("CmdZIE")->isVisible());
}

TEST_F(SizeScreen, ATeeOffersTheCalculator) {
    sectionRoad(0, "ImageT縦");
    EXPECT_EQ(caption("Labelzaisitu"), "鋼材－SS400 - ");
    EXPECT_TRUE(noList());
    EXPECT_EQ(caption("LblDanmen"),
              "断面性能を直接(半角）入力または、「断面図から計算」をクリックして下さい。");
    EXPECT_EQ(caption("CmdZIE"), "断面図から計算");
    click(ctl("CmdZIE"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    EXPECT_EQ(s().Flg入力断面他, 1);
    EXPECT_EQ(s().mousePointer(), app::MousePointer::Hourglass);
    // Back from the calculator: the size screen as it was left.
    click(run.registry.screen<Form入力断面他>().control<QWidget>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(s().mousePointer(), app::MousePointer::Default);
    EXPECT_FALSE(run.registry.screen<Form入力断面他>().isLoaded());
    EXPECT_EQ(run.counters.ends, 0);
}

TEST_F(SizeScreen, DirectDataEntryAndOtherSections) {
    sectionRoad(0, "ImgZIE");
    EXPECT_TRUE(noList());
    EXPECT_EQ(caption("Labelzaisitu"), "鋼材－SS400 - 断面その他・・・99");
    EXPECT_FALSE(ctl("CmdZIE")->isVisible());
    click(ctl("Commandmae"));
    // "その他形状" with no record of 88 in the file: typed in, no calculator.
    click(run.registry.screen<Form断面選択>().control<QWidget>("CommandSonota"));
    EXPECT_TRUE(noList());
    EXPECT_EQ(caption("LblDanmen"), "断面性能を直接(半角）入力して下さい。");
    EXPECT_FALSE(ctl("CmdZIE")->isVisible());
}

// Wood has no pipes or H sections: no empty list, but the way to enter them.
TEST_F(SizeScreen, AShapeTheFileDoesNotHoldIsTypedInOrCalculated) {
    sectionRoad(10, "Image丸パイプ");
    EXPECT_EQ(caption("Labelzaisitu"), "木材－杉 - 丸パイプ");
    EXPECT_TRUE(noList());
    EXPECT_EQ(caption("CmdZIE"), "断面図から計算");
    EXPECT_TRUE(ctl("CmdZIE")->isVisible());
    click(ctl("Commandmae"));
    click(run.registry.screen<Form断面選択>().control<QWidget>("ImageH縦"));
    click(run.registry.screen<Form断面選択>().control<QWidget>("Commandtugi"));
    EXPECT_TRUE(noList());
    EXPECT_FALSE(ctl("CmdZIE")->isVisible());
    EXPECT_EQ(caption("LblDanmenSize"), "該当するリストはございません。");
    click(ctl("Commandmae"));
    // Square timber is listed: 81 cm2 of 杉 (0.38) is 3.078 -> 3.08 kg/m, 30.16 N/m.
    click(run.registry.screen<Form断面選択>().control<QWidget>("Image角ムク"));
    click(run.registry.screen<Form断面選択>().control<QWidget>("Commandtugi"));
    EXPECT_EQ(listed(), QStringList{"90SQ"});
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"81", "3.08", "30.16"}));
}

// The lipped channels have a list but no calculator: the other-size button asks for the
// properties instead.
TEST_F(SizeScreen, OtherSizesOfALippedChannelAreTypedIn) {
    sectionRoad(0, "Imageリップ縦");
    EXPECT_EQ(listed(), QStringList{"C-100"});
    click(ctl("CmdZIE"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_TRUE(noList());
    EXPECT_EQ(caption("LblDanmen"), "断面性能を直接(半角）入力して下さい。");
    EXPECT_EQ(boxes().mid(0, 6), (QStringList{"", "", "", "", "", ""}));
}

TEST_F(SizeScreen, AFileThatCannotBeReadIsNamedAndTheSizeTypedIn) {
    // No steel file at all; then an empty one; then binary noise.
    QFile::remove(folder.filePath("vbSStype.csv"));
    sectionRoad(0, "Image丸パイプ");
    EXPECT_TRUE(noList());
    EXPECT_TRUE(caption("LblDanmenSize").contains("vbSStype.csv"))
        << caption("LblDanmenSize").toStdString();
    EXPECT_EQ(caption("CmdZIE"), "断面図から計算");
    click(ctl("Commandmae"));

    for (const std::string& contents : {std::string(), std::string("\x00\xff\x81,\"\n\x82", 7)}) {
        write("vbSStype.csv", contents);
        click(run.registry.screen<Form断面選択>().control<QWidget>("Commandtugi"));
        EXPECT_TRUE(noList());
        EXPECT_EQ(caption("LblDanmenSize"), "該当するリストはございません。");
        click(ctl("Commandmae"));
    }
    EXPECT_EQ(run.counters.ends, 0);
}

TEST_F(SizeScreen, EveryMatchingRowIsListed) {
    std::string many;
    for (int i = 1; i <= 350; ++i)
        many += "1,\"P" + std::to_string(i) + "\",1,1,1,1,1\r\n";
    write("vbSStype.csv", many);
    sectionRoad(0, "Image丸パイプ");
    EXPECT_EQ(listed().size(), 350);
    EXPECT_EQ(listed().back(), "P350");
}

TEST_F(SizeScreen, GoingBackAndForthReadsTheFileAgain) {
    sectionRoad(0, "Image丸パイプ");
    ctl<QListWidget>("ListDanmenSize")->setCurrentRow(1);
    write("vbSStype.csv", "1,\"NEW\",1,2,3,4,5\r\n");
    click(ctl("Commandmae"));
    Form断面選択& material = run.registry.screen<Form断面選択>();
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(material.mousePointer(), app::MousePointer::Default);
    EXPECT_FALSE(s().isLoaded());
    click(material.control<QWidget>("Commandtugi"));
    EXPECT_EQ(listed(), QStringList{"NEW"});
    EXPECT_EQ(caption("LblDanmenSize"), "NEW");
}

TEST_F(SizeScreen, OnTheSectionRoadADoubleClickOnlyShows) {
    sectionRoad(0, "Image丸パイプ");
    auto* list = ctl<QListWidget>("ListDanmenSize");
    doubleClickAt(list->viewport(), list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(caption("LblDanmenSize"), "P-20");
}

TEST_F(SizeScreen, OnTheBeamRoadADoubleClickGoesOnToTheCalculation) {
    beamRoad(0, "Image丸パイプ");
    EXPECT_TRUE(ctl("Commandtugi")->isVisible());
    EXPECT_EQ(caption("Commandtugi"), "次に進む ");
    auto* list = ctl<QListWidget>("ListDanmenSize");
    doubleClickAt(list->viewport(), list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(s().DanmenSize, "P-20");
    EXPECT_EQ(s().Flg入力断面他, 0);
    EXPECT_EQ(s().sectionTexts().area, "20");
}

// "次に進む " wants each of area, Z, I and i as a positive number.
TEST_F(SizeScreen, NextRefusesAMissingZeroOrNegativeProperty) {
    beamRoad(1, "Image溝縦"); // typed in
    const auto fill = [&](const char* a, const char* z, const char* i, const char* r) {
        typeInto(ctl<QLineEdit>("Text面積"), QString::fromUtf8(a));
        typeInto(ctl<QLineEdit>("Textdz"), QString::fromUtf8(z));
        typeInto(ctl<QLineEdit>("Textdi"), QString::fromUtf8(i));
        typeInto(ctl<QLineEdit>("TxtD2r"), QString::fromUtf8(r));
    };
    int beeps = 0;
    for (auto refused :
         {std::array{"10", "20", "100", "0"}, std::array{"10", "20", "100", ""},
          std::array{"-10", "-20", "100", "3"}, std::array{"abc", "20", "100", "3"}}) {
        fill(refused[0], refused[1], refused[2], refused[3]);
        click(ctl("Commandtugi"));
        EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"}) << refused[0] << refused[3];
        EXPECT_EQ(run.counters.beeps, ++beeps);
        EXPECT_EQ(ctl<Label>("LblDanmen")->backColor(), QColor(255, 0, 0));
    }
    fill("10", "20", "100", "3.16");
    // Mass and weight follow the typed area of SUS403 (7.75): 7.75 kg/m, 75.95 N/m.
    EXPECT_EQ(boxes().mid(0, 3), (QStringList{"10", "7.75", "75.95"}));
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(s().Flg入力断面他, 0);
    EXPECT_EQ(s().mousePointer(), app::MousePointer::Hourglass);
}

TEST_F(SizeScreen, EndCloseBoxAndRestart) {
    beamRoad(0, "Image丸パイプ");
    click(ctl("Commandtugi"));
    run.registry.screen<Form入力計算>().restart();
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_FALSE(s().isLoaded());
    EXPECT_EQ(run.counters.ends, 0);

    sectionRoad(0, "Image丸パイプ");
    closeBox(&s().window());
    EXPECT_EQ(run.counters.ends, 1);
    ProgramRun second;
    second.registry.setDataFolders({folder.path().toStdString()});
    second.registry.screen<Form材サイズ選択>().show();
    click(second.registry.screen<Form材サイズ選択>().control<QWidget>("Commandend"));
    EXPECT_EQ(second.counters.ends, 1);
}

} // namespace
