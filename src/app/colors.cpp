#include "app/colors.hpp"

#include <QApplication>
#include <QPalette>

namespace app {

QColor fromBgr(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QColor systemColor(SystemColor which) {
    const QPalette p = QApplication::palette();
    switch (which) {
    case SystemColor::Desktop:
        return p.color(QPalette::Active, QPalette::Mid);
    case SystemColor::ActiveCaption:
        return p.color(QPalette::Active, QPalette::Highlight);
    case SystemColor::ButtonFace:
        return p.color(QPalette::Active, QPalette::Button);
    case SystemColor::WindowText:
        return p.color(QPalette::Active, QPalette::WindowText);
    case SystemColor::Menu:
        return p.color(QPalette::Active, QPalette::Window);
    }
    return {};
}

QColor textColorOn(const QColor& background) {
    // Relative luminance with the usual sRGB weights; the threshold splits mid greys to black.
    const double y =
        0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
    return y < 0.45 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace app
