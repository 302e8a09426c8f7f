// The drawing surface behind the controls of the calculation screen, and the filled shapes of
// its gauge. The canvas keeps what was drawn as a list of rectangles in twips, so a repaint
// shows it again and erase() removes it.
#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

#include "beam/judgement.hpp"
#include "ui/gauge_layout.hpp"
#include "ui/controls.hpp"

namespace ui {

QColor toQColor(beam::Rgb c);

class GaugeCanvas final : public BackgroundCanvas {
    Q_OBJECT
public:
    explicit GaugeCanvas(QWidget* window);

    const std::vector<Drawn>& drawn() const { return drawn_; }
    void erase();
    void draw(const Drawn& d);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<Drawn> drawn_;
};

// A rectangle shape with a border and an optional fill (`ShapeHan1` ... `ShapeHan4`).
class GaugeBox final : public QWidget {
    Q_OBJECT
public:
    explicit GaugeBox(QWidget* parent);
    void setLook(beam::Rgb border, std::optional<beam::Rgb> fill, int borderWidth);
    QColor borderColor() const { return border_; }
    std::optional<QColor> fillColor() const { return fill_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor border_;
    std::optional<QColor> fill_;
    int width_ = 1;
};

// A small filled circle beside the active load-mode button (`Shp2`).
class RoundMark final : public QWidget {
    Q_OBJECT
public:
    RoundMark(QWidget* parent, const QColor& color);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_;
};

} // namespace ui
