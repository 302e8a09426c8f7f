// What a user sees of every screen and layout: no shown text wider (or, wrapped, taller) than its
// control or cut at its top or bottom, no label over a field or a button beside it, and the words
// of the gauge's scale over their marks. ctest runs these once more under QT_SCALE_FACTOR=2.
#include "roads.hpp"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <fstream>

#include "beam/dispatch.hpp"
#include "catalog/shapes.hpp"
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

void checkLabel(const QLabel* l, QStringList& faults) {
    if (l->text().isEmpty()) return;
    const QFontMetricsF fm(l->font());
    const QRectF box = l->contentsRect();
    if (l->wordWrap()) {
        const QRectF need = fm.boundingRect(box, int(l->alignment()) | Qt::TextWordWrap, l->text());
        if (need.width() > box.width() + kSlack || need.height() > box.height() + kSlack)
            faults << QStringLiteral("%1 \"%2\" needs %3×%4, has %5×%6")
                          .arg(where(l), l->text())
                          .arg(need.width())
                          .arg(need.height())
                          .arg(box.width())
                          .arg(box.height());
        return;
    }
    // Placed in the contents, drawn cut at the label's edges.
    const QRectF ink = inkOf(l), edges = l->rect();
    if (ink.isEmpty()) return;
    if (ink.left() < edges.left() - kSlack || ink.right() > edges.right() + kSlack ||
        ink.top() < edges.top() - kSlack || ink.bottom() > edges.bottom() + kSlack)
        faults << QStringLiteral("%1 \"%2\": ink %3..%4 × %5 in a box %6..%7 × %8")
                      .arg(where(l), l->text())
                      .arg(ink.top())
                      .arg(ink.bottom())
                      .arg(ink.width())
                      .arg(edges.top())
                      .arg(edges.bottom())
                      .arg(edges.width());
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

// Each structure by one picture of its load cases.
constexpr const auto& kCases = kEveryBeamCase;

const beam::Problem kMessages[] = {beam::Problem::L1TooLarge,   beam::Problem::BadZ,
                                   beam::Problem::BadI,         beam::Problem::BadE,
                                   beam::Problem::NegativeMass, beam::Problem::BadAllowable};

// The texts LbBikou shows: the cores' refusals, the centroid note, the screen's own.
const char* const kBikou[] = {
    "パイプの肉厚が半径を超えてます。",
    "角パイプの肉厚が大きすぎます。正方形の幅と厚みを正しく入力して下さい。",
    "角パイプは、縦長タイプです。幅と高さを正しく入力して下さい。",
    "角パイプは、横長タイプです。幅と高さを正しく入力して下さい。",
    "角パイプの肉厚が大きすぎます。",
    "断面は縦長タイプです。横長タイプに変更する場合は、前に戻って、断面を再選択して下さい。",
    "断面は横長タイプです。縦長タイプに変更する場合は、前に戻って、断面を再選択して下さい。",
    "肉厚が大きすぎます。",
    "重心は下から 123.4 cm の位置です。",
    "寸法が計算できる範囲を超えています。",
    "申し訳ありませんが、断面形状が小さいため対応できません。",
    "断面形状を入力してから、次へ進んでください。",
};

class Layout : public SectionCalculatorTest {};

// The fifteen layouts of the calculation screen, empty, with a verdict, in both displays and
// with each message; and the size screen with its list on the way.
TEST_F(Layout, EveryCalculationLayoutInBothDisplaysWithEachMessage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::ofstream(folder.filePath("vbSStype.csv").toStdString(), std::ios::binary)
        << "1,\"P-A\",7.85,10,50,10,2.24\r\n";
    app::Registry& r = run.registry;
    r.setDataFolders({folder.path().toStdString()});
    Form入力計算& calc = r.screen<Form入力計算>();
    const auto box = [&](const char* n) { return calc.control<QLineEdit>(QString::fromUtf8(n)); };
    LayoutWalk walk;
    for (const BeamCase& c : kCases) {
        const QString name = QString::fromUtf8(c.structure) + ' ' + QString::fromUtf8(c.loadCase);
        SCOPED_TRACE(name.toStdString());
        toSizeScreen(run, "Image丸パイプ", c);
        walk.check(name + " size screen", true);
        auto* sizes = r.screen<Form材サイズ選択>().control<QListWidget>("ListDanmenSize");
        doubleClickAt(sizes->viewport(), sizes->visualItemRect(sizes->item(0)).center());
        ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
        walk.check(name);
        typeInto(box("TextHEN1"), "1000");
        typeInto(box("TextHEN2"), "2000");
        if (box("TextHEN3")->isVisible()) typeInto(box("TextHEN3"), "500");
        ASSERT_TRUE(need(calc, "Label100")->isVisible());
        walk.check(name + " verdict");
        click(calc.control<QWidget>("Opt2old"));
        walk.check(name + " old units");
        click(calc.control<QWidget>("Opt2SI"));
        Label* message = calc.control<Label>("Labelinphantei");
        for (beam::Problem p : kMessages) {
            message->setCaption(qtext(beam::problemMessage(p)));
            message->show();
            walk.check(name + " message");
        }
        click(calc.control<QWidget>("CmdTop"));
        ASSERT_EQ(visibleWindows(), QStringList{"FormOpen"});
    }
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
// "長期" before "100%"; the scale shows and hides with the verdict.
TEST_F(Layout, TheWordsOfTheGaugeScaleStandOverTheirMarks) {
    open("Image丸パイプ", BeamCase{"Image片持1", "Image片持集中"});
    typeInto(hen(1), "60.5");
    typeInto(hen(2), "3.2");
    click(ctl("Commandtugi"));
    Form入力計算& calc = run.registry.screen<Form入力計算>();
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    QWidget* scale = calc.control<QWidget>("Label100");
    EXPECT_FALSE(scale->isVisible());
    typeInto(calc.control<QLineEdit>("TextHEN1"), "1000");
    typeInto(calc.control<QLineEdit>("TextHEN2"), "2000");
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

    click(calc.control<QWidget>("CmdHensuKaijo"));
    EXPECT_FALSE(scale->isVisible());
}

} // namespace
