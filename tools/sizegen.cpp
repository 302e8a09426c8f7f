// Writes the size tables vbSStype.csv, vbSUStype.csv, vbALtype.csv and vbWOODtype.csv
// (code page 932, one record per line, CR LF) into the folder named on the command line.
//
// Every figure is computed here from the dimensions of the size, rounded as the published
// tables print it: area to four significant figures, second moment, section modulus, radius of
// gyration and unit mass to three. The section modulus is the smaller one (extreme fibre) about
// the axis the shape code bends, the radius of gyration about the same axis.
//
// Steel follows the size lists of the current JIS editions for the shapes the size screen
// lists (bars: the range stockists carry):
//  - JIS G 3444:2021 (STK round pipes, 21.7 to 1016.0): plain annuli.
//  - JIS G 3466:2021 (STKR square and rectangular tubes): outer corner radius 2t, inner t.
//  - JIS G 3194 (flat bars), JIS G 3191 (round and square bars): sharp rectangles, circles.
//  - JIS G 3192:2021 (H sections, channels, angles): H sections of the wide, medium and narrow
//    flange series, the sizes rolled between the round depths included, each named and computed
//    at the depth actually rolled (H-194×150×6×9), with four fillets of the radius r the table
//    prints (r = 8 for the smaller sizes, as the current tables have it; older catalogues used
//    10 or 13 for some of them); channels with inner flange faces sloping 5 degrees, the
//    thickness t2 taken halfway along the inner flange, root radius r1 and toe radius r2;
//    angles with a root radius r1 and two toe radii r2; the areas (and unit masses) of
//    channels and angles by the standard's own formula, which its tables print.
//  - JIS G 3350:2017 (light-gauge channels and lipped channels): inner bend radius t, outer 2t.
//  - JIS G 3353:2011 (welded light H sections), listed under "other sections": no fillets.
// The unit mass of steel is 0.785 kg/m per cm2 of area (density 7.85).
// Stainless (SUS304, density 7.93) and aluminium (A6063, density 2.70) follow the sizes their
// stockists carry (JIS G 3448 pipes; cold-formed tubes and lipped channels with the bend radii
// of steel; extruded aluminium and hot-rolled stainless bars and angles with sharp corners, as
// their catalogues publish no radii).
// Wood: sawn timbers of the sizes the Japanese market stocks (JAS 製材 standard sizes), logs
// as circles; field 3 holds the mass at an air-dry specific gravity of 0.5, as wood has no
// single published unit mass.
// A shape a family does not stock (wood pipes or H sections, for instance) has no records:
// the size screen then asks for the properties or offers the calculator.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <iostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "common/numtext.hpp"
#include "section_geometry.hpp"

namespace sizegen {
namespace {

// Which axis a shape code bends about: the section as drawn (x horizontal) or turned a
// quarter (y becomes the vertical).
enum class Axis { X, Y };

struct Entry {
    int code;
    std::string designation;
    Properties p;
    Axis axis;
    // mm2 by the standard's own area formula, for the shapes whose table computes it so (0:
    // the area of the outline). Its fillet terms differ from the true arcs in the fourth
    // figure, and the table prints that figure.
    double standardArea = 0;
};

// ---- outlines -------------------------------------------------------------------------------

Properties pipe(double d, double t) {
    Section s;
    s.addCircle({0, 0}, d / 2);
    s.addCircle({0, 0}, d / 2 - t, true);
    return s.properties();
}

Properties roundBar(double d) {
    Section s;
    s.addCircle({0, 0}, d / 2);
    return s.properties();
}

std::vector<Corner> rectangle(double b, double h, double r) {
    return {{{-b / 2, -h / 2}, r}, {{b / 2, -h / 2}, r}, {{b / 2, h / 2}, r}, {{-b / 2, h / 2}, r}};
}

Properties solidRect(double b, double h) {
    Section s;
    s.addOutline(rectangle(b, h, 0));
    return s.properties();
}

// A tube b wide and h high; rOut and rIn are the corner radii (0 for sharp extrusions).
Properties tube(double b, double h, double t, double rOut, double rIn) {
    Section s;
    s.addOutline(rectangle(b, h, rOut));
    s.addOutline(reversed(rectangle(b - 2 * t, h - 2 * t, rIn)));
    return s.properties();
}

// An H (or I with parallel flanges) standing upright: flanges b wide at top and bottom.
Properties hSection(double h, double b, double t1, double t2, double r) {
    const double f = h / 2 - t2, w = t1 / 2;
    Section s;
    s.addOutline({{{-b / 2, -h / 2}},
                  {{b / 2, -h / 2}},
                  {{b / 2, -f}},
                  {{w, -f}, r},
                  {{w, f}, r},
                  {{b / 2, f}},
                  {{b / 2, h / 2}},
                  {{-b / 2, h / 2}},
                  {{-b / 2, f}},
                  {{-w, f}, r},
                  {{-w, -f}, r},
                  {{-b / 2, -f}}});
    return s.properties();
}

// A channel with its web at the left; the inner flange faces slope by `slopeDeg`, t2 being
// the thickness halfway along the inner flange.
Properties channel(double h, double b, double t1, double t2, double r1, double r2,
                   double slopeDeg) {
    const double k = std::tan(slopeDeg * 3.14159265358979323846 / 180);
    const double xm = t1 + (b - t1) / 2;
    auto thick = [&](double x) { return t2 + (xm - x) * k; };
    Section s;
    s.addOutline({{{0, 0}},
                  {{b, 0}},
                  {{b, thick(b)}, r2},
                  {{t1, thick(t1)}, r1},
                  {{t1, h - thick(t1)}, r1},
                  {{b, h - thick(b)}, r2},
                  {{b, h}},
                  {{0, h}}});
    return s.properties();
}

// An angle with its vertical leg `a` high at the left and its horizontal leg `b` along the
// bottom.
Properties angle(double a, double b, double t, double r1, double r2) {
    Section s;
    s.addOutline({{{0, 0}}, {{b, 0}}, {{b, t}, r2}, {{t, t}, r1}, {{t, a}, r2}, {{0, a}}});
    return s.properties();
}

// Cold-formed channel, web at the left, with (c > 0) or without lips turned inwards.
Properties formedChannel(double h, double b, double c, double t, double rIn, double rOut) {
    Section s;
    if (c > 0) {
        s.addOutline({{{0, 0}, rOut},
                      {{b, 0}, rOut},
                      {{b, c}},
                      {{b - t, c}},
                      {{b - t, t}, rIn},
                      {{t, t}, rIn},
                      {{t, h - t}, rIn},
                      {{b - t, h - t}, rIn},
                      {{b - t, h - c}},
                      {{b, h - c}},
                      {{b, h}, rOut},
                      {{0, h}, rOut}});
    } else {
        s.addOutline({{{0, 0}, rOut},
                      {{b, 0}},
                      {{b, t}},
                      {{t, t}, rIn},
                      {{t, h - t}, rIn},
                      {{b, h - t}},
                      {{b, h}},
                      {{0, h}, rOut}});
    }
    return s.properties();
}

// A T standing on its stem: flange b wide and tf thick at the top, stem tw thick.
Properties tSection(double h, double b, double tw, double tf) {
    Section s;
    s.addOutline({{{-tw / 2, 0}},
                  {{tw / 2, 0}},
                  {{tw / 2, h - tf}},
                  {{b / 2, h - tf}},
                  {{b / 2, h}},
                  {{-b / 2, h}},
                  {{-b / 2, h - tf}},
                  {{-tw / 2, h - tf}}});
    return s.properties();
}

// ---- texts ----------------------------------------------------------------------------------

std::string num(double v) {
    std::string s = catalog::plainText(v);
    return s;
}

// A dimension as the designations write it: 48.6, 2.3, 100.
std::string dim(double v) {
    return catalog::plainText(v);
}

// A wall or plate thickness of a pipe, tube or formed section: always with its tenth (2.0).
std::string thick(double v) {
    return std::floor(v) == v ? numtext::format(v, "0.0") : dim(v);
}

std::string dims(std::initializer_list<double> values) {
    std::string out;
    for (double v : values) {
        if (!out.empty()) out += "×";
        out += dim(v);
    }
    return out;
}

// A figure to `digits` significant figures, trailing zeros kept (3.70, 1620, 21.59).
std::string significant(double v, int digits) {
    if (v == 0) return "0";
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    const int decimals = digits - 1 - exponent;
    if (decimals > 0)
        return numtext::format(v, "0." + std::string(static_cast<std::size_t>(decimals), '0'));
    return num(catalog::roundSignificant(v, digits));
}

std::string record(const Entry& e, double massPerCm2) {
    const Properties& p = e.p;
    const bool standard = e.standardArea > 0;
    const double areaCm2 = (standard ? e.standardArea : p.area) / 100;
    // Such a table takes the unit mass from the area as printed ([-180×75×7×10.5: 27.20 cm2,
    // 21.4 kg/m, where the unrounded 27.197 would give 21.3).
    const double massArea = standard ? catalog::roundSignificant(areaCm2, 4) : areaCm2;
    double i, extreme;
    if (e.axis == Axis::X) {
        i = p.ixx;
        extreme = std::max(p.ymax - p.cy, p.cy - p.ymin);
    } else {
        i = p.iyy;
        extreme = std::max(p.xmax - p.cx, p.cx - p.xmin);
    }
    const double iCm4 = i / 1e4;
    const double zCm3 = i / extreme / 1e3;
    const double gyrationCm = std::sqrt(i / p.area) / 10; // I and A of the same outline
    return std::to_string(e.code) + ",\"" + e.designation + "\"," +
           significant(massArea * massPerCm2, 3) + "," + significant(areaCm2, 4) + "," +
           significant(iCm4, 3) + "," + significant(zCm3, 3) + "," + significant(gyrationCm, 3);
}

// ---- tables ---------------------------------------------------------------------------------

void add(std::vector<Entry>& out, int code, const std::string& name, const Properties& p, Axis axis,
         double standardArea = 0) {
    out.push_back({code, name, p, axis, standardArea});
}

// JIS G 3192 areas of the rolled channel and angle (mm2): the plates plus the fillet terms
// the standard writes for the root radius r1 and the toe radius r2.
double channelArea(double h, double b, double t1, double t2, double r1, double r2) {
    return h * t1 + 2 * t2 * (b - t1) + 0.349 * (r1 * r1 - r2 * r2);
}
double angleArea(double a, double b, double t, double r1, double r2) {
    return t * (a + b - t) + 0.215 * (r1 * r1 - 2 * r2 * r2);
}

void addPipes(std::vector<Entry>& out, const std::vector<std::pair<double, double>>& sizes) {
    for (auto [d, t] : sizes)
        add(out, 1, "φ" + dim(d) + "×" + thick(t), pipe(d, t), Axis::X);
}

// Square tubes as code 2; rectangular ones (listed long side first) standing as 3, lying as 4.
void addTubes(std::vector<Entry>& out, const std::vector<std::array<double, 3>>& sizes,
              bool formed) {
    for (auto [h, b, t] : sizes) {
        const double rOut = formed ? 2 * t : 0, rIn = formed ? t : 0;
        const Properties p = tube(b, h, t, rOut, rIn);
        const std::string name = "□-" + dims({h, b}) + "×" + thick(t);
        if (h == b) {
            add(out, 2, name, p, Axis::X);
        } else {
            add(out, 3, name, p, Axis::X);
            add(out, 4, name, p, Axis::Y);
        }
    }
}

// Bars t x b: on edge as `upright`, lying as `upright` + 1.
void addRectBars(std::vector<Entry>& out, int upright, const std::string& prefix,
                 const std::vector<std::pair<double, double>>& sizes) {
    for (auto [t, b] : sizes) {
        const Properties p = solidRect(t, b);
        add(out, upright, prefix + dims({t, b}), p, Axis::X);
        add(out, upright + 1, prefix + dims({t, b}), p, Axis::Y);
    }
}

struct HSize {
    double h, b, t1, t2, r;
};
void addH(std::vector<Entry>& out, const std::vector<HSize>& sizes, int strong, int weak,
          const std::string& prefix = "H-") {
    for (const HSize& s : sizes) {
        const Properties p = hSection(s.h, s.b, s.t1, s.t2, s.r);
        const std::string name = prefix + dims({s.h, s.b, s.t1, s.t2});
        add(out, strong, name, p, Axis::X);
        if (weak > 0) add(out, weak, name, p, Axis::Y);
    }
}

struct AngleSize {
    double a, b, t, r1, r2;
};
// Equal angles as code 13; unequal ones with the long leg standing (14) and lying (15).
// Rolled angles (with fillets) take the area of JIS G 3192; sharp extrusions their outline's.
void addAngles(std::vector<Entry>& out, const std::vector<AngleSize>& sizes) {
    for (const AngleSize& s : sizes) {
        const std::string name = "L-" + dims({s.a, s.b, s.t});
        const double area = s.r1 > 0 ? angleArea(s.a, s.b, s.t, s.r1, s.r2) : 0;
        if (s.a == s.b) {
            add(out, 13, name, angle(s.a, s.b, s.t, s.r1, s.r2), Axis::X, area);
        } else {
            add(out, 14, name, angle(s.a, s.b, s.t, s.r1, s.r2), Axis::X, area);
            add(out, 15, name, angle(s.b, s.a, s.t, s.r1, s.r2), Axis::X, area);
        }
    }
}

struct FormedSize {
    double h, b, c, t;
};
void addFormed(std::vector<Entry>& out, int upright, const std::string& prefix,
               const std::vector<FormedSize>& sizes, bool bent) {
    for (const FormedSize& s : sizes) {
        const Properties p = formedChannel(s.h, s.b, s.c, s.t, bent ? s.t : 0, bent ? 2 * s.t : 0);
        const std::string name =
            prefix + (s.c > 0 ? dims({s.h, s.b, s.c}) : dims({s.h, s.b})) + "×" + thick(s.t);
        add(out, upright, name, p, Axis::X);
        add(out, upright + 1, name, p, Axis::Y);
    }
}

// Pipes listed as outer diameter and its wall thicknesses.
std::vector<std::pair<double, double>>
byDiameter(const std::vector<std::pair<double, std::vector<double>>>& rows) {
    std::vector<std::pair<double, double>> out;
    for (const auto& [d, walls] : rows)
        for (double t : walls)
            out.push_back({d, t});
    return out;
}

// Tubes listed as long side, short side and their wall thicknesses.
std::vector<std::array<double, 3>>
bySides(const std::vector<std::tuple<double, double, std::vector<double>>>& rows) {
    std::vector<std::array<double, 3>> out;
    for (const auto& [h, b, walls] : rows)
        for (double t : walls)
            out.push_back({h, b, t});
    return out;
}

// Flat bars listed as a thickness and the widths rolled in it.
std::vector<std::pair<double, double>>
byThickness(const std::vector<std::pair<double, std::vector<double>>>& rows) {
    std::vector<std::pair<double, double>> out;
    for (const auto& [t, widths] : rows)
        for (double b : widths)
            out.push_back({t, b});
    return out;
}

std::vector<Entry> steel() {
    std::vector<Entry> out;
    // JIS G 3444 table of outer diameters and wall thicknesses.
    addPipes(out, byDiameter({{21.7, {2.0}},
                              {27.2, {2.0, 2.3}},
                              {34.0, {2.3}},
                              {42.7, {2.3, 2.5}},
                              {48.6, {2.3, 2.5, 2.8, 3.2}},
                              {60.5, {2.3, 3.2, 4.0}},
                              {76.3, {2.8, 3.2, 4.0}},
                              {89.1, {2.8, 3.2}},
                              {101.6, {3.2, 4.0, 5.0}},
                              {114.3, {3.2, 3.5, 4.5}},
                              {139.8, {3.6, 4.0, 4.5, 6.0}},
                              {165.2, {4.5, 5.0, 6.0, 7.1}},
                              {190.7, {4.5, 5.3, 6.0, 7.0, 8.2}},
                              {216.3, {4.5, 5.8, 6.0, 7.0, 8.0, 8.2}},
                              {267.4, {6.0, 6.6, 7.0, 8.0, 9.0, 9.3}},
                              {318.5, {6.0, 6.9, 8.0, 9.0, 10.3}},
                              {355.6, {6.4, 7.9, 9.0, 9.5, 12.0, 12.7}},
                              {406.4, {7.9, 9.0, 9.5, 12.0, 12.7, 16.0, 19.0}},
                              {457.2, {9.0, 9.5, 12.0, 12.7, 16.0, 19.0}},
                              {500.0, {9.0, 12.0, 14.0}},
                              {508.0, {7.9, 9.0, 9.5, 12.0, 12.7, 14.0, 16.0, 19.0, 22.0}},
                              {558.8, {9.0, 12.0, 16.0, 19.0, 22.0}},
                              {600.0, {9.0, 12.0, 14.0, 16.0}},
                              {609.6, {9.0, 9.5, 12.0, 12.7, 14.0, 16.0, 19.0, 22.0}},
                              {700.0, {9.0, 12.0, 14.0, 16.0}},
                              {711.2, {9.0, 12.0, 14.0, 16.0, 19.0, 22.0}},
                              {812.8, {9.0, 12.0, 14.0, 16.0, 19.0, 22.0}},
                              {914.4, {12.0, 14.0, 16.0, 19.0, 22.0}},
                              {1016.0, {12.0, 14.0, 16.0, 19.0, 22.0}}}));
    // JIS G 3466 tables of square and rectangular tubes.
    addTubes(out,
             bySides({{40, 40, {1.6, 2.3}},
                      {50, 50, {1.6, 2.3, 3.2}},
                      {60, 60, {1.6, 2.3, 3.2}},
                      {75, 75, {1.6, 2.3, 3.2, 4.5}},
                      {80, 80, {2.3, 3.2, 4.5}},
                      {90, 90, {2.3, 3.2}},
                      {100, 100, {2.3, 3.2, 4.0, 4.5, 6.0, 9.0, 12.0}},
                      {125, 125, {3.2, 4.5, 5.0, 6.0, 9.0, 12.0}},
                      {150, 150, {3.2, 4.5, 5.0, 6.0, 9.0}},
                      {175, 175, {4.5, 5.0, 6.0}},
                      {200, 200, {4.5, 6.0, 8.0, 9.0, 12.0}},
                      {250, 250, {5.0, 6.0, 8.0, 9.0, 12.0}},
                      {300, 300, {4.5, 6.0, 9.0, 12.0}},
                      {350, 350, {9.0, 12.0}},
                      {50, 20, {1.6, 2.3}},
                      {50, 30, {1.6, 2.3}},
                      {60, 30, {1.6, 2.3, 3.2}},
                      {75, 45, {1.6, 2.3, 3.2}},
                      {100, 50, {1.6, 2.3, 3.2, 4.5}},
                      {125, 75, {2.3, 3.2, 4.5, 6.0}},
                      {150, 75, {3.2, 4.5}},
                      {150, 80, {4.5, 6.0}},
                      {150, 100, {3.2, 4.5, 6.0, 9.0}},
                      {200, 100, {4.5, 6.0, 9.0}},
                      {200, 150, {4.5, 6.0, 9.0}},
                      {250, 150, {4.5, 6.0, 9.0, 12.0}},
                      {300, 200, {6.0, 9.0, 12.0}},
                      {350, 150, {6.0, 9.0, 12.0}},
                      {400, 200, {6.0, 9.0, 12.0}}}),
             true);
    // JIS G 3194 flat bars in the thicknesses and widths stockists carry.
    const std::vector<double> flatWidths{25, 32, 38, 44, 50, 65, 75, 90, 100, 125, 150};
    const std::vector<double> heavyWidths{50, 65, 75, 90, 100, 125, 150};
    addRectBars(out, 5, "FB-",
                byThickness({{4.5, {25, 32, 38, 44, 50}},
                             {6, flatWidths},
                             {9, flatWidths},
                             {12, flatWidths},
                             {16, heavyWidths},
                             {19, heavyWidths},
                             {22, heavyWidths},
                             {25, heavyWidths}}));
    // JIS G 3192 H sections, every series, in the order of the standard's table; r is the
    // fillet radius it prints. The medium-flange sizes (and the "between" sizes of the other
    // series) are rolled below their nominal depth, and JIS names and computes them at the
    // depth actually rolled: H-194×150×6×9, not H-200×150×6×9. Computed at the nominal depth
    // they would overstate I by 3-7 % and Z by 2-4 %, so a beam that fails would pass.
    addH(out, {{100, 50, 5, 7, 8},     {100, 100, 6, 8, 8},    {125, 60, 6, 8, 8},
               {125, 125, 6.5, 9, 8},  {150, 75, 5, 7, 8},     {148, 100, 6, 9, 8},
               {150, 150, 7, 10, 8},   {175, 90, 5, 8, 8},     {175, 175, 7.5, 11, 13},
               {198, 99, 4.5, 7, 8},   {200, 100, 5.5, 8, 8},  {194, 150, 6, 9, 8},
               {200, 200, 8, 12, 13},  {200, 204, 12, 12, 13}, {208, 202, 10, 16, 13},
               {248, 124, 5, 8, 8},    {250, 125, 6, 9, 8},    {244, 175, 7, 11, 13},
               {244, 252, 11, 11, 13}, {248, 249, 8, 13, 13},  {250, 250, 9, 14, 13},
               {250, 255, 14, 14, 13}, {298, 149, 5.5, 8, 13}, {300, 150, 6.5, 9, 13},
               {294, 200, 8, 12, 13},  {298, 201, 9, 14, 13},  {294, 302, 12, 12, 13},
               {298, 299, 9, 14, 13},  {300, 300, 10, 15, 13}, {300, 305, 15, 15, 13},
               {304, 301, 11, 17, 13}, {310, 305, 15, 20, 13}, {310, 310, 20, 20, 13},
               {346, 174, 6, 9, 13},   {350, 175, 7, 11, 13},  {354, 176, 8, 13, 13},
               {336, 249, 8, 12, 13},  {340, 250, 9, 14, 13},  {338, 351, 13, 13, 13},
               {344, 348, 10, 16, 13}, {344, 354, 16, 16, 13}, {350, 350, 12, 19, 13},
               {350, 357, 19, 19, 13}, {396, 199, 7, 11, 13},  {400, 200, 8, 13, 13},
               {404, 201, 9, 15, 13},  {386, 299, 9, 14, 13},  {390, 300, 10, 16, 13},
               {388, 402, 15, 15, 22}, {394, 398, 11, 18, 22}, {394, 405, 18, 18, 22},
               {400, 400, 13, 21, 22}, {400, 408, 21, 21, 22}, {406, 403, 16, 24, 22},
               {414, 405, 18, 28, 22}, {428, 407, 20, 35, 22}, {458, 417, 30, 50, 22},
               {498, 432, 45, 70, 22}, {446, 199, 8, 12, 13},  {450, 200, 9, 14, 13},
               {434, 299, 10, 15, 13}, {440, 300, 11, 18, 13}, {496, 199, 9, 14, 13},
               {500, 200, 10, 16, 13}, {506, 201, 11, 19, 13}, {482, 300, 11, 15, 13},
               {488, 300, 11, 18, 13}, {596, 199, 10, 15, 13}, {600, 200, 11, 17, 13},
               {606, 201, 12, 20, 13}, {612, 202, 13, 23, 13}, {582, 300, 12, 17, 13},
               {588, 300, 12, 20, 13}, {594, 302, 14, 23, 13}, {692, 300, 13, 20, 18},
               {700, 300, 13, 24, 18}, {708, 302, 15, 28, 18}, {792, 300, 14, 22, 18},
               {800, 300, 14, 26, 18}, {808, 302, 16, 30, 18}, {890, 299, 15, 23, 18},
               {900, 300, 16, 28, 18}, {912, 302, 18, 34, 18}, {918, 303, 19, 37, 18}},
         9, 10);
    struct ChannelSize {
        double h, b, t1, t2, r1, r2;
    };
    for (const ChannelSize& c : std::vector<ChannelSize>{{75, 40, 5, 7, 8, 4},
                                                         {100, 50, 5, 7.5, 8, 4},
                                                         {125, 65, 6, 8, 8, 4},
                                                         {150, 75, 6.5, 10, 10, 5},
                                                         {150, 75, 9, 12.5, 15, 7.5},
                                                         {180, 75, 7, 10.5, 11, 5.5},
                                                         {200, 80, 7.5, 11, 12, 6},
                                                         {200, 90, 8, 13.5, 14, 7},
                                                         {250, 90, 9, 13, 14, 7},
                                                         {250, 90, 11, 14.5, 17, 8.5},
                                                         {300, 90, 9, 13, 14, 7},
                                                         {300, 90, 10, 15.5, 19, 9.5},
                                                         {300, 90, 12, 16, 19, 9.5},
                                                         {380, 100, 10.5, 16, 18, 9},
                                                         {380, 100, 13, 16.5, 18, 9},
                                                         {380, 100, 13, 20, 24, 12}}) {
        const Properties p = channel(c.h, c.b, c.t1, c.t2, c.r1, c.r2, 5);
        const std::string name = "[-" + dims({c.h, c.b, c.t1, c.t2});
        const double area = channelArea(c.h, c.b, c.t1, c.t2, c.r1, c.r2);
        add(out, 11, name, p, Axis::X, area);
        add(out, 12, name, p, Axis::Y, area);
    }
    // JIS G 3192 equal and unequal angles with their root radius r1 and toe radius r2.
    addAngles(out, {{25, 25, 3, 4, 2},       {30, 30, 3, 4, 2},       {40, 40, 3, 4.5, 2},
                    {40, 40, 5, 4.5, 3},     {45, 45, 4, 6.5, 3},     {45, 45, 5, 6.5, 3},
                    {50, 50, 4, 6.5, 3},     {50, 50, 5, 6.5, 3},     {50, 50, 6, 6.5, 4.5},
                    {60, 60, 4, 6.5, 3},     {60, 60, 5, 6.5, 3},     {65, 65, 5, 8.5, 3},
                    {65, 65, 6, 8.5, 4},     {65, 65, 8, 8.5, 6},     {70, 70, 6, 8.5, 4},
                    {75, 75, 6, 8.5, 4},     {75, 75, 9, 8.5, 6},     {75, 75, 12, 8.5, 6},
                    {80, 80, 6, 8.5, 4},     {90, 90, 6, 10, 5},      {90, 90, 7, 10, 5},
                    {90, 90, 10, 10, 7},     {90, 90, 13, 10, 7},     {100, 100, 7, 10, 5},
                    {100, 100, 10, 10, 7},   {100, 100, 13, 10, 7},   {120, 120, 8, 12, 5},
                    {130, 130, 9, 12, 6},    {130, 130, 12, 12, 8.5}, {130, 130, 15, 12, 8.5},
                    {150, 150, 12, 14, 7},   {150, 150, 15, 14, 10},  {150, 150, 19, 14, 10},
                    {175, 175, 12, 15, 11},  {175, 175, 15, 15, 11},  {200, 200, 15, 17, 12},
                    {200, 200, 20, 17, 12},  {200, 200, 25, 17, 12},  {250, 250, 25, 24, 12},
                    {250, 250, 35, 24, 18},  {90, 75, 9, 8.5, 6},     {100, 75, 7, 10, 5},
                    {100, 75, 10, 10, 7},    {125, 75, 7, 10, 5},     {125, 75, 10, 10, 7},
                    {125, 75, 13, 10, 7},    {125, 90, 10, 10, 7},    {125, 90, 13, 10, 7},
                    {150, 90, 9, 12, 6},     {150, 90, 12, 12, 8.5},  {150, 100, 9, 12, 6},
                    {150, 100, 12, 12, 8.5}, {150, 100, 15, 12, 8.5}});
    // JIS G 3191 round and square bars in the diameters and sides stockists carry.
    for (double d : {6.0,  8.0,  9.0,  10.0, 12.0, 13.0, 16.0,  19.0,  20.0,  22.0,  25.0,
                     28.0, 30.0, 32.0, 36.0, 38.0, 42.0, 46.0,  50.0,  55.0,  56.0,  60.0,
                     65.0, 70.0, 75.0, 80.0, 85.0, 90.0, 100.0, 110.0, 120.0, 130.0, 150.0})
        add(out, 17, "φ" + dim(d), roundBar(d), Axis::X);
    for (double a : {6.0,  9.0,  12.0, 13.0, 16.0, 19.0, 22.0, 25.0, 28.0, 32.0, 38.0,
                     44.0, 50.0, 55.0, 60.0, 65.0, 70.0, 75.0, 80.0, 90.0, 100.0})
        add(out, 18, "角-" + dim(a), solidRect(a, a), Axis::X);
    addRectBars(out, 19, "角-",
                {{19, 50}, {22, 50}, {25, 50}, {25, 75}, {32, 65}, {32, 75}, {38, 75}, {50, 100}});
    // JIS G 3350 light-gauge channels and lipped channels.
    addFormed(out, 21, "[-",
              {{40, 40, 0, 2.3},
               {60, 30, 0, 2.3},
               {60, 30, 0, 3.2},
               {75, 40, 0, 3.2},
               {100, 40, 0, 3.2},
               {100, 50, 0, 2.3},
               {100, 50, 0, 3.2},
               {120, 40, 0, 3.2},
               {150, 50, 0, 3.2},
               {150, 50, 0, 4.5},
               {150, 75, 0, 6.0},
               {200, 50, 0, 4.5},
               {200, 75, 0, 6.0},
               {250, 50, 0, 4.5},
               {250, 75, 0, 6.0},
               {300, 50, 0, 4.5},
               {350, 50, 0, 4.5},
               {400, 75, 0, 6.0},
               {450, 75, 0, 6.0}},
              true);
    addFormed(out, 26, "C-",
              {{60, 30, 10, 1.6},  {60, 30, 10, 2.3},  {75, 45, 15, 1.6},  {75, 45, 15, 2.3},
               {100, 50, 20, 1.6}, {100, 50, 20, 2.3}, {100, 50, 20, 3.2}, {120, 60, 20, 2.3},
               {120, 60, 20, 3.2}, {120, 60, 20, 4.0}, {120, 60, 20, 4.5}, {120, 60, 25, 2.3},
               {120, 60, 25, 3.2}, {125, 50, 20, 2.3}, {125, 50, 20, 3.2}, {125, 50, 20, 4.0},
               {125, 50, 20, 4.5}, {150, 50, 20, 2.3}, {150, 50, 20, 3.2}, {150, 50, 20, 4.0},
               {150, 50, 20, 4.5}, {150, 65, 20, 2.3}, {150, 65, 20, 3.2}, {150, 65, 20, 4.0},
               {150, 65, 20, 4.5}, {150, 75, 20, 2.3}, {150, 75, 20, 3.2}, {150, 75, 20, 4.0},
               {150, 75, 20, 4.5}, {150, 75, 25, 3.2}, {150, 75, 25, 4.0}, {150, 75, 25, 4.5},
               {175, 50, 20, 2.3}, {175, 50, 20, 3.2}, {200, 75, 20, 2.3}, {200, 75, 20, 3.2},
               {200, 75, 20, 4.0}, {200, 75, 20, 4.5}, {200, 75, 25, 3.2}, {200, 75, 25, 4.0},
               {200, 75, 25, 4.5}, {250, 75, 20, 4.0}, {250, 75, 20, 4.5}, {250, 75, 25, 4.0},
               {250, 75, 25, 4.5}},
              true);
    // JIS G 3353 welded light H sections, table 6.
    addH(out, {{100, 100, 3.2, 4.5, 0}, {125, 60, 3.2, 4.5, 0},  {125, 100, 3.2, 4.5, 0},
               {150, 75, 2.3, 2.3, 0},  {150, 75, 3.2, 3.2, 0},  {150, 75, 3.2, 4.5, 0},
               {150, 100, 3.2, 4.5, 0}, {150, 100, 3.2, 6.0, 0}, {150, 125, 3.2, 6.0, 0},
               {150, 150, 3.2, 4.5, 0}, {150, 150, 4.5, 6.0, 0}, {175, 90, 3.2, 4.5, 0},
               {175, 100, 4.5, 6.0, 0}, {200, 100, 3.2, 3.2, 0}, {200, 100, 3.2, 4.5, 0},
               {200, 100, 3.2, 6.0, 0}, {200, 150, 3.2, 4.5, 0}, {250, 100, 3.2, 4.5, 0},
               {250, 100, 3.2, 6.0, 0}, {250, 100, 4.5, 6.0, 0}, {250, 100, 4.5, 9.0, 0},
               {250, 125, 3.2, 4.5, 0}, {250, 125, 4.5, 6.0, 0}, {250, 125, 4.5, 9.0, 0},
               {250, 150, 3.2, 4.5, 0}, {300, 150, 3.2, 4.5, 0}, {300, 150, 4.5, 6.0, 0},
               {300, 150, 4.5, 9.0, 0}, {350, 175, 4.5, 6.0, 0}, {350, 175, 4.5, 9.0, 0}},
         shape::kOther, 0, "軽量H-");
    return out;
}

std::vector<Entry> stainless() {
    std::vector<Entry> out;
    addPipes(out, {{9.52, 0.7},  {12.7, 0.8},  {15.88, 0.8}, {19.05, 0.8}, {22.22, 1.0},
                   {25.4, 1.0},  {28.58, 1.0}, {34.0, 1.2},  {42.7, 1.2},  {48.6, 1.2},
                   {60.5, 1.5},  {76.3, 1.5},  {89.1, 2.0},  {101.6, 2.0}, {114.3, 2.0},
                   {139.8, 2.0}, {165.2, 3.0}, {216.3, 3.0}, {267.4, 3.5}, {318.5, 4.0}});
    addTubes(out,
             {{25, 25, 1.5},
              {30, 30, 1.5},
              {40, 40, 1.5},
              {40, 40, 2.0},
              {50, 50, 1.5},
              {50, 50, 2.0},
              {60, 60, 2.0},
              {75, 75, 3.0},
              {100, 100, 3.0},
              {40, 20, 1.5},
              {50, 25, 1.5},
              {60, 30, 2.0},
              {75, 45, 2.0},
              {100, 50, 2.0},
              {100, 50, 3.0},
              {125, 75, 3.0},
              {150, 100, 3.0}},
             true);
    addRectBars(out, 5, "FB-",
                {{3, 20},
                 {3, 25},
                 {3, 30},
                 {3, 40},
                 {3, 50},
                 {4, 40},
                 {5, 50},
                 {6, 50},
                 {6, 75},
                 {6, 100},
                 {9, 75},
                 {9, 100}});
    addH(out,
         {{100, 100, 6, 8, 0},
          {125, 125, 6.5, 9, 0},
          {150, 150, 7, 10, 0},
          {200, 100, 5.5, 8, 0},
          {200, 200, 8, 12, 0},
          {250, 125, 6, 9, 0},
          {300, 150, 6.5, 9, 0}},
         9, 10);
    addAngles(out, {{20, 20, 3, 0, 0},
                    {25, 25, 3, 0, 0},
                    {30, 30, 3, 0, 0},
                    {40, 40, 3, 0, 0},
                    {40, 40, 5, 0, 0},
                    {50, 50, 4, 0, 0},
                    {50, 50, 6, 0, 0},
                    {65, 65, 6, 0, 0},
                    {75, 75, 6, 0, 0},
                    {75, 75, 9, 0, 0},
                    {100, 100, 10, 0, 0}});
    for (double d : {6.0, 8.0, 10.0, 12.0, 13.0, 16.0, 19.0, 20.0, 22.0, 25.0, 30.0, 32.0, 38.0,
                     40.0, 50.0, 60.0, 75.0, 100.0})
        add(out, 17, "φ" + dim(d), roundBar(d), Axis::X);
    for (double a : {10.0, 12.0, 16.0, 19.0, 22.0, 25.0, 32.0, 38.0, 50.0})
        add(out, 18, "角-" + dim(a), solidRect(a, a), Axis::X);
    addRectBars(out, 19, "角-",
                {{10, 20}, {10, 30}, {12, 25}, {16, 32}, {19, 38}, {20, 40}, {25, 50}});
    addFormed(out, 26, "C-",
              {{60, 30, 10, 1.5},
               {75, 45, 15, 2.0},
               {100, 50, 20, 2.0},
               {100, 50, 20, 3.0},
               {125, 50, 20, 3.0},
               {150, 50, 20, 3.0},
               {150, 75, 20, 3.0},
               {200, 75, 20, 3.0}},
              true);
    // Channels have no list of their own for stainless: the hot-rolled ones are "other".
    for (auto [h, b, t1, t2] : std::vector<std::array<double, 4>>{{50, 25, 5, 6},
                                                                  {75, 40, 5, 7},
                                                                  {100, 50, 5, 7.5},
                                                                  {125, 65, 6, 8},
                                                                  {150, 75, 6.5, 10}}) {
        add(out, shape::kOther, "[-" + dims({h, b, t1, t2}), channel(h, b, t1, t2, 0, 0, 0),
            Axis::X);
    }
    return out;
}

std::vector<Entry> aluminium() {
    std::vector<Entry> out;
    addPipes(out, {{19, 1.5},
                   {22, 1.5},
                   {25, 1.5},
                   {25, 2.0},
                   {30, 2.0},
                   {32, 2.0},
                   {38, 2.0},
                   {40, 2.0},
                   {50, 2.0},
                   {50, 3.0},
                   {60, 3.0},
                   {76, 3.0},
                   {100, 3.0},
                   {100, 5.0}});
    addTubes(out,
             {{20, 20, 1.5},
              {25, 25, 2.0},
              {30, 30, 2.0},
              {40, 40, 2.0},
              {40, 40, 3.0},
              {50, 50, 3.0},
              {60, 60, 3.0},
              {75, 75, 3.0},
              {100, 100, 3.0},
              {100, 100, 5.0},
              {40, 20, 2.0},
              {50, 25, 2.0},
              {60, 30, 2.0},
              {60, 30, 3.0},
              {75, 45, 3.0},
              {100, 50, 3.0},
              {125, 50, 3.0},
              {150, 50, 3.0}},
             false);
    addRectBars(out, 5, "FB-",
                {{2, 20},
                 {3, 20},
                 {3, 25},
                 {3, 30},
                 {3, 40},
                 {3, 50},
                 {5, 30},
                 {5, 50},
                 {6, 50},
                 {6, 75},
                 {8, 50},
                 {10, 50},
                 {10, 100}});
    addH(out,
         {{50, 50, 4, 6, 0},
          {75, 75, 5, 8, 0},
          {100, 100, 6, 8, 0},
          {125, 125, 6.5, 9, 0},
          {150, 150, 7, 10, 0}},
         9, 10);
    addAngles(out, {{15, 15, 1.5, 0, 0}, {20, 20, 2, 0, 0}, {25, 25, 2, 0, 0}, {25, 25, 3, 0, 0},
                    {30, 30, 3, 0, 0},   {40, 40, 3, 0, 0}, {40, 40, 5, 0, 0}, {50, 50, 4, 0, 0},
                    {50, 50, 5, 0, 0},   {60, 60, 5, 0, 0}, {75, 75, 6, 0, 0}, {100, 100, 6, 0, 0},
                    {30, 20, 2, 0, 0},   {40, 20, 3, 0, 0}, {40, 25, 3, 0, 0}, {50, 25, 3, 0, 0},
                    {50, 30, 3, 0, 0},   {60, 30, 4, 0, 0}, {75, 50, 5, 0, 0}, {100, 50, 5, 0, 0}});
    addRectBars(out, 19, "角-",
                {{10, 20}, {10, 30}, {12, 25}, {15, 30}, {20, 40}, {20, 50}, {25, 50}, {30, 60}});
    addFormed(out, 26, "C-",
              {{40, 20, 5, 2}, {50, 25, 7, 2}, {60, 30, 10, 2}, {75, 45, 15, 3}, {100, 50, 20, 3}},
              false);
    for (auto [h, b, tw, tf] : std::vector<std::array<double, 4>>{{25, 25, 3, 3},
                                                                  {30, 30, 3, 3},
                                                                  {40, 40, 4, 4},
                                                                  {50, 50, 5, 5},
                                                                  {60, 60, 6, 6},
                                                                  {75, 75, 6, 6}})
        add(out, shape::kOther, "T-" + dims({b, h, tf}), tSection(h, b, tw, tf), Axis::X);
    return out;
}

std::vector<Entry> wood() {
    std::vector<Entry> out;
    // Boards (板材) thickness x width, on edge and flat.
    for (auto [t, b] : std::vector<std::pair<double, double>>{
             {15, 90}, {18, 90}, {24, 90}, {30, 90}, {30, 105}, {36, 105}, {45, 105}, {45, 120}}) {
        const Properties p = solidRect(t, b);
        add(out, 5, "板 " + dims({t, b}), p, Axis::X);
        add(out, 6, "板 " + dims({t, b}), p, Axis::Y);
    }
    for (double d :
         {60.0, 75.0, 90.0, 105.0, 120.0, 135.0, 150.0, 165.0, 180.0, 210.0, 240.0, 270.0, 300.0})
        add(out, 17, "丸太φ" + dim(d), roundBar(d), Axis::X);
    for (double a :
         {45.0, 60.0, 90.0, 105.0, 120.0, 135.0, 150.0, 180.0, 210.0, 240.0, 270.0, 300.0})
        add(out, 18, dim(a) + "角", solidRect(a, a), Axis::X);
    for (auto [b, h] : std::vector<std::pair<double, double>>{
             {30, 40},   {36, 45},   {30, 105},  {45, 60},   {45, 90},   {45, 105},
             {45, 120},  {105, 150}, {105, 180}, {105, 210}, {105, 240}, {105, 270},
             {105, 300}, {105, 330}, {105, 360}, {105, 390}, {105, 420}, {105, 450},
             {120, 150}, {120, 180}, {120, 210}, {120, 240}, {120, 270}, {120, 300},
             {120, 330}, {120, 360}, {120, 390}, {120, 420}, {120, 450}}) {
        const Properties p = solidRect(b, h);
        add(out, 19, dims({b, h}), p, Axis::X);
        add(out, 20, dims({b, h}), p, Axis::Y);
    }
    return out;
}

// ---- output ---------------------------------------------------------------------------------

std::string toCp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert to CP932");
    std::string out(utf8.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    const std::size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1))
        throw std::runtime_error(std::string("text not representable in CP932: ") + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

void write(const std::filesystem::path& file, std::vector<Entry> entries, double massPerCm2) {
    // Sorted by shape code, sizes of one code in the order listed above.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.code < b.code; });
    std::string text;
    for (const Entry& e : entries)
        text += record(e, massPerCm2) + "\r\n";
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string bytes = toCp932(text);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

} // namespace
} // namespace sizegen

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: hari_sizegen <folder>\n";
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        sizegen::write(folder / "vbSStype.csv", sizegen::steel(), 0.785);
        sizegen::write(folder / "vbSUStype.csv", sizegen::stainless(), 0.793);
        sizegen::write(folder / "vbALtype.csv", sizegen::aluminium(), 0.270);
        sizegen::write(folder / "vbWOODtype.csv", sizegen::wood(), 0.050);
    } catch (const std::exception& e) {
        std::cerr << "hari_sizegen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
