#include "choose/ranking.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "catalog/shapes.hpp"

#include "common/numtext.hpp"

namespace choose {

namespace {

// Problems that no size can mend: the ranking stops at them.
bool aboutTheBeam(beam::Problem p) {
    using enum beam::Problem;
    return p == UnknownCase || p == LoadNotPositive || p == SpanNotPositive || p == L1NotPositive ||
           p == L1TooLarge || p == BadE || p == BadAllowable;
}

std::string withoutLeadingBlank(std::string_view text) {
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return std::string(text);
}

bool stressPasses(const beam::Hantei& h, Term term) {
    return h.grade == beam::Grade::LongTermOk ||
           (term == Term::Short && h.grade == beam::Grade::ShortTermOk);
}

// The shown ratio "1/N" is worse than 1/n when N < n. The figure read is the one shown, so
// that a size shown at "1/250" never fails a limit of 1/250.
bool deflectionPasses(const std::string& ratioText, std::optional<int> limit) {
    if (!limit || ratioText.empty()) return true; // no limit, or no deflection at all
    return numtext::value(std::string_view(ratioText).substr(2)) >= *limit;
}

} // namespace

Ranking rank(const Request& request, std::span<const catalog::SizeRow> sizes) {
    Ranking out;
    out.rows.reserve(sizes.size());
    beam::Inputs in = request.beam;
    for (std::size_t k = 0; k < sizes.size(); ++k) {
        const catalog::SizeRow& size = sizes[k];
        const catalog::SelectedSize s = catalog::selectSize(size, request.specificGravityText);
        Row row;
        row.shape = static_cast<int>(size[catalog::kFieldShape].value());
        row.designation = s.danmenSize;
        row.mass = s.textJuryou;
        row.massValue = numtext::value(s.textJuryou);
        row.source = k;
        // The calculation screen shows Z and I with two decimals and calculates with those.
        row.z = numtext::format(numtext::value(s.textDz), "####0.00");
        row.i = numtext::format(numtext::value(s.textDi), "####0.00");
        in.zText = row.z;
        in.iText = row.i;
        in.massText = s.textJuryou;

        const beam::Outcome o = beam::calcDispatch(in);
        if (aboutTheBeam(o.problem)) {
            out.rows.clear();
            out.problem = o.problem;
            return out;
        }
        if (o.results && o.calculated()) {
            row.stress = o.results->si.maget;
            row.stressRatio = o.results->labelmagehikaku;
            row.deflection = o.results->deflections.tawamit;
            row.deflectionRatio = o.results->labeltawamihikaku.value_or("");
        }
        if (o.verdict) {
            row.verdict = o.verdict->label判定;
            row.passes = stressPasses(*o.verdict, request.term);
            if (row.passes && !deflectionPasses(row.deflectionRatio, request.deflectionLimit)) {
                row.passes = false;
                row.verdict = std::string(kDeflectionNg);
            }
        } else if (o.message) {
            row.verdict = withoutLeadingBlank(o.message->caption);
        }
        out.rows.push_back(std::move(row));
    }
    std::stable_sort(out.rows.begin(), out.rows.end(), [](const Row& a, const Row& b) {
        if (a.massValue != b.massValue) return a.massValue < b.massValue;
        return a.designation < b.designation;
    });
    const auto first =
        std::find_if(out.rows.begin(), out.rows.end(), [](const Row& r) { return r.passes; });
    if (first != out.rows.end()) out.lightest = static_cast<std::size_t>(first - out.rows.begin());
    return out;
}

std::array<std::string, kColumns> cells(const Row& r, int zaitype) {
    return {catalog::familyShapeName(r.shape, zaitype),
            r.designation,
            r.mass,
            r.z,
            r.i,
            r.stress,
            r.stressRatio,
            r.deflection,
            r.deflectionRatio,
            r.verdict};
}

SortKey sortKey(const Row& r, Column column) {
    const auto n = [](const std::string& t) { return numtext::value(t); };
    switch (column) {
    case Column::Shape:
        return {static_cast<double>(r.shape), {}};
    case Column::Designation:
        return {0, r.designation};
    case Column::Mass:
        return {r.massValue, r.designation};
    case Column::Z:
        return {n(r.z), {}};
    case Column::I:
        return {n(r.i), {}};
    case Column::Stress:
        return {n(r.stress), {}};
    case Column::StressRatio:
        return {n(r.stressRatio), {}};
    case Column::Deflection:
        return {n(r.deflection), {}};
    case Column::DeflectionRatio:
        return {r.deflectionRatio.size() > 2 ? n(r.deflectionRatio.substr(2))
                                             : std::numeric_limits<double>::infinity(),
                {}};
    case Column::Verdict:
        break;
    }
    return {0, r.verdict};
}

std::string lightestCaption(const Ranking& ranking, Term term) {
    const std::string okName = term == Term::Long ? "長期 OK" : "短期 OK";
    if (!ranking.ranked()) {
        const std::string message = withoutLeadingBlank(beam::problemMessage(ranking.problem));
        return message.empty() ? "荷重と長さを入力して下さい。" : message;
    }
    if (!ranking.lightest) return okName + " のサイズはありません。";
    const Row& r = ranking.rows[*ranking.lightest];
    return "最も軽い" + okName + ": " + r.designation + " (" + withoutLeadingBlank(r.mass) +
           " kg/m)";
}

} // namespace choose
