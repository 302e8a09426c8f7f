// The section calculator walked for the sections a designer types in most, every expected
// property found by integrating the section's outline (the shoelace sums of a polygon), not by
// the calculator's closed formulas; each failed dimension check; the hand-over to the beam
// calculation; and printing to a real PDF.
#include "fakes.hpp"
#include "pdf_reading.hpp"
#include "roads.hpp"

#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>

#include "app/services.hpp"
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

// A polygon as x, y pairs in mm, y upwards: counter-clockwise, a hole clockwise.
using Polygon = std::vector<double>;

// The five result texts a user reads, integrated over the outline by the shoelace sums: area
// cm², mass kg/m (specific gravity 7.85), Z cm³ (from the farther face), I cm⁴ about the
// horizontal centroidal axis, radius of gyration cm; then where the centroid lies.
QStringList expected(const std::vector<Polygon>& parts) {
    double a = 0, sy = 0, ixx = 0, top = -1e300, bottom = 1e300;
    for (const Polygon& p : parts)
        for (std::size_t k = 0; k < p.size(); k += 2) {
            const double ux = p[k], uy = p[k + 1], vx = p[(k + 2) % p.size()],
                         vy = p[(k + 3) % p.size()], cross = ux * vy - vx * uy;
            a += cross / 2;
            sy += (uy + vy) * cross / 6;
            ixx += (uy * uy + uy * vy + vy * vy) * cross / 12;
            top = std::max(top, uy);
            bottom = std::min(bottom, uy);
        }
    const double yc = sy / a, i = ixx - a * yc * yc, far = std::max(top - yc, yc - bottom);
    const auto two = [](double v) { return QString::number(v, 'f', 2); };
    return {two(a / 100),
            two(a / 100 * 7.85 / 10),
            two(i / far / 1000),
            two(i / 10000),
            two(std::sqrt(i / a) / 10),
            QString::fromUtf8("重心は下から %1 cm の位置です。")
                .arg(QString::number((yc - bottom) / 10, 'f', 1))};
}

struct Shape {
    const char* picture;
    std::vector<const char*> dims; // HEN1, HEN2, … as typed
    std::vector<Polygon> outline;
    const char* designation; // each number with the blank of a positive number in front
    bool centroid;           // LbBikou tells where the centroid lies
};

// Rectangular tube upright 50 × 100 × 3.2; unequal angle 50 × 100 × 6 (horizontal leg along the
// bottom, vertical leg at its left); T 100 wide, 50 high, flange 10, web 6; light-gauge channel
// 40 × 100 × 2.3 (web at the left, flanges to the right); unequal I with a 100 × 10 top flange,
// a 150 × 12 bottom flange, 200 high, web 8.
std::vector<Shape> shapes() {
    return {
        {"Image角パイプ縦",
         {"50", "100", "3.2"},
         {{0, 0, 50, 0, 50, 100, 0, 100}, {3.2, 3.2, 3.2, 96.8, 46.8, 96.8, 46.8, 3.2}},
         "□  50× 100× t 3.2",
         false},
        {"ImageL不等縦",
         {"50", "100", "6"},
         {{0, 0, 50, 0, 50, 6, 6, 6, 6, 100, 0, 100}},
         "L  50× 100× t 6",
         true},
        {"ImageT縦",
         {"100", "50", "10", "6"},
         {{47, 0, 53, 0, 53, 40, 100, 40, 100, 50, 0, 50, 0, 40, 47, 40}},
         "T  50× 100× t 10× a 6",
         true},
        {"Image軽溝縦長",
         {"40", "100", "2.3"},
         {{0, 0, 40, 0, 40, 2.3, 2.3, 2.3, 2.3, 97.7, 40, 97.7, 40, 100, 0, 100}},
         "軽溝縦   40× 100× t 2.3",
         false},
        {"ImageH縦a",
         {"100", "150", "200", "10", "8", "12"},
         {{0,   0,   150, 0,   150, 12,  79, 12,  79, 190, 125, 190,
           125, 200, 25,  200, 25,  190, 71, 190, 71, 12,  0,   12}},
         "異形 A 100× B 150× H 200× a 10× t 8× b 12",
         true},
    };
}

class SectionWalk : public SectionCalculatorTest {
protected:
    void back() {
        click(ctl("Commandmae"));
        click(run.registry.screen<Form材サイズ選択>().control<QWidget>("Commandmae"));
    }
    // Odd fields typed; even ones through the keypad: the keys, then a click on the field.
    void enter(const Shape& shape) {
        for (std::size_t k = 0; k < shape.dims.size(); ++k) {
            if (k % 2 == 1) press(shape.dims[k]);
            k % 2 ? click(hen(int(k) + 1)) : typeInto(hen(int(k) + 1), shape.dims[k]);
        }
    }
};

TEST_F(SectionWalk, PropertiesAgreeWithTheIntegratedOutline) {
    for (const Shape& shape : shapes()) {
        SCOPED_TRACE(shape.picture);
        open(shape.picture);
        const int beeps = run.counters.beeps;
        enter(shape);
        const QStringList want = expected(shape.outline);
        EXPECT_EQ(results(), want.mid(0, 5));
        EXPECT_EQ(caption("Labeldsize"), QString::fromUtf8(shape.designation));
        EXPECT_TRUE(wholeTextShown(ctl<Label>("Labeldsize")));
        EXPECT_EQ(bikou(), shape.centroid ? want[5] : QString());
        EXPECT_EQ(run.counters.beeps, beeps) << "no entry on the way was refused";
        back();
    }
}

// The fields each shape asks for, each with its label, and one drawing with its artwork. Each
// check refused: its message, one beep, the results and the designation kept.
TEST_F(SectionWalk, EachFailedCheckBeepsAndKeepsTheResults) {
    const std::vector<const char*> tube{"50", "100", "3.2"}, unequalI = shapes()[4].dims;
    const char* kUpright =
        "断面は縦長タイプです。横長タイプに変更する場合は、前に戻って、断面を再選択して下さい。";
    const struct {
        struct {
            const char* picture;
            std::vector<const char*> good;
            int field;         // pasted over at once
            const char* value; // with the value that fails the check
        } at;
        const char* message;
    } checks[] = {
        {{"Image角パイプ縦", tube, 2, "40"},
         "角パイプは、縦長タイプです。幅と高さを正しく入力して下さい。"},
        {{"Image角パイプ縦", tube, 3, "25"}, "角パイプの肉厚が大きすぎます。"},
        {{"Image角パイプ横", {"100", "50", "3.2"}, 1, "40"},
         "角パイプは、横長タイプです。幅と高さを正しく入力して下さい。"},
        {{"Image角パイプ", {"50", "3.2"}, 2, "25"},
         "角パイプの肉厚が大きすぎます。正方形の幅と厚みを正しく入力して下さい。"},
        {{"ImageL不等縦", {"50", "100", "6"}, 3, "50"}, "肉厚が大きすぎます。"},
        {{"ImageL不等横", {"100", "50", "6"}, 3, "50"}, "肉厚が大きすぎます。"},
        {{"ImageL等辺", {"50", "", "6"}, 3, "50"}, "肉厚が大きすぎます。"},
        {{"ImageT縦", {"100", "50", "10", "6"}, 3, "50"}, "肉厚が大きすぎます。"},
        {{"Image軽溝縦長", {"40", "100", "2.3"}, 3, "50"}, "肉厚が大きすぎます。"},
        {{"Image軽溝横長", {"100", "40", "2.3"}, 3, "50"}, "肉厚が大きすぎます。"},
        {{"ImageH縦a", unequalI, 4, "188"}, "肉厚が大きすぎます。"},
        {{"ImageH縦a", unequalI, 5, "100"}, "肉厚が大きすぎます。"},
        {{"Image丸パイプ", {"50", "3.2"}, 2, "25"}, "パイプの肉厚が半径を超えてます。"},
        {{"Image角ムク縦", {"50", "100"}, 1, "150"}, kUpright},
        {{"ImageFB縦", {"50", "100"}, 1, "150"}, kUpright},
        // Typed key by key, "1e10" would be computed first.
        {{"Image丸solid", {"10"}, 1, "1e100"}, "寸法が計算できる範囲を超えています。"},
    };
    for (const auto& [at, message] : checks) {
        SCOPED_TRACE(std::string(at.picture) + " " + at.value);
        open(at.picture);
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(hen(k)->isVisible(), k <= int(at.good.size()) && *at.good[k - 1]) << k;
            EXPECT_EQ(ctl(QStringLiteral("LabelHEN%1M").arg(k))->isVisible(), hen(k)->isVisible());
        }
        QList<Picture*> drawings;
        for (auto* p : s().window().findChildren<Picture*>())
            if (p->isVisible()) drawings << p;
        ASSERT_EQ(drawings.size(), 1);
        EXPECT_TRUE(drawings[0]->hasImage());
        for (std::size_t k = 0; k < at.good.size(); ++k)
            hen(int(k) + 1)->setText(QString::fromUtf8(at.good[k]));
        const QStringList good = results();
        const QString designation = caption("Labeldsize");
        ASSERT_FALSE(good[0].isEmpty());
        const int beeps = run.counters.beeps;
        hen(at.field)->setText(at.value);
        EXPECT_EQ(bikou(), QString::fromUtf8(message));
        EXPECT_EQ(run.counters.beeps, beeps + 1);
        EXPECT_EQ(results(), good);
        EXPECT_EQ(caption("Labeldsize"), designation);
        back();
    }
}

// The beam road: the simple beam with a central load takes the computed section as the
// calculator shows it, its longest designation whole in a smaller font; "前に戻る" comes back to
// the dimensions.
TEST_F(SectionWalk, TheComputedSectionCarriesTheBeam) {
    const Shape unequalI = shapes()[4];
    open(unequalI.picture, BeamCase{"Image両端支持", "Image両端支持中央"});
    enter(unequalI);
    const QStringList shownHere = results();
    EXPECT_EQ(shownHere, expected(unequalI.outline).mid(0, 5));
    click(ctl("Commandtugi"));
    Form入力計算& calc = run.registry.screen<Form入力計算>();
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    const auto field = [&](const char* n) { return calc.control<QLineEdit>(QString::fromUtf8(n)); };
    Label* designation = calc.control<Label>("Labeldsize");
    EXPECT_EQ(designation->caption(), QString::fromUtf8(unequalI.designation));
    EXPECT_TRUE(wholeTextShown(designation));
    EXPECT_GE(designation->font().pointSizeF(), Label::kSmallestFitPoints);
    EXPECT_EQ(
        (QStringList{field("Text面積")->text(), field("Textjuryou")->text(),
                     field("Textdz")->text(), field("Textdi")->text(), field("TxtD2r")->text()}),
        shownHere);
    // P = 900 N at the middle of L = 4000 mm: M = P·L/4 = 900 N·m; the stress M / Z and the
    // deflection P·L³/(48·E·I) with E = 205000 N/mm2 and Z, I as shown.
    typeInto(field("TextHEN1"), "900");
    typeInto(field("TextHEN2"), "4000");
    const double z = shownHere[2].toDouble() * 1000, i = shownHere[3].toDouble() * 10000;
    EXPECT_EQ(field("Textkajumo")->text(), "900");
    EXPECT_EQ(field("Textkajumage")->text(), QString::number(900e3 / z, 'f', 1));
    EXPECT_EQ(field("Textkajutawami")->text(),
              QString::number(900 * std::pow(4000.0, 3) / (48 * 205000 * i), 'f', 1));
    // A short designation takes the label's own, larger font again.
    const qreal small = designation->font().pointSizeF();
    designation->setCaption("P-A");
    EXPECT_GT(designation->font().pointSizeF(), small);

    click(calc.control<QWidget>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    for (std::size_t k = 0; k < unequalI.dims.size(); ++k)
        EXPECT_EQ(hen(int(k) + 1)->text().remove('.'), QString(unequalI.dims[k]).remove('.')) << k;
    EXPECT_EQ(results(), shownHere);
}

TEST_F(SectionWalk, PrintingToAPdfFileShowsTheCalculator) {
    open("Image丸パイプ");
    typeInto(hen(1), "60.5");
    typeInto(hen(2), "3.2");
    QTemporaryDir out;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath("section.pdf"));
    app::printWindowImage(printer, &s().window(), 1);
    const PdfFile pdf = readPdf(out.filePath("section.pdf"));
    EXPECT_EQ(pdf.pages, 1);
    ASSERT_EQ(pdf.images.size(), 1u);
    EXPECT_LT(meanDifference(pdf.images[0], s().window().grab().toImage()), 2.0);
}

} // namespace
