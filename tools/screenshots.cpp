// Writes pictures of the screens as a user meets them into the folder named on the command
// line: `hari_screenshots <folder>`. Runs on any Qt platform (offscreen included); the scale
// comes from the environment (QT_SCALE_FACTOR=2 for pictures at 200 %). docs/guide.md shows
// them; scripts/screenshots writes its copies.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/registry.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/gui.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

namespace {

struct Shooter {
    QDir folder;
    int tried = 0;
    int written = 0;

    void shoot(app::Screen& screen, const QString& name) {
        ++tried;
        QApplication::processEvents();
        QWidget& w = screen.window();
        const QString file = folder.filePath(name + ".png");
        if (w.grab().save(file)) ++written;
        std::printf("%s\n", qPrintable(file));
    }
    // A step that could not be taken: the run fails, the other pictures are still written.
    void miss(const char* what) {
        ++tried;
        std::fprintf(stderr, "hari_screenshots: %s\n", what);
    }
};

template <class T> T* find(app::Screen& s, const char* name) {
    return s.control<T>(QString::fromUtf8(name));
}

// Selects a size of the list by its designation, so that a longer table keeps the picture.
bool selectSize(Shooter& shot, app::Screen& sizes, const char* designation) {
    auto* list = find<QListWidget>(sizes, "ListDanmenSize");
    const QList<QListWidgetItem*> items =
        list->findItems(QString::fromUtf8(designation), Qt::MatchExactly);
    if (items.isEmpty()) {
        shot.miss(designation);
        return false;
    }
    list->setCurrentItem(items.front());
    return true;
}

// One pass of the section road: a material, a shape, then the size screen.
void sectionRoad(Shooter& shot, int materialRow, const char* picture, const QString& name) {
    app::Registry registry;
    ui::installScreens(registry);
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

// The beam road as far as the material screen: a structure and a load case double-clicked.
ui::Form断面選択& toMaterialScreen(app::Registry& registry, const char* structure,
                                   const char* loadCase) {
    auto& open = registry.screen<ui::FormOpen>();
    open.show();
    emit find<ui::Picture>(open, "ImageHari")->clicked();
    auto& type = registry.screen<ui::Form梁形式1>();
    emit find<ui::Picture>(type, structure)->doubleClicked();
    emit find<ui::Picture>(ui::loadCaseScreen(registry), loadCase)->doubleClicked();
    return registry.screen<ui::Form断面選択>();
}

// The beam road: a structure and load case, SS400 and an H section, a load and a span (and L1
// where the case has one), shown in SI or in the old units.
struct BeamShot {
    const char* structure;
    const char* loadCase;
    const char* load;
    const char* name;
    bool oldUnits = false;
};

void beamRoad(Shooter& shot, const BeamShot& b) {
    app::Registry registry;
    ui::installScreens(registry);
    auto& choice = toMaterialScreen(registry, b.structure, b.loadCase);
    emit find<ui::Picture>(choice, "ImageH縦")->clicked();
    find<QPushButton>(choice, "Commandtugi")->click();
    auto& sizes = registry.screen<ui::Form材サイズ選択>();
    find<QListWidget>(sizes, "ListDanmenSize")->setCurrentRow(10);
    find<QPushButton>(sizes, "Commandtugi")->click();
    auto& calc = registry.screen<ui::Form入力計算>();
    find<QLineEdit>(calc, "TextHEN1")->setText(QString::fromUtf8(b.load));
    find<QLineEdit>(calc, "TextHEN2")->setText("3000");
    if (auto* l1 = find<QLineEdit>(calc, "TextHEN3"); l1 && !l1->isHidden()) l1->setText("1000");
    if (b.oldUnits) find<QRadioButton>(calc, "Opt2old")->click();
    shot.shoot(calc, "calc_" + QString::fromUtf8(b.name));
    registry.endProgram();
}

// The section road to the calculator: SS400, a section typed in by its dimensions.
void sectionCalculator(Shooter& shot, const char* picture, std::initializer_list<const char*> dims,
                       const char* name) {
    app::Registry registry;
    ui::installScreens(registry);
    auto& open = registry.screen<ui::FormOpen>();
    open.show();
    emit find<ui::Picture>(open, "ImageZI")->clicked();
    auto& choice = registry.screen<ui::Form断面選択>();
    emit find<ui::Picture>(choice, picture)->clicked();
    find<QPushButton>(choice, "Commandtugi")->click();
    find<QPushButton>(registry.screen<ui::Form材サイズ選択>(), "CmdZIE")->click();
    auto& calc = registry.screen<ui::Form入力断面他>();
    int k = 0;
    for (const char* d : dims)
        calc.control<QLineEdit>(QStringLiteral("TextHEN%1").arg(++k))->setText(d);
    shot.shoot(calc, "section_calc_" + QString::fromUtf8(name));
    registry.endProgram();
}

// The beam road through the calculator: a simple beam carrying the unequal I typed in.
void beamThroughCalculator(Shooter& shot) {
    app::Registry registry;
    ui::installScreens(registry);
    auto& choice = toMaterialScreen(registry, "Image両端支持", "Image両端支持分布");
    emit find<ui::Picture>(choice, "ImageH縦a")->clicked();
    find<QPushButton>(choice, "Commandtugi")->click();
    find<QPushButton>(registry.screen<ui::Form材サイズ選択>(), "CmdZIE")->click();
    auto& section = registry.screen<ui::Form入力断面他>();
    const char* dims[] = {"100", "150", "200", "10", "8", "12"};
    for (int k = 0; k < 6; ++k)
        section.control<QLineEdit>(QStringLiteral("TextHEN%1").arg(k + 1))->setText(dims[k]);
    find<QPushButton>(section, "Commandtugi")->click();
    auto& calc = registry.screen<ui::Form入力計算>();
    find<QLineEdit>(calc, "TextHEN1")->setText("40000");
    find<QLineEdit>(calc, "TextHEN2")->setText("4000");
    shot.shoot(calc, "calc_simple_uniform_unequal_i");
    registry.endProgram();
}

// The guide's worked example of the beam road, a picture at every step: a cantilever with a
// point load at its free end, SS400, H-150×75×5×7, P = 2000 N, L = 2000 mm, shown in SI and
// in the old units; then the same beam under 7000 N (short-term OK) and 12000 N (NG).
void guideBeamExample(Shooter& shot) {
    app::Registry registry;
    ui::installScreens(registry);
    auto& open = registry.screen<ui::FormOpen>();
    open.show();
    shot.shoot(open, "open");
    emit find<ui::Picture>(open, "ImageHari")->clicked();
    auto& type = registry.screen<ui::Form梁形式1>();
    emit find<ui::Picture>(type, "Image片持1")->clicked();
    shot.shoot(type, "structure");
    find<QPushButton>(type, "Commandtugi")->click();
    ui::LoadCaseScreen* cases = &ui::loadCaseScreen(registry);
    emit find<ui::Picture>(*cases, "Image片持集中")->clicked();
    shot.shoot(*cases, "load_case");
    find<QPushButton>(*cases, "Commandtugi")->click();
    auto& choice = registry.screen<ui::Form断面選択>();
    emit find<ui::Picture>(choice, "ImageH縦")->clicked();
    shot.shoot(choice, "beam_material");
    find<QPushButton>(choice, "Commandtugi")->click();
    auto& sizes = registry.screen<ui::Form材サイズ選択>();
    if (selectSize(shot, sizes, "H-150×75×5×7")) {
        shot.shoot(sizes, "beam_size");
        find<QPushButton>(sizes, "Commandtugi")->click();
        auto& calc = registry.screen<ui::Form入力計算>();
        QLineEdit* load = find<QLineEdit>(calc, "TextHEN1");
        load->setText("2000");
        find<QLineEdit>(calc, "TextHEN2")->setText("2000");
        shot.shoot(calc, "guide_calc");
        find<QRadioButton>(calc, "Opt2old")->click();
        shot.shoot(calc, "guide_calc_old");
        find<QRadioButton>(calc, "Opt2SI")->click();
        load->setText("7000");
        shot.shoot(calc, "guide_calc_short");
        load->setText("12000");
        shot.shoot(calc, "guide_calc_ng");
    }
    registry.endProgram();
}

// What a user meets when a typed value cannot go on: the material screen refusing "1,9" as the
// specific gravity, the size screen refusing a typed Z, and the calculation screen after Z was
// typed over (the designation marked).
void refusals(Shooter& shot) {
    app::Registry registry;
    ui::installScreens(registry);
    auto& choice = toMaterialScreen(registry, "Image片持1", "Image片持集中");
    find<QPushButton>(choice, "CmdZaiNasi")->click();
    find<QLineEdit>(choice, "Texthiju")->setText("1,9");
    emit find<ui::Picture>(choice, "ImageH縦")->clicked();
    find<QPushButton>(choice, "Commandtugi")->click();
    shot.shoot(choice, "material_refused");
    find<QLineEdit>(choice, "Texthiju")->setText("7.85");
    find<QPushButton>(choice, "CmdList")->click();
    find<QPushButton>(choice, "Commandtugi")->click();
    auto& sizes = registry.screen<ui::Form材サイズ選択>();
    find<QLineEdit>(sizes, "Textdz")->setText("1,9");
    find<QPushButton>(sizes, "Commandtugi")->click();
    shot.shoot(sizes, "size_refused");
    find<QLineEdit>(sizes, "Textdz")->setText("19");
    find<QPushButton>(sizes, "Commandtugi")->click();
    auto& calc = registry.screen<ui::Form入力計算>();
    find<QLineEdit>(calc, "TextHEN1")->setText("2000");
    find<QLineEdit>(calc, "TextHEN2")->setText("2000");
    shot.shoot(calc, "calc_edited_section");
    registry.endProgram();
}

// The guide's example saved as a check (docs/examples/b1.hari), opened: the calculation screen
// as it was saved, with "保存" for the next change, and the size screen behind it.
void savedCheck(Shooter& shot) {
    app::Registry registry;
    ui::installScreens(registry);
    registry.screen<ui::FormOpen>().show();
    const QString file = QStringLiteral(HARI_SOURCE_DIR "/docs/examples/b1.hari");
    if (!registry.documents().openFile(file, nullptr)) {
        shot.miss("docs/examples/b1.hari did not open");
        return;
    }
    auto& calc = registry.screen<ui::Form入力計算>();
    shot.shoot(calc, "saved_check");
    // "前に戻る": the size screen as the saved check chose it.
    find<QPushButton>(calc, "Commandmae")->click();
    shot.shoot(registry.screen<ui::Form材サイズ選択>(), "saved_check_back");
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
    sectionRoad(shot, 0, "Image丸パイプ", "steel_pipe");
    guideBeamExample(shot);
    const BeamShot beams[] = {
        {"Image片持1", "Image片持集中", "5000", "cantilever_point"},
        {"Img垂直", "Image垂直分布", "8000", "vertical_uniform_old", true},
        {"Image両端支持", "Image両端支持任意", "20000", "simple_l1"},
        {"Image両端固定", "Image両端固定分布", "30000", "fixed_uniform"},
        {"Imageピン固", "Imageピン固中央", "90000", "pinfixed_point_ng"},
    };
    for (const BeamShot& b : beams)
        beamRoad(shot, b);
    sectionCalculator(shot, "Image丸パイプ", {"60.5", "3.2"}, "pipe");
    sectionCalculator(shot, "ImageL不等縦", {"50", "100", "6"}, "angle");
    sectionCalculator(shot, "ImageT縦", {"100", "50", "10", "6"}, "tee");
    sectionCalculator(shot, "Image軽溝縦長", {"40", "100", "2.3"}, "light_channel");
    sectionCalculator(shot, "ImageH縦a", {"100", "150", "200", "10", "8", "12"}, "unequal_i");
    beamThroughCalculator(shot);
    refusals(shot);
    savedCheck(shot);
    return shot.written == shot.tried ? 0 : 1;
}
