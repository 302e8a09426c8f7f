// The section formulas: the guard, the checks of the dimensions and the properties of a
// section from its dimensions in mm.
#pragma once

#include "section/shapes.hpp"

#include <optional>
#include <string_view>

namespace section {

// The circle constant of the section formulas, six decimals as the screen has always used.
inline constexpr double kPi = 3.141592;
// Kilograms to newtons.
inline constexpr double kGravity = 9.8;

// The properties of one section, in the units the screen shows them.
struct Properties {
    double menseki = 0;     // area, cm²
    double zaijuryou = 0;   // mass per metre, kg/m
    double zaijuryouSI = 0; // weight per metre, N/m
    double div = 0;         // second moment of area I, cm⁴
    double dzv = 0;         // section modulus Z, cm³
    double d2rv = 0;        // radius of gyration i, cm
    double e3 = 0;          // centroid from the bottom edge, cm
    double e4 = 0;          // centroid from the vertical edge of the shape, cm
};

// The dimensions the shape's formulas read: for the equal angle HEN2 takes the value of HEN1
// (its second field is hidden); the others are returned unchanged.
Dimensions effectiveDimensions(const ShapeLayout& shape, const Dimensions& hen);

// True when every dimension that the shape uses is a positive (finite) number on its own.
bool guardPasses(const ShapeLayout& shape, const Dimensions& hen);

// The message of the first check that the dimensions fail, in the order the screen checks
// them; nullopt when every check holds. Expects dimensions that pass the guard.
std::optional<std::string_view> failedCheck(const ShapeLayout& shape, const Dimensions& hen);

// The properties of a section that passed the guard and the checks, with the specific gravity
// `dhijuv` (g/cm³). nullopt when a result leaves the range of double-precision numbers (the
// dimensions are too far apart or too large to compute).
std::optional<Properties> computeProperties(const ShapeLayout& shape, const Dimensions& hen,
                                            double dhijuv);

} // namespace section
