// The to-scale sketch of a section (DanmenZu), as a list of primitives in twips: filled boxes
// and circles in paint order, and where the five outline shapes go.
#pragma once

#include "section/shapes.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace section {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kSketchYellow{255, 255, 0}; // &H0000FFFF: the ground and the holes
inline constexpr Rgb kSketchDarkBlue{0, 0, 192}; // &H00C00000: the section
inline constexpr Rgb kSketchWindowText{0, 0, 0}; // the system's window-text colour: outer outlines

// A rectangle in twips, y downwards.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Shape1: the invisible square that frames the sketch.
inline constexpr Rect kSketchFrame{720, 4560, 1815, 1815};

enum class FillKind { Box, Circle };

// A solid fill on the form's background; a circle fills the square `rect` it is inscribed in.
struct Fill {
    FillKind kind = FillKind::Box;
    Rect rect;
    Rgb colour;
    friend bool operator==(const Fill&, const Fill&) = default;
};

// The outline shapes of the screen; rectangles ShapeKaku1–3, circles ShapeEn1–2.
enum class OutlineShape { Kaku1, Kaku2, Kaku3, En1, En2 };
inline constexpr std::size_t kOutlineShapeCount = 5;
std::string_view outlineControl(OutlineShape s); // "ShapeKaku1", …

// Where one outline shape goes (`rect` means nothing when it is hidden). Outline shapes are not
// filled: `border` is their line colour.
struct Outline {
    bool visible = false;
    Rect rect;
    Rgb border;
    friend bool operator==(const Outline&, const Outline&) = default;
};

struct Sketch {
    std::vector<Fill> fills; // paint in this order; the first is the yellow ground of the frame
    std::array<Outline, kOutlineShapeCount> outlines; // indexed by OutlineShape

    const Outline& outline(OutlineShape s) const { return outlines[static_cast<int>(s)]; }
};

// The sketch of a section that passed the guard and the checks, in the frame `frame` (only its
// left, top and width are read: the sketch is square). nullopt when it cannot be drawn: the
// scale in twips per mm or a corner of the frame would leave the 16-bit range of the screen's
// coordinates, or the dimensions do not make a section.
std::optional<Sketch> danmenZu(int code, const Dimensions& hen, const Rect& frame = kSketchFrame);

} // namespace section
