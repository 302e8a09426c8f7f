#include "report/page.hpp"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "app/pdf_text.hpp"
#include "common/numtext.hpp"

namespace report {

namespace {

const QColor kInk(20, 20, 20), kRule(150, 150, 150), kLoadRed(200, 0, 0), kMomentBlue(0, 70, 170),
    kMomentFill(200, 215, 240), kSelfGrey(110, 110, 110);

QColor colour(beam::Rgb c) {
    return {c.r, c.g, c.b};
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Millimetres on the page to the device's coordinates, and the fonts of the sheet.
class Canvas {
public:
    explicit Canvas(QPainter& p) : p_(p) {
        const QRect r = p.viewport();
        k_ = p.device()->logicalDpiX() / 25.4;
        // The paint rectangle starts at the margins already.
        origin_ = QPointF(r.left(), r.top());
    }
    QPainter& painter() { return p_; }
    double k() const { return k_; }
    QPointF pt(double x, double y) const { return origin_ + QPointF(x * k_, y * k_); }
    QRectF rect(double x, double y, double w, double h) const {
        return {pt(x, y), QSizeF(w * k_, h * k_)};
    }

    void font(double points, bool bold = false) {
        QFont f(QStringLiteral("Noto Sans CJK JP"));
        f.setPointSizeF(points);
        f.setBold(bold);
        // Unshaped, digits and Latin letters keep glyphs that the PDF's text can name.
        f.setStyleStrategy(QFont::PreferNoShaping);
        p_.setFont(f);
    }
    void pen(const QColor& c, double widthMm, Qt::PenStyle style = Qt::SolidLine) {
        QPen pen(c, widthMm * k_, style);
        pen.setCapStyle(Qt::FlatCap);
        p_.setPen(pen);
    }
    void line(double x0, double y0, double x1, double y1) { p_.drawLine(pt(x0, y0), pt(x1, y1)); }

    // Text from its top-left corner, wrapped within `width`; returns its height in mm.
    double text(double x, double y, double width, const QString& t,
                int flags = Qt::AlignLeft | Qt::TextWordWrap) {
        const QRectF box = rect(x, y, width, 200);
        QRectF used;
        p_.setPen(QPen(kInk));
        p_.drawText(box, flags, t, &used);
        return used.height() / k_;
    }
    double textHeight(double width, const QString& t) {
        const QRectF r =
            p_.boundingRect(rect(0, 0, width, 200), Qt::AlignLeft | Qt::TextWordWrap, t);
        return r.height() / k_;
    }
    double lineHeight() const { return QFontMetricsF(p_.font(), p_.device()).height() / k_; }

private:
    QPainter& p_;
    double k_ = 1;
    QPointF origin_;
};

double heading(Canvas& c, const Heading& h, const QString& subject) {
    c.font(16, true);
    c.text(0, 0, 90, QStringLiteral("計算書"));
    c.font(9.5);
    c.text(0, 9, 94, subject);
    const Row rows[] = {{QStringLiteral("件名"), h.title},
                        {QStringLiteral("部材名"), h.member},
                        {QStringLiteral("日付"), h.date},
                        {QStringLiteral("プログラム"), h.program}};
    const double x = 100, w = kContentWidth - x, rowH = 4.6;
    c.pen(kRule, 0.2);
    c.painter().drawRect(c.rect(x, 0, w, rowH * 4));
    c.font(8);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            c.pen(kRule, 0.2);
            c.line(x, rowH * i, x + w, rowH * i);
        }
        c.text(x + 1.5, rowH * i + 0.6, 20, rows[i].label);
        c.text(x + 22, rowH * i + 0.6, w - 23, rows[i].value);
    }
    c.pen(kRule, 0.2);
    c.line(x + 20.5, 0, x + 20.5, rowH * 4);
    c.pen(kInk, 0.4);
    c.line(0, 20, kContentWidth, 20);
    return 22;
}

double section(Canvas& c, double y, const QString& title) {
    c.font(9.5, true);
    const double h = c.text(0, y, kContentWidth, title);
    c.pen(kRule, 0.15);
    c.line(0, y + h + 0.3, kContentWidth, y + h + 0.3);
    return y + h + 1.0;
}

// A table of rows: label and value; returns the y below it.
double table(Canvas& c, double x, double y, double width, const std::vector<Row>& rows,
             double labelWidth) {
    c.font(7.5);
    for (const Row& r : rows) {
        const double h =
            std::max(c.textHeight(labelWidth, r.label), c.textHeight(width - labelWidth, r.value));
        c.text(x, y, labelWidth, r.label);
        c.text(x + labelWidth, y, width - labelWidth, r.value);
        c.pen(kRule, 0.1, Qt::DotLine);
        c.line(x, y + h + 0.2, x + width, y + h + 0.2);
        y += h + 0.25;
    }
    return y;
}

// ---- The beam and its loads, to scale along its length

bool cantilever(beam::Structure s) {
    return s == beam::Structure::Cantilever || s == beam::Structure::VerticalCantilever;
}

void arrow(Canvas& c, QPointF tip, QPointF tail, double headMm) {
    QPainter& p = c.painter();
    p.drawLine(tail, tip);
    const QPointF d = tip - tail;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    const double h = headMm * c.k();
    const QPointF pts[] = {tip, tip - u * h + n * h * 0.4, tip - u * h - n * h * 0.4};
    p.setBrush(p.pen().color());
    p.drawPolygon(pts, 3);
    p.setBrush(Qt::NoBrush);
}

// The beam drawn in its own frame: u along the beam from the left (fixed, pinned) end in mm of
// the page, v across it (down); `map` places that frame on the page.
void drawBeam(Canvas& c, const BeamSheet& s, double x, double y, double width, double height) {
    QPainter& p = c.painter();
    const bool vertical = s.structure == beam::Structure::VerticalCantilever;
    const double len = vertical ? height - 8 : width - 12;
    // u, v in mm → page: horizontal beams run left to right at mid-height; the vertical
    // cantilever stands on its fixed end with its loads across it.
    const double ux = vertical ? x + width / 2 : x + 6,
                 uy = vertical ? y + height - 4 : y + height * 0.45;
    const auto map = [&](double u, double v) {
        return vertical ? c.pt(ux + v, uy - u) : c.pt(ux + u, uy + v);
    };
    const double span = s.curves ? s.curves->span : 1;
    const auto along = [&](double mm) { return len * mm / span; };

    // Supports.
    c.pen(kInk, 0.25);
    const auto fixed = [&](double u, int side) { // side: -1 left end, +1 right end
        p.drawLine(map(u, -4), map(u, 4));
        for (int i = -4; i < 4; ++i)
            p.drawLine(map(u, i + 1), map(u + side * 1.5, i));
    };
    const auto pin = [&](double u) {
        const QPointF pts[] = {map(u, 0), map(u - 2, 3.2), map(u + 2, 3.2)};
        p.drawPolygon(pts, 3);
        p.drawLine(map(u - 3, 3.2), map(u + 3, 3.2));
        for (int i = -3; i < 3; ++i)
            p.drawLine(map(u + i + 1, 3.2), map(u + i, 4.6));
    };
    switch (s.structure) {
    case beam::Structure::Cantilever:
    case beam::Structure::VerticalCantilever:
        fixed(0, -1);
        break;
    case beam::Structure::SimplySupported:
        pin(0);
        pin(len);
        break;
    case beam::Structure::FixedBothEnds:
        fixed(0, -1);
        fixed(len, 1);
        break;
    case beam::Structure::PinnedFixed:
        pin(0);
        fixed(len, 1);
        break;
    }
    // The beam.
    c.pen(kInk, 0.7);
    p.drawLine(map(0, 0), map(len, 0));

    // The load, red, standing on the beam.
    c.pen(kLoadRed, 0.3);
    c.font(7.5, true);
    // Where a point load stands, or where a uniform load begins (it runs to the right end or
    // over the whole span); nothing when the check has no result.
    double pointAt = -1, from = -1;
    const bool cant = cantilever(s.structure);
    if (s.curves) {
        using beam::LoadCase;
        if (s.loadCase == LoadCase::Case1)
            pointAt = cant ? len : len / 2;
        else if (s.loadCase == LoadCase::Case2 && !cant)
            pointAt = along(s.l1);
        else
            from = cant && s.loadCase == LoadCase::Case3 ? len - along(s.l1) : 0;
    }
    if (pointAt >= 0) {
        arrow(c, map(pointAt, -0.5), map(pointAt, -7), 1.5);
        const QPointF at = map(pointAt, -8.5);
        p.setPen(kLoadRed);
        p.drawText(QRectF(at - QPointF(10 * c.k(), 2 * c.k()), QSizeF(20 * c.k(), 4 * c.k())),
                   Qt::AlignCenter, QStringLiteral("P"));
    } else if (from >= 0) {
        c.pen(kLoadRed, 0.25);
        p.drawLine(map(from, -4.5), map(len, -4.5));
        const int n = std::max(2, static_cast<int>((len - from) / 3.5));
        for (int i = 0; i <= n; ++i) {
            const double u = from + (len - from) * i / n;
            arrow(c, map(u, -0.5), map(u, -4.5), 1.0);
        }
        // Beside a load on part of the beam, clear of the dimension of L1 above it.
        const QPointF at = from > 6 ? map(from - 3, -3) : map((from + len) / 2, -7);
        p.setPen(kLoadRed);
        p.drawText(QRectF(at - QPointF(10 * c.k(), 2 * c.k()), QSizeF(20 * c.k(), 4 * c.k())),
                   Qt::AlignCenter, QStringLiteral("ω"));
    }

    // Dimensions: the length, and L1 where the case has it.
    c.pen(kInk, 0.15);
    c.font(7);
    const auto dimension = [&](double u0, double u1, double v, const QString& label) {
        p.drawLine(map(u0, v - 1), map(u0, v + 1));
        p.drawLine(map(u1, v - 1), map(u1, v + 1));
        p.drawLine(map(u0, v), map(u1, v));
        const QPointF at = map((u0 + u1) / 2, v + 2.3);
        p.setPen(kInk);
        p.drawText(QRectF(at - QPointF(15 * c.k(), 2 * c.k()), QSizeF(30 * c.k(), 4 * c.k())),
                   Qt::AlignCenter, label);
        c.pen(kInk, 0.15);
    };
    const double v = vertical ? 9 : 7;
    const QString L = s.inputs.size() > 3 ? s.inputs[3].value : QString();
    dimension(0, len, v, QStringLiteral("L：") + L);
    if (s.inputs.size() > 4 && s.curves) {
        const double a = along(s.l1);
        if (cantilever(s.structure))
            dimension(len - a, len, -11, QStringLiteral("L1：") + s.inputs[4].value);
        else
            dimension(0, a, v + 5, QStringLiteral("L1：") + s.inputs[4].value);
    }
}

// ---- Working, verdict, diagrams

// Each formula with its numbers put in and its result, one paragraph, wrapped at blanks only.
double working(Canvas& c, double y, const BeamSheet& s) {
    c.font(8);
    y += c.text(0, y, kContentWidth, QStringLiteral("画面の式　") + s.formula) + 1;
    for (const beam::WorkingBlock& b : s.working) {
        c.font(8, true);
        y += c.text(0, y, kContentWidth, q(b.title)) + 0.3;
        c.font(7.3);
        for (const beam::WorkingLine& l : b.lines) {
            QString result = q(l.result) + (l.unit.empty() ? "" : " " + q(l.unit));
            if (s.old && !l.oldResult.empty())
                result += QStringLiteral("　（") + q(l.oldResult) + " " + q(l.oldUnit) +
                          QStringLiteral("）");
            y += c.text(3, y, kContentWidth - 3,
                        q(l.formula) + QStringLiteral(" = ") + q(l.numbers) +
                            QStringLiteral(" = ") + result) +
                 0.1;
        }
        y += 0.4;
    }
    return y;
}

double verdict(Canvas& c, double y, const BeamSheet& s) {
    c.font(8.5);
    QString ratios = QStringLiteral("曲げ応力 率　") + s.stressRatio +
                     QStringLiteral("　　　たわみ 率　") + s.deflectionRatio;
    c.text(0, y, 90, ratios);
    if (!s.verdict) {
        c.font(8.5, true);
        c.text(0, y + 5, 90, QStringLiteral("判定なし　") + s.problem);
        return y + 12;
    }
    const beam::Hantei& h = *s.verdict;
    c.font(11, true);
    c.text(0, y + 5, 60, q(h.label判定));
    QPainter& p = c.painter();
    p.setPen(colour(h.maruColour));
    p.drawText(c.rect(48, y + 4, 12, 8), Qt::AlignLeft | Qt::AlignTop, q(h.label丸));

    // The gauge: 0 % to 200 % of the allowable stress, teal to 100 %, orange to 150 %, red.
    const double gx = 96, gw = kContentWidth - gx - 2, gy = y + 5, gh = 5;
    c.font(7);
    c.text(gx, y, gw, QStringLiteral("0%"));
    for (auto [mark, label] : {std::pair{beam::kLongTermMark, "長期 100%"},
                               {beam::kShortTermMark, "150%"},
                               {1.0, "200%"}})
        c.text(gx + gw * mark - 15, y, 15, QString::fromUtf8(label), Qt::AlignRight);
    const double bar = std::clamp(h.bar, 0.0, 1.0);
    const struct {
        double from, to;
        beam::Rgb fill;
    } zones[] = {{0, beam::kLongTermMark, beam::kTeal},
                 {beam::kLongTermMark, beam::kShortTermMark, beam::kOrange},
                 {beam::kShortTermMark, 1, beam::kRed}};
    p.setPen(Qt::NoPen);
    for (const auto& z : zones)
        if (bar > z.from)
            p.fillRect(c.rect(gx + gw * z.from, gy, gw * (std::min(bar, z.to) - z.from), gh),
                       colour(z.fill));
    c.pen(kLoadRed, 0.35);
    for (double mark : {beam::kLongTermMark, beam::kShortTermMark})
        c.line(gx + gw * mark, gy, gx + gw * mark, gy + gh);
    c.pen(kInk, 0.35);
    p.drawRect(c.rect(gx, gy, gw, gh));
    return y + 12;
}

// One diagram along the beam: the total filled, the load's and the self weight's lines, the
// largest value of each labelled with its place.
double diagram(Canvas& c, double x, double y, double w, double h, const beam::BeamCurves& bc,
               const beam::CurveSet& set, const QString& title, const QString& unit,
               const std::string& pattern) {
    QPainter& p = c.painter();
    c.font(8, true);
    c.text(x, y, w, title);
    y += 5;
    double lo = 0, hi = 0;
    for (const beam::Curve* cv : {&set.load, &set.self, &set.total})
        for (double v : cv->values) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    const double range = hi - lo > 0 ? hi - lo : 1;
    // Positive values (sagging moments, deflections downwards) are drawn below the axis.
    const double axis = y + h * (-lo / range);
    const auto at = [&](double xm, double v) {
        return c.pt(x + w * xm / bc.span, axis + h * v / range);
    };
    const auto path = [&](const beam::Curve& cv) {
        QPainterPath path(at(0, 0));
        for (std::size_t i = 0; i < bc.x.size(); ++i)
            path.lineTo(at(bc.x[i], cv.values[i]));
        path.lineTo(at(bc.span, 0));
        return path;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(kMomentFill);
    p.drawPath(path(set.total));
    p.setBrush(Qt::NoBrush);
    c.pen(kMomentBlue, 0.35);
    p.drawPath(path(set.total));
    c.pen(kMomentBlue, 0.2, Qt::DashLine);
    p.drawPath(path(set.load));
    c.pen(kSelfGrey, 0.2, Qt::DotLine);
    p.drawPath(path(set.self));
    c.pen(kInk, 0.3);
    c.line(x, axis, x + w, axis);

    const beam::CurveMax& m = set.total.max;
    p.setPen(Qt::NoPen);
    p.setBrush(kMomentBlue);
    const double r = 0.7 * c.k();
    p.drawEllipse(at(m.x, m.value), r, r);
    p.setBrush(Qt::NoBrush);

    const auto label = [&](const char* what, const beam::CurveMax& cm) {
        return QString::fromUtf8(what) + QStringLiteral(" 最大 ") +
               q(numtext::format(std::abs(cm.value), pattern)) + " " + unit +
               QStringLiteral("（x：") + q(numtext::format(cm.x, "######0")) +
               QStringLiteral(" mm）");
    };
    c.font(6.5);
    double ty = y + h + 1.2;
    ty += c.text(x, ty, w, label("合計（実線）", set.total.max));
    ty += c.text(x, ty, w, label("荷重（破線）", set.load.max));
    ty += c.text(x, ty, w, label("自重（点線）", set.self.max));
    return ty;
}

const char* kAssumptions =
    "・この計算書は、合計の曲げ応力度 σ を材料の許容曲げ応力度 fb と比べる検定です。"
    "σ/fb ≦ 1.0 を長期 OK、1.0 < σ/fb ≦ 1.5 を短期 OK、1.5 を超えるものを短期 NG とします。\n"
    "・たわみは弾性たわみの計算値と、それに対する長さの比を示します。判定には含めていません。\n"
    "・横座屈（横倒れ座屈）、せん断、局部座屈、接合部、軸力などとの組合せ応力は検討していません。"
    "必要に応じて別に確かめてください。\n"
    "・部材は一様な断面の直線材とし、自重は全長に一様に分布するものとします"
    "（片持垂直の自重は材軸方向に働き、曲げを生じません）。";

double footer(Canvas& c, const Heading& h) {
    c.font(6.5);
    c.pen(kRule, 0.15);
    c.line(0, kContentHeight - 4, kContentWidth, kContentHeight - 4);
    c.text(0, kContentHeight - 3.5, kContentWidth, h.program + QStringLiteral("　") + h.date,
           Qt::AlignRight);
    return kContentHeight;
}

// The calculator's sketch, to scale in a square box, its fills and outlines as vectors.
void drawSketch(Canvas& c, const section::Sketch& sk, double x, double y, double size) {
    QPainter& p = c.painter();
    const section::Rect f = section::kSketchFrame;
    const double s = size / f.width;
    const auto box = [&](const section::Rect& r) {
        return c.rect(x + (r.left - f.left) * s, y + (r.top - f.top) * s, r.width * s,
                      r.height * s);
    };
    // The screen's yellow ground and holes print white; the section keeps its blue.
    const auto printed = [](section::Rgb rgb) {
        return rgb == section::kSketchYellow ? QColor(Qt::white) : QColor(rgb.r, rgb.g, rgb.b);
    };
    p.setPen(Qt::NoPen);
    for (const section::Fill& fill : sk.fills) {
        p.setBrush(printed(fill.colour));
        if (fill.kind == section::FillKind::Circle)
            p.drawEllipse(box(fill.rect));
        else
            p.drawRect(box(fill.rect));
    }
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < sk.outlines.size(); ++i) {
        const section::Outline& o = sk.outlines[i];
        if (!o.visible) continue;
        c.pen(QColor(o.border.r, o.border.g, o.border.b), 0.2);
        const bool circle = static_cast<section::OutlineShape>(i) == section::OutlineShape::En1 ||
                            static_cast<section::OutlineShape>(i) == section::OutlineShape::En2;
        if (circle)
            p.drawEllipse(box(o.rect));
        else
            p.drawRect(box(o.rect));
    }
    c.pen(kRule, 0.15);
    p.drawRect(c.rect(x, y, size, size));
}

// The centroid, e3 above the bottom and e4 left of the right edge of the section as drawn.
void centroidMark(Canvas& c, const SectionDrawing& d, double x, double y, double size) {
    if (!d.sketch || d.sketch->fills.size() < 2 || !(d.frameMm > 0)) return;
    const section::Rect f = section::kSketchFrame;
    int right = 0, bottom = 0;
    for (std::size_t i = 1; i < d.sketch->fills.size(); ++i) {
        const section::Rect& r = d.sketch->fills[i].rect;
        right = std::max(right, r.left + r.width);
        bottom = std::max(bottom, r.top + r.height);
    }
    const double perTwip = size / f.width, perMm = size / d.frameMm;
    const double gx = x + (right - f.left) * perTwip - d.e4 * 10 * perMm;
    const double gy = y + (bottom - f.top) * perTwip - d.e3 * 10 * perMm;
    c.pen(kLoadRed, 0.25);
    c.line(gx - 2, gy, gx + 2, gy);
    c.line(gx, gy - 2, gx, gy + 2);
    c.font(7, true);
    c.painter().setPen(kLoadRed);
    c.painter().drawText(c.rect(gx + 0.8, gy - 3.6, 4, 3.5), Qt::AlignLeft, QStringLiteral("G"));
}

double sectionBlock(Canvas& c, double y, const SectionDrawing& d, double sketchSize) {
    const double top = y;
    c.font(8);
    std::vector<Row> rows = {{QStringLiteral("断面形状"), d.shape},
                             {QStringLiteral("寸法"), d.designation}};
    rows.insert(rows.end(), d.dimensions.begin(), d.dimensions.end());
    y = table(c, 0, y, 88, rows, 34);
    double right = table(c, 96, top, kContentWidth - 96 - sketchSize - 4, d.properties, 30);
    if (!d.centroid.isEmpty()) {
        c.font(8);
        right += c.text(96, right + 0.5, kContentWidth - 96 - sketchSize - 4, d.centroid) + 0.5;
    }
    double below = top;
    if (d.sketch) {
        const double x = kContentWidth - sketchSize;
        drawSketch(c, *d.sketch, x, top, sketchSize);
        centroidMark(c, d, x, top, sketchSize);
        c.font(7);
        below = top + sketchSize + 0.5;
        below += c.text(x, below, sketchSize,
                        QStringLiteral("枠の一辺 ") + q(beam::sheetNumber(d.frameMm, 6)) +
                            QStringLiteral(" mm　G 重心"));
    }
    return std::max({y, right, below}) + 2;
}

} // namespace

double paintBeamSheet(QPainter& painter, const BeamSheet& s) {
    Canvas c(painter);
    double y = heading(c, s.heading, QStringLiteral("梁の曲げ応力度とたわみの検討"));

    y = section(c, y, QStringLiteral("1. 構造と荷重"));
    drawBeam(c, s, 0, y, 88, 30);
    const double tableEnd = table(c, 96, y, kContentWidth - 96, s.inputs, 26);
    y = std::max(y + 31, tableEnd) + 1;

    y = section(c, y, QStringLiteral("2. 材料と断面"));
    const double top = y;
    double left = table(c, 0, y, 88, s.material, 34);
    if (s.calculatorSection && s.calculatorSection->sketch) {
        drawSketch(c, *s.calculatorSection->sketch, 0, left + 1, 26);
        c.font(7);
        c.text(28, left + 1, 60, s.calculatorSection->designation);
        left += 28;
    }
    y = std::max(left, table(c, 96, top, kContentWidth - 96, s.section, 38)) + 1;

    y = section(c, y, QStringLiteral("3. 計算（荷重・自重・合計）"));
    if (s.working.empty()) {
        c.font(8.5, true);
        y += c.text(0, y, kContentWidth, s.problem) + 2;
    } else {
        y = working(c, y, s);
    }

    y = section(c, y, QStringLiteral("4. 判定"));
    y = verdict(c, y, s);

    if (s.curves) {
        y = section(c, y, QStringLiteral("5. 曲げモーメント図・たわみ図"));
        const double w = (kContentWidth - 8) / 2;
        const std::string dPattern = "####0." + std::string(s.deflectionDecimals, '0');
        const double a =
            diagram(c, 0, y, w, 15, *s.curves, s.curves->moment, QStringLiteral("曲げモーメント M"),
                    QStringLiteral("N·m"), std::string(beam::kMomentPattern));
        const double b = diagram(c, w + 8, y, w, 15, *s.curves, s.curves->deflection,
                                 QStringLiteral("たわみ δ"), QStringLiteral("mm"), dPattern);
        y = std::max(a, b) + 1;
    }

    y = section(c, y, QStringLiteral("6. この計算の前提"));
    c.font(7);
    y += c.text(0, y, kContentWidth, QString::fromUtf8(kAssumptions));
    footer(c, s.heading);
    return y;
}

double paintSectionSheet(QPainter& painter, const SectionSheet& s) {
    Canvas c(painter);
    double y = heading(c, s.heading, QStringLiteral("断面性能の計算"));
    y = section(c, y, QStringLiteral("1. 材料"));
    y = table(c, 0, y, 120, {{QStringLiteral("材質"), s.material}}, 34) + 1;
    y = section(c, y, QStringLiteral("2. 断面と断面性能"));
    if (!s.problem.isEmpty()) {
        c.font(8.5, true);
        y += c.text(0, y, kContentWidth, s.problem) + 2;
    } else {
        y = sectionBlock(c, y, s.section, 50);
    }
    y = section(c, y, QStringLiteral("3. この計算の前提"));
    c.font(7.5);
    y += c.text(0, y, kContentWidth,
                QStringLiteral("・断面性能は入力した寸法から計算しています（円周率 3.141592）。\n"
                               "・質量は材料の比重から求め、重量は質量 × 9.8 としています。\n"
                               "・断面図は寸法に比例して描いています。"));
    footer(c, s.heading);
    return y;
}

void setUpPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin),
                                     QPageLayout::Millimeter));
}

void print(QPrinter& printer, const std::function<void(QPainter&)>& paint) {
    setUpPage(printer);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    paint(painter);
    painter.end();
    app::nameCjkGlyphsInPdfFile(printer);
}

bool writePdf(const QString& path, const std::function<void(QPainter&)>& paint) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setUpPage(writer);
        writer.setResolution(1200); // as the printer's high resolution, so that lines wrap alike
        writer.setTitle(QStringLiteral("計算書"));
        writer.setCreator(QStringLiteral("hari " HARI_VERSION));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        paint(painter);
        if (!painter.end()) return false;
    }
    app::nameCjkGlyphsByTheirIdeographs(pdf);
    // Written whole or not at all: a failed write leaves no half a file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(pdf);
    return file.commit();
}

} // namespace report
