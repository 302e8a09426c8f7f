// Values shown in SI or in old units: each has a box for either unit at the same place and a
// caption for either, and only one of a pair is visible. Both input screens show the four
// material values so.
#pragma once

#include <QString>
#include <array>

class QLineEdit;

namespace ui {

class Label;

// A field with its old-unit twin at the same place.
struct TwinField {
    QLineEdit* si = nullptr;
    QLineEdit* old = nullptr;
};

// A caption with its SI and old texts.
struct TwinCaption {
    Label* label = nullptr;
    QString si, old;
};

void showTwin(const TwinField& field, bool old);
void showTwin(const TwinCaption& caption, bool old);
// Names each of the pair for screen readers by the caption it has when it is the one shown.
void nameTwin(const TwinField& field, const QString& si, const QString& old);

// The four material values as both input screens name and caption them: allowable bending,
// compressive and shear stress, and Young's modulus.
struct MaterialValueDesign {
    const char *captionName, *si, *old, *siCaption, *oldCaption;
};
extern const std::array<MaterialValueDesign, 4> kMaterialValues;

} // namespace ui
