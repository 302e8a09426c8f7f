#include "beam/curves.hpp"

#include <algorithm>
#include <cmath>

#include "common/numtext.hpp"

namespace beam {

namespace {

bool cantilever(Structure s) {
    return s == Structure::Cantilever || s == Structure::VerticalCantilever;
}

// Cantilever fixed at x = 0. A point load P at a: M = -P(a - x) up to a; the deflection from
// EI·δ'' = -M with δ(0) = δ'(0) = 0.
double cantileverPointM(double p, double a, double x) {
    return x < a ? -p * (a - x) : 0;
}
double cantileverPointD(double p, double a, double x, double ei) {
    return x <= a ? p * x * x * (3 * a - x) / (6 * ei) : p * a * a * (3 * x - a) / (6 * ei);
}

// A uniform load w from c to the free end L: its resultant w·(L - c) acts at (c + L) / 2.
double cantileverUniformM(double w, double c, double l, double x) {
    const double q = l - c;
    return x <= c ? -w * q * ((c + l) / 2 - x) : -w * (l - x) * (l - x) / 2;
}
double cantileverUniformD(double w, double c, double l, double x, double ei) {
    const double q = l - c, g = (c + l) / 2;
    if (x <= c) return w * q * (g * x * x / 2 - x * x * x / 6) / ei;
    // Beyond c: EI·δ = w(L - x)⁴/24 + C1·x + C2, continuous in δ and δ' at c.
    const double c1 = w * q * (g * c - c * c / 2) + w * q * q * q / 6;
    const double c2 = w * q * (g * c * c / 2 - c * c * c / 6) - w * std::pow(q, 4) / 24 - c1 * c;
    return (w * std::pow(l - x, 4) / 24 + c1 * x + c2) / ei;
}

// Beams on two supports: the simply supported beam's moment and deflection, plus the line of
// the end moments MA, MB (hogging negative) that fixed ends add.
struct EndMoments {
    double left = 0, right = 0;
};

EndMoments endMoments(const Loading& l) {
    const double L = l.span, a = l.at, b = L - a, p = l.p, w = l.w;
    switch (l.structure) {
    case Structure::FixedBothEnds:
        return {-p * a * b * b / (L * L) - w * L * L / 12,
                -p * a * a * b / (L * L) - w * L * L / 12};
    case Structure::PinnedFixed:
        return {0, -p * a * b * (L + a) / (2 * L * L) - w * L * L / 8};
    default:
        return {};
    }
}

double supportedM(const Loading& l, double x) {
    const double L = l.span, a = l.at, b = L - a;
    const double point = x <= a ? l.p * b * x / L : l.p * a * (L - x) / L;
    const EndMoments e = endMoments(l);
    return point + l.w * x * (L - x) / 2 + e.left * (1 - x / L) + e.right * x / L;
}

double supportedD(const Loading& l, double x) {
    const double L = l.span, a = l.at, b = L - a, ei = l.ei;
    const double point = x <= a ? l.p * b * x * (L * L - b * b - x * x) / (6 * L * ei)
                                : l.p * a * (L - x) * (2 * L * x - x * x - a * a) / (6 * L * ei);
    const double uniform = l.w * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * ei);
    const double s = x / L;
    const EndMoments e = endMoments(l);
    const double ends =
        L * L / (6 * ei) * (e.left * (2 * s - 3 * s * s + s * s * s) + e.right * (s - s * s * s));
    return point + uniform + ends;
}

// The sample with the largest |value|, then refined between its neighbours by golden section:
// a maximum between two samples (a point load off the grid, a deflection's crest) is found.
template <class F>
CurveMax largest(const std::vector<double>& xs, const std::vector<double>& v, F f) {
    std::size_t k = 0;
    for (std::size_t i = 1; i < v.size(); ++i)
        if (std::abs(v[i]) > std::abs(v[k])) k = i;
    CurveMax best{xs[k], v[k]};
    double lo = xs[k > 0 ? k - 1 : 0], hi = xs[std::min(k + 1, xs.size() - 1)];
    const double r = (std::sqrt(5.0) - 1) / 2;
    for (int it = 0; it < 60 && hi - lo > 1e-9 * (1 + hi); ++it) {
        const double m1 = hi - r * (hi - lo), m2 = lo + r * (hi - lo);
        if (std::abs(f(m1)) > std::abs(f(m2)))
            hi = m2;
        else
            lo = m1;
    }
    const double mid = (lo + hi) / 2, fm = f(mid);
    if (std::abs(fm) > std::abs(best.value)) best = {mid, fm};
    return best;
}

template <class F> Curve sample(const std::vector<double>& xs, F f) {
    Curve c;
    c.values.reserve(xs.size());
    for (double x : xs)
        c.values.push_back(f(x));
    c.max = largest(xs, c.values, f);
    return c;
}

} // namespace

double momentAt(const Loading& l, double x) {
    if (cantilever(l.structure))
        return cantileverPointM(l.p, l.at, x) + cantileverUniformM(l.w, l.from, l.span, x);
    return supportedM(l, x);
}

double deflectionAt(const Loading& l, double x) {
    if (cantilever(l.structure))
        return cantileverPointD(l.p, l.at, x, l.ei) +
               cantileverUniformD(l.w, l.from, l.span, x, l.ei);
    return supportedD(l, x);
}

std::optional<BeamCurves> beamCurves(const Inputs& in, const Outcome& out, int samples) {
    if (!out.calculated() || !out.results) return std::nullopt;
    const Quantities& q = *out.quantities;
    const Structure s = in.structure;
    const int loadCase = static_cast<int>(in.loadCase);
    const double span = q.la;
    const double ei = numtext::value(in.eText) * numtext::value(in.iText) * 1e4;

    Loading load{s, span, ei};
    Loading self = load;
    const bool distributed = isDistributed(s, in.loadCase);
    if (distributed) {
        load.w = q.wbun;
        load.from = cantilever(s) && loadCase == 3 ? span - in.l1Mm : 0;
    } else {
        load.p = q.wa;
        load.at = cantilever(s) ? span : loadCase == 1 ? span / 2 : in.l1Mm;
    }
    // The self weight as shown, the figure the self-weight moment is worked from.
    if (s != Structure::VerticalCantilever) self.w = numtext::value(out.results->si.jiju) / span;

    BeamCurves c;
    c.span = span;
    const int n = std::max(samples, 2);
    for (int i = 0; i < n; ++i)
        c.x.push_back(span * i / (n - 1));
    for (double x : {load.at, load.from})
        if (x > 0 && x < span) c.x.push_back(x);
    std::sort(c.x.begin(), c.x.end());
    c.x.erase(std::unique(c.x.begin(), c.x.end()), c.x.end());

    const auto m = [](const Loading& l) {
        return [&l](double x) { return momentAt(l, x) / 1000; };
    };
    const auto d = [](const Loading& l) { return [&l](double x) { return deflectionAt(l, x); }; };
    c.moment.load = sample(c.x, m(load));
    c.moment.self = sample(c.x, m(self));
    c.moment.total =
        sample(c.x, [&](double x) { return (momentAt(load, x) + momentAt(self, x)) / 1000; });
    c.deflection.load = sample(c.x, d(load));
    c.deflection.self = sample(c.x, d(self));
    c.deflection.total =
        sample(c.x, [&](double x) { return deflectionAt(load, x) + deflectionAt(self, x); });
    return c;
}

} // namespace beam
