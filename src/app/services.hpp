// Side effects that tests must see or suppress. The registry owns one of each; the real ones
// use Qt, tests install fakes that count beeps, note the end of the program or answer the
// printer dialog.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

class QPrinter;
class QWidget;

namespace app {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Stops the program: the event loop ends once the running handler returns.
    virtual void end() = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // The printer dialog: the number of copies chosen, or nullopt when the user cancels.
    virtual std::optional<int> choosePrinter(QWidget* parent) = 0;
    // Prints the image of a window on the printer chosen last.
    virtual void printImage(QWidget* window, int copies) = 0;
};

// 件名 and 部材名 of a report, as typed in its preview.
struct ReportHeading {
    QString 件名, 部材名;
};

class ReportPreview {
public:
    virtual ~ReportPreview() = default;
    // Paints the whole report on `printer` under the heading as it stands.
    using Paint = std::function<void(QPrinter& printer, const ReportHeading& heading)>;
    // The print preview of a report, from which the user prints it or saves it as a PDF, with
    // 件名 and 部材名 to type in; returns them as the user left them, printed or not.
    virtual ReportHeading preview(QWidget* parent, const ReportHeading& heading,
                                  const Paint& paint) = 0;
};

// Saving and opening a check: the file dialogs (with the "*.hari" filter), the question before
// the end of the program, and a message in a box.
class DocumentDialogs {
public:
    virtual ~DocumentDialogs() = default;
    // The file to save to, or nullopt when the user cancels; `suggested` is preselected.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& suggested) = 0;
    // The file to open, or nullopt when the user cancels.
    virtual std::optional<QString> openFileName(QWidget* parent) = 0;
    enum class Answer { Save, Discard, Cancel };
    // "変更を保存しますか？" with 保存 / 保存しない / キャンセル.
    virtual Answer askSaveChanges(QWidget* parent) = 0;
    // A message the user must see (a refused file, a failed save, a size no longer listed).
    virtual void tell(QWidget* parent, const QString& message) = 0;
};

class QtBeeper final : public Beeper {
public:
    void beep() override;
};

class QtProgramEnd final : public ProgramEnd {
public:
    void end() override;
};

// The platform's file dialogs and message boxes.
class QtDocumentDialogs final : public DocumentDialogs {
public:
    std::optional<QString> saveFileName(QWidget* parent, const QString& suggested) override;
    std::optional<QString> openFileName(QWidget* parent) override;
    Answer askSaveChanges(QWidget* parent) override;
    void tell(QWidget* parent, const QString& message) override;
};

// Paints a window as it is shown on a printer, scaled to the page and centred at its top, one
// page per copy; the window draws itself at the printer's resolution.
void printWindowImage(QPrinter& printer, QWidget* window, int copies);

// The platform's printer dialog and printer (print to PDF included).
class QtPrintService final : public PrintService {
public:
    QtPrintService();
    ~QtPrintService() override;
    std::optional<int> choosePrinter(QWidget* parent) override;
    void printImage(QWidget* window, int copies) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Qt's print preview (its own texts in Japanese once installQtJapanese ran), with a line of
// two boxes for 件名 and 部材名 above the page; each change repaints the preview.
class QtReportPreview final : public ReportPreview {
public:
    ReportHeading preview(QWidget* parent, const ReportHeading& heading,
                          const Paint& paint) override;
};

} // namespace app
