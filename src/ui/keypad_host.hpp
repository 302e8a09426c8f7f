// What the two screens that host the keypad (Form入力計算, Form入力断面他) do alike: a press on
// one of their input fields tells the keypad which field it now writes into, the keypad's
// target is the field shown yellow, and "印刷" goes through the printer dialog.
#pragma once

#include <span>

class QLineEdit;
class QWidget;

namespace app {
class PrintService;
}

namespace ui {

class KeypadWidget;

// A press on fields[k] is the keypad's click on field k + 1; typing goes on as usual.
void reportFieldClicks(KeypadWidget& keypad, std::span<QLineEdit* const> fields);

// Field `field` (1-based) yellow, the others in the button face colour.
void markKeypadTarget(std::span<QLineEdit* const> fields, int field);

// The printer dialog, then the window's page in the copies chosen; nothing when cancelled.
void printThroughDialog(app::PrintService& printer, QWidget& window);

} // namespace ui
