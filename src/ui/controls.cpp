#include "ui/controls.hpp"

#include <QAccessibleWidget>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <utility>

#include "app/colors.hpp"
#include "app/twips.hpp"
#include "common/numtext.hpp"

namespace ui {

QString uiFontFamily() {
    return QStringLiteral("Noto Sans CJK JP");
}

namespace {
QFont makeFont(Font f) {
    QFont font(uiFontFamily());
    font.setPointSizeF(f.points);
    font.setBold(f.bold);
    // Shaped in a Japanese run, the font's digits and Latin letters take glyphs that a PDF's
    // text cannot name: a printed "SS400" would read as "SS". Those runs need no shaping.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
} // namespace

namespace {

// What a screen reader sees of a picture: a button it can press where the picture stands for a
// choice, an image named by its artwork's title where it is a drawing, nothing where it is a
// bare click area. Asked each time, as the key role is given after the picture is made.
class PictureAccessible final : public QAccessibleWidget {
public:
    explicit PictureAccessible(Picture* p) : QAccessibleWidget(p) {}
    QAccessible::Role role() const override {
        if (picture()->keyRole() != Picture::KeyRole::None) return QAccessible::Button;
        return picture()->hasImage() ? QAccessible::Graphic : QAccessible::Client;
    }
    QStringList actionNames() const override {
        if (picture()->keyRole() == Picture::KeyRole::None) return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && picture()->keyRole() != Picture::KeyRole::None)
            emit picture()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Picture* picture() const { return static_cast<Picture*>(widget()); }
};

QAccessibleInterface* pictureAccessible(const QString& className, QObject* object) {
    auto* p = qobject_cast<Picture*>(object);
    if (className != QLatin1String("ui::Picture") || !p) return nullptr;
    return new PictureAccessible(p);
}

// The <title> of an SVG: what the drawing shows, in words, for a screen reader.
QString svgTitle(const QByteArray& svg) {
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(QString::fromUtf8(svg)).captured(1).simplified();
}

} // namespace

Picture::Picture(QWidget* parent, const QString& resource)
    : QWidget(parent), resource_(resource), renderer_(std::make_unique<QSvgRenderer>()) {
    static const bool accessible = (QAccessible::installFactory(pictureAccessible), true);
    (void)accessible;
    // A picture area without artwork (a frame or a click target) loads nothing.
    if (!resource.isEmpty()) {
        QFile file(resource);
        const QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        renderer_->load(svg);
        setAccessibleName(svgTitle(svg));
    }
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

Picture::~Picture() = default;

bool Picture::hasImage() const {
    return renderer_->isValid();
}

// Rendering an SVG costs far more than drawing a pixmap, and a picture is repainted whenever a
// transparent label over it changes: render once per size and pixel ratio.
void Picture::paintEvent(QPaintEvent*) {
    if (!renderer_->isValid()) return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (cache_.size() != pixels || cache_.devicePixelRatio() != ratio) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter render(&image);
        render.setRenderHint(QPainter::Antialiasing);
        renderer_->render(&render, QRectF(QPointF(), QSizeF(pixels)));
        render.end();
        cache_ = QPixmap::fromImage(std::move(image));
        cache_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_);
    if (hasFocus()) {
        // The keyboard's place, apart from the screen's own selection frame. The line is centred
        // on half pixels so that it covers the same logical pixels at every scale: an integer
        // rectangle puts its right and bottom edges half a pixel further out at 200 %.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
    }
}

void Picture::setKeyRole(KeyRole role, const QString& accessibleName) {
    keyRole_ = role;
    setFocusPolicy(role == KeyRole::None ? Qt::NoFocus : Qt::StrongFocus);
    setAccessibleName(accessibleName.trimmed());
}

void Picture::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (keyRole_ == KeyRole::None) return QWidget::keyPressEvent(e);
    if (key == Qt::Key_Space) {
        emit clicked();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (keyRole_ == KeyRole::Activate) {
            emit clicked();
        } else if (receivers(SIGNAL(doubleClicked())) > 0) {
            emit doubleClicked();
        } else {
            e->ignore(); // no double-click here: the screen's default button goes on
            return;
        }
    } else if (Picture* next = neighbour(key)) {
        next->setFocus(Qt::OtherFocusReason);
        if (keyRole_ == KeyRole::Choose) emit next->clicked();
    } else {
        return QWidget::keyPressEvent(e);
    }
    e->accept();
}

void Picture::focusInEvent(QFocusEvent* e) {
    update();
    QWidget::focusInEvent(e);
}

void Picture::focusOutEvent(QFocusEvent* e) {
    update();
    QWidget::focusOutEvent(e);
}

// The nearest visible picture of the same role in the direction of an arrow key: mostly in
// that direction, little across it.
Picture* Picture::neighbour(int key) const {
    QPoint step;
    switch (key) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        return nullptr;
    }
    QWidget* w = window();
    const auto centre = [w](const QWidget* p) { return p->mapTo(w, p->rect().center()); };
    const QPoint from = centre(this);
    Picture* best = nullptr;
    long bestCost = 0;
    // Across the whole window: the shape screen groups its pictures in frames.
    for (Picture* p : w->findChildren<Picture*>()) {
        if (p == this || p->keyRole() != keyRole_ || !p->isVisible()) continue;
        const QPoint d = centre(p) - from;
        const long along = long(d.x()) * step.x() + long(d.y()) * step.y();
        const long across = std::abs(long(d.x()) * step.y()) + std::abs(long(d.y()) * step.x());
        if (along <= 0) continue;
        const long cost = along + 3 * across;
        if (!best || cost < bestCost) {
            best = p;
            bestCost = cost;
        }
    }
    return best;
}

// A double-click is press, release, press (the double-click), release: the click belongs to
// the first release only.
void Picture::mouseReleaseEvent(QMouseEvent* e) {
    if (std::exchange(releaseEndsDoubleClick_, false)) return;
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

void Picture::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    releaseEndsDoubleClick_ = true;
    emit doubleClicked();
}

void Picture::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved();
    QWidget::mouseMoveEvent(e);
}

Label::Label(QWidget* parent) : QLabel(parent) {
    fore_ = app::systemColor(app::SystemColor::WindowText);
    back_ = app::systemColor(app::SystemColor::ButtonFace);
    setTextFormat(Qt::PlainText);
    applyColors();
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    QString shown = caption;
    shown.replace(QChar('\r'), QChar('\n'));
    setText(shown);
    fitFont();
}

void Label::setShrinkToFit(bool on) {
    if (on == (fitPoints_ > 0)) return;
    if (on) {
        fitPoints_ = font().pointSizeF();
        fitFont();
    } else {
        QFont f = font();
        f.setPointSizeF(fitPoints_);
        fitPoints_ = 0;
        setFont(f);
    }
}

void Label::fitFont() {
    if (fitPoints_ <= 0) return;
    QFont f = font();
    const int room = contentsRect().width();
    for (qreal points = fitPoints_;; points -= 0.5) {
        f.setPointSizeF(points);
        if (points - 0.5 < kSmallestFitPoints || QFontMetricsF(f).horizontalAdvance(text()) <= room)
            break;
    }
    if (f != font()) setFont(f);
}

void Label::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    fitFont();
}

void Label::setBackColor(const QColor& c) {
    back_ = c;
    transparent_ = false;
    applyColors();
}

void Label::setForeColor(const QColor& c) {
    fore_ = c;
    applyColors();
}

void Label::setTransparent() {
    transparent_ = true;
    applyColors();
}

void Label::applyColors() {
    QPalette p = palette();
    p.setColor(QPalette::Window, back_);
    p.setColor(QPalette::WindowText, fore_);
    setPalette(p);
    setAutoFillBackground(!transparent_);
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    if (!std::exchange(releaseEndsDoubleClick_, false) && e->button() == Qt::LeftButton &&
        rect().contains(e->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}

void Label::mouseDoubleClickEvent(QMouseEvent* e) {
    releaseEndsDoubleClick_ = e->button() == Qt::LeftButton;
    QLabel::mouseDoubleClickEvent(e);
}

Shape::Shape(QWidget* parent, Kind kind, const QColor& color, int penPixels)
    : QWidget(parent), kind_(kind), color_(color), pen_(penPixels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(color_, pen_);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    if (kind_ == Kind::Rectangle) {
        const double half = pen_ / 2.0;
        p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    } else if (width() >= height()) {
        p.drawLine(QPointF(0, height() / 2.0), QPointF(width(), height() / 2.0));
    } else {
        p.drawLine(QPointF(width() / 2.0, 0), QPointF(width() / 2.0, height()));
    }
}

BackgroundCanvas::BackgroundCanvas(QWidget* window, const QString& name) : QWidget(window) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window->rect());
    lower();
}

Label* addLabel(QWidget* parent, const QString& name, const QRect& twips, const QString& caption,
                Font font, Qt::Alignment align) {
    auto* l = new Label(parent);
    l->setObjectName(name);
    l->setFont(makeFont(font));
    l->setAlignment(align);
    l->setCaption(caption);
    app::setTwips(l, twips);
    return l;
}

Picture* addPicture(QWidget* parent, const QString& name, const QRect& twips,
                    const QString& resource) {
    auto* p = new Picture(parent, resource);
    p->setObjectName(name);
    app::setTwips(p, twips);
    return p;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QRect& twips,
                       const QString& caption, Font font) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFont(makeFont(font));
    b->setAutoDefault(false);
    app::setTwips(b, twips);
    return b;
}

QLineEdit* addTextBox(QWidget* parent, const QString& name, const QRect& twips, const QString& text,
                      Font font) {
    auto* t = new QLineEdit(text, parent);
    t->setObjectName(name);
    t->setFont(makeFont(font));
    t->setCursorPosition(0);
    app::setTwips(t, twips);
    return t;
}

void markUnusableBox(QLineEdit* box) {
    static const char* const kMark = "hariUnusableMark";
    if (box->findChild<QObject*>(kMark, Qt::FindDirectChildrenOnly)) return; // marked already
    // The mark is a child of the box: it lives until the text changes, then puts the box's own
    // colours back and goes.
    auto* mark = new QObject(box);
    mark->setObjectName(kMark);
    const QPalette normal = box->palette();
    QPalette p = normal;
    p.setColor(QPalette::Base, kUnusableBoxColour);
    p.setColor(QPalette::Text, QColor(255, 255, 255));
    box->setPalette(p);
    QObject::connect(box, &QLineEdit::textChanged, mark, [box, mark, normal] {
        box->setPalette(normal);
        QObject::disconnect(box, nullptr, mark, nullptr);
        mark->setObjectName({});
        mark->deleteLater();
    });
}

QListWidget* addListBox(QWidget* parent, const QString& name, const QRect& twips, Font font) {
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->setFont(makeFont(font));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setUniformItemSizes(true);
    app::setTwips(l, twips);
    return l;
}

int addLabelledBoxes(QWidget* parent, std::initializer_list<LabelledBox> rows, BoxColumn c) {
    int top = c.top;
    for (const LabelledBox& r : rows) {
        Label* caption =
            addLabel(parent, QString::fromUtf8(r.label), {c.left, top, c.labelWidth, c.height},
                     QString::fromUtf8(r.caption));
        *r.field = addTextBox(parent, QString::fromUtf8(r.box),
                              {c.left + c.labelWidth, top, c.boxWidth, c.height});
        caption->setBuddy(*r.field); // a screen reader names the box by its caption
        top += c.pitch;
    }
    return top;
}

Shape* addShape(QWidget* parent, const QString& name, const QRect& twips, Shape::Kind kind,
                const QColor& color, int penPixels) {
    auto* s = new Shape(parent, kind, color, penPixels);
    s->setObjectName(name);
    app::setTwips(s, twips);
    return s;
}

void setForm(QWidget* window, const QString& caption, int widthTwips, int heightTwips) {
    window->setWindowTitle(caption);
    window->setFixedSize(app::toPixels(widthTwips), app::toPixels(heightTwips));
    window->setProperty("twips", QRect(0, 0, widthTwips, heightTwips));
    window->setFont(makeFont({}));
}

double valueOf(const QString& text) {
    return numtext::value(text.toStdString());
}

} // namespace ui
