// The on-screen keypad as controls of a host window: the readout, the ten digit keys, the
// point, backspace, clear and "←入力". Numbers are built by keypad::Keypad; the host learns by
// signals which field to mark as the target, what to write into a field and when to
// recalculate. The keypad knows its host's fields only by their numbers 1..fieldCount.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include "keypad/keypad.hpp"

class QWidget;

namespace ui {

class Label;

class KeypadWidget final : public QObject {
    Q_OBJECT
public:
    // Creates the controls as children of `host` at their design rectangles moved by
    // `offsetTwips`; the keypad lives as long as the host window.
    KeypadWidget(QWidget* host, int fieldCount, QPoint offsetTwips = {});

    const keypad::Keypad& state() const { return keypad_; }
    Label* readout() const { return readout_; }

    // The state at screen load: "0.", nothing typed, target field 1.
    void reset();
    // The screen's clear-all: an empty readout.
    void clearReadout();
    // The host's click handler of field k: marks k and moves a readout above 0 into it.
    void clickField(int field);

signals:
    // Mark `field` as the target; the host colours it and unmarks its other fields.
    void targetChanged(int field);
    // Put `text` into `field` and `value` into the field's variable.
    void writeField(int field, const QString& text, double value);
    // Run the host's calculation.
    void recalculate();

private:
    void press(keypad::Key key);
    void apply(const keypad::Handover& h);
    void showReadout();

    keypad::Keypad keypad_;
    Label* readout_ = nullptr;
};

} // namespace ui
