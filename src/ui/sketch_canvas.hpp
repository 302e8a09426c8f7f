// The background of the section calculator on which the to-scale sketch is painted. The canvas
// keeps the sketch it was given, so a repaint shows it again and erase() removes it.
#pragma once

#include <QPainterPath>
#include <QWidget>

#include <optional>

#include "section/sketch.hpp"
#include "ui/controls.hpp"

namespace ui {

QColor toQColor(section::Rgb c);

class SketchCanvas final : public BackgroundCanvas {
    Q_OBJECT
public:
    explicit SketchCanvas(QWidget* window);

    void draw(const section::Sketch& sketch);
    void erase();

    // What is painted now, in twips: the sketch as given, and the section as one outline (the
    // dark-blue parts united, the holes cut out of them).
    const std::optional<section::Sketch>& sketch() const { return sketch_; }
    const QPainterPath& sectionPath() const { return section_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // The pixels of the sketch's frame, its outlines included; only they need repainting.
    QRect framePixels() const;

    std::optional<section::Sketch> sketch_;
    QPainterPath section_; // filled dark blue
    QPainterPath outer_;   // the united parts: outlined in the window-text colour
    QPainterPath holes_;   // outlined in the holes' colour
};

} // namespace ui
