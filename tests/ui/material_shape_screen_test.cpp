// What the user does on Form断面選択 beyond choosing a picture (see choice_screens_test): the
// material list, its value boxes, direct entry of a material and the shapes that go on oddly.
#include "fakes.hpp"

#include <QListWidget>

#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

class MaterialScreen : public ::testing::Test {
protected:
    void SetUp() override {
        run.registry.screen<FormOpen>().show();
        click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    }
    Form断面選択& s() { return run.registry.screen<Form断面選択>(); }
    app::WizardState& st() { return run.registry.state(); }
    template <class T = QWidget> T* ctl(const char* name) {
        return need<T>(s(), QString::fromUtf8(name));
    }
    QListWidget* list() { return ctl<QListWidget>("Listzaisitu"); }
    QStringList boxes() {
        QStringList texts;
        for (const char* name : {"Textkmage", "Textkashuku", "Textksendan", "Textyang", "Texthiju"})
            texts << ctl<QLineEdit>(name)->text();
        return texts;
    }
    // Which of the list and the direct entry are shown.
    QStringList shown() {
        QStringList visible;
        for (const char* name : {"Listzaisitu", "CmdZaiNasi", "TxtZai", "CmdList"})
            if (ctl(name)->isVisible()) visible << QString::fromUtf8(name);
        return visible;
    }
    ProgramRun run;
};

// SS400's allowable stresses, Young's modulus and specific gravity from the steel tables.
TEST_F(MaterialScreen, OpensOnSs400AndAValueTypedOverTravelsOn) {
    const QStringList ss400{"157", "157", "90.5", "205000", "7.85"};
    ASSERT_EQ(list()->count(), 14);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(ctl<Label>("Lblzaisitu")->caption(), "SS400");
    EXPECT_EQ(boxes(), ss400);
    EXPECT_EQ((std::pair{st().material.zaitype, st().material.zaisitu}),
              (std::pair{1, QString("鋼材－SS400")}));
    EXPECT_EQ(shown(), (QStringList{"Listzaisitu", "CmdZaiNasi"}));
    list()->setCurrentRow(13);
    EXPECT_EQ((std::pair{st().material.zaitype, st().material.zaisitu}),
              (std::pair{14, QString("木材－ジャラ")}));
    EXPECT_EQ(ctl<Label>("Lblzaisitu")->caption(), "ジャラ");
    EXPECT_EQ(ctl<QLineEdit>("Textyang")->text(), "14000");
    click(ctl("Image角ムク"));
    // Back to the opening screen and on again: SS400 and the circular tube afresh.
    click(ctl("Commandmae"));
    click(run.registry.screen<FormOpen>().control<QWidget>("ImageZI"));
    EXPECT_EQ((std::pair{st().material.zaitype, st().danmentype}), (std::pair{1, 1}));
    EXPECT_EQ(boxes(), ss400);
    EXPECT_EQ(st().material.DksendanvOld, 924);
    // A value typed over travels with its old unit to three figures as the catalog's own
    // (120 * 100 / 9.8 = 1224.49: 1220); the untouched ones keep the catalog's old values.
    typeInto(ctl<QLineEdit>("Textkmage"), "120");
    click(ctl("Commandtugi"));
    EXPECT_EQ(st().material.Dkmagev, 120);
    EXPECT_EQ(st().material.DkmagevOld, 1220);
    EXPECT_EQ((std::pair{st().material.DkashukuvOld, st().material.DyangvOld}),
              (std::pair{1600.0, 2100000.0}));
}

// Back to the list, the list's choice and name; then the typed name and values go on: 100 N/mm2
// is 100 * 100 / 9.8 = 1020.41 kg/cm2, 1020 to three figures.
TEST_F(MaterialScreen, ADirectlyEnteredMaterialGoesOnWithItsNameAndValues) {
    list()->setCurrentRow(2);
    click(ctl("CmdZaiNasi"));
    EXPECT_EQ(shown(), (QStringList{"TxtZai", "CmdList"}));
    typeInto(ctl<QLineEdit>("TxtZai"), "GFRP板");
    click(ctl("CmdList"));
    EXPECT_EQ(shown(), (QStringList{"Listzaisitu", "CmdZaiNasi"}));
    EXPECT_EQ(list()->currentRow(), 2);
    click(ctl("Commandtugi"));
    EXPECT_EQ(st().material.zaisitu, "アルミ合金－A6063-T5"); // the list's name, not the text box's
    Form材サイズ選択& sizes = run.registry.screen<Form材サイズ選択>();
    click(sizes.control<QWidget>("Commandmae"));
    click(ctl("CmdZaiNasi"));
    typeInto(ctl<QLineEdit>("TxtZai"), "GFRP板");
    typeInto(ctl<QLineEdit>("Textkmage"), "100");
    // A value that is no positive number does not go on, by any of the three ways on: "1,9"
    // would be read as 1, "abc" as no self weight at all.
    const QColor normal = ctl<QLineEdit>("Texthiju")->palette().color(QPalette::Base);
    int beeps = 0;
    for (const char* refused : {"1,9", "abc", "0", "-1.9", ""}) {
        SCOPED_TRACE(refused);
        typeInto(ctl<QLineEdit>("Texthiju"), refused);
        for (const char* way : {"Commandtugi", "CommandSonota"})
            click(ctl(way));
        doubleClick(ctl("Image丸パイプ"));
        EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
        EXPECT_EQ(run.counters.beeps, beeps += 3);
        EXPECT_EQ(ctl<QLineEdit>("Texthiju")->palette().color(QPalette::Base), QColor(255, 0, 0));
        EXPECT_EQ(ctl<Label>("LblDanmensentaku")->caption(),
                  "「比重」が正の数ではありません。\r半角数字で正の値を入力してください。");
    }
    typeInto(ctl<QLineEdit>("Texthiju"), "1.9");
    EXPECT_EQ(ctl<QLineEdit>("Texthiju")->palette().color(QPalette::Base), normal);
    typeInto(ctl<QLineEdit>("Textyang"), "7e3x");
    click(ctl("Commandtugi"));
    EXPECT_TRUE(ctl<Label>("LblDanmensentaku")->caption().startsWith("「ヤング係数」"));
    typeInto(ctl<QLineEdit>("Textyang"), "7e3");
    click(ctl("Commandtugi"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(st().material.zaisitu, "GFRP板");
    EXPECT_EQ(st().material.zaitype, 3); // the family of the last material chosen in the list
    EXPECT_EQ(st().material.DkmagevOld, 1020);
    EXPECT_EQ(need<QLineEdit>(sizes, "TxtHiju")->text(), "1.9");
    EXPECT_TRUE(need<Label>(sizes, "Labelzaisitu")->caption().startsWith("GFRP板 - "));
    // Back to the list after the typed name went on: the list's material goes on again.
    click(sizes.control<QWidget>("Commandmae"));
    click(ctl("CmdList"));
    click(ctl("Commandtugi"));
    EXPECT_EQ(st().material.zaisitu, "アルミ合金－A6063-T5");
}

// A lipped channel takes a double-click as a click; "その他の断面" goes straight on, the frame
// where it was.
TEST_F(MaterialScreen, TheLippedChannelStaysAndOtherShapesGoStraightOn) {
    doubleClick(ctl("Imageリップ縦"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form断面選択"});
    EXPECT_EQ(st().danmentype, 26);
    const QRect frame = app::twips(ctl("枠line"));
    EXPECT_EQ(frame.topLeft(), app::twips(ctl("Imageリップ縦")).topLeft());
    click(ctl("CommandSonota"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ((std::pair{st().danmentype, st().danmenkeijou}),
              (std::pair{88, QString("その他の断面")}));
    EXPECT_EQ(app::twips(ctl("枠line")), frame);
}

} // namespace
