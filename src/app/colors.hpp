// The colours the screens use, converted in one place: the old-style BGR values
// (&H00C00000) and the system colours, which come from the platform's palette.
#pragma once

#include <QColor>
#include <cstdint>

namespace app {

// &H00BBGGRR -> QColor.
QColor fromBgr(std::uint32_t bgr);

enum class SystemColor {
    Desktop,       // behind a choice label that names nothing chosen now
    ActiveCaption, // a choice label that names the current choice
    ButtonFace,    // window and button backgrounds
    WindowText,
    Menu,
};

QColor systemColor(SystemColor which);

// Black or white, whichever reads better on `background`.
QColor textColorOn(const QColor& background);

} // namespace app
