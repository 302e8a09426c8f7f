#include "ui/gui.hpp"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/registry.hpp"
#include "ui/controls.hpp"
#include "ui/screens.hpp"

namespace app {

bool installQtJapanese() {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return false;
    static const char* const marker = "hariQtJapanese";
    if (application->findChild<QTranslator*>(QLatin1String(marker))) return true;
    auto* translator = new QTranslator(application);
    translator->setObjectName(QLatin1String(marker));
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int runGui(int argc, char** argv) {
    QApplication application(argc, argv);
    installQtJapanese();
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
