// The shape half of Form断面選択: the section pictures in a grid grouped by kind, the selection
// frame, the prompt and the button "その他形状".
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

class QPushButton;
class QWidget;

namespace ui {

class Label;
class Shape;

class ShapePanel final : public QObject {
public:
    struct Handlers {
        std::function<void(int code)> clicked;
        std::function<void(int code)> doubleClicked;
        std::function<void()> other; // "その他形状"
    };
    // Creates the controls in `window` with the panel's top left corner at `origin` (twips).
    ShapePanel(QWidget& window, QPoint origin, Handlers handlers);

    // The panel's extent in twips, prompt included.
    QRect extent() const { return extent_; }

    // The frame onto the picture of `code`; moveFrameAway() takes it out of sight.
    void moveFrameTo(int code);
    void moveFrameAway();
    Label& prompt() { return *prompt_; }

private:
    QWidget& window_;
    QRect extent_;
    Shape* frame_;
    Label* prompt_;
};

// The artwork of a shape code, or an empty text for a code without a picture.
QString shapePicture(int code);

} // namespace ui
