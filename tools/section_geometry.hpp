// Section properties of outlines made of straight edges and circular arcs: the generator of
// the size tables computes every published figure from the dimensions with these.
#pragma once

#include <vector>

namespace sizegen {

struct Point {
    double x, y;
};

// A corner of an outline and the radius that rounds it (0: a sharp corner). A convex corner
// is rounded off, a re-entrant one filled (a fillet), with the arc tangent to both edges.
struct Corner {
    Point p;
    double r = 0;
};

// Area, centroid and second moments about the centroidal axes parallel to x and y, with the
// extent of the section, all in mm units.
struct Properties {
    double area = 0;
    double cx = 0, cy = 0;
    double ixx = 0, iyy = 0;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
};

// Accumulates outlines: counter-clockwise ones add material, clockwise ones cut holes.
class Section {
public:
    void addOutline(const std::vector<Corner>& corners);
    void addCircle(Point centre, double r, bool hole = false);
    Properties properties() const;

private:
    double a_ = 0, sx_ = 0, sy_ = 0, ixx_ = 0, iyy_ = 0; // about the origin
    double xmin_ = 1e300, xmax_ = -1e300, ymin_ = 1e300, ymax_ = -1e300;
    void addPolygon(const std::vector<Point>& pts);
};

// The corners of an outline listed the other way round (an outline into a hole).
std::vector<Corner> reversed(std::vector<Corner> corners);

} // namespace sizegen
