// The roads of the calculation screen and of the section calculator, walked once each and
// checked along the way: the results of every structure and load case, and what a user sees of
// every screen and layout: no shown text wider (or, wrapped, taller) than its control or cut at
// its top or bottom, no label over a field or a button beside it, and the words of the gauge's
// scale over their marks. ctest runs these once more under QT_SCALE_FACTOR=2.
//
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
// The ratios: shown total stress / 157, and L / total deflection. The calculation sheet of each
// (計算書, printed to a PDF and read back) shows the screen's texts, and each of its lines
// "formula = numbers = result" evaluates to its result.
#include "pdf_reading.hpp"
#include "roads.hpp"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRadioButton>
#include <QRegularExpression>
#include <fstream>

#include "../beam/sheet_arithmetic.hpp"
#include "beam/dispatch.hpp"
#include "catalog/shapes.hpp"
#include "report/page.hpp"
#include "report/sheets.hpp"
#include "section/shapes.hpp"
#include "ui/calc_controls.hpp"
#include "ui/calc_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

constexpr double kSlack = 0.5; // logical pixels: rounding of a twip rectangle to pixels

QString where(const QWidget* w) {
    return w->window()->objectName() + '.' + w->objectName();
}

// The ink of a one-line label's text as its alignment places it, in the label's logical pixels:
// drawn unclipped on a larger transparent image, the pixels at least 40 % covered.
QRectF inkOf(const QLabel* l) {
    const qreal ratio = l->devicePixelRatioF();
    const QRect box = l->contentsRect();
    const int pad = box.height() + 8, side = QFontMetrics(l->font()).horizontalAdvance(l->text());
    QImage image((QSizeF(box.width() + 2 * side, box.height() + 2 * pad) * ratio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setFont(l->font());
    p.setPen(Qt::black);
    p.drawText(QRect(side, pad, box.width(), box.height()), int(l->alignment()) | Qt::TextDontClip,
               l->text());
    p.end();
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) >= 102) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    }
    if (bottom < 0) return {};
    return QRectF(left / ratio - side + box.left(), top / ratio - pad + box.top(),
                  (right + 1 - left) / ratio, (bottom + 1 - top) / ratio);
}

// Rows top..bottom × width, for a fault's text.
QString span(const QRectF& r) {
    return QStringLiteral("%1..%2 × %3").arg(r.top()).arg(r.bottom()).arg(r.width());
}

void checkLabel(const QLabel* l, QStringList& faults) {
    if (l->text().isEmpty()) return;
    const QFontMetricsF fm(l->font());
    const QRectF box = l->contentsRect();
    const QString named = where(l) + " \"" + l->text() + '"';
    if (l->wordWrap()) {
        const QRectF need = fm.boundingRect(box, int(l->alignment()) | Qt::TextWordWrap, l->text());
        if (need.width() > box.width() + kSlack || need.height() > box.height() + kSlack)
            faults << named + " needs " + span(need) + ", has " + span(box);
        return;
    }
    // Placed in the contents, drawn cut at the label's edges.
    const QRectF ink = inkOf(l), edges = l->rect();
    if (ink.isEmpty()) return;
    if (ink.left() < edges.left() - kSlack || ink.right() > edges.right() + kSlack ||
        ink.top() < edges.top() - kSlack || ink.bottom() > edges.bottom() + kSlack)
        faults << named + ": ink " + span(ink) + " in a box " + span(edges);
}

// Buttons whose caption wraps onto several lines (drawn 2 px in from the edges).
bool wraps(const QWidget* b) {
    static const QStringList names{"CmdHensuKaijo", "Cmdchokuzensuti", "CmdSaikeisan"};
    return names.contains(b->objectName());
}

void checkButton(const QAbstractButton* b, QStringList& faults) {
    if (b->text().isEmpty()) return;
    const QFontMetricsF fm(b->font());
    bool fits = true;
    if (qobject_cast<const QRadioButton*>(b)) {
        fits = b->sizeHint().width() <= b->width();
    } else if (wraps(b)) {
        const QRectF room = QRectF(b->rect()).adjusted(2, 2, -2, -2);
        const QRectF need =
            fm.boundingRect(room, Qt::AlignCenter | Qt::TextWrapAnywhere, b->text());
        fits = need.height() <= room.height() + kSlack;
    } else {
        fits = fm.horizontalAdvance(b->text()) <= b->width() - 4 + kSlack; // inside the frame
    }
    if (!fits) faults << QStringLiteral("%1 \"%2\" is cut").arg(where(b), b->text());
}

bool isFieldOrButton(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QGroupBox*>(w);
}

// Every fault of a loaded window as it stands (shown or hidden behind a later screen).
QStringList faultsOf(QWidget* window) {
    QStringList faults;
    const auto shown = [window](const QWidget* w) { return w->isVisibleTo(window); };
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!shown(l)) continue;
        checkLabel(l, faults);
        if (l->text().isEmpty() && !l->autoFillBackground()) continue; // nothing to see
        for (QObject* o : l->parent()->children()) {
            auto* s = qobject_cast<QWidget*>(o);
            if (s && s != l && shown(s) && isFieldOrButton(s) &&
                l->geometry().intersects(s->geometry()))
                faults << QStringLiteral("%1 \"%2\" lies over %3")
                              .arg(where(l), l->text(), s->objectName());
        }
    }
    // Two texts drawn over one another, where a label runs on beyond its neighbour's edge.
    QList<QLabel*> oneLine;
    QList<QRectF> inks; // each measured once: drawing and scanning is slow
    for (QLabel* l : window->findChildren<QLabel*>())
        if (shown(l) && !l->wordWrap() && !l->text().isEmpty())
            oneLine << l, inks << inkOf(l).translated(l->pos());
    for (int a = 0; a < oneLine.size(); ++a)
        for (int b = a + 1; b < oneLine.size(); ++b) {
            QLabel *x = oneLine[a], *y = oneLine[b];
            // The same text twice, one a little off the other, is a shadow.
            if (x->parent() != y->parent() || x->text() == y->text()) continue;
            const QRectF &inkX = inks[a], &inkY = inks[b];
            if (inkX.intersects(inkY))
                faults << QStringLiteral("%1 \"%2\" runs over %3 \"%4\"")
                              .arg(where(x), x->text(), y->objectName(), y->text());
        }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (shown(b)) checkButton(b, faults);
    return faults;
}

// Checks every loaded window, once per fault however often it is met.
class LayoutWalk {
public:
    // The shown windows, or every loaded one (those left behind on the way too).
    void check(const QString& situation, bool everyLoaded = false) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->objectName().startsWith("Form") || !(everyLoaded || w->isVisible())) continue;
            for (const QString& f : faultsOf(w))
                if (!seen_.contains(f)) {
                    seen_ << f;
                    ADD_FAILURE() << situation.toStdString() << ": " << f.toStdString();
                }
        }
    }

private:
    QStringList seen_;
};

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

const beam::Problem kMessages[] = {beam::Problem::L1TooLarge,   beam::Problem::BadZ,
                                   beam::Problem::BadI,         beam::Problem::BadE,
                                   beam::Problem::NegativeMass, beam::Problem::BadAllowable};

// The longest texts LbBikou shows: the cores' refusals and the screen's own.
const char* const kBikou[] = {
    "角パイプの肉厚が大きすぎます。正方形の幅と厚みを正しく入力して下さい。",
    "断面は縦長タイプです。横長タイプに変更する場合は、前に戻って、断面を再選択して下さい。",
    "断面は横長タイプです。縦長タイプに変更する場合は、前に戻って、断面を再選択して下さい。",
    "申し訳ありませんが、断面形状が小さいため対応できません。",
};

class Layout : public SectionCalculatorTest {};

// Where the centre of a word of a label's text falls, in the window's pixels.
std::optional<double> centreOf(const QString& word, const QLabel* l) {
    const int at = l->text().indexOf(word);
    if (at < 0 || !l->isVisible()) return std::nullopt;
    const QFontMetricsF fm(l->font());
    const QRectF box = l->contentsRect();
    const double whole = fm.horizontalAdvance(l->text());
    double left = box.left();
    if (l->alignment() & Qt::AlignHCenter) left += (box.width() - whole) / 2;
    if (l->alignment() & Qt::AlignRight) left += box.width() - whole;
    const double centre =
        left + fm.horizontalAdvance(l->text().left(at)) + fm.horizontalAdvance(word) / 2;
    return l->mapTo(l->window(), QPointF(centre, 0)).x();
}

// "100%", "150%" and "200%" stand over the 100 % mark, the 150 % mark and the end of the band,
// "長期" before "100%".
void expectScaleOverItsMarks(Form入力計算& calc) {
    QWidget* scale = calc.control<QWidget>("Label100");
    ASSERT_TRUE(scale->isVisible());
    QList<QLabel*> labels = scale->findChildren<QLabel*>();
    labels << qobject_cast<QLabel*>(scale);
    const auto centre = [&](const char* word) {
        for (const QLabel* l : labels)
            if (const auto c = centreOf(QString::fromUtf8(word), l)) return *c;
        ADD_FAILURE() << word << " not shown";
        return -1e9;
    };
    const auto middle = [&](const char* n) {
        const QWidget* w = calc.control<QWidget>(QString::fromUtf8(n));
        return w->mapTo(w->window(), QPointF(w->width() / 2.0, 0)).x();
    };
    const QWidget* band = calc.control<QWidget>("ShapeHan4");
    const double end = band->mapTo(band->window(), QPointF(band->width(), 0)).x();
    EXPECT_NEAR(centre("100%"), middle("LineH1"), 1.5);
    EXPECT_NEAR(centre("150%"), middle("LineH2"), 1.5);
    EXPECT_NEAR(centre("200%"), end, 1.5);
    EXPECT_LT(centre("長期"), centre("100%") - 20);
    EXPECT_EQ(scale->accessibleName(), QString::fromUtf8("長期 100%      150%     200%"));
}

// The sheet of the calculation as it stands: the screen's results and ratios as it shows them,
// each worked line adding up, and room to spare above the page's footer.
void expectTheSheetOfTheScreen(ProgramRun& run, Form入力計算& calc, const QString& fit) {
    static const QRegularExpression line(
        QStringLiteral(" = ([^=]+?) = ([0-9.]+(?:/[0-9]+)?(?: %)?)"));
    const QString text = printedSheet(run, calc);
    const struct {
        const char *control, *unit;
    } shown[] = {{"Textkajumo", "N·m"}, {"Textkajumage", "N/mm²"}, {"Textjiju", "N"},
                 {"Textjmo", "N·m"},    {"Textjmage", "N/mm²"},    {"Textkajut", "N"},
                 {"Textmot", "N·m"},    {"Textmaget", "N/mm²"},    {"Textkajutawami", "mm"},
                 {"Textjtawami", "mm"}, {"Texttawamit", "mm"}};
    for (const auto& s : shown) {
        const QString want = " = " + need<QLineEdit>(calc, s.control)->text().trimmed() + " " +
                             QString::fromUtf8(s.unit);
        EXPECT_TRUE(holdsText(text, want)) << s.control << ": " << want.toStdString();
    }
    for (const char* label : {"Labelmagehikaku", "Labeltawamihikaku", "Label判定", "Label式"})
        EXPECT_TRUE(holdsText(text, need<Label>(calc, label)->caption())) << label;
    int lines = 0;
    for (auto m = line.globalMatch(text); m.hasNext(); ++lines) {
        const auto hit = m.next();
        std::string why;
        EXPECT_TRUE(
            sheet::agrees(hit.captured(1).toStdString(), hit.captured(2).toStdString(), &why))
            << why;
    }
    EXPECT_GE(lines, 13); // load 3, self weight 4, total 4, ratios 2
    QPdfWriter writer(fit);
    report::setUpPage(writer);
    QPainter painter(&writer);
    const report::BeamSheet sheet = report::beamSheet(run.registry.state(), QDate(2026, 12, 9));
    EXPECT_LT(report::paintBeamSheet(painter, sheet), report::kContentHeight - 5) << "footer";
}

// "前に戻る" from an opened check of a simple beam with a load at any point: each screen shows
// what was chosen on the way there, the size in row 1 of its list.
void theWayBackShowsTheSavedChoices(app::Registry& r) {
    const auto back = [](app::Screen& from, app::Screen& to) {
        click(need(from, "Commandmae"));
        EXPECT_TRUE(to.isLoaded() && to.window().isVisible()) << to.name().toStdString();
    };
    auto& sizes = r.screen<Form材サイズ選択>();
    back(r.screen<Form入力計算>(), sizes);
    EXPECT_EQ(need<QListWidget>(sizes, "ListDanmenSize")->currentRow(), 1);
    EXPECT_EQ(need<Label>(sizes, "LblDanmenSize")->caption(), "P-A");
    auto& choice = r.screen<Form断面選択>();
    back(sizes, choice);
    EXPECT_EQ(need<QListWidget>(choice, "Listzaisitu")->currentRow(), 0);
    EXPECT_TRUE(need<Label>(choice, "LblDanmensentaku")->caption().startsWith("丸パイプ"));
    back(choice, r.screen<Form両端0>());
    const Label* load = need<Label>(r.screen<Form両端0>(), "Label2");
    EXPECT_TRUE(load->caption().endsWith("任意点集中荷重") && !load->isHidden());
    back(r.screen<Form両端0>(), r.screen<Form梁形式1>());
    EXPECT_EQ(need<Label>(r.screen<Form梁形式1>(), "Label2")->caption().trimmed(), "両端支持");
}

// Each road after the first follows a restart by "最初から", and starts empty, in N and SI. Its
// layouts: the size screen with its list on the way, the calculation screen empty, with a verdict,
// in both displays and with each message. An L1 pasted at once (typed, "250" would be computed
// first) beyond the span is named.
TEST_F(Layout, EveryStructureAndLoadCaseFromTheFirstScreenToTheVerdict) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::ofstream(folder.filePath("vbSStype.csv").toStdString(), std::ios::binary)
        << "1,\"P-0\",1,2,3,4,5\r\n1,\"P-A\",7.85,10,50,10,2.24\r\n";
    app::Registry& r = run.registry;
    r.setDataFolders({folder.path().toStdString()});
    run.reportPreview->pdf = folder.filePath("report.pdf");
    run.reportPreview->typed =
        app::ReportHeading{QStringLiteral("倉庫増築"), QStringLiteral("小梁 B1")};
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
    LayoutWalk walk;
    for (const Walk& w : kWalks) {
        const QString name = QString::fromUtf8(w.structure) + ' ' + QString::fromUtf8(w.loadCase);
        SCOPED_TRACE(name.toStdString());
        toSizeScreen(run, "Image丸パイプ", BeamCase{w.structure, w.loadCase});
        walk.check(name + " size screen", true);
        auto* sizes = r.screen<Form材サイズ選択>().control<QListWidget>("ListDanmenSize");
        doubleClickAt(sizes->viewport(), sizes->visualItemRect(sizes->item(1)).center());
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
        walk.check(name);

        QStringList pictures;
        for (QWidget* p : calc.window().findChildren<QWidget*>())
            if (p->objectName().startsWith("Img入力") && p->isVisible())
                pictures << p->objectName();
        pictures.sort();
        EXPECT_EQ(pictures, (QStringList{w.picture, QString(w.picture) + "M"}));
        EXPECT_EQ(caption("LabelHEN1M"), w.loadCaption);
        EXPECT_EQ(ctl("TextHEN3")->isVisible(), w.withL1);
        EXPECT_EQ(read("TextHEN1 TextHEN2 Textkajumo"), "  0");
        EXPECT_TRUE(
            need<QRadioButton>(calc, "Opt1N")->isChecked() &&
            need<QRadioButton>(calc, "Opt2SI")->isChecked()); // whatever the last road chose
        EXPECT_FALSE(ctl("Label100")->isVisible());
        if (&w == kWalks) { // nothing calculated: the sheet shows no working
            const QString none = printedSheet(run, calc);
            EXPECT_TRUE(holdsText(none, "計算結果はありません") && !holdsText(none, "荷重による"));
        }
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
        expectScaleOverItsMarks(calc);
        walk.check(name + " verdict");
        expectTheSheetOfTheScreen(run, calc, folder.filePath("fit.pdf"));
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
        // 1000 kN, per metre where the load is distributed (the cantilever's 1000 kN/m × 2 m gives
        // M = w·L²/2 = 2 000 000 N·m), in the old units.
        click(ctl("Opt1kN"));
        if (ctl("Cmdw")->isVisible()) click(ctl("Cmdw"));
        if (&w == kWalks + 1) {
            // The typed 1000 as kN per metre: W = 2000 kN, M = W·L/2 = 2 000 000 N·m; as the whole
            // load, 1 000 000 N·m; as 1000 kg, 9800 N and 9800 N·m.
            const auto shows = [&] {
                return caption("LabelHEN1M") + " " + read("Textkaju Textkajumo");
            };
            EXPECT_EQ(shows(), "分布荷重を入力(kN/m) 2000000 2000000");
            click(ctl("CmdP"));
            EXPECT_EQ(shows(), "全体荷重を入力( kN ) 1000000 1000000");
            click(ctl("Opt1kg"));
            EXPECT_EQ(shows(), "全体荷重を入力( kg ) 9800 9800");
            click(ctl("Opt1kN"));
            click(ctl("Cmdw"));
        }
        click(ctl("Opt2old"));
        walk.check(name + " old units");
        if (&w == std::end(kWalks) - 1) {
            // The results and the material carry their kg-based twins on the sheet; the heading
            // typed in the preview, and what the check does not cover.
            const QString old = printedSheet(run, calc);
            for (const char* twin :
                 {"TextkajumoOld", "TextmotOld", "TextmagetOld", "TextyangOld", "TextkmageOld"})
                EXPECT_TRUE(holdsText(old, box(twin)->text().trimmed() + " kg")) << twin;
            EXPECT_TRUE(holdsText(old, "倉庫増築") && holdsText(old, "横座屈"));
        }
        // Saved and opened in a fresh program run, the check shows every text it showed.
        saveCheck(run, calc, folder.filePath("road.hari"));
        {
            ProgramRun opened;
            opened.registry.setDataFolders({folder.path().toStdString()});
            openCheck(opened, folder.filePath("road.hari"));
            EXPECT_EQ(seen(opened.registry.screen<Form入力計算>()), seen(calc));
            if (std::string(w.loadCase) == "Image両端支持任意")
                theWayBackShowsTheSavedChoices(opened.registry);
        }
        Label* message = calc.control<Label>("Labelinphantei");
        for (beam::Problem p : kMessages) {
            message->setCaption(qtext(beam::problemMessage(p)));
            message->show();
            walk.check(name + " message");
        }
        click(ctl("CmdTop"));
        ASSERT_EQ(visibleWindows(), QStringList{"FormOpen"});
        EXPECT_EQ(run.counters.ends, 0);
    }
    // 件名 and 部材名 typed in the preview belong to the check and head its next sheet.
    EXPECT_EQ(run.counters.reportPreviews, 17);
    EXPECT_EQ(r.state().件名, "倉庫増築");
    EXPECT_EQ(run.reportPreview->shown.部材名, "小梁 B1");
}

// Every shape of the calculator in both displays and with each message, and the size screen's
// prompts without size tables.
TEST_F(Layout, EveryShapeOfTheCalculatorAndTheSizeScreensPrompts) {
    LayoutWalk walk;
    int shapes = 0;
    for (int code = 1; code <= 99; ++code) {
        if (!section::shapeLayout(code)) continue;
        const QString picture = sectionPictureName(code);
        ASSERT_FALSE(picture.isEmpty()) << code;
        SCOPED_TRACE(picture.toStdString());
        open(picture.toUtf8().constData());
        ++shapes;
        Form材サイズ選択& sizes = run.registry.screen<Form材サイズ選択>();
        auto* prompt = sizes.control<Label>("LblDanmen");
        for (std::string_view p : {catalog::kDirectOrCalcPrompt, catalog::kDirectOnlyPrompt}) {
            prompt->setCaption(qtext(p));
            walk.check(picture + " size screen", true);
        }
        walk.check(picture);
        click(ctl("Opt2old"));
        walk.check(picture + " old units");
        click(ctl("Opt2SI"));
        for (const char* m : kBikou) {
            ctl<Label>("LbBikou")->setCaption(QString::fromUtf8(m));
            ctl("LbBikou")->show();
            walk.check(picture + " message");
        }
        click(ctl("Commandmae"));
        click(sizes.control<QWidget>("Commandmae"));
        click(run.registry.screen<Form断面選択>().control<QWidget>("Commandmae"));
        ASSERT_EQ(visibleWindows(), QStringList{"FormOpen"});
    }
    EXPECT_GE(shapes, 14);
}

} // namespace
