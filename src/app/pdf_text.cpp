#include "app/pdf_text.hpp"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QPrinter>
#include <QString>

namespace app {

void nameCjkGlyphsByTheirIdeographs(QByteArray& pdf) {
    // Noto CJK gives a radical (U+2E80…U+2FDF) and its ideograph one glyph, and Qt's PDF writer
    // names a glyph by its lowest code point: 長 would read back, and be searched for, as ⻑.
    // The names sit in the text-to-Unicode maps, hex of four digits, so a replacement keeps
    // every offset of the file.
    static const QHash<char16_t, char16_t> supplement =
        {
            {0x2ED1, 0x9577}, {0x2ED8, 0x9752}, {0x2EDD, 0x98DF}, {0x2EE4, 0x9B3C},
            {0x2EEB, 0x6589}, {0x2EED, 0x6B6F}, {0x2EEF, 0x7ADC}, {0x2EA9, 0x738B},
            {0x2027, 0x30FB}}; // and the hyphenation point that stands for the middle dot ・
    const QByteArray marker = "/CMapName /Adobe-Identity-UCS";
    for (qsizetype at = pdf.indexOf(marker); at >= 0; at = pdf.indexOf(marker, at + 1)) {
        const qsizetype end = pdf.indexOf("endcmap", at);
        if (end < 0) break;
        for (qsizetype i = pdf.indexOf('<', at); i >= 0 && i + 5 < end;
             i = pdf.indexOf('<', i + 1)) {
            if (pdf[i + 5] != '>') continue;
            bool ok = false;
            const auto code = static_cast<char16_t>(pdf.mid(i + 1, 4).toUInt(&ok, 16));
            if (!ok || ((code < 0x2E80 || code > 0x2FDF) && !supplement.contains(code))) continue;
            char16_t ideograph = supplement.value(code, 0);
            if (!ideograph) {
                const QString kc = QString(QChar(code)).normalized(QString::NormalizationForm_KC);
                if (kc.size() == 1 && kc[0].unicode() >= 0x4E00) ideograph = kc[0].unicode();
            }
            if (ideograph)
                pdf.replace(i + 1, 4,
                            QByteArray::number(ideograph, 16).toUpper().rightJustified(4, '0'));
        }
        at = end;
    }
}

void nameCjkGlyphsInPdfFile(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) return;
    QFile file(printer.outputFileName());
    if (!file.open(QIODevice::ReadWrite)) return;
    QByteArray pdf = file.readAll();
    nameCjkGlyphsByTheirIdeographs(pdf);
    file.seek(0);
    file.write(pdf);
}

} // namespace app
