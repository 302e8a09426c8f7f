// The fourteen materials of the material list, with the constants each one stores.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace catalog {

// Decides the size-table file and the shape names of a material.
enum class MaterialFamily { None, Steel, Stainless, Aluminium, Wood };

// One entry of the material list. SI values in N/mm2, old values in kg/cm2 (kilogram-force),
// specific gravity in g/cm3. The old values are a table of their own, not converted on the fly.
struct Material {
    int zaitype;               // list position + 1
    std::string_view listText; // the list entry and the chosen-material label
    std::string_view zaisitu;  // the name the later screens show
    MaterialFamily family;
    double yang;       // Dyangv
    double kmage;      // Dkmagev
    double kashuku;    // Dkashukuv
    double ksendan;    // Dksendanv
    double hiju;       // Dhijuv
    double yangOld;    // DyangvOld
    double kmageOld;   // DkmagevOld
    double kashukuOld; // DkashukuvOld
    double ksendanOld; // DksendanvOld
};

// The list in display order (zaitype 1..14).
std::span<const Material> materials();

// The material with this number, or nullptr.
const Material* material(int zaitype);

// Family by material number: 1 steel, 2 stainless, 3 aluminium, 4..22 wood (the size-table
// rule reaches past the fourteen list entries), anything else none.
MaterialFamily familyOf(int zaitype);

// The five value boxes of the material screen as plain decimal text ("157", "90.5", "7.85").
struct MaterialTexts {
    std::string kmage, kashuku, ksendan, yang, hiju;
};
MaterialTexts siTexts(const Material& m);

// The values a material carries to the later screens. A value whose box still shows the chosen
// entry's catalog text keeps the catalog value exactly, old units included; a value typed over
// (or every value, in direct entry) is taken from its box, and its old unit is converted as the
// catalog converts its own (x 100 / 9.8, three significant figures). The specific gravity
// follows its box the same way.
struct MaterialValues {
    double yang, kmage, kashuku, ksendan, hiju;
    double yangOld, kmageOld, kashukuOld, ksendanOld;
};
MaterialValues committedValues(const Material& chosen, bool directEntry,
                               const MaterialTexts& boxes);

// The five value boxes, top to bottom as the material screen shows them.
enum class MaterialValue { Kmage, Kashuku, Ksendan, Yang, Hiju };

// The first box whose text is not a positive number (numtext::positiveNumber), or none: a
// material goes on only with five usable values.
std::optional<MaterialValue> firstUnusableValue(const MaterialTexts& boxes);

// What a screen says of a box that holds no positive number, by the box's name:
// 「比重」が正の数ではありません。 and how to mend it, on a second line (character 13).
std::string notPositiveMessage(std::string_view name);
// The same for a material value box.
std::string unusableValueMessage(MaterialValue v);

// The old-unit value of an SI stress or modulus typed in: x 100 / 9.8, three significant
// figures, as the catalog's own old values (120 N/mm2 gives 1220 kg/cm2).
double oldUnitFromSi(double si);

// A number rounded to `digits` significant figures, halves away from zero on its decimal form.
double roundSignificant(double v, int digits);

// A number as plain decimal text without a leading blank ("157", "90.5", "-0.5").
std::string plainText(double v);

} // namespace catalog
