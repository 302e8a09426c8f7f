#include "ui/controls.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
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
    return font;
}
} // namespace

Picture::Picture(QWidget* parent, const QString& resource)
    : QWidget(parent), resource_(resource), renderer_(std::make_unique<QSvgRenderer>()) {
    // A picture area without artwork (a frame or a click target) loads nothing.
    if (!resource.isEmpty()) renderer_->load(resource);
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
    QPainter(this).drawPixmap(0, 0, cache_);
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
        addLabel(parent, QString::fromUtf8(r.label), {c.left, top, c.labelWidth, c.height},
                 QString::fromUtf8(r.caption));
        *r.field = addTextBox(parent, QString::fromUtf8(r.box),
                              {c.left + c.labelWidth, top, c.boxWidth, c.height});
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
