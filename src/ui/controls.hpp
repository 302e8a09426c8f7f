// The few kinds of control the screens are made of. Each carries its name as objectName and
// is placed in twips by the design helpers below.
#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <string_view>

class QSvgRenderer;

namespace ui {

// A picture drawn from an SVG of the artwork; clicks and double-clicks are reported in the
// order the user makes them (the double-click after its first click).
//
// From the keyboard a picture that stands for a choice acts as its mouse would: Enter does
// what its double-click does (or its click, where a click goes on), Space what its click does,
// and the arrow keys move to the neighbouring picture of the same kind and click it there, so
// that a selection frame follows. Screen readers see such a picture as a button named by its
// accessible name.
class Picture : public QWidget {
    Q_OBJECT
public:
    enum class KeyRole {
        None,     // a drawing: no focus, no keys
        Activate, // a click goes on: Enter and Space click
        Choose,   // a click chooses, a double-click goes on
    };

    Picture(QWidget* parent, const QString& resource);
    ~Picture() override;
    const QString& resource() const { return resource_; }
    bool hasImage() const;
    KeyRole keyRole() const { return keyRole_; }
    // Gives the picture focus, keys and a name for screen readers.
    void setKeyRole(KeyRole role, const QString& accessibleName);

signals:
    void clicked();
    void doubleClicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    Picture* neighbour(int key) const;

    QString resource_;
    std::unique_ptr<QSvgRenderer> renderer_;
    QPixmap cache_;
    bool releaseEndsDoubleClick_ = false;
    KeyRole keyRole_ = KeyRole::None;
};

// A label whose caption may hold line breaks as character 13, with a back colour and a click.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c);
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& c);
    void setTransparent();
    // A one-line caption longer than the label is drawn in a smaller font, down to
    // kSmallestFitPoints, rather than cut off at the label's edge.
    void setShrinkToFit(bool on);
    static constexpr qreal kSmallestFitPoints = 6.5;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void applyColors();
    void fitFont();
    qreal fitPoints_ = 0; // the font size to return to; 0 when not shrinking
    bool releaseEndsDoubleClick_ = false;
    QString caption_;
    QColor back_, fore_;
    bool transparent_ = false;
};

// A rectangle or a line drawn over the window, deaf to the mouse (the selection frame and
// the decorative rules of the choice screens).
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Line };
    Shape(QWidget* parent, Kind kind, const QColor& color, int penPixels);
    QColor borderColor() const { return color_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    QColor color_;
    int pen_;
};

// A surface that covers the whole client area of a window, below every other control and deaf
// to the mouse: what the screens paint on their background.
class BackgroundCanvas : public QWidget {
public:
    BackgroundCanvas(QWidget* window, const QString& name);
};

// Design helpers: create a control with its name at a twip rectangle.
struct Font {
    double points = 9;
    bool bold = false;
};
Label* addLabel(QWidget* parent, const QString& name, const QRect& twips, const QString& caption,
                Font font = {}, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
Picture* addPicture(QWidget* parent, const QString& name, const QRect& twips,
                    const QString& resource);
QPushButton* addButton(QWidget* parent, const QString& name, const QRect& twips,
                       const QString& caption, Font font = {});
// A text box: its textChanged fires for typing and for texts the program sets, and stays
// silent when the text does not change.
QLineEdit* addTextBox(QWidget* parent, const QString& name, const QRect& twips,
                      const QString& text = {}, Font font = {});
// A box whose text cannot go on is shown red until it changes; the mark then goes by itself.
inline const QColor kUnusableBoxColour{255, 0, 0};
void markUnusableBox(QLineEdit* box);
// A list box of single-selection text rows; currentRowChanged is its click.
QListWidget* addListBox(QWidget* parent, const QString& name, const QRect& twips, Font font = {});
// A column of captioned text boxes: each label at `left`, its box after it, one row a `pitch`.
struct LabelledBox {
    const char* label;
    const char* caption;
    const char* box;
    QLineEdit** field; // receives the box
};
struct BoxColumn {
    int left, top, labelWidth, boxWidth, height, pitch;
};
// Returns the top of the row after the last.
int addLabelledBoxes(QWidget* parent, std::initializer_list<LabelledBox> rows, BoxColumn column);
Shape* addShape(QWidget* parent, const QString& name, const QRect& twips, Shape::Kind kind,
                const QColor& color, int penPixels = 1);
// Sizes the window's client area in twips and sets its caption.
void setForm(QWidget* window, const QString& caption, int widthTwips, int heightTwips);

// A UTF-8 text of the cores as a QString.
inline QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The number a field's text stands for, read as the cores read every text.
double valueOf(const QString& text);

// The program's user-interface font family (Japanese glyphs).
QString uiFontFamily();

} // namespace ui
