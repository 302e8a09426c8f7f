// calcDispatch of the calculation screen: structure and load case from the first two bytes
// (every one, and codes out of range), then a byte of choices: numbers as raw doubles and
// texts of any bytes, or everything as the keypad types it; the load per metre or in total;
// the load unit; the gauge's anchors; what the result fields showed before. Each input is
// dispatched twice, the second time over the results of the first, as the screen does on
// the next keystroke.
#include "check.hpp"

#include "beam/dispatch.hpp"
#include "common/numtext.hpp"

#include <cmath>
#include <string>

namespace {

using beam::TwipRect;
using fuzz::escaped;
using fuzz::number;
using fuzz::require;
using fuzz::requireFinite;
using fuzz::requireNumberText;

std::string describe(const beam::Inputs& in) {
    return "structure " + std::to_string(static_cast<int>(in.structure)) + " case " +
           std::to_string(in.loadCase) + " mode " + std::to_string(static_cast<int>(in.loadMode)) +
           ", W " + number(in.loadN) + " N, L " + number(in.spanMm) + ", L1 " + number(in.l1Mm) +
           ", Z " + escaped(in.zText) + ", I " + escaped(in.iText) + ", E " + escaped(in.eText) +
           ", mass " + escaped(in.massText) + ", allowable " + escaped(in.allowText);
}

void eachTwin(const beam::TwinTexts& t, auto&& f) {
    for (const std::string* s :
         {&t.kaju, &t.kajumo, &t.kajumage, &t.jiju, &t.jmo, &t.jmage, &t.kajut, &t.mot, &t.maget})
        f(*s);
}

void checkTexts(const std::string& text, std::string_view what, bool mustShow,
                const std::string& where) {
    requireNumberText(text, what, where);
    if (mustShow && text.empty()) fuzz::fail(std::string(what) + " is not empty", where);
}

// The band the gauge lives in: from x0 to x1, from y1 down to y0. The bar's strips may reach a
// twip past x1 (strip i covers x0 + i to x0 + i + 1), under the band's outline of 3 twips.
void checkRect(const TwipRect& r, const beam::Gauge& g, std::string_view what,
               const std::string& where) {
    constexpr double kSlack = 3;
    const auto detail = [&] {
        return "left " + number(r.left) + " top " + number(r.top) + " width " + number(r.width) +
               " height " + number(r.height) + " in x0 " + number(g.x0) + " x1 " + number(g.x1) +
               ", " + where;
    };
    for (double v : {r.left, r.top, r.width, r.height})
        if (!std::isfinite(v)) fuzz::fail(std::string(what) + " is finite", detail());
    const bool inBand = r.width >= 0 && r.height >= 0 && r.left >= g.x0 &&
                        r.left + r.width <= g.x1 + kSlack && r.top >= g.y1 &&
                        r.top + r.height <= g.y0;
    if (!inBand) fuzz::fail(std::string(what) + " stays in the band", detail());
}

void checkHantei(const beam::Hantei& h, const std::string& where) {
    const beam::Gauge& g = h.gauge;
    // The ratio may be infinite (a stress of 1e160 over an allowable stress of 1e-306): that
    // is still a ratio beyond 150 %. The gauge has to be drawn, so its geometry is finite.
    require(!std::isnan(h.r) && h.r >= 0, "the stress ratio is a number", where);
    const beam::Grade grade = h.r > 1.5   ? beam::Grade::ShortTermNg
                              : h.r > 1.0 ? beam::Grade::ShortTermOk
                                          : beam::Grade::LongTermOk;
    require(h.grade == grade, "the verdict follows the ratio",
            [&] { return number(h.r) + ", " + where; });
    for (double v : {g.x0, g.x1, g.y0, g.y1, g.w, g.b})
        requireFinite(v, "the gauge's geometry", where);
    require(g.w > 0 && g.b >= 0 && g.b <= g.w, "the bar is no longer than the band",
            [&] { return "b " + number(g.b) + " w " + number(g.w) + ", " + where; });
    for (const beam::Drawn& d : g.background)
        checkRect(d.rect, g, "a drawn part of the gauge", where);
    checkRect(g.shapeHan4.rect, g, "ShapeHan4", where);
    checkRect(g.shapeHan1.rect, g, "ShapeHan1", where);
    if (g.shapeHan2) checkRect(g.shapeHan2->rect, g, "ShapeHan2", where);
    if (g.shapeHan3) checkRect(g.shapeHan3->rect, g, "ShapeHan3", where);
    for (const beam::GaugeLine& l : {g.lineH1, g.lineH2})
        require(std::isfinite(l.x) && l.x >= g.x0 && l.x <= g.x1 && l.y0 == g.y0 && l.y1 == g.y1,
                "a mark of the gauge stands in the band",
                [&] { return number(l.x) + ", " + where; });
    requireNumberText(h.label判定, "the verdict", where);
}

void checkOutcome(const beam::Outcome& out, const beam::Inputs& in, bool typed) {
    const std::string where = describe(in);
    const bool valid = static_cast<int>(in.structure) >= 1 && static_cast<int>(in.structure) <= 5 &&
                       in.loadCase >= 1 && in.loadCase <= 3;
    require(valid == (out.problem != beam::Problem::UnknownCase),
            "only a structure or load case out of range is unknown", where);
    eachTwin(out.old,
             [&](const std::string& t) { checkTexts(t, "an old-unit twin", typed, where); });
    require(out.old == beam::OldTaniSet(out.results ? out.results->si : in.shown),
            "the old-unit twins follow the SI fields", where);
    if (out.results) {
        const beam::ResultTexts& r = *out.results;
        eachTwin(r.si, [&](const std::string& t) { checkTexts(t, "an SI result", typed, where); });
        for (const std::string* t :
             {&r.deflections.kajutawami, &r.deflections.jtawami, &r.deflections.tawamit})
            checkTexts(*t, "a deflection", typed && out.calculated(), where);
        checkTexts(r.labelmagehikaku, "the stress ratio", false, where);
        if (r.labeltawamihikaku)
            checkTexts(*r.labeltawamihikaku, "the deflection ratio", false, where);
        if (typed && out.calculated() && out.problem == beam::Problem::None)
            require(!r.labelmagehikaku.empty(), "a typed beam shows its stress ratio", where);
    }
    if (out.quantities && typed) {
        const beam::Quantities& q = *out.quantities;
        for (double v : {q.wa, q.wbun, q.la, q.mo, q.kajumage, q.kajutawami, q.jiju, q.jmo, q.jmage,
                         q.jtawami, q.tawamiT})
            requireFinite(v, "a typed beam's quantity", where);
    }
    if (out.hantei) checkHantei(*out.hantei, where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    beam::Inputs inputs;
    inputs.structure = static_cast<beam::Structure>(in.u8() % 7);
    inputs.loadCase = in.u8() % 5;
    const std::uint8_t choices = in.u8();
    const bool typed = choices & 1;
    inputs.loadMode = choices & 2 ? beam::LoadMode::PerMetre : beam::LoadMode::Total;
    const auto unit = static_cast<beam::LoadUnit>(1 + (choices >> 3) % 3);
    if (choices & 4) {
        inputs.anchors.zaisituLeft = in.u16() % 8000;
        inputs.anchors.label100Top = in.u16() % 8000;
        inputs.anchors.magehikakuLeft = inputs.anchors.zaisituLeft + 401 + in.u16() % 8000;
    }
    if (typed) {
        inputs.loadN = beam::toNewtons(numtext::value(in.keypadText()), unit);
        inputs.spanMm = numtext::value(in.keypadText());
        inputs.l1Mm = numtext::value(in.keypadText());
        for (std::string* t :
             {&inputs.zText, &inputs.iText, &inputs.eText, &inputs.massText, &inputs.allowText})
            *t = in.keypadText();
    } else {
        inputs.loadN = in.rawDouble();
        inputs.spanMm = in.rawDouble();
        inputs.l1Mm = in.rawDouble();
        for (std::string* t :
             {&inputs.zText, &inputs.iText, &inputs.eText, &inputs.massText, &inputs.allowText})
            *t = in.text(30);
        if (choices & 32) {
            for (std::string* t : {&inputs.shown.kaju, &inputs.shown.kajumo, &inputs.shown.kajumage,
                                   &inputs.shown.jiju, &inputs.shown.jmo, &inputs.shown.jmage,
                                   &inputs.shown.kajut, &inputs.shown.mot, &inputs.shown.maget})
                *t = in.text(30);
        }
    }

    const beam::Outcome first = beam::calcDispatch(inputs);
    checkOutcome(first, inputs, typed);
    if (first.results) {
        inputs.shown = first.results->si;
        checkOutcome(beam::calcDispatch(inputs), inputs, typed);
    }
    return 0;
}
