#include "section_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sizegen {
namespace {

// Chords per rounded corner: the area lost to them is below 1e-5 of the arc's segment.
constexpr int kArcSteps = 256;

Point minus(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
double length(Point v) {
    return std::hypot(v.x, v.y);
}
Point unit(Point v) {
    const double l = length(v);
    return {v.x / l, v.y / l};
}

// Replaces each rounded corner by the arc tangent to its two edges.
std::vector<Point> expand(const std::vector<Corner>& corners) {
    std::vector<Point> out;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Corner& c = corners[i];
        if (c.r <= 0) {
            out.push_back(c.p);
            continue;
        }
        const Point u1 = unit(minus(corners[(i + n - 1) % n].p, c.p));
        const Point u2 = unit(minus(corners[(i + 1) % n].p, c.p));
        const double half = std::acos(std::clamp(u1.x * u2.x + u1.y * u2.y, -1.0, 1.0)) / 2;
        const double tangent = c.r / std::tan(half);
        const Point t1{c.p.x + u1.x * tangent, c.p.y + u1.y * tangent};
        const Point t2{c.p.x + u2.x * tangent, c.p.y + u2.y * tangent};
        const Point bis = unit({u1.x + u2.x, u1.y + u2.y});
        const double toCentre = c.r / std::sin(half);
        const Point centre{c.p.x + bis.x * toCentre, c.p.y + bis.y * toCentre};
        const double a1 = std::atan2(t1.y - centre.y, t1.x - centre.x);
        double sweep = std::atan2(t2.y - centre.y, t2.x - centre.x) - a1;
        while (sweep > std::numbers::pi)
            sweep -= 2 * std::numbers::pi;
        while (sweep < -std::numbers::pi)
            sweep += 2 * std::numbers::pi;
        for (int k = 0; k <= kArcSteps; ++k) {
            const double t = a1 + sweep * k / kArcSteps;
            out.push_back({centre.x + c.r * std::cos(t), centre.y + c.r * std::sin(t)});
        }
    }
    return out;
}

} // namespace

void Section::addPolygon(const std::vector<Point>& pts) {
    const std::size_t n = pts.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point p = pts[i], q = pts[(i + 1) % n];
        const double cross = p.x * q.y - q.x * p.y;
        a_ += cross / 2;
        sx_ += (p.x + q.x) * cross / 6;
        sy_ += (p.y + q.y) * cross / 6;
        ixx_ += (p.y * p.y + p.y * q.y + q.y * q.y) * cross / 12;
        iyy_ += (p.x * p.x + p.x * q.x + q.x * q.x) * cross / 12;
        xmin_ = std::min(xmin_, p.x);
        xmax_ = std::max(xmax_, p.x);
        ymin_ = std::min(ymin_, p.y);
        ymax_ = std::max(ymax_, p.y);
    }
}

void Section::addOutline(const std::vector<Corner>& corners) {
    addPolygon(expand(corners));
}

void Section::addCircle(Point c, double r, bool hole) {
    // Exact: the size tables of pipes and bars are plain circles and annuli.
    const double sign = hole ? -1.0 : 1.0;
    const double a = std::numbers::pi * r * r;
    const double own = std::numbers::pi * r * r * r * r / 4;
    a_ += sign * a;
    sx_ += sign * a * c.x;
    sy_ += sign * a * c.y;
    ixx_ += sign * (own + a * c.y * c.y);
    iyy_ += sign * (own + a * c.x * c.x);
    xmin_ = std::min(xmin_, c.x - r);
    xmax_ = std::max(xmax_, c.x + r);
    ymin_ = std::min(ymin_, c.y - r);
    ymax_ = std::max(ymax_, c.y + r);
}

Properties Section::properties() const {
    Properties p;
    p.area = a_;
    p.cx = sx_ / a_;
    p.cy = sy_ / a_;
    p.ixx = ixx_ - a_ * p.cy * p.cy;
    p.iyy = iyy_ - a_ * p.cx * p.cx;
    p.xmin = xmin_;
    p.xmax = xmax_;
    p.ymin = ymin_;
    p.ymax = ymax_;
    return p;
}

std::vector<Corner> reversed(std::vector<Corner> corners) {
    std::reverse(corners.begin(), corners.end());
    return corners;
}

} // namespace sizegen
