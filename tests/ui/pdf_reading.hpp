// Just enough PDF reading to see what a printout holds: its pages and its images, which Qt's PDF
// writer stores as JPEG streams.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <cstdlib>
#include <vector>

namespace testing_ui {

struct PdfFile {
    int pages = 0;
    std::vector<QImage> images; // null where a stream is not JPEG
};

inline PdfFile readPdf(const QString& path) {
    QFile f(path);
    PdfFile pdf;
    if (!f.open(QIODevice::ReadOnly)) return pdf;
    const QByteArray bytes = f.readAll();
    pdf.pages = int(bytes.count("/Type /Page\n"));
    for (qsizetype at = 0; (at = bytes.indexOf("/Subtype /Image", at)) >= 0;) {
        const qsizetype start = bytes.indexOf("stream\n", at) + 7,
                        end = bytes.indexOf("endstream", start);
        if (start < 7 || end < 0) break;
        pdf.images.push_back(QImage::fromData(bytes.mid(start, end - start), "JPEG"));
        at = end;
    }
    return pdf;
}

// The mean difference per colour channel of two images of one size (0 to 255).
inline double meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(int(x.constScanLine(row)[i]) - int(y.constScanLine(row)[i]));
    return sum / (double(x.width()) * x.height() * 3);
}

} // namespace testing_ui
