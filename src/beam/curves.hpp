// The bending moment M(x) and the deflection δ(x) along the beam, for the load, the self weight
// and their total, as the calculation sheet draws them. x runs from the left end (the fixed end
// of a cantilever, the pinned end of a pinned-fixed beam); sagging moments are positive, so a
// cantilever's moment is negative; deflections are downwards.
#pragma once

#include <optional>
#include <vector>

#include "beam/dispatch.hpp"

namespace beam {

// One load on one structure, in N, mm and N·mm²: a point load P at `at`, and a uniform load w
// (N/mm) from `from` to the right end of a cantilever or over the whole span otherwise.
struct Loading {
    Structure structure = Structure::SimplySupported;
    double span = 0; // mm
    double ei = 0;   // N·mm²
    double p = 0, at = 0;
    double w = 0, from = 0;
};

double momentAt(const Loading& l, double x);     // N·mm
double deflectionAt(const Loading& l, double x); // mm

// The largest |value| of a curve, where it lies (mm) and its signed value.
struct CurveMax {
    double x = 0, value = 0;
};

struct Curve {
    std::vector<double> values; // one per sample position
    CurveMax max;
};

struct CurveSet {
    Curve load, self, total;
};

struct BeamCurves {
    double span = 0;       // mm
    std::vector<double> x; // sample positions, mm, 0 to span
    CurveSet moment;       // N·m
    CurveSet deflection;   // mm
};

// The curves of a check that calcDispatch calculated (nullopt when it calculated nothing):
// `samples` equal steps along the beam, at least 2, and besides them the points where a load
// stands or begins. The self weight is the one shown, spread evenly over the length; the
// vertical cantilever's acts along its axis and bends nothing.
std::optional<BeamCurves> beamCurves(const Inputs& in, const Outcome& out, int samples = 201);

} // namespace beam
