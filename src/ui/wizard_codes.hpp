// The codes the wizard's screens choose, as the calculation numbers them.
#pragma once

#include "beam/dispatch.hpp"

namespace ui {

// The beam structures (`hari`) as the calculation numbers them; 0 before the first choice.
namespace BeamType {
inline constexpr int None = 0;
inline constexpr int Cantilever = static_cast<int>(beam::Structure::Cantilever);
inline constexpr int VerticalCantilever = static_cast<int>(beam::Structure::VerticalCantilever);
inline constexpr int SimplySupported = static_cast<int>(beam::Structure::SimplySupported);
inline constexpr int FixedBothEnds = static_cast<int>(beam::Structure::FixedBothEnds);
inline constexpr int PinnedFixed = static_cast<int>(beam::Structure::PinnedFixed);
} // namespace BeamType

// Load cases (`haritype`) as the calculation numbers them; 0 before the first choice.
namespace LoadCase {
inline constexpr int None = 0;
// Cantilevers
inline constexpr int TipPoint = beam::kLoadCase1;
inline constexpr int UniformFull = beam::kLoadCase2;
inline constexpr int UniformOverL1AtTip = beam::kLoadCase3;
// Beams on two supports
inline constexpr int MidSpanPoint = beam::kLoadCase1;
inline constexpr int PointAtL1 = beam::kLoadCase2;
inline constexpr int Uniform = beam::kLoadCase3;
} // namespace LoadCase

} // namespace ui
