// Writes pictures of the screens as a user meets them into the folder named on the command
// line: `hari_screenshots <folder> [scale]`. Runs on any Qt platform (offscreen included).
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/registry.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

namespace {

struct Shooter {
    QDir folder;
    int written = 0;

    void shoot(app::Screen& screen, const QString& name) {
        QApplication::processEvents();
        QWidget& w = screen.window();
        const QString file = folder.filePath(name + ".png");
        if (w.grab().save(file)) ++written;
        std::printf("%s\n", qPrintable(file));
    }
};

template <class T> T* find(app::Screen& s, const char* name) {
    return s.control<T>(QString::fromUtf8(name));
}

// One pass of the section road: a material, a shape, then the size screen.
void sectionRoad(Shooter& shot, int materialRow, const char* picture, const QString& name) {
    app::Registry registry;
    auto& open = registry.screen<ui::FormOpen>();
    open.show();
    emit find<ui::Picture>(open, "ImageZI")->clicked();
    auto& choice = registry.screen<ui::Form断面選択>();
    find<QListWidget>(choice, "Listzaisitu")->setCurrentRow(materialRow);
    emit find<ui::Picture>(choice, picture)->clicked();
    shot.shoot(choice, "material_" + name);
    find<QPushButton>(choice, "Commandtugi")->click();
    shot.shoot(registry.screen<ui::Form材サイズ選択>(), "size_" + name);
    registry.endProgram();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: hari_screenshots <folder>\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setFont(QFont(ui::uiFontFamily(), 9));
    QApplication::setQuitOnLastWindowClosed(false);
    Shooter shot{QDir(QString::fromLocal8Bit(argv[1]))};
    shot.folder.mkpath(".");
    sectionRoad(shot, 0, "ImageH縦", "steel_h");
    sectionRoad(shot, 1, "Image溝縦", "stainless_channel");
    sectionRoad(shot, 10, "Image角ムク", "wood_square");
    return shot.written == 6 ? 0 : 1;
}
