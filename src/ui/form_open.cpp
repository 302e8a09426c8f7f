#include "ui/form_open.hpp"

#include "app/registry.hpp"
#include "ui/controls.hpp"
#include "ui/document_buttons.hpp"

namespace ui {

const QString FormOpen::kTitle = QStringLiteral("梁の強度計算");

FormOpen::FormOpen(app::Registry& registry) : app::Screen(registry, kId) {}

void FormOpen::build(app::FormWindow& w) {
    setForm(&w, kTitle + QStringLiteral("　－　曲げ応力・たわみ・断面性能"), 10080, 7800);
    w.setMouseTracking(true);

    // The title: Label4 is the shadow of Label8, Label5 says what the program does.
    Label* shadow = addLabel(&w, "Label4", {390, 210, 6000, 720}, kTitle, {24, true});
    shadow->setTransparent();
    shadow->setForeColor(QColor(170, 178, 196));
    Label* title = addLabel(&w, "Label8", {360, 180, 6000, 720}, kTitle, {24, true});
    title->setTransparent();
    title->setForeColor(QColor(16, 40, 110));
    Label* subtitle = addLabel(&w, "Label5", {390, 930, 9300, 420},
                               QStringLiteral("片持・両端支持・両端固定・ピン固定の梁の曲げ応力と"
                                              "たわみ、断面性能を計算します"),
                               {10});
    subtitle->setTransparent();

    Picture* beam = addPicture(&w, "ImageHari", {360, 1560, 4575, 3660}, ":/assets/open_beam.svg");
    Picture* section =
        addPicture(&w, "ImageZI", {5145, 1560, 4575, 3660}, ":/assets/open_section.svg");
    Label* beamLabel = addLabel(&w, "Label2", {360, 5340, 4575, 480},
                                QStringLiteral("構造計算をする"), {13, true}, Qt::AlignCenter);
    Label* sectionLabel = addLabel(&w, "Label3", {5145, 5340, 4575, 480},
                                   QStringLiteral("断面性能を調べる"), {13, true}, Qt::AlignCenter);
    for (Label* l : {beamLabel, sectionLabel}) {
        l->setForeColor(QColor(16, 40, 110));
        l->setCursor(Qt::PointingHandCursor);
    }
    for (Picture* p : {beam, section})
        p->setCursor(Qt::PointingHandCursor);
    beam->setKeyRole(Picture::KeyRole::Activate, beamLabel->caption());
    section->setKeyRole(Picture::KeyRole::Activate, sectionLabel->caption());

    addLabel(&w, "Label7", {360, 6000, 9360, 420},
             QStringLiteral("　どちらかの図をクリックしてください。"), {11});
    addLabel(&w, "Label6", {360, 7200, 3000, 360}, QStringLiteral("Ver　5.03.3"), {8});
    auto* exit = addButton(&w, "CmdExit", {8400, 6960, 1320, 540}, QStringLiteral("閉じる"), {10});
    addOpenButton(w, registry(), {6960, 6960, 1320, 540}, 10);

    QObject::connect(beam, &Picture::clicked, &w, [this] { beamRoad(); });
    QObject::connect(beamLabel, &Label::clicked, &w, [this] { beamRoad(); });
    QObject::connect(section, &Picture::clicked, &w, [this] { sectionRoad(); });
    QObject::connect(sectionLabel, &Label::clicked, &w, [this] { sectionRoad(); });
    for (Picture* p : {beam, section})
        QObject::connect(p, &Picture::mouseMoved, &w, [this] { onMouseMove(); });
    QObject::connect(exit, &QPushButton::clicked, &w, [this] { endProgram(); });
}

void FormOpen::onLoad() {
    setMousePointer(app::MousePointer::Default);
}

// Clears an hourglass left by an earlier step.
void FormOpen::onMouseMove() {
    setMousePointer(app::MousePointer::Default);
}

void FormOpen::beamRoad() {
    state().FlgOpen = app::Road::BeamCalculation;
    flow().forward(*this, app::ScreenId::Form梁形式1);
}

void FormOpen::sectionRoad() {
    setMousePointer(app::MousePointer::Hourglass);
    state().FlgOpen = app::Road::SectionProperties;
    flow().forward(*this, app::ScreenId::Form断面選択);
}

} // namespace ui
