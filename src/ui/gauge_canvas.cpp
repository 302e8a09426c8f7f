#include "ui/gauge_canvas.hpp"

#include <QPainter>
#include <cmath>

#include "app/twips.hpp"

namespace ui {

namespace {

// Twips to the widget's pixels, fractions kept so one-twip strips join into a solid bar.
QRectF toPixels(const TwipRect& r) {
    const double k = app::kTwipsPerPixel;
    return {r.left / k, r.top / k, r.width / k, r.height / k};
}

// The pixels a drawn shape covers, its outline included: only these need repainting, not the
// whole window behind which the canvas lies.
QRect covered(const Drawn& d) {
    const int pen = d.filled ? 1 : d.lineWidth / 2 + 2;
    return toPixels(d.rect).toAlignedRect().adjusted(-pen, -pen, pen, pen);
}

} // namespace

QColor toQColor(beam::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

GaugeCanvas::GaugeCanvas(QWidget* window)
    : BackgroundCanvas(window, QStringLiteral("GaugeCanvas")) {}

void GaugeCanvas::erase() {
    for (const Drawn& d : drawn_)
        update(covered(d));
    drawn_.clear();
}

void GaugeCanvas::draw(const Drawn& d) {
    drawn_.push_back(d);
    update(covered(d));
}

void GaugeCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const Drawn& d : drawn_) {
        const QRectF r = toPixels(d.rect);
        if (d.filled) {
            p.fillRect(r, toQColor(d.colour));
        } else {
            QPen pen(toQColor(d.colour), d.lineWidth);
            pen.setJoinStyle(Qt::MiterJoin);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        }
    }
}

GaugeBox::GaugeBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GaugeBox::setLook(beam::Rgb border, std::optional<beam::Rgb> fill, int borderWidth) {
    border_ = toQColor(border);
    fill_ = fill ? std::optional<QColor>(toQColor(*fill)) : std::nullopt;
    width_ = std::max(1, borderWidth);
    update();
}

void GaugeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_) p.fillRect(rect(), *fill_);
    QPen pen(border_, width_);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    const double half = width_ / 2.0;
    p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

RoundMark::RoundMark(QWidget* parent, const QColor& color) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color_);
    p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace ui
