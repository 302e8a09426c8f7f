#include "ui/keypad_host.hpp"

#include <QEvent>
#include <QLineEdit>

#include "app/colors.hpp"
#include "app/services.hpp"
#include "ui/keypad_widget.hpp"

namespace ui {
namespace {

// Reports a press on a field as that field's click; the press itself goes on to the field.
class FieldClicks final : public QObject {
public:
    FieldClicks(KeypadWidget& keypad, int field)
        : QObject(&keypad), keypad_(keypad), field_(field) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) keypad_.clickField(field_);
        return false;
    }

private:
    KeypadWidget& keypad_;
    int field_;
};

} // namespace

void reportFieldClicks(KeypadWidget& keypad, std::span<QLineEdit* const> fields) {
    for (std::size_t k = 0; k < fields.size(); ++k)
        fields[k]->installEventFilter(new FieldClicks(keypad, static_cast<int>(k) + 1));
}

void markKeypadTarget(std::span<QLineEdit* const> fields, int field) {
    const QColor others = app::systemColor(app::SystemColor::ButtonFace);
    for (std::size_t k = 0; k < fields.size(); ++k) {
        QPalette p = fields[k]->palette();
        p.setColor(QPalette::Base, static_cast<int>(k) + 1 == field ? QColor(255, 255, 0) : others);
        p.setColor(QPalette::Text, QColor(0, 0, 0));
        fields[k]->setPalette(p);
    }
}

void printThroughDialog(app::PrintService& printer, QWidget& window) {
    const std::optional<int> copies = printer.choosePrinter(&window);
    if (!copies || *copies < 1) return;
    printer.printImage(&window, *copies);
}

} // namespace ui
