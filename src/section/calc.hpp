// calc01: one change of a dimension field on the section calculator, from the field values to
// everything the screen shows. The screen gathers HEN1 … HEN6, calls calc01 and applies the
// Outcome: LbBikou, the beep and FlgDSize always; the result texts, Labeldsize and the sketch
// only when the section was computed.
#pragma once

#include "section/formulas.hpp"
#include "section/shapes.hpp"
#include "section/sketch.hpp"
#include "section/texts.hpp"

#include <optional>
#include <string>

namespace section {

struct Inputs {
    int shape = 0;             // danmentype
    Dimensions hen{};          // HEN1 … HEN6, mm
    double dhijuv = 0;         // specific gravity of the material, g/cm³
    Rect frame = kSketchFrame; // Shape1
};

enum class Status {
    NotComputed, // a shape the calculator does not compute: nothing happens
    Incomplete,  // a used dimension is empty, zero or negative: silent, results stay
    OutOfRange,  // the results would leave the range of numbers: silent, results stay
    Refused,     // a check failed: beep and message, results stay
    Computed,
};

struct Outcome {
    Status status = Status::NotComputed;
    Dimensions hen{};                 // HEN1 … HEN6 as calc01 leaves them (the equal angle
                                      // copies HEN1 into HEN2)
    std::optional<std::string> bikou; // caption of LbBikou; nullopt: LbBikou hidden
    bool beep = false;
    int flgDSize = 0;

    // Only with Status::Computed:
    std::optional<Properties> properties;   // Menseki, Zaijuryou, …, e4
    std::optional<Display> display;         // the eight result texts
    std::optional<std::string> designation; // caption of Labeldsize
    // With Status::Computed, nullopt means the section cannot be sketched at this scale: erase
    // the sketch and hide the outline shapes. Otherwise it stays as it is.
    std::optional<Sketch> sketch;
};

Outcome calc01(const Inputs& in);

} // namespace section
