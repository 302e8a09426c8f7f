#include "ui/keypad_widget.hpp"

#include <QColor>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include "ui/controls.hpp"

namespace ui {
namespace {

using keypad::Key;

struct KeyDesign {
    const char* name;
    const char* caption;
    QRect twips; // on a host without offset
    Key key;
    Font font;
};

constexpr Font kDigitFont{12, true};
constexpr Font kCommandFont{10, true};

// Digits 1-5 on the upper row, 6-9 and the point below them, 0 twice as wide under "←入力".
const KeyDesign kKeys[] = {
    {"Bs", "BS", {9120, 1320, 480, 360}, Key::Backspace, kCommandFont},
    {"Cancel", "C", {9600, 1320, 480, 360}, Key::Cancel, kCommandFont},
    {"Command入力", "←入力", {6720, 1680, 975, 495}, Key::Enter, kCommandFont},
    {"Number1", "1", {7680, 1680, 480, 480}, Key::D1, kDigitFont},
    {"Number2", "2", {8160, 1680, 480, 480}, Key::D2, kDigitFont},
    {"Number3", "3", {8640, 1680, 480, 480}, Key::D3, kDigitFont},
    {"Number4", "4", {9120, 1680, 480, 480}, Key::D4, kDigitFont},
    {"Number5", "5", {9600, 1680, 480, 480}, Key::D5, kDigitFont},
    {"Number0", "0", {6720, 2160, 960, 480}, Key::D0, kDigitFont},
    {"Number6", "6", {7680, 2160, 480, 480}, Key::D6, kDigitFont},
    {"Number7", "7", {8160, 2160, 480, 480}, Key::D7, kDigitFont},
    {"Number8", "8", {8640, 2160, 480, 480}, Key::D8, kDigitFont},
    {"Number9", "9", {9120, 2160, 480, 480}, Key::D9, kDigitFont},
    {"Decimal", "．", {9600, 2160, 480, 480}, Key::Point, kDigitFont},
};

// As high as "BS" beside it: 375 would reach 15 twips into the keys of the row below.
const QRect kReadout{6720, 1320, 2400, 360};

} // namespace

KeypadWidget::KeypadWidget(QWidget* host, int fieldCount, QPoint offsetTwips)
    : QObject(host), keypad_(fieldCount) {
    // Right-aligned like a calculator's display; 15 digits and the point fit at this size.
    readout_ = addLabel(host, QStringLiteral("Readout"), kReadout.translated(offsetTwips),
                        QString::fromStdString(keypad_.readout()), {12, true},
                        Qt::AlignRight | Qt::AlignVCenter);
    readout_->setBackColor(QColor(255, 255, 0));
    readout_->setForeColor(QColor(0, 0, 0));
    readout_->setIndent(4);
    for (const KeyDesign& k : kKeys) {
        QPushButton* b = addButton(host, QString::fromUtf8(k.name), k.twips.translated(offsetTwips),
                                   QString::fromUtf8(k.caption), k.font);
        // A key is a click target: it leaves the focus, and the typing, in the field, and the
        // Tab key goes from field to field past it.
        b->setFocusPolicy(Qt::NoFocus);
        const Key key = k.key;
        connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
    }
}

void KeypadWidget::reset() {
    keypad_.reset();
    showReadout();
}

void KeypadWidget::clearReadout() {
    keypad_.clearReadout();
    showReadout();
}

void KeypadWidget::clickField(int field) {
    apply(keypad_.clickField(field));
}

void KeypadWidget::press(Key key) {
    apply(keypad_.press(key));
}

// The host may react to a hand-over by closing its window, which takes the keypad with it.
void KeypadWidget::apply(const keypad::Handover& h) {
    const QPointer<KeypadWidget> alive(this);
    if (h.markTarget) emit targetChanged(*h.markTarget);
    if (alive && h.write)
        emit writeField(h.write->field, QString::fromStdString(h.write->text), h.write->value);
    if (alive && h.recalculate) emit recalculate();
    if (alive) showReadout();
}

void KeypadWidget::showReadout() {
    readout_->setCaption(QString::fromStdString(keypad_.readout()));
}

} // namespace ui
