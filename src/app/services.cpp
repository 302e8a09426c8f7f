#include "app/services.hpp"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "app/pdf_text.hpp"

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

namespace {
const QString kCheckFilter = QStringLiteral("hari の検討 (*.hari)");
const QString kTitle = QStringLiteral("hari");
} // namespace

std::optional<QString> QtDocumentDialogs::saveFileName(QWidget* parent, const QString& suggested) {
    QString name = QFileDialog::getSaveFileName(parent, QStringLiteral("検討を保存"), suggested,
                                                kCheckFilter);
    if (name.isEmpty()) return std::nullopt;
    // The filter names the extension; a name typed without it still gets it.
    if (!name.endsWith(QStringLiteral(".hari"), Qt::CaseInsensitive)) name += QStringLiteral(".hari");
    return name;
}

std::optional<QString> QtDocumentDialogs::openFileName(QWidget* parent) {
    const QString name =
        QFileDialog::getOpenFileName(parent, QStringLiteral("検討を開く"), QString(), kCheckFilter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

DocumentDialogs::Answer QtDocumentDialogs::askSaveChanges(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, kTitle, QStringLiteral("変更を保存しますか？"),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return Answer::Save;
    if (box.clickedButton() == discard) return Answer::Discard;
    return Answer::Cancel;
}

void QtDocumentDialogs::tell(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, kTitle, message);
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
    const QSize screen = window->size();
    if (screen.isEmpty()) return;
    // Qt renders a widget onto a printer through a pixmap; recorded as drawing commands first,
    // the window's text and lines are drawn at the printer's resolution (and stay text in a
    // PDF) instead of as one image.
    QPicture drawing;
    {
        QPainter recorder(&drawing);
        window->render(&recorder, QPoint(), QRegion(),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    const QRect page = painter.viewport();
    const QSize size = screen.scaled(page.size(), Qt::KeepAspectRatio);
    const QPoint at(page.left() + (page.width() - size.width()) / 2, page.top());
    painter.translate(at);
    // A picture plays itself scaled from the screen's resolution to the printer's.
    const qreal dpi = qreal(printer.logicalDpiX()) / drawing.logicalDpiX();
    painter.scale(qreal(size.width()) / screen.width() / dpi,
                  qreal(size.height()) / screen.height() / dpi);
    painter.setClipRect(QRect(QPoint(), screen * dpi));
    for (int i = 0; i < copies; ++i) {
        if (i > 0) printer.newPage();
        painter.drawPicture(0, 0, drawing);
    }
    painter.end();
    nameCjkGlyphsInPdfFile(printer);
}

ReportHeading QtReportPreview::preview(QWidget* parent, const ReportHeading& heading,
                                       const Paint& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("計算書 - 印刷プレビュー"));
    ReportHeading typed = heading;

    auto* bar = new QWidget(&dialog);
    auto* row = new QHBoxLayout(bar);
    const auto field = [&](const char* label, const char* name, QString& value) {
        row->addWidget(new QLabel(QString::fromUtf8(label), bar));
        auto* box = new QLineEdit(value, bar);
        box->setObjectName(QString::fromUtf8(name));
        box->setMinimumWidth(220);
        row->addWidget(box);
        QObject::connect(box, &QLineEdit::textChanged, &dialog,
                         [&dialog, &value](const QString& t) {
                             value = t;
                             if (auto* w = dialog.findChild<QPrintPreviewWidget*>())
                                 w->updatePreview();
                         });
    };
    field("件名", "Text件名", typed.件名);
    field("部材名", "Text部材名", typed.部材名);
    row->addStretch();
    if (auto* box = qobject_cast<QBoxLayout*>(dialog.layout())) box->insertWidget(0, bar);

    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* p) { paint(*p, typed); });
    dialog.exec();
    return typed;
}

} // namespace app
