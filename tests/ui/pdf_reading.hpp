// Just enough PDF reading to see what a printout holds: its pages and the images on them, as Qt's
// PDF writer stores them (flate-compressed RGB, or JPEG).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstring>
#include <vector>

namespace testing_ui {

struct PdfFile {
    int pages = 0;
    std::vector<QImage> images;
};

inline QImage decodePdfImage(const QByteArray& dict, const QByteArray& data) {
    const auto number = [&](const char* key) {
        const auto m = QRegularExpression(QStringLiteral("/%1 (\\d+)").arg(key)).match(
            QString::fromLatin1(dict));
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    const int width = number("Width"), height = number("Height");
    if (dict.contains("/DCTDecode")) return QImage::fromData(data, "JPEG");
    QByteArray raw = data;
    if (dict.contains("/FlateDecode")) {
        // qUncompress wants the expected length in front of the zlib stream.
        const quint32 expected = quint32(width) * quint32(height) * 3;
        QByteArray sized(4, '\0');
        sized[0] = char(expected >> 24);
        sized[1] = char(expected >> 16);
        sized[2] = char(expected >> 8);
        sized[3] = char(expected);
        raw = qUncompress(sized + data);
    }
    if (raw.size() < qsizetype(width) * height * 3 || width == 0) return {};
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), raw.constData() + qsizetype(y) * width * 3, width * 3);
    return image;
}

inline PdfFile readPdf(const QString& path) {
    QFile f(path);
    PdfFile pdf;
    if (!f.open(QIODevice::ReadOnly)) return pdf;
    const QByteArray bytes = f.readAll();
    if (!bytes.startsWith("%PDF-")) return pdf;
    pdf.pages = int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                    bytes.count("/Type /Page/") + bytes.count("/Type /Page "));
    qsizetype at = 0;
    while ((at = bytes.indexOf("/Subtype /Image", at)) >= 0) {
        const qsizetype open = bytes.lastIndexOf("<<", at);
        const qsizetype stream = bytes.indexOf("stream", at);
        if (open < 0 || stream < 0) break;
        qsizetype start = stream + 6;
        if (bytes[start] == '\r') ++start;
        if (bytes[start] == '\n') ++start;
        const qsizetype end = bytes.indexOf("endstream", start);
        if (end < 0) break;
        const QByteArray dict = bytes.mid(open, stream - open);
        // A soft mask (alpha) is an image too; the picture is the one in colour.
        if (!dict.contains("/DeviceGray"))
            pdf.images.push_back(decodePdfImage(dict, bytes.mid(start, end - start)));
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
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(int(p[i]) - int(q[i]));
    }
    return sum / (double(x.width()) * x.height() * 3);
}

} // namespace testing_ui
