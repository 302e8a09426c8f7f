// The codes the wizard's screens choose, as the calculation numbers them.
#pragma once

#include "beam/dispatch.hpp"

namespace ui {

// The load cases (`haritype`) by what they mean on each kind of structure.
namespace LoadCase {
// Cantilevers
inline constexpr beam::LoadCase TipPoint = beam::LoadCase::Case1;
inline constexpr beam::LoadCase UniformFull = beam::LoadCase::Case2;
inline constexpr beam::LoadCase UniformOverL1AtTip = beam::LoadCase::Case3;
// Beams on two supports
inline constexpr beam::LoadCase MidSpanPoint = beam::LoadCase::Case1;
inline constexpr beam::LoadCase PointAtL1 = beam::LoadCase::Case2;
inline constexpr beam::LoadCase Uniform = beam::LoadCase::Case3;
} // namespace LoadCase

// The code a choice picture carries for a structure or a load case.
constexpr int code(beam::Structure s) { return static_cast<int>(s); }
constexpr int code(beam::LoadCase c) { return static_cast<int>(c); }

} // namespace ui
