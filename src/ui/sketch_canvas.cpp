#include "ui/sketch_canvas.hpp"

#include <QPainter>

#include "app/twips.hpp"

namespace ui {
namespace {

QPainterPath pathOf(const section::Fill& f) {
    QPainterPath p;
    const QRectF r(f.rect.left, f.rect.top, f.rect.width, f.rect.height);
    if (f.kind == section::FillKind::Circle)
        p.addEllipse(r);
    else
        p.addRect(r);
    return p;
}

} // namespace

// Not shared with the gauge's colour helper: the two cores each have their own colour type.
QColor toQColor(section::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

SketchCanvas::SketchCanvas(QWidget* window)
    : BackgroundCanvas(window, QStringLiteral("SketchCanvas")) {}

QRect SketchCanvas::framePixels() const {
    if (!sketch_ || sketch_->fills.empty()) return {};
    const section::Rect& r = sketch_->fills.front().rect;
    const double k = app::kTwipsPerPixel;
    return QRectF(r.left / k, r.top / k, r.width / k, r.height / k)
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}

void SketchCanvas::draw(const section::Sketch& sketch) {
    update(framePixels()); // where the last sketch was
    sketch_ = sketch;
    section_ = outer_ = holes_ = QPainterPath();
    // The first fill is the ground of the frame; after it the section's parts in dark blue and
    // its holes in the ground colour, in paint order. Uniting the parts into one path leaves
    // no joint between a flange and its web.
    for (std::size_t n = 1; n < sketch.fills.size(); ++n) {
        const section::Fill& f = sketch.fills[n];
        const QPainterPath p = pathOf(f);
        if (f.colour == section::kSketchDarkBlue) {
            section_ = section_.united(p);
            outer_ = outer_.united(p);
        } else {
            section_ = section_.subtracted(p);
            holes_ = holes_.united(p);
        }
    }
    // Parts that only share an edge stay separate polygons after united(): simplified() merges
    // them into one outline.
    section_ = section_.simplified();
    outer_ = outer_.simplified();
    update(framePixels());
}

void SketchCanvas::erase() {
    update(framePixels());
    sketch_.reset();
    section_ = outer_ = holes_ = QPainterPath();
}

void SketchCanvas::paintEvent(QPaintEvent*) {
    if (!sketch_ || sketch_->fills.empty()) return;
    if (parentWidget() && size() != parentWidget()->size()) resize(parentWidget()->size());
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / app::kTwipsPerPixel, 1.0 / app::kTwipsPerPixel);
    const section::Fill& ground = sketch_->fills.front();
    p.fillRect(QRectF(ground.rect.left, ground.rect.top, ground.rect.width, ground.rect.height),
               toQColor(ground.colour));
    p.fillPath(section_, toQColor(section::kSketchDarkBlue));
    // One logical pixel wide (the painter draws in twips). A cosmetic pen would be one device
    // pixel, half as wide at 200 % as at 100 %.
    QPen pen(toQColor(section::kSketchWindowText), app::kTwipsPerPixel);
    p.strokePath(outer_, pen);
    pen.setColor(toQColor(section::kSketchYellow));
    p.strokePath(holes_, pen);
}

} // namespace ui
