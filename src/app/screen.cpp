#include "app/screen.hpp"

#include <QCloseEvent>
#include <QGuiApplication>

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

void FormWindow::mouseMoveEvent(QMouseEvent* e) {
    if (screen_) screen_->onMouseMove();
    QWidget::mouseMoveEvent(e);
}

Screen::Screen(Registry& registry, QString name) : registry_(registry), name_(std::move(name)) {}

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
    setMousePointer(pointer_);
    onLoad();
}

FormWindow& Screen::window() {
    load();
    return *window_;
}

void Screen::show() {
    if (registry_.hasEnded()) return;
    load();
    if (!window_) return;
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
    registry_.endProgram();
}

void Screen::beep() {
    registry_.beeper().beep();
}

} // namespace app
