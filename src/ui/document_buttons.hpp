// The buttons of the check as a document: "保存" (Ctrl+S) on the two screens that show results,
// "開く" (Ctrl+O) on the opening screen. They hand over to app::Documents.
#pragma once

#include <QRect>

class QPushButton;
class QWidget;

namespace app {
class Registry;
}

namespace ui {

// `Cmd保存` at `twips`, in `points` type.
QPushButton* addSaveButton(QWidget& window, app::Registry& registry, const QRect& twips,
                           double points);
// `CmdOpen`.
QPushButton* addOpenButton(QWidget& window, app::Registry& registry, const QRect& twips,
                           double points);

} // namespace ui
