// Just enough PDF reading to see what a printout holds: its pages, the images stored in it, its
// text as poppler's pdftotext reads it, and a page rendered by pdftoppm to compare with the
// screen.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "app/services.hpp"
#include "fakes.hpp"

namespace testing_ui {

struct PdfFile {
    std::vector<QSize> images; // the sizes of the images stored
    QStringList pageTexts;     // one per page; empty when pdftotext failed
};

// The output of a poppler tool, empty when it cannot run.
inline QByteArray poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

inline PdfFile readPdf(const QString& path) {
    QFile f(path);
    PdfFile pdf;
    if (!f.open(QIODevice::ReadOnly)) return pdf;
    const QByteArray bytes = f.readAll();
    static const QRegularExpression width("/Width (\\d+)"), height("/Height (\\d+)");
    for (qsizetype at = 0; (at = bytes.indexOf("/Subtype /Image", at)) >= 0;) {
        const qsizetype start = bytes.indexOf("stream\n", at);
        if (start < 0) break;
        const QString dictionary = QString::fromLatin1(bytes.mid(at, start - at));
        pdf.images.push_back(QSize(width.match(dictionary).captured(1).toInt(),
                                   height.match(dictionary).captured(1).toInt()));
        at = start;
    }
    const QString text =
        QString::fromUtf8(poppler("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"}));
    pdf.pageTexts = text.split('\f');
    if (!pdf.pageTexts.isEmpty() && pdf.pageTexts.back().trimmed().isEmpty())
        pdf.pageTexts.removeLast();
    return pdf;
}

// Whether a page's text holds `text`, character for character, blanks and line ends taken as one
// blank: a search of the PDF must find what the screen shows (大, not the radical ⼤ that shares
// its glyph; mm², not mm2).
inline bool holdsText(const QString& page, const QString& text) {
    return page.simplified().contains(text.simplified());
}

// "計算書" on `screen`, printed by the preview into its PDF: one page of text and vectors, its
// lines joined by blanks.
inline QString printedSheet(ProgramRun& run, app::Screen& screen) {
    QFile::remove(run.reportPreview->pdf);
    click(need<QPushButton>(screen, QString::fromUtf8("Cmd計算書")));
    const PdfFile pdf = readPdf(run.reportPreview->pdf);
    EXPECT_EQ(pdf.pageTexts.size(), 1);
    EXPECT_TRUE(pdf.images.empty());
    return pdf.pageTexts.join(' ').simplified();
}

// The first page rendered by pdftoppm at `dpi`; a null image when that fails.
inline QImage renderedPage(const QString& path, int dpi) {
    QTemporaryDir dir;
    poppler("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", "1", "-l", "1", "-singlefile",
                         path, dir.filePath("page")});
    return QImage(dir.filePath("page.png"));
}

// The window as printed on the first page by `printer`, rendered back at the screen's size: the
// window fills the width of the printable area, at its top.
inline QImage printedWindow(const QString& path, const QPrinter& printer, QSize window) {
    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Inch);
    const double dpi = window.width() / paint.width();
    const QImage page = renderedPage(path, dpi);
    return page.copy(QRect(QPoint(qRound(paint.left() * dpi), qRound(paint.top() * dpi)), window));
}

// Over the pixels that a background canvas of the window paints (those that change when it is
// hidden): how far `page` is from the window as shown, per colour channel (0 to 255).
struct CanvasDifference {
    int pixels = 0;
    double mean = 255;
};

inline CanvasDifference canvasDifference(QWidget* window, QWidget* canvas, const QImage& page) {
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    canvas->hide();
    const QImage bare = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    canvas->show();
    const QImage printed = page.convertToFormat(QImage::Format_RGB32);
    CanvasDifference d;
    if (printed.size() != shown.size()) return d;
    const auto distance = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    };
    // The page is rendered back at the screen's size, so a line may land a pixel off.
    const auto nearest = [&](int x, int y, QRgb c) {
        int best = 3 * 255;
        for (int v = std::max(0, y - 1); v <= std::min(y + 1, printed.height() - 1); ++v)
            for (int u = std::max(0, x - 1); u <= std::min(x + 1, printed.width() - 1); ++u)
                best = std::min(best, distance(printed.pixel(u, v), c));
        return best / 3.0;
    };
    double sum = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb s = shown.pixel(x, y), b = bare.pixel(x, y);
            if (distance(s, b) < 60) continue;
            ++d.pixels;
            sum += nearest(x, y, s);
        }
    if (d.pixels > 0) d.mean = sum / d.pixels;
    return d;
}

// Prints `window` as the program does, `copies` pages into a PDF file, and reads it as a user of
// the PDF would: each page holds `texts` as text, no image of the whole window, and the
// background canvas named `canvas` drawn as the screen shows it.
inline void expectSharpPdf(QWidget& window, const QString& file, int copies,
                           std::initializer_list<const char*> texts, const char* canvas) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    app::printWindowImage(printer, &window, copies);
    const PdfFile pdf = readPdf(file);
    ASSERT_EQ(pdf.pageTexts.size(), std::size_t(copies)) << "pdftotext (poppler-utils) missing?";
    for (const QString& page : pdf.pageTexts)
        for (const char* text : texts)
            EXPECT_TRUE(holdsText(page, text)) << text << "\n" << page.toStdString();
    // Only the pictures and the style's button faces are images, no image of the window.
    for (const QSize& image : pdf.images)
        EXPECT_LT(image.width(), window.width() / 2) << image.width() << " x " << image.height();

    const QImage page = printedWindow(file, printer, window.size());
    const CanvasDifference drawn =
        canvasDifference(&window, window.findChild<QWidget*>(QString::fromUtf8(canvas)), page);
    EXPECT_GT(drawn.pixels, 100);
    EXPECT_LT(drawn.mean, 20);
}

} // namespace testing_ui
