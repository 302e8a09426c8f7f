#include "ui/twin_fields.hpp"

#include <QLineEdit>

#include "ui/controls.hpp"

namespace ui {

void showTwin(const TwinField& field, bool old) {
    field.si->setVisible(!old);
    field.old->setVisible(old);
}

void showTwin(const TwinCaption& caption, bool old) {
    caption.label->setCaption(old ? caption.old : caption.si);
}

void nameTwin(const TwinField& field, const QString& si, const QString& old) {
    field.si->setAccessibleName(si.simplified());
    field.old->setAccessibleName(old.simplified());
}

const std::array<MaterialValueDesign, 4> kMaterialValues{{
    {"Labelkmage", "Textkmage", "TextkmageOld", "許容曲げ (N/mm2)", "許容曲げ [kg/cm2]"},
    {"Labelkashuku", "Textkashuku", "TextkashukuOld", "許容圧縮 (N/mm2)", "許容圧縮 [kg/cm2]"},
    {"Labelksendan", "Textksendan", "TextksendanOld", "許容せん断 (N/mm2)", "許容せん断 [kg/cm2]"},
    {"Labelyang", "Textyang", "TextyangOld", "ヤング係数 (N/mm2)", "ヤング係数 [kg/cm2]"},
}};

} // namespace ui
