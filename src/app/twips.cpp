#include "app/twips.hpp"

#include <QVariant>
#include <QWidget>
#include <cmath>

namespace app {
namespace {
constexpr const char* kProperty = "twips";
}

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

void setTwips(QWidget* w, const QRect& t) {
    w->setProperty(kProperty, t);
    const int left = toPixels(t.left()), top = toPixels(t.top());
    // Width from the rounded edges, so neighbouring controls meet without gaps.
    w->setGeometry(left, top, toPixels(t.left() + t.width()) - left,
                   toPixels(t.top() + t.height()) - top);
}

QRect twips(const QWidget* w) {
    const QVariant v = w->property(kProperty);
    if (v.isValid()) return v.toRect();
    const QRect g = w->geometry();
    return {g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel, g.width() * kTwipsPerPixel,
            g.height() * kTwipsPerPixel};
}

void moveTwips(QWidget* w, int left, int top) {
    QRect t = twips(w);
    t.moveTo(left, top);
    setTwips(w, t);
}

} // namespace app
