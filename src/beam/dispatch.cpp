#include "beam/dispatch.hpp"

#include <cmath>
#include <utility>

#include "common/numtext.hpp"

namespace beam {

namespace {

bool validCase(Structure structure, LoadCase loadCase) {
    const int s = static_cast<int>(structure);
    return s >= 1 && s <= 5 && loadCase >= LoadCase::Case1 && loadCase <= LoadCase::Case3;
}

bool isCantilever(Structure structure) {
    return structure == Structure::Cantilever || structure == Structure::VerticalCantilever;
}

Calculation runRoutine(Structure structure, LoadCase loadCase, const Load& load, const Member& m) {
    const bool vertical = structure == Structure::VerticalCantilever;
    switch (structure) {
    case Structure::Cantilever:
    case Structure::VerticalCantilever:
        return loadCase == LoadCase::Case1   ? calc11(load, m, vertical)
               : loadCase == LoadCase::Case2 ? calc12(load, m, vertical)
                                        : calc13(load, m, vertical);
    case Structure::SimplySupported:
        return loadCase == LoadCase::Case1   ? calc31(load, m)
               : loadCase == LoadCase::Case2 ? calc32(load, m)
                                        : calc33(load, m);
    case Structure::FixedBothEnds:
        return loadCase == LoadCase::Case1   ? calc41(load, m)
               : loadCase == LoadCase::Case2 ? calc42(load, m)
                                        : calc43(load, m);
    case Structure::PinnedFixed:
        break;
    }
    return loadCase == LoadCase::Case1   ? calc51(load, m)
           : loadCase == LoadCase::Case2 ? calc52(load, m)
                                    : calc53(load, m);
}

Message shownMessage(Problem problem) {
    return {std::string(problemMessage(problem)), true};
}

// The fields as they read when there is no result: zeros, no deflections, no ratios.
ResultTexts clearedTexts() {
    ResultTexts t;
    t.si = KekkaZero();
    t.labeltawamihikaku = std::string();
    return t;
}

Outcome finish(Outcome out, const Inputs& in) {
    out.old = OldTaniSet(out.results ? out.results->si : in.shown);
    return out;
}

} // namespace

bool usesL1(Structure structure, LoadCase loadCase) {
    return isCantilever(structure) ? loadCase == LoadCase::Case3 : loadCase == LoadCase::Case2;
}

bool isDistributed(Structure structure, LoadCase loadCase) {
    return isCantilever(structure) ? loadCase != LoadCase::Case1 : loadCase == LoadCase::Case3;
}

std::string_view problemMessage(Problem problem) {
    switch (problem) {
    case Problem::L1TooLarge:
        return " L1 が大きすぎます。";
    case Problem::BadZ:
        return " 断面係数 (Z) が正しくありません。";
    case Problem::BadI:
        return " 二次モーメント (I) が正しくありません。";
    case Problem::BadE:
        return " ヤング係数 (E) が正しくありません。";
    case Problem::NegativeMass:
        return " 質量が負の値です。";
    case Problem::BadAllowable:
        return " 許容曲げ応力が正しくありません。";
    case Problem::TooLarge:
        return " 数値が大きすぎて計算できません。";
    default:
        return "";
    }
}

std::string_view formulaCaption(Structure structure, LoadCase loadCase) {
    if (!validCase(structure, loadCase)) return "";
    static constexpr std::string_view captions[4][3] = {
        {"M=-P*L δ=P*L^3/(3EI)", "M=-ω*L~2/2 δ=ω*L^4/(8EI)",
         "M=-ω*L1(L-L1/2) δ=ω*L^4/(24EI)*(3-4*L2^3/L^3+L2^4/L^4)"},
        {"M=P*L/4 δ=P*L^3/(48EI)", "M=P*L1*L2/L δ=P*L1^2*L2^2/(3EI*L)",
         "M=ω*L^2/8 δ=5*ω*L^4/(384EI)"},
        {"M=-P*L/8 δ=P*L^3/(192EI)", "M=-P*L1*L2*max(L1,L2)/L^2 δ=P*L1^3*L2^3/(3EI*L^3)",
         "M=-ω*L^2/12 δ=ω*L^4/(384EI)"},
        {"M=-3*P*L/16 δ=7*P*L^3/(768EI)",
         "M=max(-P*L1*L2*(L+L1)/(2L^2),P*L1*L2^2*(2L+L1)/(2L^3)) "
         "δ=P*L1^2*L2^3*(3L+L1)/(12EI*L^3)",
         "M=-ω*L^2/8 δ=ω*L^4/(185EI)"},
    };
    const int s = static_cast<int>(structure);
    const int row = s <= 2 ? 0 : s - 2;
    return captions[row][static_cast<int>(loadCase) - 1];
}

Outcome calcDispatch(const Inputs& in) {
    Outcome out;
    const Structure structure = in.structure;
    const LoadCase loadCase = in.loadCase;
    if (!validCase(structure, loadCase)) {
        out.problem = Problem::UnknownCase;
        return finish(std::move(out), in);
    }

    // Incomplete input is silent and leaves the results as they are. Each value must be
    // positive on its own: two negative entries do not make a calculable beam.
    const bool withL1 = usesL1(structure, loadCase);
    if (!(in.loadN > 0))
        out.problem = Problem::LoadNotPositive;
    else if (!(in.spanMm > 0))
        out.problem = Problem::SpanNotPositive;
    else if (withL1 && !(in.l1Mm > 0))
        out.problem = Problem::L1NotPositive;
    if (out.problem != Problem::None) return finish(std::move(out), in);

    if (withL1 && in.spanMm < in.l1Mm) {
        out.problem = Problem::L1TooLarge;
        out.message = shownMessage(out.problem);
        out.clearVerdict = true;
        return finish(std::move(out), in);
    }

    Member m;
    m.z = numtext::value(in.zText);
    m.i = numtext::value(in.iText);
    m.e = numtext::value(in.eText);
    m.mass = numtext::value(in.massText);
    m.allowText = in.allowText;
    m.allowValid = numtext::value(in.allowText) > 0;
    if (!(m.z > 0))
        out.problem = Problem::BadZ;
    else if (!(m.i > 0))
        out.problem = Problem::BadI;
    else if (!(m.e > 0))
        out.problem = Problem::BadE;
    else if (m.mass < 0)
        out.problem = Problem::NegativeMass;
    if (out.problem != Problem::None) {
        out.message = shownMessage(out.problem);
        out.clearVerdict = true;
        out.results = clearedTexts();
        return finish(std::move(out), in);
    }

    Load load;
    load.la = in.spanMm;
    load.hen3 = in.l1Mm;
    load.wa = in.loadN; // a distributed case replaces it by its total load
    if (isDistributed(structure, loadCase)) {
        // The typed load is the total on the loaded length, or a load per metre.
        const double loaded = withL1 ? in.l1Mm : in.spanMm;
        load.wbun = in.loadMode == LoadMode::PerMetre ? in.loadN / 1000 : in.loadN / loaded;
    }

    Calculation c = runRoutine(structure, loadCase, load, m);
    // A load in kN or kg can pass the largest number, and so can a moment or a deflection:
    // such a result is no result, and the last one belongs to other inputs.
    const Quantities& q = c.q;
    for (double v : {q.wa, q.wbun, q.mo, q.kajumage, q.kajutawami, q.jiju, q.jmo, q.jmage,
                     q.jtawami, q.tawamiT})
        if (!std::isfinite(v)) {
            out.problem = Problem::TooLarge;
            out.message = shownMessage(out.problem);
            out.clearVerdict = true;
            out.results = clearedTexts();
            return finish(std::move(out), in);
        }
    out.quantities = c.q;
    out.results = std::move(c.texts);
    out.momentPositive = c.momentPositive;
    out.verdict = std::move(c.hantei);
    out.formula = std::string(formulaCaption(structure, loadCase));
    if (m.allowValid) {
        out.message = Message{};
    } else {
        out.problem = Problem::BadAllowable;
        out.message = shownMessage(out.problem);
        out.clearVerdict = true;
    }
    return finish(std::move(out), in);
}

} // namespace beam
