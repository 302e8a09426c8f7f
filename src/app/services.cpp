#include "app/services.hpp"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>

namespace app {

void QtBeeper::beep() {
    QApplication::beep();
}

void QtProgramEnd::end() {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        w->hide();
    QCoreApplication::exit(0);
}

struct QtPrintService::Impl {
    QPrinter printer{QPrinter::HighResolution};
};

QtPrintService::QtPrintService() : impl_(std::make_unique<Impl>()) {}
QtPrintService::~QtPrintService() = default;

std::optional<int> QtPrintService::choosePrinter(QWidget* parent) {
    QPrintDialog dialog(&impl_->printer, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int copies = impl_->printer.copyCount();
    // The copies are printed as separate pages; the driver must not repeat them again.
    impl_->printer.setCopyCount(1);
    return copies < 1 ? 1 : copies;
}

void QtPrintService::printImage(QWidget* window, int copies) {
    printWindowImage(impl_->printer, window, copies);
}

void printWindowImage(QPrinter& printer, QWidget* window, int copies) {
    const QPixmap image = window->grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QPoint at(page.left() + (page.width() - size.width()) / 2, page.top());
    for (int i = 0; i < copies; ++i) {
        if (i > 0) printer.newPage();
        painter.drawPixmap(QRect(at, size), image);
    }
}

} // namespace app
