#include "ui/gui.hpp"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include "app/registry.hpp"
#include "ui/controls.hpp"
#include "ui/screens.hpp"

namespace app {

int runGui(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setFont(QFont(ui::uiFontFamily(), 9));
    // The icon of every window, and the desktop entry (hari.desktop) that the desktop matches
    // the windows to.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/hari.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("hari"));
    // Closing a window is an unload, and the screens' own rules decide whether that ends the
    // program; Qt must not end it on its own when the last window goes.
    QApplication::setQuitOnLastWindowClosed(false);
    Registry registry;
    ui::installScreens(registry);
    registry.screen(ScreenId::FormOpen).show();
    return QApplication::exec();
}

} // namespace app
