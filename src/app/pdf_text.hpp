// The text of the PDF files Qt writes, made to read and search as it was typed.
#pragma once

class QByteArray;
class QPrinter;

namespace app {

// Names the glyphs that a CJK font shares between a radical and its ideograph by the
// ideograph, in a PDF as Qt writes it, so that its text reads and searches as typed.
void nameCjkGlyphsByTheirIdeographs(QByteArray& pdf);

// The same in the file a printer has just written, when it printed to a PDF file.
void nameCjkGlyphsInPdfFile(const QPrinter& printer);

} // namespace app
