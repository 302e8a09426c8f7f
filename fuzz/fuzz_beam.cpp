// calcDispatch of the calculation screen: structure and load case from the first two bytes
// (every one, and codes out of range), then a byte of choices: numbers as raw doubles and
// texts of any bytes, or everything as the keypad types it; the load per metre or in total;
// the load unit; what the result fields showed before. Each input is dispatched twice, the
// second time over the results of the first, as the screen does on the next keystroke.
#include "check.hpp"

#include "beam/dispatch.hpp"
#include "common/numtext.hpp"

#include <cmath>
#include <string>

namespace {

using fuzz::escaped;
using fuzz::number;
using fuzz::require;
using fuzz::requireFinite;
using fuzz::requireNumberText;

std::string describe(const beam::Inputs& in) {
    return "structure " + std::to_string(static_cast<int>(in.structure)) + " case " +
           std::to_string(static_cast<int>(in.loadCase)) + " mode " + std::to_string(static_cast<int>(in.loadMode)) +
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

void checkHantei(const beam::Hantei& h, const std::string& where) {
    // The ratio may be infinite (a stress of 1e160 over an allowable stress of 1e-306): that
    // is still a ratio beyond 150 %. The gauge has to be drawn, so its bar is a finite part
    // of its band.
    require(!std::isnan(h.r) && h.r >= 0, "the stress ratio is a number", where);
    const beam::Grade grade = h.r > 1.5   ? beam::Grade::ShortTermNg
                              : h.r > 1.0 ? beam::Grade::ShortTermOk
                                          : beam::Grade::LongTermOk;
    require(h.grade == grade, "the verdict follows the ratio",
            [&] { return number(h.r) + ", " + where; });
    require(std::isfinite(h.bar) && h.bar >= 0 && h.bar <= 1, "the bar fills at most its band",
            [&] { return "bar " + number(h.bar) + ", " + where; });
    requireNumberText(h.label判定, "the verdict", where);
}

void checkOutcome(const beam::Outcome& out, const beam::Inputs& in, bool typed) {
    const std::string where = describe(in);
    const bool valid = static_cast<int>(in.structure) >= 1 && static_cast<int>(in.structure) <= 5 &&
                       static_cast<int>(in.loadCase) >= 1 && static_cast<int>(in.loadCase) <= 3;
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
    if (out.verdict) checkHantei(*out.verdict, where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    beam::Inputs inputs;
    inputs.structure = static_cast<beam::Structure>(in.u8() % 7);
    inputs.loadCase = static_cast<beam::LoadCase>(in.u8() % 5);
    const std::uint8_t choices = in.u8();
    const bool typed = choices & 1;
    inputs.loadMode = choices & 2 ? beam::LoadMode::PerMetre : beam::LoadMode::Total;
    const auto unit = static_cast<beam::LoadUnit>(1 + (choices >> 3) % 3);
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
