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

std::vector<Size> prepare(std::span<const catalog::SizeRow> rows,
                          std::string_view specificGravityText) {
    std::vector<Size> out;
    out.reserve(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const catalog::SelectedSize s = catalog::selectSize(rows[k], specificGravityText);
        Size size;
        size.shape = static_cast<int>(rows[k][catalog::kFieldShape].value());
        size.designation = s.danmenSize;
        size.mass = s.textJuryou;
        size.massValue = numtext::value(s.textJuryou);
        // The calculation screen shows Z and I with two decimals and calculates with those.
        size.z = numtext::format(numtext::value(s.textDz), "####0.00");
        size.i = numtext::format(numtext::value(s.textDi), "####0.00");
        size.source = k;
        out.push_back(std::move(size));
    }
    return out;
}

Ranking rank(const Request& request, std::span<const catalog::SizeRow> rows) {
    return rank(request, prepare(rows, request.specificGravityText));
}

Ranking rank(const Request& request, std::span<const Size> sizes) {
    Ranking out;
    std::vector<Row> rows;
    rows.reserve(sizes.size());
    beam::Inputs in = request.beam;
    in.withOldUnits = false;
    for (const Size& size : sizes) {
        in.zText = size.z;
        in.iText = size.i;
        in.massText = size.mass;
        beam::Outcome o = beam::calcDispatch(in);
        if (aboutTheBeam(o.problem)) {
            out.problem = o.problem;
            return out;
        }
        Row row(size);
        if (o.results && o.calculated()) {
            row.stress = std::move(o.results->si.maget);
            row.stressRatio = std::move(o.results->labelmagehikaku);
            row.deflection = std::move(o.results->deflections.tawamit);
            row.deflectionRatio = o.results->labeltawamihikaku.value_or("");
        }
        if (o.verdict) {
            row.verdict = std::move(o.verdict->label判定);
            row.passes = stressPasses(*o.verdict, request.term);
            if (row.passes && !deflectionPasses(row.deflectionRatio, request.deflectionLimit)) {
                row.passes = false;
                row.verdict = std::string(kDeflectionNg);
            }
        } else if (o.message) {
            row.verdict = withoutLeadingBlank(o.message->caption);
        }
        rows.push_back(std::move(row));
    }
    // Ordered by index, so that no row's texts move more than once.
    std::vector<std::size_t> order(rows.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(), [&rows](std::size_t a, std::size_t b) {
        if (rows[a].massValue != rows[b].massValue) return rows[a].massValue < rows[b].massValue;
        return rows[a].designation < rows[b].designation;
    });
    out.rows.reserve(rows.size());
    for (std::size_t k : order) {
        if (!out.lightest && rows[k].passes) out.lightest = out.rows.size();
        out.rows.push_back(std::move(rows[k]));
    }
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
