#include "beam/working.hpp"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "common/numtext.hpp"

namespace beam {

namespace {

constexpr int kCarried = 6; // significant digits of a figure carried into the next line

std::string carried(double v) {
    return sheetNumber(v, kCarried);
}

bool isCantilever(Structure s) {
    return s == Structure::Cantilever || s == Structure::VerticalCantilever;
}

// The two halves of `Label式`: "M=..." and "δ=...".
std::pair<std::string, std::string> captionHalves(std::string_view caption) {
    const std::size_t at = caption.find(" δ=");
    if (at == std::string_view::npos) return {std::string(caption), ""};
    return {std::string(caption.substr(0, at)), std::string(caption.substr(at + 1))};
}

// A figure put into a line: its number and unit, and the figure raised to a power as
// "2000³ mm³".
struct Fig {
    std::string num, unit;
    std::string operator()() const { return num + " " + unit; }
    std::string pow(int k) const {
        static constexpr std::string_view sup[] = {"", "", "²", "³", "⁴"};
        return num + std::string(sup[k]) + " " + unit + std::string(sup[k]);
    }
};

struct Figures {
    Fig p, l, a, b, w;
    std::string z;  // "10.5 × 10³ mm³"
    std::string ei; // "E × I × 10⁴" written out
};

std::string n(double v) {
    return sheetNumber(v);
}

// The load's lines of one structure and load case.
std::vector<WorkingLine> loadLines(const Inputs& in, const Outcome& out, const Figures& f) {
    const Quantities& q = *out.quantities;
    const ResultTexts& r = *out.results;
    const int lc = static_cast<int>(in.loadCase);
    const auto [mCaption, dCaption] = captionHalves(formulaCaption(in.structure, in.loadCase));
    std::string m, d;
    const std::string P = f.p(), L = f.l(), A = f.a(), B = f.b(), W = f.w();
    const auto L2 = f.l.pow(2), L3 = f.l.pow(3), L4 = f.l.pow(4);
    const auto A2 = f.a.pow(2), A3 = f.a.pow(3), B2 = f.b.pow(2), B3 = f.b.pow(3);
    const std::string stiff = f.ei;
    switch (in.structure) {
    case Structure::Cantilever:
    case Structure::VerticalCantilever:
        if (lc == 1) {
            m = P + " × " + L + " / 10³";
            d = P + " × " + L3 + " / (3 × " + stiff + ")";
        } else if (lc == 2) {
            m = W + " × " + L2 + " / 2 / 10³";
            d = W + " × " + L4 + " / (8 × " + stiff + ")";
        } else {
            m = W + " × " + A + " × (" + L + " − " + A + " / 2) / 10³";
            d = W + " × " + L4 + " / (24 × " + stiff + ") × (3 − 4 × " + f.b.pow(3) + " / " + L3 +
                " + " + f.b.pow(4) + " / " + L4 + ")";
        }
        break;
    case Structure::SimplySupported:
        if (lc == 1) {
            m = P + " × " + L + " / 4 / 10³";
            d = P + " × " + L3 + " / (48 × " + stiff + ")";
        } else if (lc == 2) {
            m = P + " × " + A + " × " + B + " / " + L + " / 10³";
            d = P + " × " + A2 + " × " + B2 + " / (3 × " + stiff + " × " + L + ")";
        } else {
            m = W + " × " + L2 + " / 8 / 10³";
            d = "5 × " + W + " × " + L4 + " / (384 × " + stiff + ")";
        }
        break;
    case Structure::FixedBothEnds:
        if (lc == 1) {
            m = P + " × " + L + " / 8 / 10³";
            d = P + " × " + L3 + " / (192 × " + stiff + ")";
        } else if (lc == 2) {
            // The larger end moment governs: the moment under the load, 2·P·a²·b²/L³, is
            // never above it.
            const std::string& longer = in.l1Mm > in.spanMm - in.l1Mm ? A : B;
            m = P + " × " + A + " × " + B + " × " + longer + " / " + L2 + " / 10³";
            d = P + " × " + A3 + " × " + B3 + " / (3 × " + stiff + " × " + L3 + ")";
        } else {
            m = W + " × " + L2 + " / 12 / 10³";
            d = W + " × " + L4 + " / (384 × " + stiff + ")";
        }
        break;
    case Structure::PinnedFixed:
        if (lc == 1) {
            m = "3 × " + P + " × " + L + " / 16 / 10³";
            d = "7 × " + P + " × " + L3 + " / (768 × " + stiff + ")";
        } else if (lc == 2) {
            const bool underLoad = q.mc && q.mb && *q.mc > *q.mb;
            m = underLoad ? P + " × " + A + " × " + B2 + " × (2 × " + L + " + " + A + ") / (2 × " +
                                L3 + ") / 10³"
                          : P + " × " + A + " × " + B + " × (" + L + " + " + A + ") / (2 × " + L2 +
                                ") / 10³";
            d = P + " × " + A2 + " × " + B3 + " × (3 × " + L + " + " + A + ") / (12 × " + stiff +
                " × " + L3 + ")";
        } else {
            m = W + " × " + L2 + " / 8 / 10³";
            d = W + " × " + L4 + " / (185 × " + stiff + ")";
        }
        break;
    }
    std::vector<WorkingLine> lines;
    if (isDistributed(in.structure, in.loadCase)) {
        // ω as the calculation spread the load: the total over the loaded length, or per metre.
        const std::string numbers =
            in.loadMode == LoadMode::PerMetre
                ? n(in.loadN) + " N/m / 10³"
                : r.si.kaju + " N / " + n(usesL1(in.structure, in.loadCase) ? in.l1Mm : in.spanMm) +
                      " mm";
        const char* spread = in.loadMode == LoadMode::PerMetre   ? "ω=w/10³"
                             : usesL1(in.structure, in.loadCase) ? "ω=P/L1"
                                                                 : "ω=P/L";
        lines.push_back({spread, numbers, carried(q.wbun), "N/mm", "", ""});
    }
    lines.push_back({mCaption, m, r.si.kajumo, "N·m", out.old.kajumo, "kg·cm"});
    lines.push_back({"σ=M/Z", carried(q.mo) + " × 10³ N·mm / (" + f.z + ")", r.si.kajumage, "N/mm²",
                     out.old.kajumage, "kg/cm²"});
    lines.push_back({dCaption, d, r.deflections.kajutawami, "mm", "", ""});
    return lines;
}

std::vector<WorkingLine> selfLines(const Inputs& in, const Outcome& out, const Figures& f) {
    const Quantities& q = *out.quantities;
    const ResultTexts& r = *out.results;
    std::vector<WorkingLine> lines;
    lines.push_back({"W=m*9.8*L",
                     n(numtext::value(in.massText)) + " kg/m × 9.8 × " + f.l() + " / 10³",
                     r.si.jiju, "N", out.old.jiju, "kg"});
    if (in.structure == Structure::VerticalCantilever) {
        // Its own weight acts along its axis.
        lines.push_back({"M=0", "0", r.si.jmo, "N·m", out.old.jmo, "kg·cm"});
        lines.push_back({"σ=0", "0", r.si.jmage, "N/mm²", out.old.jmage, "kg/cm²"});
        lines.push_back({"δ=0", "0", r.deflections.jtawami, "mm", "", ""});
        return lines;
    }
    struct Row {
        const char* m;
        int k;
        const char* d;
        int factor, c;
    };
    const Row row = isCantilever(in.structure) ? Row{"M=W*L/2", 2, "δ=W*L^3/(8EI)", 1, 8}
                    : in.structure == Structure::SimplySupported
                        ? Row{"M=W*L/8", 8, "δ=5*W*L^3/(384EI)", 5, 384}
                    : in.structure == Structure::FixedBothEnds
                        ? Row{"M=W*L/12", 12, "δ=W*L^3/(384EI)", 1, 384}
                        : Row{"M=W*L/8", 8, "δ=W*L^3/(185EI)", 1, 185};
    // The moment is worked from the self weight as shown; the deflection from its exact value.
    lines.push_back({row.m, r.si.jiju + " N × " + f.l() + " / " + std::to_string(row.k) + " / 10³",
                     r.si.jmo, "N·m", out.old.jmo, "kg·cm"});
    lines.push_back({"σ=M/Z", carried(q.jmo) + " × 10³ N·mm / (" + f.z + ")", r.si.jmage, "N/mm²",
                     out.old.jmage, "kg/cm²"});
    const std::string factor = row.factor == 1 ? "" : std::to_string(row.factor) + " × ";
    lines.push_back({row.d,
                     factor + n(q.jiju) + " N × " + f.l.pow(3) + " / (" + std::to_string(row.c) +
                         " × " + f.ei + ")",
                     r.deflections.jtawami, "mm", "", ""});
    return lines;
}

std::vector<WorkingLine> totalLines(const Outcome& out) {
    const Quantities& q = *out.quantities;
    const ResultTexts& r = *out.results;
    return {
        {"P+W", n(q.wa) + " N + " + n(q.jiju) + " N", r.si.kajut, "N", out.old.kajut, "kg"},
        {"M=M1+M2", carried(q.mo) + " N·m + " + carried(q.jmo) + " N·m", r.si.mot, "N·m",
         out.old.mot, "kg·cm"},
        {"σ=σ1+σ2", carried(q.kajumage) + " N/mm² + " + carried(q.jmage) + " N/mm²", r.si.maget,
         "N/mm²", out.old.maget, "kg/cm²"},
        {"δ=δ1+δ2", carried(q.kajutawami) + " mm + " + carried(q.jtawami) + " mm",
         r.deflections.tawamit, "mm", "", ""},
    };
}

std::vector<WorkingLine> ratioLines(const Inputs& in, const Outcome& out) {
    const Quantities& q = *out.quantities;
    const ResultTexts& r = *out.results;
    std::vector<WorkingLine> lines;
    // The ratio is that of the displayed total stress.
    if (!r.labelmagehikaku.empty())
        lines.push_back(
            {"σ/fb", r.si.maget + " N/mm² / " + n(numtext::value(in.allowText)) + " N/mm² × 100",
             r.labelmagehikaku, "", "", ""});
    if (q.tawamiT > 0 && r.labeltawamihikaku)
        lines.push_back({"δ/L", "1 / (" + n(q.la) + " mm / " + carried(q.tawamiT) + " mm)",
                         *r.labeltawamihikaku, "", "", ""});
    return lines;
}

} // namespace

std::string sheetNumber(double v, int digits) {
    if (!std::isfinite(v)) return "";
    if (v == 0) return "0";
    // Round to the significant digits first, then let the plain notation drop the noise.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", std::max(0, digits - 1), v);
    std::string text = numtext::leadingBlank(std::strtod(buf, nullptr));
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

std::vector<WorkingBlock> workingLines(const Inputs& in, const Outcome& out) {
    if (!out.calculated() || !out.results) return {};
    const Quantities& q = *out.quantities;
    Figures f;
    f.p = {out.results->si.kaju, "N"};
    f.l = {n(q.la), "mm"};
    f.a = {n(in.l1Mm), "mm"};
    f.b = {n(q.la - in.l1Mm), "mm"};
    f.w = {carried(q.wbun), "N/mm"};
    f.z = n(numtext::value(in.zText)) + " × 10³ mm³";
    f.ei = n(numtext::value(in.eText)) + " N/mm² × " + n(numtext::value(in.iText)) + " × 10⁴ mm⁴";
    std::vector<WorkingBlock> blocks = {{"荷重による", loadLines(in, out, f)},
                                        {"自重による", selfLines(in, out, f)},
                                        {"合計", totalLines(out)}};
    std::vector<WorkingLine> ratios = ratioLines(in, out);
    if (!ratios.empty()) blocks.push_back({"比率", std::move(ratios)});
    return blocks;
}

} // namespace beam
