// The section calculator shows what the core computes (every shape is checked against its
// outline in tests/section): one shape worked by hand (the pipe is in section_calc_screen_test)
// and handed over to the beam calculation; printing.
#include "fakes.hpp"
#include "pdf_reading.hpp"
#include "roads.hpp"

#include <QPrinter>
#include <QTemporaryDir>

#include "app/services.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/section_calc_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

class SectionWalk : public SectionCalculatorTest {};

// Unequal I, flanges 100 × 10 on top and 150 × 12 below, 200 high, web 8 × 178: A = 4224 mm²,
// centroid 349624 / 4224 = 82.77 mm up; I = 56405792 − 4224 · 82.77² = 27467122 mm⁴;
// Z = I / 117.23 = 234303 mm³; √(I/A) = 80.64 mm; mass 42.24 · 0.785 kg/m.
const char* const kDims[] = {"100", "150", "200", "10", "8", "12"};
const QStringList kResults{"42.24", "33.16", "234.30", "2746.71", "8.06"};
const QString kDesignation = QStringLiteral("異形 A 100× B 150× H 200× a 10× t 8× b 12");

// Entered half typed, half through the keypad (the keys, then a click on the field), the
// section goes on to the simple beam with a central load, its long designation whole in a
// smaller font; "前に戻る" comes back to the dimensions.
TEST_F(SectionWalk, TheUnequalIByHandCarriesTheBeam) {
    open("ImageH縦a", BeamCase{"Image両端支持", "Image両端支持中央"});
    for (int k = 0; k < 6; ++k) {
        if (k % 2 == 1) press(kDims[k]);
        k % 2 ? click(hen(k + 1)) : typeInto(hen(k + 1), kDims[k]);
    }
    EXPECT_EQ(results(), kResults);
    EXPECT_EQ(caption("Labeldsize"), kDesignation);
    EXPECT_EQ(bikou(), "重心は下から 8.3 cm の位置です。");
    EXPECT_EQ(run.counters.beeps, 0);
    click(ctl("Commandtugi"));
    Form入力計算& calc = run.registry.screen<Form入力計算>();
    ASSERT_EQ(visibleWindows(), QStringList{"Form入力計算"});
    const auto field = [&](const char* n) { return calc.control<QLineEdit>(QString::fromUtf8(n)); };
    Label* designation = calc.control<Label>("Labeldsize");
    EXPECT_EQ(designation->caption(), kDesignation);
    EXPECT_TRUE(wholeTextShown(designation));
    EXPECT_GE(designation->font().pointSizeF(), Label::kSmallestFitPoints);
    EXPECT_EQ(
        (QStringList{field("Text面積")->text(), field("Textjuryou")->text(),
                     field("Textdz")->text(), field("Textdi")->text(), field("TxtD2r")->text()}),
        kResults);
    // P = 9000 N at the middle of 4000 mm: M = P·L/4 = 9000 N·m; 9e6 / 234300 = 38.4 N/mm2;
    // P·L³ / (48 · 205000 · 27467100) = 2.13 mm.
    typeInto(field("TextHEN1"), "9000");
    typeInto(field("TextHEN2"), "4000");
    EXPECT_EQ(field("Textkajumo")->text(), "9000");
    EXPECT_EQ(field("Textkajumage")->text(), "38.4");
    EXPECT_EQ(field("Textkajutawami")->text(), "2.1");
    // A short designation takes the label's own, larger font again.
    const qreal small = designation->font().pointSizeF();
    designation->setCaption("P-A");
    EXPECT_GT(designation->font().pointSizeF(), small);

    click(calc.control<QWidget>("Commandmae"));
    EXPECT_EQ(visibleWindows(), QStringList{"Form入力断面他"});
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(hen(k + 1)->text().remove('.'), kDims[k]) << k;
    EXPECT_EQ(results(), kResults);
}

// "印刷" asks for the copies (cancelled: nothing printed); the window printed to a PDF file as
// text and lines, the to-scale sketch of the background canvas with them.
TEST_F(SectionWalk, PrintingTheCalculator) {
    open("Image丸パイプ");
    typeInto(hen(1), "60.5");
    typeInto(hen(2), "3.2");
    printCancelledThenTwice(run, ctl("CmdPrin"), "Form入力断面他");
    QTemporaryDir out;
    // π/4 · (60.5² − 54.1²) = 576.0 mm² = 5.76 cm².
    expectSharpPdf(s().window(), out.filePath("section.pdf"), 1, {"5.76", "60.5", "3.2", "印刷"},
                   "SketchCanvas");
}

} // namespace
