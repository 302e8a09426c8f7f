// Laying a sheet out on an A4 portrait page: text as text, lines as vectors. The painter may be
// on a QPdfWriter or a QPrinter; the page is drawn into its paint rectangle, in millimetres.
#pragma once

#include <QString>
#include <functional>

#include "report/sheets.hpp"

class QByteArray;
class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace report {

// The height of the page's content in millimetres, within the margins.
inline constexpr double kContentWidth = 186, kContentHeight = 273, kMargin = 12;

// Paints one sheet; returns how far down the page (mm) its content reached.
double paintBeamSheet(QPainter& p, const BeamSheet& sheet);
double paintSectionSheet(QPainter& p, const SectionSheet& sheet);

// A4 portrait with the sheet's margins, for a PDF writer or a printer.
void setUpPage(QPagedPaintDevice& device);

// Writes one page painted by `paint` as a PDF file. False, with nothing left behind, when the
// file cannot be written.
bool writePdf(const QString& path, const std::function<void(QPainter&)>& paint);

// Prints one page painted by `paint` on a printer (or the preview's printer), A4 portrait.
void print(QPrinter& printer, const std::function<void(QPainter&)>& paint);

} // namespace report
