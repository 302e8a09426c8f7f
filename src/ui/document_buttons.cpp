#include "ui/document_buttons.hpp"

#include <QKeySequence>
#include <QPushButton>

#include "app/registry.hpp"
#include "ui/controls.hpp"

namespace ui {

QPushButton* addSaveButton(QWidget& window, app::Registry& registry, const QRect& twips,
                           double points) {
    QPushButton* b = addButton(&window, QStringLiteral("Cmd保存"), twips, QStringLiteral("保存"),
                               {points});
    b->setShortcut(QKeySequence::Save);
    b->setToolTip(QStringLiteral("この検討をファイルに保存します (Ctrl+S)"));
    QObject::connect(b, &QPushButton::clicked, &window,
                     [&registry, &window] { registry.documents().save(&window); });
    return b;
}

QPushButton* addOpenButton(QWidget& window, app::Registry& registry, const QRect& twips,
                           double points) {
    QPushButton* b =
        addButton(&window, QStringLiteral("CmdOpen"), twips, QStringLiteral("開く"), {points});
    b->setShortcut(QKeySequence::Open);
    b->setToolTip(QStringLiteral("保存した検討を開きます (Ctrl+O)"));
    QObject::connect(b, &QPushButton::clicked, &window,
                     [&registry, &window] { registry.documents().open(&window); });
    return b;
}

} // namespace ui
