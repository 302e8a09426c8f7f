// Form断面選定 beside the calculation: the cantilever of SS400 H sections under P = 7500 N at
// the tip of L = 2000 mm, M = P L = 15000 N·m. By hand (JIS figures, Z cm³, mass = A x 0.785):
//   H-150×75×5×7   Z 88.8, 14.01 kg/m: 168.92 + 274.6/88.8 = 172.0 N/mm², 109.6 %: 短期 OK
//   H-198×99×4.5×7 Z 156, 17.81 kg/m: 96.15 + 349.1/156 = 98.4, 62.7 %: 長期 OK, the lightest;
//                  δ = 7500 x 2000³/(3 x 205000 x 1540e4) = 6.34 + 0.11 = 6.4 mm, 1/310
//   H-125×60×6×8   Z 65.5, 13.10 kg/m: 229.0 + 3.92 = 232.9, 148.3 %: the lightest 短期 OK
//   H-200×100×5.5×8 Z 181, I 1810, 20.94 kg/m: 85.1 N/mm², 5.50 mm, 1/364: the lightest whose
//                  deflection is within 1/320 (H-175×90 1/244 and H-148×100 1/201 are not)
// Under P = 2000 N, M = 4000 N·m: H-100×50×5×7 (Z 37.5, 9.30 kg/m) 106.7 + 182.3/37.5 = 4.86:
// 111.5, 71.0 %: 長期 OK, the lightest of the table.
#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>

#include "roads.hpp"
#include "ui/calc_screen.hpp"
#include "ui/ranking_model.hpp"
#include "ui/ranking_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

class RankingWindow : public ScreenTest<Form入力計算> {
protected:
    void SetUp() override {
        run.registry.setDataFolders({HARI_SOURCE_DIR "/data"});
        toSizeScreen(run, "ImageH縦", BeamCase{"Image片持1", "Image片持集中"});
        auto* list = need<QListWidget>(sizes(), "ListDanmenSize");
        const auto rows = list->findItems(QStringLiteral("H-150×75×5×7"), Qt::MatchExactly);
        ASSERT_FALSE(rows.isEmpty());
        list->setCurrentItem(rows.front());
        click(need(sizes(), "Commandtugi"));
        typeInto(ctl<QLineEdit>("TextHEN1"), "7500");
        typeInto(ctl<QLineEdit>("TextHEN2"), "2000");
        click(ctl("Cmd断面選定"));
        ASSERT_EQ(visibleWindows(), (QStringList{"Form入力計算", "Form断面選定"}));
    }
    Form材サイズ選択& sizes() { return run.registry.screen<Form材サイズ選択>(); }
    Form断面選定& ranking() { return run.registry.screen<Form断面選定>(); }
    QTableView* table() { return need<QTableView>(ranking(), "Table断面選定"); }
    RankingModel& model() { return *static_cast<RankingModel*>(table()->model()); }
    QString lightest() { return need<Label>(ranking(), "Label最軽量")->caption(); }
    QString cell(int row, choose::Column c) {
        return model().index(row, static_cast<int>(c)).data().toString();
    }
};

// Open it, read the marked row, double-click it: the calculation shows that size and its
// verdict, the window is gone, and the way back finds the size on the size screen's list.
TEST_F(RankingWindow, TheMarkedRowDoubleClickedIsCalculated) {
    EXPECT_EQ(ranking().window().windowTitle(), "断面選定");
    EXPECT_EQ(lightest(), "最も軽い長期 OK: H-198×99×4.5×7 (17.81 kg/m)");
    const int marked = table()->currentIndex().row();
    ASSERT_EQ(marked, model().lightestRow());
    EXPECT_EQ(cell(marked, choose::Column::DeflectionRatio), "1/310");
    const QModelIndex at = model().index(marked, 0);
    EXPECT_TRUE(at.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(at.data(Qt::BackgroundRole).value<QColor>(), RankingModel::kLightestBack);
    // H-150×75 fails the long term: grey, its verdict red.
    const int failing = model().find(9, "H-150×75×5×7");
    EXPECT_EQ(cell(failing, choose::Column::Verdict), "曲げ応力 短期 OK");
    EXPECT_EQ(model().index(failing, 1).data(Qt::ForegroundRole).value<QColor>(),
              RankingModel::kFailingText);
    EXPECT_EQ(model().index(failing, 9).data(Qt::ForegroundRole).value<QColor>(),
              RankingModel::kFailingVerdict);
    // Cells and headers are named for a screen reader.
    EXPECT_EQ(model().index(marked, 5).data(Qt::AccessibleTextRole).toString(), "応力(N/mm2) 98.4");
    EXPECT_EQ(model().headerData(6, Qt::Horizontal, Qt::AccessibleTextRole).toString(), "応力比");

    table()->scrollTo(at);
    doubleClickAt(table()->viewport(), table()->visualRect(at).center());
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(caption("Labeldsize"), "H-198×99×4.5×7");
    EXPECT_EQ(text("Textmaget"), "98.4"); // with its Z, 156, and the load that stays
    EXPECT_EQ(caption("Labelmagehikaku"), "62.7 %");
    EXPECT_EQ(caption("Label判定"), "曲げ応力 長期 OK");

    click(ctl("Commandmae"));
    ASSERT_EQ(visibleWindows(), QStringList{"Form材サイズ選択"});
    EXPECT_EQ(need<QListWidget>(sizes(), "ListDanmenSize")->currentItem()->text(),
              "H-198×99×4.5×7");
}

// Each keystroke on the calculation screen re-ranks; the choices re-rank too, and so does an
// allowable stress typed over there, which stays with the size Enter takes: fb 235,
// H-125×60×6×8 232.9/235 = 99.1 %: 長期 OK, lighter than any other.
TEST_F(RankingWindow, FollowsTheCalculationAndItsChoices) {
    typeInto(ctl<QLineEdit>("TextHEN1"), "2000");
    EXPECT_EQ(lightest(), "最も軽い長期 OK: H-100×50×5×7 (9.30 kg/m)");
    typeInto(ctl<QLineEdit>("TextHEN1"), "7500");
    EXPECT_EQ(lightest(), "最も軽い長期 OK: H-198×99×4.5×7 (17.81 kg/m)");

    click(need(ranking(), "Opt短期"));
    EXPECT_EQ(lightest(), "最も軽い短期 OK: H-125×60×6×8 (13.10 kg/m)");
    click(need(ranking(), "Opt長期"));
    auto* limit = need<QComboBox>(ranking(), "Cmbたわみ");
    limit->setCurrentIndex(4); // a typed n
    typeInto(need<QLineEdit>(ranking(), "Textたわみn"), "320");
    EXPECT_EQ(lightest(), "最も軽い長期 OK: H-200×100×5.5×8 (20.94 kg/m)");
    limit->setCurrentIndex(2); // 1/300: 1/310 passes again
    EXPECT_EQ(lightest(), "最も軽い長期 OK: H-198×99×4.5×7 (17.81 kg/m)");

    // A 7500 kN load: no size carries it.
    click(ctl("Opt1kN"));
    EXPECT_EQ(lightest(), "長期 OK のサイズはありません。");
    click(ctl("Opt1N"));

    // Sorted by a header click: the stiffest first by stress, the lightest row still marked.
    table()->horizontalHeader()->setSortIndicator(static_cast<int>(choose::Column::Stress),
                                                  Qt::AscendingOrder);
    const int rows = model().rowCount();
    ASSERT_GT(rows, 10);
    EXPECT_LE(cell(0, choose::Column::Stress).toDouble(),
              cell(rows - 1, choose::Column::Stress).toDouble());
    EXPECT_EQ(cell(model().lightestRow(), choose::Column::Designation), "H-198×99×4.5×7");

    limit->setCurrentIndex(0); // なし
    typeInto(ctl<QLineEdit>("Textkmage"), "235");
    click(ctl("CmdSaikeisan"));
    EXPECT_EQ(lightest(), "最も軽い長期 OK: H-125×60×6×8 (13.10 kg/m)");
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Return);
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(caption("Labeldsize"), "H-125×60×6×8");
    EXPECT_EQ(caption("Labelmagehikaku"), "99.1 %"); // of fb 235
}

// Its own print, and it closes with the calculation or by itself without ending the program.
TEST_F(RankingWindow, PrintsAndClosesWithTheCalculation) {
    printCancelledThenTwice(run, need(ranking(), "CmdPrin"), "Form断面選定");
    ranking().window().close(); // its close box
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    EXPECT_EQ(run.counters.ends, 0);
    click(ctl("Cmd断面選定"));
    click(ctl("CmdTop"));
    EXPECT_EQ(visibleWindows(), QStringList{"FormOpen"});
    EXPECT_FALSE(ranking().isLoaded());
}

// A size of another shape taken from every shape of the table: the calculation, the size screen
// and the shape screen all follow it on the way back.
TEST_F(RankingWindow, ASizeOfAnotherShapeIsFollowedOnTheWayBack) {
    click(need(ranking(), "Opt全形状"));
    int pipe = 0;
    while (pipe < model().rowCount() && model().row(pipe).shape != 1)
        ++pipe;
    ASSERT_LT(pipe, model().rowCount());
    const QString designation = cell(pipe, choose::Column::Designation);
    EXPECT_EQ(cell(pipe, choose::Column::Shape), "鋼管"); // the steel table's name of it
    table()->setCurrentIndex(model().index(pipe, 0));
    click(need(ranking(), "Cmdこのサイズで計算"));
    EXPECT_EQ(caption("Labeldsize"), designation);
    click(ctl("Commandmae"));
    EXPECT_EQ(need<QListWidget>(sizes(), "ListDanmenSize")->currentItem()->text(), designation);
    click(need(sizes(), "Commandmae"));
    Form断面選択& shapes = run.registry.screen<Form断面選択>();
    EXPECT_EQ(need(shapes, "枠line")->pos(), need(shapes, "Image丸パイプ")->pos());
    click(need(shapes, "Commandtugi"));
    EXPECT_EQ(need<Label>(sizes(), "LblDanmenSize")->caption(), "φ21.7×2.0"); // the first pipe
}

} // namespace
