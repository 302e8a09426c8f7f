// Services that record instead of acting, and the helpers that drive screens as a user would.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <type_traits>

#include "app/registry.hpp"
#include "app/twips.hpp"
#include "ui/gui.hpp"

// Readable names in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{' << l.join(", ").toStdString() << '}';
}
QT_END_NAMESPACE

namespace testing_ui {

struct Counters {
    int beeps = 0;
    int ends = 0;
    int printDialogs = 0;
    std::optional<int> copiesChosen = 1;
    std::vector<std::pair<QString, int>> printed; // window name, copies
    int reportPreviews = 0;
};

struct FakeBeeper final : app::Beeper {
    explicit FakeBeeper(Counters& c) : c(c) {}
    void beep() override { ++c.beeps; }
    Counters& c;
};
struct FakeEnd final : app::ProgramEnd {
    explicit FakeEnd(Counters& c) : c(c) {}
    void end() override { ++c.ends; }
    Counters& c;
};
struct FakePrinter final : app::PrintService {
    explicit FakePrinter(Counters& c) : c(c) {}
    std::optional<int> choosePrinter(QWidget*) override { return ++c.printDialogs, c.copiesChosen; }
    void printImage(QWidget* w, int copies) override {
        c.printed.emplace_back(w->objectName(), copies);
    }
    Counters& c;
};

// The report's preview: counts, and prints the report into `pdf` when one is named; "types"
// 件名 and 部材名 as `typed` holds them.
struct FakeReportPreview final : app::ReportPreview {
    explicit FakeReportPreview(Counters& c) : c(c) {}
    app::ReportHeading preview(QWidget*, const app::ReportHeading& heading,
                               const Paint& paint) override {
        ++c.reportPreviews;
        shown = heading;
        if (!pdf.isEmpty()) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            paint(printer, typed.value_or(heading));
        }
        return typed.value_or(heading);
    }
    Counters& c;
    QString pdf;
    app::ReportHeading shown;
    std::optional<app::ReportHeading> typed;
};

// The file dialogs and questions of saving and opening: answers set by the test, and what was
// told or asked kept.
struct FakeDocuments final : app::DocumentDialogs {
    std::optional<QString> saveAs, openName; // nullopt: the user cancels
    Answer answer = Answer::Cancel;
    int questions = 0;
    QStringList told;
    std::optional<QString> saveFileName(QWidget*, const QString&) override { return saveAs; }
    std::optional<QString> openFileName(QWidget*) override { return openName; }
    Answer askSaveChanges(QWidget*) override { return ++questions, answer; }
    void tell(QWidget*, const QString& message) override { told << message; }
};

// A fresh program run: its own registry with recording services.
class ProgramRun {
public:
    ProgramRun()
        : registry(std::make_unique<FakeBeeper>(counters), std::make_unique<FakeEnd>(counters),
                   std::make_unique<FakePrinter>(counters)) {
        auto preview = std::make_unique<FakeReportPreview>(counters);
        reportPreview = preview.get();
        registry.setReportPreview(std::move(preview));
        ui::installScreens(registry);
        auto fake = std::make_unique<FakeDocuments>();
        documents = fake.get();
        registry.setDocumentDialogs(std::move(fake));
    }
    ~ProgramRun() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Counters counters;
    app::Registry registry;
    FakeReportPreview* reportPreview = nullptr;
    FakeDocuments* documents = nullptr; // owned by the registry
};

// A control of `screen` by its name. A missing one fails the test, naming it, and a hidden
// control of its kind stands in, so that the rest of the test runs instead of crashing the suite.
template <class T = QWidget> T* need(app::Screen& screen, const QString& name) {
    if (T* found = screen.control<T>(name)) return found;
    ADD_FAILURE() << screen.name().toStdString() << " has no control " << name.toStdString()
                  << " of that kind";
    if constexpr (std::is_constructible_v<T, QWidget*>) {
        static QWidget* const standIns = new QWidget; // lives to the end of the run
        return new T(standIns);
    } else {
        return nullptr;
    }
}

// The top-level windows that are visible now, by name.
inline QStringList visibleWindows() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) names << w->objectName();
    names.sort();
    return names;
}

inline void click(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Press, release, press as a double-click, release: what a real double-click delivers.
inline void doubleClickAt(QWidget* w, QPoint at) {
    ASSERT_NE(w, nullptr);
    QPointer<QWidget> guard(w);
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
    if (!guard) return;
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(at), w->mapToGlobal(QPointF(at)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &dbl);
    if (guard) QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}
inline void doubleClick(QWidget* w) {
    ASSERT_NE(w, nullptr);
    doubleClickAt(w, w->rect().center());
}

// The user selects the whole text of a box and types `text` over it, key by key: ASCII by its
// key (all QTest knows), anything else as an input method delivers it.
inline void typeInto(QLineEdit* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    for (QChar c : text)
        c.unicode() > 0x20 && c.unicode() < 0x7f ? QTest::keyClick(box, c.toLatin1())
                                                 : box->insert(QString(c));
}

// "印刷" twice: the dialog cancelled prints nothing; then two copies of `screen`'s window.
inline void printCancelledThenTwice(ProgramRun& run, QWidget* printButton, const char* screen) {
    run.counters.copiesChosen = std::nullopt;
    click(printButton);
    EXPECT_EQ(run.counters.printDialogs, 1);
    EXPECT_TRUE(run.counters.printed.empty());
    run.counters.copiesChosen = 2;
    click(printButton);
    EXPECT_EQ(run.counters.printed,
              (std::vector<std::pair<QString, int>>{{QString::fromUtf8(screen), 2}}));
}

} // namespace testing_ui
