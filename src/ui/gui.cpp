#include "ui/gui.hpp"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/registry.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

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
    Screen& start = registry.screen(ScreenId::FormOpen);
    start.show();
    // `hari FILE.hari`, as a file manager starts it: the window opens on that check; a file it
    // refuses is told over the opening screen.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1 && args[1].endsWith(QStringLiteral(".hari"), Qt::CaseInsensitive))
        registry.documents().openFile(args[1], &start.window());
    return QApplication::exec();
}

} // namespace app

namespace ui {

void installScreens(app::Registry& registry) {
    registry.setScreenFactory(
        [](app::Registry& r, app::ScreenId id) -> std::unique_ptr<app::Screen> {
            using app::ScreenId;
            switch (id) {
            case ScreenId::FormOpen:
                return std::make_unique<FormOpen>(r);
            case ScreenId::Form梁形式1:
                return std::make_unique<Form梁形式1>(r);
            case ScreenId::Form片持0:
                return std::make_unique<Form片持0>(r);
            case ScreenId::FormSuiCho:
                return std::make_unique<FormSuiCho>(r);
            case ScreenId::Form両端0:
                return std::make_unique<Form両端0>(r);
            case ScreenId::Form両端1:
                return std::make_unique<Form両端1>(r);
            case ScreenId::FormPinKo:
                return std::make_unique<FormPinKo>(r);
            case ScreenId::Form断面選択:
                return std::make_unique<Form断面選択>(r);
            case ScreenId::Form材サイズ選択:
                return std::make_unique<Form材サイズ選択>(r);
            case ScreenId::Form入力断面他:
                return std::make_unique<Form入力断面他>(r);
            case ScreenId::Form入力計算:
                break;
            }
            return std::make_unique<Form入力計算>(r);
        });
}

} // namespace ui
