#include "beam/routines.hpp"

#include <cmath>

#include "common/numtext.hpp"

namespace beam {

namespace {

// What sets one routine apart from the others; the rest of a routine is the shared sequence
// in run().
struct Specific {
    double mo = 0;         // N·m
    double wa = 0;         // N
    double kajutawami = 0; // mm
    double k = 2;          // self-weight moment = s × L / k
    double selfFactor = 1; // self-weight deflection = selfFactor × jiju × L³ / (c × E × I)
    double c = 8;
    bool vertical = false;
    std::optional<double> ma, mb, mc, hen4;
};

// The load as `Textkaju` shows it: the number in plain decimals, unformatted.
std::string plainText(double v) {
    std::string text = numtext::leadingBlank(v);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

// E × I in N·mm² times the formula's constant, always formed in this order.
double stiffness(const Member& m, double c) {
    return m.e * c * m.i * 1e4;
}

Calculation run(const Specific& s, const Load& load, const Member& m) {
    Calculation out;
    Quantities& q = out.q;
    TwinTexts& t = out.texts.si;
    const double la = load.la;
    q.wbun = load.wbun;
    q.la = la;
    q.ma = s.ma;
    q.mb = s.mb;
    q.mc = s.mc;
    q.hen4 = s.hen4;

    q.mo = s.mo;
    q.wa = s.wa;
    t.kajumo = numtext::format(q.mo, kMomentPattern);
    t.kaju = plainText(q.wa);
    q.kajumage = q.mo / m.z;
    t.kajumage = numtext::format(q.kajumage, kOneDecimalPattern);
    q.kajutawami = s.kajutawami;

    q.jiju = la * m.mass * kGravity / 1000;
    t.jiju = numtext::format(q.jiju, kOneDecimalPattern);
    // The self-weight moment comes from the self weight as displayed, rounded to 0.1 N.
    q.jmo = numtext::value(t.jiju) * la / s.k / 1000;
    t.jmo = numtext::format(q.jmo, kMomentPattern);
    if (s.vertical) {
        q.jmo = 0;
        t.jmo = numtext::format(0, kMomentPattern);
    }
    q.jmage = q.jmo / m.z;
    t.jmage = numtext::format(q.jmage, kOneDecimalPattern);
    q.jtawami = s.selfFactor * q.jiju * std::pow(la, 3) / stiffness(m, s.c);
    if (s.vertical) q.jtawami = 0;

    t.kajut = numtext::format(q.wa + q.jiju, kOneDecimalPattern);
    t.mot = numtext::format(q.mo + q.jmo, kTotalMomentPattern);
    t.maget = numtext::format(q.kajumage + q.jmage, kOneDecimalPattern);
    q.tawamiT = q.kajutawami + q.jtawami;

    out.texts.deflections = KetasitaSet(q.kajutawami, q.jtawami, q.tawamiT);
    // The ratio is that of the displayed total stress, rounded to 0.1 N/mm².
    if (m.allowValid)
        out.texts.labelmagehikaku =
            numtext::format(numtext::value(t.maget) / numtext::value(m.allowText), "###0.0 %");
    if (q.tawamiT > 0)
        out.texts.labeltawamihikaku = "1/" + numtext::format(la / q.tawamiT, "######0");

    out.momentPositive = q.mo + q.jmo > 0;
    if (out.momentPositive && m.allowValid)
        out.hantei = HanteiShow(t.maget, m.allowText);
    return out;
}

Specific cantilever(bool vertical) {
    Specific s;
    s.k = 2;
    s.c = 8;
    s.vertical = vertical;
    return s;
}

Specific simplySupported() {
    Specific s;
    s.k = 8;
    s.selfFactor = 5;
    s.c = 384;
    return s;
}

Specific fixedBothEnds() {
    Specific s;
    s.k = 12;
    s.c = 384;
    return s;
}

Specific pinnedFixed() {
    Specific s;
    s.k = 8;
    s.c = 185;
    return s;
}

} // namespace

Calculation calc11(const Load& load, const Member& m, bool vertical) {
    Specific s = cantilever(vertical);
    const double p = load.wa, l = load.la;
    s.wa = p;
    s.mo = p * l / 1000;
    s.kajutawami = p * std::pow(l, 3) / stiffness(m, 3);
    return run(s, load, m);
}

Calculation calc12(const Load& load, const Member& m, bool vertical) {
    Specific s = cantilever(vertical);
    const double w = load.wbun, l = load.la;
    s.mo = w * l * l / 2 / 1000;
    s.wa = w * l;
    s.kajutawami = w * std::pow(l, 4) / stiffness(m, 8);
    return run(s, load, m);
}

Calculation calc13(const Load& load, const Member& m, bool vertical) {
    Specific s = cantilever(vertical);
    const double w = load.wbun, l = load.la, l1 = load.hen3;
    s.mo = w * l1 * (l - l1 / 2) / 1000;
    s.wa = w * l1;
    const double l2 = l - l1;
    s.hen4 = l2;
    const double f = (3 - 4 * std::pow(l2, 3) / std::pow(l, 3)) + std::pow(l2, 4) / std::pow(l, 4);
    s.kajutawami = (w * std::pow(l, 4) / stiffness(m, 24)) * f;
    return run(s, load, m);
}

Calculation calc31(const Load& load, const Member& m) {
    Specific s = simplySupported();
    const double p = load.wa, l = load.la;
    s.wa = p;
    s.mo = p * l / 4 / 1000;
    s.kajutawami = p * std::pow(l, 3) / stiffness(m, 48);
    return run(s, load, m);
}

Calculation calc32(const Load& load, const Member& m) {
    Specific s = simplySupported();
    const double p = load.wa, l = load.la, a = load.hen3, b = l - a;
    s.wa = p;
    s.mo = p * a * b / l / 1000;
    s.kajutawami = p * std::pow(a, 2) * std::pow(b, 2) / (stiffness(m, 3) * l);
    return run(s, load, m);
}

Calculation calc33(const Load& load, const Member& m) {
    Specific s = simplySupported();
    const double w = load.wbun, l = load.la;
    s.wa = w * l;
    s.mo = w * std::pow(l, 2) / 8 / 1000;
    s.kajutawami = 5 * w * std::pow(l, 4) / stiffness(m, 384);
    return run(s, load, m);
}

Calculation calc41(const Load& load, const Member& m) {
    Specific s = fixedBothEnds();
    const double p = load.wa, l = load.la;
    s.wa = p;
    s.mo = p * l / 8 / 1000;
    s.kajutawami = p * std::pow(l, 3) / stiffness(m, 192);
    return run(s, load, m);
}

Calculation calc42(const Load& load, const Member& m) {
    Specific s = fixedBothEnds();
    const double p = load.wa, l = load.la, a = load.hen3, b = l - a;
    s.wa = p;
    s.ma = p * a * std::pow(b, 2) / std::pow(l, 2) / 1000;                  // left end
    s.mb = p * std::pow(a, 2) * b / std::pow(l, 2) / 1000;                  // right end
    s.mc = 2 * p * std::pow(a, 2) * std::pow(b, 2) / std::pow(l, 3) / 1000; // under the load
    s.mo = *s.ma > *s.mb ? *s.ma : *s.mb; // equal end moments: the right end's
    if (*s.mc > s.mo) s.mo = *s.mc;
    s.kajutawami = p * std::pow(a, 3) * std::pow(b, 3) / (stiffness(m, 3) * std::pow(l, 3));
    return run(s, load, m);
}

Calculation calc43(const Load& load, const Member& m) {
    Specific s = fixedBothEnds();
    const double w = load.wbun, l = load.la;
    s.wa = w * l;
    s.mo = w * std::pow(l, 2) / 12 / 1000;
    s.kajutawami = w * std::pow(l, 4) / stiffness(m, 384);
    return run(s, load, m);
}

Calculation calc51(const Load& load, const Member& m) {
    Specific s = pinnedFixed();
    const double p = load.wa, l = load.la;
    s.wa = p;
    s.mo = 3 * p * l / 16 / 1000;
    s.kajutawami = 7 * p * std::pow(l, 3) / stiffness(m, 768);
    return run(s, load, m);
}

Calculation calc52(const Load& load, const Member& m) {
    Specific s = pinnedFixed();
    const double p = load.wa, l = load.la, a = load.hen3, b = l - a;
    s.wa = p;
    s.mb = p * a * b * (2 * a + b) / (2 * std::pow(l, 2)) / 1000;                  // fixed end
    s.mc = p * a * std::pow(b, 2) * (3 * a + 2 * b) / (2 * std::pow(l, 3)) / 1000; // under load
    s.mo = *s.mc > *s.mb ? *s.mc : *s.mb; // equal: the fixed end's
    s.kajutawami =
        p * std::pow(a, 2) * std::pow(b, 3) * (4 * a + 3 * b) / (stiffness(m, 12) * std::pow(l, 3));
    return run(s, load, m);
}

Calculation calc53(const Load& load, const Member& m) {
    Specific s = pinnedFixed();
    const double w = load.wbun, l = load.la;
    s.wa = w * l;
    s.mo = w * std::pow(l, 2) / 8 / 1000;
    s.kajutawami = s.wa * std::pow(l, 3) / stiffness(m, 185);
    return run(s, load, m);
}

} // namespace beam
