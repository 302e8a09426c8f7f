// A check as a document in the window: saved from the calculation screen or the calculator and
// opened again from the opening screen, it shows every text it showed; the way back walks the
// screens as they were chosen; a refused file or a failed save changes nothing; the end of the
// program asks before a change since the last save is lost.
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>

#include "roads.hpp"
#include "ui/calc_screen.hpp"

namespace testing_ui {
namespace {

// What a user sees of a screen: every shown field, caption, button and option, by name.
QStringList seen(app::Screen& s) {
    QStringList out;
    QWidget& w = s.window();
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!c->isVisibleTo(&w) || c->objectName().isEmpty()) continue;
        QString what;
        if (auto* e = qobject_cast<QLineEdit*>(c))
            what = e->text();
        else if (auto* l = qobject_cast<ui::Label*>(c))
            what = l->caption();
        else if (auto* r = qobject_cast<QRadioButton*>(c))
            what = r->isChecked() ? "●" : "○";
        else if (auto* b = qobject_cast<QPushButton*>(c))
            what = b->text();
        else
            what = "shown";
        out << c->objectName() + "=" + what;
    }
    out.sort();
    return out;
}

QString text(app::Screen& s, const char* name) {
    return need<QLineEdit>(s, QString::fromUtf8(name))->text();
}
void type(app::Screen& s, const char* name, const QString& t) {
    typeInto(need<QLineEdit>(s, QString::fromUtf8(name)), t);
}

class CheckDocument : public ::testing::Test {
protected:
    QString file(const char* name) const { return QDir(folder.path()).filePath(name); }
    // Saves through "保存" on a screen into `name`.
    void save(ProgramRun& run, app::Screen& s, const char* name) {
        run.documents->saveAs = file(name);
        click(need(s, "Cmd保存"));
    }
    // A fresh program: the opening screen, "開く", the file.
    void open(ProgramRun& run, const QString& path) {
        run.registry.screen<ui::FormOpen>().show();
        run.documents->openName = path;
        click(need(run.registry.screen<ui::FormOpen>(), "CmdOpen"));
    }
    ui::Form入力計算& calc(ProgramRun& run) { return run.registry.screen<ui::Form入力計算>(); }

    // The beam road to the calculation screen with the listed size `kRow` of H形通常, a load,
    // span and L1 where the case has one, in kN and the old units for the uniform loads per
    // metre.
    static constexpr int kRow = 3;
    void walk(ProgramRun& run, BeamCase c) {
        toSizeScreen(run, "ImageH縦", c);
        auto& sizes = run.registry.screen<ui::Form材サイズ選択>();
        need<QListWidget>(sizes, "ListDanmenSize")->setCurrentRow(kRow);
        click(need(sizes, "Commandtugi"));
        ui::Form入力計算& k = calc(run);
        type(k, "TextHEN1", "2.5");
        type(k, "TextHEN2", "1800");
        if (need(k, "TextHEN3")->isVisibleTo(&k.window())) type(k, "TextHEN3", "600");
        if (need(k, "Cmdw")->isVisibleTo(&k.window())) {
            click(need(k, "Opt1kN"));
            click(need(k, "Cmdw"));
            click(need(k, "Opt2old"));
        }
    }

    // "前に戻る" from an opened simple beam with a load at any point: each screen shows what was
    // chosen on the way there.
    void theWayBackShowsTheSavedChoices(ProgramRun& run) {
        app::Registry& r = run.registry;
        click(need(calc(run), "Commandmae"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
        auto& sizes = r.screen<ui::Form材サイズ選択>();
        EXPECT_EQ(need<QListWidget>(sizes, "ListDanmenSize")->currentRow(), kRow);
        EXPECT_EQ(need<ui::Label>(sizes, "LblDanmenSize")->caption(),
                  need<QListWidget>(sizes, "ListDanmenSize")->item(kRow)->text());
        click(need(sizes, "Commandmae"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form断面選択"});
        auto& choice = r.screen<ui::Form断面選択>();
        EXPECT_EQ(need<QListWidget>(choice, "Listzaisitu")->currentRow(), 0);
        EXPECT_TRUE(need<ui::Label>(choice, "LblDanmensentaku")->caption().startsWith("H形"))
            << need<ui::Label>(choice, "LblDanmensentaku")->caption().toStdString();
        click(need(choice, "Commandmae"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form両端0"});
        const ui::Label* load = need<ui::Label>(r.screen<ui::Form両端0>(), "Label2");
        EXPECT_TRUE(load->caption().endsWith("任意点集中荷重"));
        EXPECT_FALSE(load->isHidden());
        click(need(r.screen<ui::Form両端0>(), "Commandmae"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form梁形式1"});
        EXPECT_EQ(need<ui::Label>(r.screen<ui::Form梁形式1>(), "Label2")->caption().trimmed(),
                  "両端支持");
    }

    QTemporaryDir folder;
};

TEST_F(CheckDocument, EveryStructureAndLoadCaseOpensAsItWasSaved) {
    for (const BeamCase& c : kEveryBeamCase) {
        SCOPED_TRACE(std::string(c.structure) + " " + c.loadCase);
        QStringList before;
        {
            ProgramRun run;
            walk(run, c);
            before = seen(calc(run));
            save(run, calc(run), "case.hari");
        }
        ProgramRun run;
        open(run, file("case.hari"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
        EXPECT_EQ(seen(calc(run)), before);
        // And by hand for the one with every choice: 2.5 kN/m over 1800 mm of a cantilever,
        // M = w L² / 2 = 2.5 × 1.8² / 2 kN·m = 4050 N·m.
        if (std::string(c.loadCase) == "Image片持分布") {
            EXPECT_EQ(text(calc(run), "Textkajumo"), "4050");
        }
        if (std::string(c.loadCase) == "Image両端支持任意") theWayBackShowsTheSavedChoices(run);
    }
}

TEST_F(CheckDocument, CalculatorAndTypedSectionsOpenAsSaved) {
    {
        // A simple beam of the unequal I worked out by the calculator.
        ProgramRun run;
        run.registry.setDataFolders({folder.path().toStdString()}); // no tables: the calculator
        toSectionCalculator(run, "ImageH縦a", BeamCase{"Image両端支持", "Image両端支持分布"});
        auto& s = run.registry.screen<ui::Form入力断面他>();
        const char* dims[] = {"100", "150", "200", "10", "8", "12"};
        for (int k = 0; k < 6; ++k)
            type(s, QStringLiteral("TextHEN%1").arg(k + 1).toUtf8().constData(), dims[k]);
        click(need(s, "Commandtugi"));
        type(calc(run), "TextHEN1", "40000");
        type(calc(run), "TextHEN2", "4000");
        save(run, calc(run), "calculator.hari");
        ProgramRun opened;
        open(opened, file("calculator.hari"));
        EXPECT_EQ(seen(calc(opened)), seen(calc(run)));
        // The way back shows the calculator's dimensions.
        click(need(calc(opened), "Commandmae"));
        EXPECT_TRUE(opened.registry.screen<ui::Form入力断面他>().window().isVisible());
        EXPECT_EQ(text(opened.registry.screen<ui::Form入力断面他>(), "TextHEN6"), "12");
    }
    {
        // Typed properties of a lipped channel, with a material typed in.
        ProgramRun run;
        toSizeScreen(run, "ImgZIE", BeamCase{"Image片持1", "Image片持集中"});
        auto& sizes = run.registry.screen<ui::Form材サイズ選択>();
        type(sizes, "Text面積", "12.50");
        type(sizes, "Textdz", "30");
        type(sizes, "Textdi", "120.5");
        type(sizes, "TxtD2r", "3.1");
        click(need(sizes, "Commandtugi"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
        type(calc(run), "TextHEN1", "500");
        type(calc(run), "TextHEN2", "1200");
        save(run, calc(run), "typed.hari");
        ProgramRun opened;
        open(opened, file("typed.hari"));
        EXPECT_EQ(seen(calc(opened)), seen(calc(run)));
    }
    {
        // The section road: the calculator is where it ends.
        ProgramRun run;
        run.registry.setDataFolders({folder.path().toStdString()});
        toSectionCalculator(run, "Image丸パイプ");
        auto& s = run.registry.screen<ui::Form入力断面他>();
        type(s, "TextHEN1", "60.5");
        type(s, "TextHEN2", "3.2");
        save(run, s, "pipe.hari");
        ProgramRun opened;
        open(opened, file("pipe.hari"));
        EXPECT_TRUE(opened.registry.screen<ui::Form入力断面他>().window().isVisible());
        EXPECT_EQ(seen(opened.registry.screen<ui::Form入力断面他>()), seen(s));
    }
}

TEST_F(CheckDocument, ARefusedFileOrAFailedSaveChangesNothing) {
    {
        std::ofstream(file("bad.hari").toStdString())
            << "{\"format\": \"hari-check\", \"version\": 3}";
    }
    ProgramRun run;
    walk(run, {"Image片持1", "Image片持集中"});
    const QStringList before = seen(calc(run));
    // Into a folder that is not there: said, naming the file; the check stays.
    run.documents->saveAs = file("none/x.hari");
    click(need(calc(run), "Cmd保存"));
    ASSERT_EQ(run.documents->told.size(), 1);
    EXPECT_EQ(run.documents->told[0], "「x.hari」に保存できませんでした。フォルダがありません。");
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(seen(calc(run)), before);
    // Cancelled: nothing is written, nothing said.
    run.documents->saveAs.reset();
    click(need(calc(run), "Cmd保存"));
    EXPECT_EQ(run.documents->told.size(), 1);
    // A newer file, from the opening screen after "最初から": refused, nothing opened.
    click(need(calc(run), "CmdTop"));
    open(run, file("bad.hari"));
    ASSERT_EQ(run.documents->told.size(), 2);
    EXPECT_TRUE(run.documents->told[1].startsWith("「bad.hari」を開けません。新しい版（第 3 版）"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_EQ(run.registry.state().hari, beam::Structure::Cantilever);
    // Never saved (the save failed, the file was refused): the end comes at once.
    run.registry.screen<ui::FormOpen>().window().close();
    EXPECT_EQ(run.counters.ends, 1);
    EXPECT_EQ(run.documents->questions, 0);
}

TEST_F(CheckDocument, ASavedCheckOpensWithoutItsSizeAndTheEndAsksOnlyAfterAChange) {
    {
        ProgramRun run;
        walk(run, {"Image片持1", "Image片持集中"});
        save(run, calc(run), "end.hari");
        // Saved and unchanged: no question.
        click(need(calc(run), "Commandend"));
        EXPECT_EQ(run.counters.ends, 1);
        EXPECT_EQ(run.documents->questions, 0);
    }
    {
        // A size the tables no longer hold: opened as typed properties, and said.
        QFile saved(file("end.hari"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        std::string bytes = saved.readAll().toStdString();
        const std::size_t at = bytes.find("\"size\": \"H-");
        ASSERT_NE(at, std::string::npos) << bytes;
        bytes.replace(at, 11, "\"size\": \"H-9");
        { std::ofstream(file("gone.hari").toStdString()) << bytes; }
        ProgramRun run;
        open(run, file("gone.hari"));
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
        ASSERT_EQ(run.documents->told.size(), 1);
        EXPECT_TRUE(run.documents->told[0].startsWith("サイズ「H-9"));
        EXPECT_TRUE(
            run.documents->told[0].endsWith("保存された断面性能を直接入力として開きました。"));
        EXPECT_EQ(need<ui::Label>(calc(run), "Labeldsize")->caption(), "直接入力");
        EXPECT_FALSE(text(calc(run), "Textkajumo").isEmpty());
        EXPECT_NE(text(calc(run), "Textkajumo"), "0");
    }
    ProgramRun run;
    open(run, file("end.hari"));
    type(calc(run), "TextHEN1", "3");
    // キャンセル: the check stays, by the button and by the close box.
    click(need(calc(run), "Commandend"));
    calc(run).window().close();
    EXPECT_EQ(run.documents->questions, 2);
    EXPECT_EQ(run.counters.ends, 0);
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    // 保存: written, then the end.
    run.documents->answer = app::DocumentDialogs::Answer::Save;
    click(need(calc(run), "Commandend"));
    EXPECT_EQ(run.counters.ends, 1);
    ProgramRun again;
    open(again, file("end.hari"));
    EXPECT_EQ(text(calc(again), "TextHEN1"), "3");
    // 保存しない: ends without writing.
    type(calc(again), "TextHEN1", "4");
    again.documents->answer = app::DocumentDialogs::Answer::Discard;
    click(need(calc(again), "Commandend"));
    EXPECT_EQ(again.counters.ends, 1);
    ProgramRun third;
    open(third, file("end.hari"));
    EXPECT_EQ(text(calc(third), "TextHEN1"), "3");
}

} // namespace
} // namespace testing_ui
