#include "app/screen.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "app/colors.hpp"
#include "app/registry.hpp"

namespace app {

FormWindow::FormWindow(Screen& screen) : screen_(&screen) {
    setObjectName(screen.name());
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette p = palette();
    p.setColor(QPalette::Window, systemColor(SystemColor::ButtonFace));
    setPalette(p);
    setAutoFillBackground(true);
}

void FormWindow::closeEvent(QCloseEvent* e) {
    // The close box unloads the screen; its unload handler decides whether the program ends.
    // The window itself is discarded by the unload, never by Qt.
    e->ignore();
    if (screen_) screen_->closedByUser();
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        QWidget* focus = focusWidget();
        // Enter in a text field finishes that field and moves on in the Tab order: it never
        // presses a button that the field does not belong to.
        if (qobject_cast<QLineEdit*>(focus)) {
            focusNextChild();
            return;
        }
        // A button that has the focus keeps Enter, as it keeps Space.
        if (auto* button = qobject_cast<QAbstractButton*>(focus);
            button && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
        for (QPushButton* b : findChildren<QPushButton*>())
            if (b->isDefault() && b->isVisible() && b->isEnabled()) {
                b->click();
                return;
            }
    }
    QWidget::keyPressEvent(e);
}

void FormWindow::mouseMoveEvent(QMouseEvent* e) {
    if (screen_) screen_->onMouseMove();
    QWidget::mouseMoveEvent(e);
}

// Tab goes through a screen as it is read: row by row from the top, each row from the left. A
// control joins a row when its top lies within the upper half of the row's first control.
void orderTabsByReading(QWidget& window) {
    struct Stop {
        QWidget* w;
        QRect r;
    };
    std::vector<Stop> stops;
    for (QWidget* w : window.findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            stops.push_back({w, QRect(w->mapTo(&window, QPoint()), w->size())});
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Stop& a, const Stop& b) { return a.r.top() < b.r.top(); });
    for (std::size_t first = 0; first < stops.size();) {
        std::size_t end = first + 1;
        const int rowEnd = stops[first].r.top() + stops[first].r.height() / 2;
        while (end < stops.size() && stops[end].r.top() < rowEnd)
            ++end;
        std::stable_sort(stops.begin() + first, stops.begin() + end,
                         [](const Stop& a, const Stop& b) { return a.r.left() < b.r.left(); });
        first = end;
    }
    for (std::size_t n = 1; n < stops.size(); ++n)
        QWidget::setTabOrder(stops[n - 1].w, stops[n].w);
}

Screen::Screen(Registry& registry, ScreenId id)
    : registry_(registry), id_(id), name_(screenName(id)) {}

WizardState& Screen::state() const {
    return registry_.state();
}

Flow& Screen::flow() const {
    return registry_.flow();
}

Screen::~Screen() {
    if (window_) {
        window_->detach();
        delete window_;
    }
}

void Screen::load() {
    if (window_ || registry_.hasEnded()) return;
    window_ = new FormWindow(*this);
    build(*window_);
    // A fresh window starts with the default pointer: an hourglass this screen set before its
    // last unload belonged to a step that is over.
    pointer_ = MousePointer::Default;
    onLoad();
    // After the load handler, which lays some screens out for their case.
    if (window_) orderTabsByReading(*window_);
}

FormWindow& Screen::window() {
    load();
    return *window_;
}

void Screen::show() {
    if (registry_.hasEnded()) return;
    load();
    if (!window_) return;
    // The arriving or returning screen shows the default pointer, whatever it showed when it
    // was left.
    setMousePointer(MousePointer::Default);
    window_->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        window_->raise();
        window_->activateWindow();
    }
}

void Screen::hide() {
    if (window_) window_->hide();
}

void Screen::unload() {
    if (!window_) return;
    onUnload();
    if (registry_.flow().unloadEndsProgram(id_)) registry_.endProgram();
    // The handler that asked for the unload may belong to a control of this window: let Qt
    // delete the window once that handler has returned.
    FormWindow* w = window_;
    window_ = nullptr;
    w->detach();
    w->hide();
    w->deleteLater();
}

void Screen::closedByUser() {
    if (registry_.hasEnded()) return;
    // The close box ends the program: a check with changes since it was saved may keep it.
    if (isLoaded() && registry_.flow().unloadEndsProgram(id_) && !registry_.flow().mayEndProgram(*this))
        return;
    unload();
}

void Screen::setMousePointer(MousePointer p) {
    pointer_ = p;
    if (window_) {
        if (p == MousePointer::Hourglass)
            window_->setCursor(Qt::WaitCursor);
        else
            window_->unsetCursor();
    }
}

void Screen::endProgram() {
    if (registry_.flow().mayEndProgram(*this)) registry_.endProgram();
}

void Screen::beep() {
    registry_.beeper().beep();
}

} // namespace app
