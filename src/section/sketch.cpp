#include "section/sketch.hpp"

#include "section/formulas.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace section {
namespace {

constexpr std::int64_t kMin16 = -32768;
constexpr std::int64_t kMax16 = 32767;

bool in16(std::int64_t v) {
    return v >= kMin16 && v <= kMax16;
}

// Lengths of the section in whole twips: the governing dimension spans the frame, every other
// length is k times its size with k a whole number of twips per mm. A length never exceeds the
// frame, which the rounding of k could otherwise make it do when a second dimension is almost as
// large as the governing one.
struct Scale {
    int side = 0;
    double k = 0;
    double governing = 0;

    int len(double mm) const {
        if (mm >= governing) return side;
        return static_cast<int>(std::clamp(std::round(mm * k), 0.0, static_cast<double>(side)));
    }
};

// Once a twip per mm would no longer fit the governing dimension into the frame, a whole
// number of twips per mm would round to nothing (or clamp every length to the frame): the
// exact ratio keeps a large section drawn to scale.
std::optional<Scale> scaleFor(int side, double governing) {
    const double exact = side / governing;
    const double k = exact < 1 ? exact : std::round(exact);
    if (!(k >= 0 && k <= static_cast<double>(kMax16))) return std::nullopt;
    return Scale{side, k, governing};
}

Rect box(int left, int top, int width, int height) {
    return {left, top, std::max(width, 0), std::max(height, 0)};
}

// A hole `by` twips inside `outer`, kept centred when the wall eats the whole of it.
Rect inset(const Rect& outer, int by) {
    const int w = std::max(outer.width - 2 * by, 0);
    const int h = std::max(outer.height - 2 * by, 0);
    return {outer.left + (outer.width - w) / 2, outer.top + (outer.height - h) / 2, w, h};
}

class Painter {
public:
    explicit Painter(const Rect& frame) {
        sketch_.fills.reserve(5);
        fill(FillKind::Box, frame, kSketchYellow);
    }
    void fill(FillKind kind, const Rect& r, Rgb colour) {
        sketch_.fills.push_back({kind, r, colour});
    }
    void outline(OutlineShape s, const Rect& r, Rgb border) {
        sketch_.outlines[static_cast<int>(s)] = {true, r, border};
    }
    // A solid part of the section, painted and outlined.
    void part(OutlineShape s, const Rect& r) {
        fill(FillKind::Box, r, kSketchDarkBlue);
        outline(s, r, kSketchWindowText);
    }
    Sketch take() { return std::move(sketch_); }

private:
    Sketch sketch_;
};

} // namespace

std::string_view outlineControl(OutlineShape s) {
    constexpr std::string_view names[kOutlineShapeCount] = {"ShapeKaku1", "ShapeKaku2",
                                                            "ShapeKaku3", "ShapeEn1", "ShapeEn2"};
    return names[static_cast<int>(s)];
}

std::optional<Sketch> danmenZu(int shapeCode, const Dimensions& hen, const Rect& frame) {
    const auto shape = shapeLayout(shapeCode);
    if (!shape) return std::nullopt;
    const Dimensions h = effectiveDimensions(*shape, hen);
    if (!guardPasses(*shape, h)) return std::nullopt;

    const std::int64_t x0 = frame.left, y0 = frame.top, side = frame.width;
    if (side <= 0 || !in16(x0) || !in16(y0) || !in16(x0 + side) || !in16(y0 + side))
        return std::nullopt;
    const int W = frame.width;
    const Rect whole{frame.left, frame.top, W, W};
    // Upright shapes are centred left to right and hang from the top; lying ones are centred
    // top to bottom and start at the left edge.
    const auto upright = [&](int width, int height) {
        return box(frame.left + (W - width) / 2, frame.top, width, height);
    };
    const auto lying = [&](int width, int height) {
        return box(frame.left, frame.top + (W - height) / 2, width, height);
    };

    Painter p(whole);
    std::optional<Scale> sc;
    switch (shape->kind) {
    case Kind::RoundPipe: {
        if (!(sc = scaleFor(W, h[0]))) return std::nullopt;
        const Rect hole = inset(whole, sc->len(h[1]));
        p.fill(FillKind::Circle, whole, kSketchDarkBlue);
        p.fill(FillKind::Circle, hole, kSketchYellow);
        p.outline(OutlineShape::En1, whole, kSketchWindowText);
        p.outline(OutlineShape::En2, hole, kSketchYellow);
        break;
    }
    case Kind::RoundBar:
        p.fill(FillKind::Circle, whole, kSketchDarkBlue);
        p.outline(OutlineShape::En1, whole, kSketchWindowText);
        break;
    case Kind::SquareBar:
        p.part(OutlineShape::Kaku1, whole);
        break;
    case Kind::SquareTube:
    case Kind::RectTubeUpright:
    case Kind::RectTubeLying:
    case Kind::SolidRectUpright:
    case Kind::SolidRectLying: {
        const bool isUpright =
            shape->kind == Kind::RectTubeUpright || shape->kind == Kind::SolidRectUpright;
        // The square tube has one size for both; the others read B and H.
        const double B = h[0];
        const double H = shape->kind == Kind::SquareTube ? h[0] : h[1];
        if (!(sc = scaleFor(W, isUpright ? H : B))) return std::nullopt;
        const Rect outer = isUpright ? upright(sc->len(B), W) : lying(W, sc->len(H));
        p.part(OutlineShape::Kaku1, outer);
        const bool hollow = shape->kind == Kind::SquareTube ||
                            shape->kind == Kind::RectTubeUpright ||
                            shape->kind == Kind::RectTubeLying;
        if (hollow) {
            const double t = shape->kind == Kind::SquareTube ? h[1] : h[2];
            const Rect hole = inset(outer, sc->len(t));
            p.fill(FillKind::Box, hole, kSketchYellow);
            p.outline(OutlineShape::Kaku2, hole, kSketchYellow);
        }
        break;
    }
    case Kind::Angle: {
        if (!(sc = scaleFor(W, std::max(h[0], h[1])))) return std::nullopt;
        const int bw = sc->len(h[0]), bh = sc->len(h[1]), tk = sc->len(h[2]);
        p.part(OutlineShape::Kaku1, box(frame.left, frame.top, tk, bh));
        p.part(OutlineShape::Kaku2, box(frame.left, frame.top + bh - tk, bw, tk));
        break;
    }
    case Kind::ChannelUpright: {
        if (!(sc = scaleFor(W, std::max(h[0], h[1])))) return std::nullopt;
        const int bw = sc->len(h[0]), bh = sc->len(h[1]), tk = sc->len(h[2]);
        const Rect outer = upright(bw, bh);
        p.part(OutlineShape::Kaku1, box(outer.left, outer.top + tk, tk, bh - 2 * tk));
        p.part(OutlineShape::Kaku2, box(outer.left, outer.top, bw, tk));
        p.part(OutlineShape::Kaku3, box(outer.left, outer.top + bh - tk, bw, tk));
        break;
    }
    case Kind::ChannelLying: {
        if (!(sc = scaleFor(W, std::max(h[0], h[1])))) return std::nullopt;
        const int bw = sc->len(h[0]), bh = sc->len(h[1]), tk = sc->len(h[2]);
        const Rect outer = lying(bw, bh);
        p.part(OutlineShape::Kaku1, box(outer.left, outer.top, bw, tk));
        p.part(OutlineShape::Kaku2, box(outer.left, outer.top + tk, tk, bh - tk));
        p.part(OutlineShape::Kaku3, box(outer.left + bw - tk, outer.top + tk, tk, bh - tk));
        break;
    }
    case Kind::TeeUpright: {
        if (!(sc = scaleFor(W, std::max(h[0], h[1])))) return std::nullopt;
        const int bw = sc->len(h[0]), bh = sc->len(h[1]), tk = sc->len(h[2]), ak = sc->len(h[3]);
        const Rect outer = upright(bw, bh);
        p.part(OutlineShape::Kaku1, box(outer.left, outer.top, bw, tk));
        p.part(OutlineShape::Kaku2, box(outer.left + (bw - ak) / 2, outer.top + tk, ak, bh - tk));
        break;
    }
    case Kind::TeeLying: {
        if (!(sc = scaleFor(W, std::max(h[0], h[1])))) return std::nullopt;
        const int bw = sc->len(h[0]), bh = sc->len(h[1]), tk = sc->len(h[2]), ak = sc->len(h[3]);
        const Rect outer = lying(bw, bh);
        p.part(OutlineShape::Kaku1, box(outer.left, outer.top, ak, bh));
        p.part(OutlineShape::Kaku2, box(outer.left + ak, outer.top + (bh - tk) / 2, bw - ak, tk));
        break;
    }
    case Kind::UnequalI: {
        if (!(sc = scaleFor(W, std::max({h[0], h[1], h[2]})))) return std::nullopt;
        const int aw = sc->len(h[0]), bw = sc->len(h[1]), bh = sc->len(h[2]);
        const int ak = sc->len(h[3]), tk = sc->len(h[4]), bk = sc->len(h[5]);
        // The flanges are centred on the web, and the web on the frame.
        p.part(OutlineShape::Kaku1, upright(aw, ak));
        const Rect web = upright(tk, bh - ak - bk);
        p.part(OutlineShape::Kaku2, box(web.left, web.top + ak, web.width, web.height));
        const Rect bottom = upright(bw, bk);
        p.part(OutlineShape::Kaku3, box(bottom.left, bottom.top + bh - bk, bw, bk));
        break;
    }
    }
    return p.take();
}

} // namespace section
