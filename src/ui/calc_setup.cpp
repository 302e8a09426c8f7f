// The set-up of the calculation screen at load: the material and section values taken over
// from the earlier screens (or from the section calculator), the input fields and pictures of
// the structure and load case, and the picture of the section.
#include "ui/calc_screen.hpp"

#include <QLineEdit>
#include <QPushButton>

#include "app/registry.hpp"
#include "app/twips.hpp"
#include "beam/dispatch.hpp"
#include "catalog/materials.hpp"
#include "common/numtext.hpp"
#include "ui/calc_controls.hpp"
#include "ui/controls.hpp"
#include "ui/gauge_canvas.hpp"

namespace ui {

namespace {

void moveBy(QWidget* w, int down) {
    const QRect r = app::twips(w);
    app::moveTwips(w, r.left(), r.top() + down);
}

} // namespace

std::optional<Form入力計算::Case> Form入力計算::beamCase() const {
    const app::WizardState& s = state();
    if (!s.loadCase()) return std::nullopt;
    return Case{*s.hari, *s.loadCase()};
}

void Form入力計算::takeOverValues() {
    CalcControls& c = *c_;
    const app::WizardState& s = state();
    const app::MaterialRecord& material = s.material;
    c.zaisitu->setCaption(material.zaisitu);
    c.danmen->setCaption(s.danmenkeijou);
    const catalog::MaterialTexts& v = s.materialTexts;
    c.kmage.si->setText(qtext(v.kmage));
    c.kashuku.si->setText(qtext(v.kashuku));
    c.ksendan.si->setText(qtext(v.ksendan));
    c.yang.si->setText(qtext(v.yang));
    c.hiju->setText(qtext(v.hiju));
    // Plain decimal text: a typed value far beyond any material must not show an exponent.
    const auto asText = [](double d) { return qtext(catalog::plainText(d)); };
    c.kmage.old->setText(asText(material.DkmagevOld));
    c.kashuku.old->setText(asText(material.DkashukuvOld));
    c.ksendan.old->setText(asText(material.DksendanvOld));
    c.yang.old->setText(asText(material.DyangvOld));

    const auto twoDecimals = [](const QString& t) {
        return qtext(numtext::format(valueOf(t), "####0.00"));
    };
    const app::SectionTexts& sizes = s.sizeSection;
    c.dsize->setCaption(s.DanmenSize);
    c.menseki->setText(sizes.area);
    c.juryou->setText(sizes.mass);
    c.dz->setText(twoDecimals(sizes.z));
    c.di->setText(twoDecimals(sizes.i));
    c.d2r->setText(twoDecimals(sizes.radius));
    if (s.Flg入力断面他 == app::SectionSource::Calculator) {
        const app::SectionTexts& r = s.calculatorSection;
        c.dsize->setCaption(r.size);
        c.menseki->setText(r.area);
        c.juryou->setText(r.mass);
        c.dz->setText(r.z);
        c.di->setText(r.i);
        c.d2r->setText(r.radius);
    }
    takenOver_ = {c.dsize->caption(), c.dz->text(), c.di->text(), c.juryou->text()};
}

void Form入力計算::setUpCase() {
    CalcControls& c = *c_;
    const std::optional<Case> bc = beamCase();
    if (!bc) return;
    const CasePictures pictures = casePictureNames(bc->structure, bc->loadCase);
    for (const QString& n : {pictures.load, pictures.moment})
        if (auto* p = window().findChild<Picture*>(n)) p->show();
    const bool cantilever = bc->structure == beam::Structure::Cantilever ||
                            bc->structure == beam::Structure::VerticalCantilever;
    const bool withL1 = beam::usesL1(bc->structure, bc->loadCase);
    if (beam::isDistributed(bc->structure, bc->loadCase)) PwButtonShow();
    KajuLabelSet();
    c.caption[1]->setCaption(withL1 && cantilever ? QStringLiteral("全長を入力(mm)")
                                                  : QStringLiteral("長さ入力(mm)"));
    if (withL1) {
        c.caption[2]->setCaption(QStringLiteral("Ｌ１(mm)を入力"));
        c.caption[2]->show();
        c.text[2]->show();
        HenLayout3();
    } else {
        HenLayout2();
    }
}

void Form入力計算::HenLayout2() {
    for (QWidget* w : {static_cast<QWidget*>(c_->caption[0]), static_cast<QWidget*>(c_->text[0])})
        moveBy(w, 300);
    for (QWidget* w : {static_cast<QWidget*>(c_->caption[1]), static_cast<QWidget*>(c_->text[1])})
        moveBy(w, -300);
}

void Form入力計算::HenLayout3() {
    for (QWidget* w : {static_cast<QWidget*>(c_->caption[0]), static_cast<QWidget*>(c_->text[0])})
        moveBy(w, 100);
    for (QWidget* w : {static_cast<QWidget*>(c_->caption[1]), static_cast<QWidget*>(c_->text[1])})
        moveBy(w, -50);
    for (QWidget* w : {static_cast<QWidget*>(c_->caption[2]), static_cast<QWidget*>(c_->text[2])})
        moveBy(w, 200);
}

void Form入力計算::PwButtonShow() {
    c_->cmdP->show();
    c_->cmdw->show();
    c_->shp1->show();
    c_->shp2->show();
}

void Form入力計算::markMode(beam::LoadMode mode) {
    if (!isLoaded()) return;
    const int top = app::twips(mode == beam::LoadMode::PerMetre ? c_->cmdw : c_->cmdP).top();
    app::moveTwips(c_->shp1, app::twips(c_->shp1).left(), top - 80);
    app::moveTwips(c_->shp2, app::twips(c_->shp2).left(), top + 60);
}

void Form入力計算::showSectionPicture() {
    const QString shown = sectionPictureName(state().danmentype);
    for (Picture* p : c_->sectionPictures)
        p->setVisible(!shown.isEmpty() && p->objectName() == shown);
}

} // namespace ui
