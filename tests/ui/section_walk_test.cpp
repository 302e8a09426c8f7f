// The section calculator walked for the open and hollow sections a designer types in most, with
// every expected property found by integrating the section's outline in the test (the shoelace
// sums of a polygon), not by the calculator's closed formulas; and the beam road through the
// calculator to a beam result that uses the computed section.
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

struct Pt {
    double x, y; // mm, y upwards
};
using Polygon = std::vector<Pt>; // counter-clockwise; a hole clockwise

// Area, centroid height and second moment about the horizontal centroidal axis of a section
// made of polygons (holes wound the other way), by the shoelace sums.
struct Integrated {
    double area = 0, yc = 0, i = 0, top = 0, bottom = 0;
};

Integrated integrate(const std::vector<Polygon>& parts) {
    double a = 0, sy = 0, ixx = 0;
    Integrated r;
    r.top = -1e300;
    r.bottom = 1e300;
    for (const Polygon& p : parts)
        for (std::size_t k = 0; k < p.size(); ++k) {
            const Pt& u = p[k];
            const Pt& v = p[(k + 1) % p.size()];
            const double cross = u.x * v.y - v.x * u.y;
            a += cross / 2;
            sy += (u.y + v.y) * cross / 6;
            ixx += (u.y * u.y + u.y * v.y + v.y * v.y) * cross / 12;
            r.top = std::max(r.top, u.y);
            r.bottom = std::min(r.bottom, u.y);
        }
    r.area = a;
    r.yc = sy / a;
    r.i = ixx - a * r.yc * r.yc;
    return r;
}

Polygon rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}
Polygon reversed(Polygon p) {
    std::reverse(p.begin(), p.end());
    return p;
}

QString two(double v) {
    return QString::number(v, 'f', 2);
}

// The five result texts a user reads: area cm², mass kg/m (specific gravity 7.85), Z cm³
// (from the farther face), I cm⁴, radius of gyration cm.
QStringList expected(const std::vector<Polygon>& parts) {
    const Integrated s = integrate(parts);
    const double far = std::max(s.top - s.yc, s.yc - s.bottom);
    return {two(s.area / 100), two(s.area / 100 * 7.85 / 10), two(s.i / far / 1000),
            two(s.i / 10000), two(std::sqrt(s.i / s.area) / 10)};
}

QString centroidNote(const std::vector<Polygon>& parts) {
    const Integrated s = integrate(parts);
    return QString::fromUtf8("重心は下から %1 cm の位置です。")
        .arg(QString::number((s.yc - s.bottom) / 10, 'f', 1));
}

struct Shape {
    const char* picture;
    std::vector<const char*> dims; // HEN1, HEN2, … as typed ("" leaves a field alone)
    std::vector<Polygon> outline;
    const char* designation; // each number with the blank of a positive number in front
    bool centroid; // LbBikou tells where the centroid lies
};

// Rectangular tube upright 50 × 100 × 3.2; unequal angle 50 × 100 × 6 (horizontal leg along the
// bottom, vertical leg at its left); T 100 wide, 50 high, flange 10, web 6; light-gauge channel
// 40 × 100 × 2.3 (web at the left, flanges to the right); unequal I with a 100 × 10 top flange,
// a 150 × 12 bottom flange, 200 high, web 8.
std::vector<Shape> shapes() {
    return {
        {"Image角パイプ縦",
         {"50", "100", "3.2"},
         {rect(0, 0, 50, 100), reversed(rect(3.2, 3.2, 46.8, 96.8))},
         "□  50× 100× t 3.2",
         false},
        {"ImageL不等縦",
         {"50", "100", "6"},
         {{{0, 0}, {50, 0}, {50, 6}, {6, 6}, {6, 100}, {0, 100}}},
         "L  50× 100× t 6",
         true},
        {"ImageT縦",
         {"100", "50", "10", "6"},
         {{{47, 0}, {53, 0}, {53, 40}, {100, 40}, {100, 50}, {0, 50}, {0, 40}, {47, 40}}},
         "T  50× 100× t 10× a 6",
         true},
        {"Image軽溝縦長",
         {"40", "100", "2.3"},
         {{{0, 0}, {40, 0}, {40, 2.3}, {2.3, 2.3}, {2.3, 97.7}, {40, 97.7}, {40, 100}, {0, 100}}},
         "軽溝縦   40× 100× t 2.3",
         false},
        {"ImageH縦a",
         {"100", "150", "200", "10", "8", "12"},
         {{{0, 0}, {150, 0}, {150, 12}, {79, 12}, {79, 190}, {125, 190}, {125, 200}, {25, 200},
           {25, 190}, {71, 190}, {71, 12}, {0, 12}}},
         "異形 A 100× B 150× H 200× a 10× t 8× b 12",
         true},
    };
}

class SectionWalk : public SectionCalculatorTest {
protected:
    void open(const char* picture, bool beamRoad = false) {
        SectionCalculatorTest::open(picture, beamRoad ? std::optional<BeamCase>(
                                                            {"Image両端支持", "Image両端支持中央"})
                                                      : std::nullopt);
    }
    void back() {
        click(ctl("Commandmae"));
        click(run.registry.screen<Form材サイズ選択>().control<QWidget>("Commandmae"));
    }
    // The keypad enters `number` into field k: the keys, then a click on the field.
    void keypad(int k, const char* number) {
        press(number);
        click(hen(k));
    }
    // Odd fields typed, even ones through the keypad.
    void enter(const Shape& shape) {
        for (std::size_t k = 0; k < shape.dims.size(); ++k) {
            if (k % 2 == 0)
                typeInto(hen(int(k) + 1), QString::fromUtf8(shape.dims[k]));
            else
                keypad(int(k) + 1, shape.dims[k]);
        }
    }
};

TEST_F(SectionWalk, PropertiesAgreeWithTheIntegratedOutline) {
    for (const Shape& shape : shapes()) {
        SCOPED_TRACE(shape.picture);
        open(shape.picture);
        const int beeps = run.counters.beeps;
        enter(shape);
        EXPECT_EQ(results(), expected(shape.outline));
        EXPECT_EQ(caption("Labeldsize"), QString::fromUtf8(shape.designation));
        EXPECT_TRUE(wholeTextShown(ctl<Label>("Labeldsize")));
        EXPECT_EQ(bikou(), shape.centroid ? centroidNote(shape.outline) : QString());
        EXPECT_EQ(run.counters.beeps, beeps) << "no entry on the way was refused";
        back();
    }
}

struct Check {
    const char* picture;
    std::vector<const char*> good;
    int field;         // the field pasted over
    const char* value; // the value that fails the check
    const char* message;
};

// Each shape's checks: the message, one beep, the results kept.
TEST_F(SectionWalk, EachFailedCheckBeepsAndKeepsTheResults) {
    const Check checks[] = {
        {"Image角パイプ縦", {"50", "100", "3.2"}, 2, "40",
         "角パイプは、縦長タイプです。幅と高さを正しく入力して下さい。"},
        {"Image角パイプ縦", {"50", "100", "3.2"}, 3, "25", "角パイプの肉厚が大きすぎます。"},
        {"Image角パイプ横", {"100", "50", "3.2"}, 1, "40",
         "角パイプは、横長タイプです。幅と高さを正しく入力して下さい。"},
        {"Image角パイプ", {"50", "3.2"}, 2, "25",
         "角パイプの肉厚が大きすぎます。正方形の幅と厚みを正しく入力して下さい。"},
        {"ImageL不等縦", {"50", "100", "6"}, 3, "50", "肉厚が大きすぎます。"},
        {"ImageT縦", {"100", "50", "10", "6"}, 3, "50", "肉厚が大きすぎます。"},
        {"Image軽溝縦長", {"40", "100", "2.3"}, 3, "50", "肉厚が大きすぎます。"},
        {"ImageH縦a", {"100", "150", "200", "10", "8", "12"}, 4, "188", "肉厚が大きすぎます。"},
        {"ImageH縦a", {"100", "150", "200", "10", "8", "12"}, 5, "100", "肉厚が大きすぎます。"},
    };
    for (const Check& c : checks) {
        SCOPED_TRACE(std::string(c.picture) + " " + c.value);
        open(c.picture);
        for (std::size_t k = 0; k < c.good.size(); ++k)
            hen(int(k) + 1)->setText(QString::fromUtf8(c.good[k]));
        const QStringList good = results();
        const QString designation = caption("Labeldsize");
        ASSERT_FALSE(good[0].isEmpty());
        const int beeps = run.counters.beeps;
        hen(c.field)->setText(c.value); // pasted at once
        EXPECT_EQ(bikou(), QString::fromUtf8(c.message));
        EXPECT_EQ(run.counters.beeps, beeps + 1);
        EXPECT_EQ(results(), good);
        EXPECT_EQ(caption("Labeldsize"), designation);
        back();
    }
}

// Hostile texts in a dimension field never show "inf", "nan" or an exponent and never stop
// the screen; the sketch stays inside its frame.
TEST_F(SectionWalk, HostileDimensionsShowNoNonsense) {
    open("ImageH縦a");
    for (int k = 1; k <= 6; ++k)
        hen(k)->setText(QString::fromUtf8(shapes()[4].dims[k - 1]));
    const char* hostile[] = {"1e400", "0.0000001", "1234567890123456789012345678901234567890",
                             "１００", "12,5", "3\n4", "-0", ".", "1e-300", "9e307"};
    for (int k = 1; k <= 6; ++k)
        for (const char* t : hostile) {
            hen(k)->setText(QString::fromUtf8(t));
            const QStringList seen = results() << caption("Labeldsize") << bikou();
            for (const QString& r : seen) {
                EXPECT_FALSE(r.contains("inf") || r.contains("nan") ||
                             r.contains(QRegularExpression("\\de[-+]?\\d")))
                    << k << " " << t << ": " << r.toStdString();
            }
            hen(k)->setText(QString::fromUtf8(shapes()[4].dims[k - 1]));
        }
    EXPECT_EQ(results(), expected(shapes()[4].outline));
}

// The beam road through the calculator: the simple beam with a central load takes the computed
// T section as the calculator shows it, and its "前に戻る" comes back to the dimensions.
TEST_F(SectionWalk, TheComputedSectionCarriesTheBeam) {
    const Shape tee = shapes()[2];
    open(tee.picture, true);
    enter(tee);
    const QStringList shownHere = results();
    click(ctl("Commandtugi"));
    Form入力計算& calc = run.registry.screen<Form入力計算>();
    ASSERT_TRUE(calc.isVisible());
    const auto field = [&](const char* n) {
        return calc.control<QLineEdit>(QString::fromUtf8(n));
    };
    EXPECT_EQ(calc.control<Label>("Labeldsize")->caption(), QString::fromUtf8(tee.designation));
    EXPECT_TRUE(wholeTextShown(calc.control<Label>("Labeldsize")));
    EXPECT_EQ((QStringList{field("Text面積")->text(), field("Textjuryou")->text(),
                           field("Textdz")->text(), field("Textdi")->text(),
                           field("TxtD2r")->text()}),
              shownHere);
    // P = 2000 N at the middle of L = 1500 mm: M = P·L/4 = 750 N·m; the stress M / Z and the
    // deflection P·L³/(48·E·I), with Z and I as the calculator shows them (two decimals), which
    // are those of the integrated outline.
    typeInto(field("TextHEN1"), "2000");
    typeInto(field("TextHEN2"), "1500");
    EXPECT_EQ(shownHere, expected(tee.outline));
    const double z = shownHere[2].toDouble() * 1000, i = shownHere[3].toDouble() * 10000;
    EXPECT_EQ(field("Textkajumo")->text(), "750");
    EXPECT_EQ(field("Textkajumage")->text(), QString::number(750e3 / z, 'f', 1));
    EXPECT_EQ(field("Textkajutawami")->text(),
              QString::number(2000 * std::pow(1500.0, 3) / (48 * 205000 * i), 'f', 1));

    click(calc.control<QWidget>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    for (std::size_t k = 0; k < tee.dims.size(); ++k)
        EXPECT_EQ(hen(int(k) + 1)->text().remove('.'), QString(tee.dims[k]).remove('.')) << k;
    EXPECT_EQ(results(), shownHere);
}

// Six dimensions make the longest designation; the calculation screen's narrow label shows it
// whole in a smaller font, and a short one in the label's own font.
TEST_F(SectionWalk, TheLongestDesignationFitsOnTheCalculationScreen) {
    const Shape unequalI = shapes()[4];
    open(unequalI.picture, true);
    for (std::size_t k = 0; k < unequalI.dims.size(); ++k)
        hen(int(k) + 1)->setText(QString::fromUtf8(unequalI.dims[k]));
    click(ctl("Commandtugi"));
    Label* shown = run.registry.screen<Form入力計算>().control<Label>("Labeldsize");
    EXPECT_EQ(shown->caption(), QString::fromUtf8(unequalI.designation));
    EXPECT_TRUE(wholeTextShown(shown));
    EXPECT_GE(shown->font().pointSizeF(), Label::kSmallestFitPoints);
    const qreal small = shown->font().pointSizeF();
    shown->setCaption("P-A");
    EXPECT_GT(shown->font().pointSizeF(), small);
}

TEST_F(SectionWalk, PrintingToAPdfFileShowsTheCalculator) {
    const Shape pipe{"Image丸パイプ", {"60.5", "3.2"}, {}, "", false};
    open(pipe.picture);
    enter(pipe);
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
