// What the user sees and does on Form断面選択: the material list, the value boxes, direct
// entry of a material, the shape pictures and the ways off the screen.
#include "fakes.hpp"

#include <QListWidget>

#include "app/colors.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

const QString kInstructionLine = "断面をダブルクリック　または　「次に進む」をクリック";

class MaterialScreen : public ::testing::Test {
protected:
    void SetUp() override {
        run.registry.screen<FormOpen>().show();
        click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    }
    Form断面選択& s() { return run.registry.screen<Form断面選択>(); }
    template <class T = QWidget> T* ctl(const char* name) {
        return s().control<T>(QString::fromUtf8(name));
    }
    QStringList boxes() {
        QStringList texts;
        for (const char* name : {"Textkmage", "Textkashuku", "Textksendan", "Textyang", "Texthiju"})
            texts << ctl<QLineEdit>(name)->text();
        return texts;
    }
    QStringList shown(std::initializer_list<const char*> names) {
        QStringList visible;
        for (const char* name : names)
            if (ctl(name)->isVisible()) visible << QString::fromUtf8(name);
        return visible;
    }
    QRect twipsOf(const char* name) { return app::twips(ctl(name)); }
    ProgramRun run;
};

TEST_F(MaterialScreen, OpensOnSs400AndTheCircularTube) {
    EXPECT_EQ(s().window().windowTitle(), "材質-断面形状-選択");
    auto* list = ctl<QListWidget>("Listzaisitu");
    ASSERT_EQ(list->count(), 14);
    EXPECT_EQ(list->item(0)->text(), "SS400");
    EXPECT_EQ(list->item(13)->text(), "ジャラ");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(ctl<Label>("Lblzaisitu")->caption(), "SS400");
    EXPECT_EQ(boxes(), (QStringList{"157", "157", "90.5", "205000", "7.85"}));
    EXPECT_EQ(s().zaitype, 1);
    EXPECT_EQ(s().zaisitu, "鋼材－SS400");
    EXPECT_EQ(ctl<Label>("Labelkmage")->caption(), "許容曲げ (N/mm2)");
    EXPECT_EQ(ctl<Label>("Label3")->caption(), "比重");
    EXPECT_EQ(shown({"Listzaisitu", "CmdZaiNasi", "TxtZai", "LblZai", "LblZai2", "CmdList"}),
              (QStringList{"Listzaisitu", "CmdZaiNasi"}));

    EXPECT_EQ(s().danmentype, 1);
    EXPECT_EQ(s().danmenkeijou, "丸パイプ");
    EXPECT_EQ(twipsOf("枠line").topLeft(), twipsOf("Image丸パイプ").topLeft());
    auto* prompt = ctl<Label>("LblDanmensentaku");
    EXPECT_EQ(prompt->caption(), "丸パイプ\r" + kInstructionLine);
    EXPECT_EQ(prompt->backColor(), QColor(0, 0, 255));
    EXPECT_EQ(s().FlgFormdanmen, 1);
}

// Every picture of the panel is there with its artwork, at least 75 x 60 pixels, and no two
// overlap.
TEST_F(MaterialScreen, EveryShapeHasItsPicture) {
    const char* pictures[] = {
        "Image丸パイプ", "Image角パイプ", "Image角パイプ縦", "Image角パイプ横", "ImageFB縦",
        "ImageFB横",     "ImageH縦",      "ImageH逆",        "Image溝縦",       "Image溝横",
        "ImageL等辺",    "ImageL不等縦",  "ImageL不等横",    "Image丸solid",    "Image角ムク",
        "Image角ムク縦", "Image角ムク横", "Image軽溝縦長",   "Image軽溝横長",   "ImageT縦",
        "ImageT横",      "ImageH縦a",     "Imageリップ縦",   "Imageリップ横",   "ImgZIE"};
    std::vector<QRect> placed;
    for (const char* name : pictures) {
        auto* p = ctl<Picture>(name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_TRUE(p->hasImage()) << name;
        const QRect r = app::twips(p);
        EXPECT_TRUE(r.width() >= 75 * 15 && r.height() >= 60 * 15) << name;
        EXPECT_TRUE(QRect(QPoint(0, 0), s().window().size()).contains(p->geometry())) << name;
        for (const QRect& other : placed)
            EXPECT_FALSE(r.intersects(other)) << name;
        placed.push_back(r);
    }
}

TEST_F(MaterialScreen, ChoosingAMaterialShowsItsValues) {
    ctl<QListWidget>("Listzaisitu")->setCurrentRow(13);
    EXPECT_EQ(s().zaitype, 14);
    EXPECT_EQ(ctl<Label>("Lblzaisitu")->caption(), "ジャラ");
    EXPECT_EQ(s().zaisitu, "木材－ジャラ");
    EXPECT_EQ(ctl<QLineEdit>("Textyang")->text(), "14000");
    ctl<QListWidget>("Listzaisitu")->setCurrentRow(0);
    EXPECT_EQ(boxes(), (QStringList{"157", "157", "90.5", "205000", "7.85"}));
    EXPECT_EQ(s().DksendanvOld, 924);
}

// Direct entry: the typed name and values go on; 100 N/mm2 is 100 * 100 / 9.8 = 1020.41
// kg/cm2.
TEST_F(MaterialScreen, ADirectlyEnteredMaterialGoesOnWithItsNameAndValues) {
    ctl<QListWidget>("Listzaisitu")->setCurrentRow(2);
    click(ctl("CmdZaiNasi"));
    EXPECT_EQ(shown({"Listzaisitu", "CmdZaiNasi", "TxtZai", "LblZai", "LblZai2", "CmdList"}),
              (QStringList{"TxtZai", "LblZai", "LblZai2", "CmdList"}));
    EXPECT_EQ(ctl<QLineEdit>("TxtZai")->text(), "ここに直接材質名を入力してください。");
    EXPECT_EQ(ctl<Label>("LblZai")->caption(), "    材質を直接入力してください");
    EXPECT_EQ(ctl<Label>("LblZai2")->caption(), "数値は半角数字で単位にご注意ください");
    typeInto(ctl<QLineEdit>("TxtZai"), "GFRP板");
    typeInto(ctl<QLineEdit>("Textkmage"), "100");
    typeInto(ctl<QLineEdit>("Texthiju"), "1.9");
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(s().zaisitu, "GFRP板");
    EXPECT_EQ(s().zaitype, 3); // the family of the last material chosen in the list
    EXPECT_NEAR(s().DkmagevOld, 1020.408, 1e-3);
    EXPECT_EQ(s().Dhijuv, 1.9);
    auto& sizes = run.registry.screen<Form材サイズ選択>();
    EXPECT_EQ(sizes.control<QLineEdit>("TxtHiju")->text(), "1.9");
    EXPECT_TRUE(sizes.control<Label>("Labelzaisitu")->caption().startsWith("GFRP板 - "));
}

TEST_F(MaterialScreen, AnEmptyTypedNameIsCommittedAsItIs) {
    click(ctl("CmdZaiNasi"));
    typeInto(ctl<QLineEdit>("TxtZai"), "");
    click(ctl("Commandtugi"));
    EXPECT_EQ(s().zaisitu, "");
}

TEST_F(MaterialScreen, BackToTheListKeepsTheChoiceAndTheRecord) {
    ctl<QListWidget>("Listzaisitu")->setCurrentRow(10);
    click(ctl("CmdZaiNasi"));
    click(ctl("CmdList"));
    EXPECT_EQ(shown({"Listzaisitu", "CmdZaiNasi", "TxtZai", "CmdList"}),
              (QStringList{"Listzaisitu", "CmdZaiNasi"}));
    EXPECT_EQ(ctl<QListWidget>("Listzaisitu")->currentRow(), 10);
    EXPECT_EQ(s().zaitype, 11);
    click(ctl("Commandtugi"));
    EXPECT_EQ(s().zaisitu, "木材－杉"); // list mode: the list's name, not the text box's
}

// A value typed over in list mode travels with its old unit (120 * 100 / 9.8 = 1224.49); the
// untouched ones keep the catalog's own old values.
TEST_F(MaterialScreen, AValueTypedOverInListModeTravelsOn) {
    typeInto(ctl<QLineEdit>("Textkmage"), "120");
    click(ctl("Commandtugi"));
    EXPECT_EQ(s().Dkmagev, 120);
    EXPECT_NEAR(s().DkmagevOld, 1224.49, 5e-3);
    EXPECT_EQ(s().DkashukuvOld, 1600);
    EXPECT_EQ(s().DyangvOld, 2100000);
    EXPECT_EQ(s().Dhijuv, 7.85);
}

TEST_F(MaterialScreen, HostileValuesNeverBreakTheWayOn) {
    for (const char* text : {"1e400", "abc", "１２３", "-5", "", "9999999999999999999999999"}) {
        SCOPED_TRACE(text);
        run.registry.screen<FormOpen>().show();
        click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
        ctl<QLineEdit>("Texthiju")->setText(QString::fromUtf8(text));
        ctl<QLineEdit>("Textyang")->setText(QString::fromUtf8(text));
        click(ctl("Commandtugi"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
        auto& sizes = run.registry.screen<Form材サイズ選択>();
        for (QLineEdit* box : sizes.window().findChildren<QLineEdit*>()) {
            const QString shownText = box->text().toLower();
            EXPECT_FALSE(shownText.contains("inf") || shownText.contains("nan"))
                << box->objectName().toStdString() << ": " << box->text().toStdString();
        }
        EXPECT_TRUE(std::isfinite(s().Dhijuv) && std::isfinite(s().DyangvOld))
            << s().Dhijuv << " " << s().DyangvOld;
        click(sizes.control<QWidget>("Commandmae"));
        click(ctl("Commandmae"));
        ASSERT_EQ(visibleWindows(), QStringList{"FormOpen"});
    }
    EXPECT_EQ(run.counters.ends, 0);
}

TEST_F(MaterialScreen, AClickFramesAShapeAndADoubleClickGoesOn) {
    click(ctl("ImageFB横"));
    EXPECT_EQ(s().danmentype, 6);
    EXPECT_EQ(s().danmenkeijou, "FB横");
    EXPECT_EQ(twipsOf("枠line").topLeft(), twipsOf("ImageFB横").topLeft());
    EXPECT_EQ(ctl<Label>("LblDanmensentaku")->caption(), "FB横\r" + kInstructionLine);

    click(ctl("Image溝縦"));
    EXPECT_EQ(ctl<Label>("LblDanmensentaku")->caption(), "溝形縦\r" + kInstructionLine);
    EXPECT_EQ(s().danmenkeijou, "溝縦");

    doubleClick(ctl("ImageH逆"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(s().danmentype, 10);
    EXPECT_EQ(s().danmenkeijou, "H形逆");
    EXPECT_EQ(s().mousePointer(), app::MousePointer::Hourglass);
}

TEST_F(MaterialScreen, TheLippedChannelsTakeASingleClickOnly) {
    doubleClick(ctl("Imageリップ縦"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(s().danmentype, 26);
    EXPECT_EQ(twipsOf("枠line").topLeft(), twipsOf("Imageリップ縦").topLeft());
    click(ctl("Imageリップ横"));
    EXPECT_EQ(s().danmenkeijou, "リップ横");
}

TEST_F(MaterialScreen, OtherShapesGoStraightOnWithoutMovingTheFrame) {
    click(ctl("ImageT縦"));
    const QRect frame = twipsOf("枠line");
    const QString prompt = ctl<Label>("LblDanmensentaku")->caption();
    click(ctl("CommandSonota"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(s().danmentype, 88);
    EXPECT_EQ(s().danmenkeijou, "その他の断面");
    EXPECT_EQ(twipsOf("枠line"), frame);
    EXPECT_EQ(ctl<Label>("LblDanmensentaku")->caption(), prompt);
}

TEST_F(MaterialScreen, DirectDataEntryIsAShapeOfItsOwn) {
    click(ctl("ImgZIE"));
    EXPECT_EQ(s().danmentype, 99);
    EXPECT_EQ(s().danmenkeijou, "直接データを入力");
    EXPECT_EQ(ctl<Label>("LblDanmensentaku")->caption(), "直接データを入力\r" + kInstructionLine);
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(s().mousePointer(), app::MousePointer::Hourglass);
}

TEST_F(MaterialScreen, BackOnTheSectionRoadStartsAfreshNextTime) {
    ctl<QListWidget>("Listzaisitu")->setCurrentRow(5);
    click(ctl("Image角ムク"));
    click(ctl("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_FALSE(s().isLoaded());
    EXPECT_EQ(s().zaitype, 6); // variables outlive the unload
    click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
    EXPECT_EQ(s().zaitype, 1);
    EXPECT_EQ(s().danmentype, 1);
    EXPECT_EQ(run.counters.ends, 0);
}

TEST_F(MaterialScreen, EndAndCloseBoxEndTheProgram) {
    click(ctl("Commandend"));
    EXPECT_EQ(run.counters.ends, 1);
    ProgramRun second;
    second.registry.screen<Form断面選択>().show();
    closeBox(&second.registry.screen<Form断面選択>().window());
    EXPECT_EQ(second.counters.ends, 1);
}

} // namespace
