// Which size carries the beam: every size of a list checked by the calculation the calculation
// screen runs, with the size's own weight, and the sizes ranked lightest first. Each row holds
// the texts the size screen and the calculation screen would show for that size, so that a
// window, the command line and the calculation screen never disagree by a rounding.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "beam/dispatch.hpp"
#include "catalog/size_table.hpp"

namespace choose {

// What "passes" means: 長期 OK only, or 長期 OK or 短期 OK.
enum class Term { Long, Short };

// The deflection limits offered beside a typed n (the limit is 1/n of the span).
inline constexpr int kOfferedDeflectionLimits[] = {250, 300, 360};

struct Request {
    // The beam as the calculation screen holds it: structure, load case, load (N, total or
    // per metre), span, L1, and the texts of E and the allowable stress. Its section texts
    // are replaced by each size's own.
    beam::Inputs beam;
    std::string specificGravityText; // the material's box: the mass of a size follows from it
                                     // (read by the overload that prepares the sizes)
    Term term = Term::Long;
    // A size whose total deflection ratio, as shown, is worse than 1/n fails; none: the
    // deflection is not judged, as the calculation screen does not judge it.
    std::optional<int> deflectionLimit;
};

inline constexpr std::string_view kDeflectionNg = "たわみ NG";

// A size of the list with the texts that depend on the size and the material alone, worked out
// once for every ranking of the list (each keystroke of the calculation is one).
struct Size {
    int shape = 0;
    std::string designation; // DanmenSize
    std::string mass;        // Textjuryou of the size screen, kg/m
    std::string z, i;        // Textdz, Textdi as the calculation screen takes them over
    double massValue = 0;    // the number the mass text shows, for the order
    std::size_t source = 0;  // the size's place in the list given
};

// A size as the ranking judged it.
struct Row : Size {
    Row() = default;
    explicit Row(const Size& size) : Size(size) {}

    std::string stress;          // Textmaget, N/mm2
    std::string stressRatio;     // Labelmagehikaku
    std::string deflection;      // Texttawamit, mm
    std::string deflectionRatio; // Labeltawamihikaku ("" when the size does not deflect)
    // Label判定, "たわみ NG" when the deflection limit fails a size whose stress passes, or
    // the calculation screen's message where the size's own figures cannot be calculated.
    std::string verdict;
    bool passes = false;
};

struct Ranking {
    // Lightest first; sizes of equal mass by designation.
    std::vector<Row> rows;
    // The first passing row, if any.
    std::optional<std::size_t> lightest;
    // Set when the beam or material gives no result whatever the size (a load, span or L1
    // missing, L1 beyond the span, E or the allowable stress unusable); rows is then empty.
    beam::Problem problem = beam::Problem::None;

    bool ranked() const { return problem == beam::Problem::None; }
};

std::vector<Size> prepare(std::span<const catalog::SizeRow> rows,
                          std::string_view specificGravityText);

Ranking rank(const Request& request, std::span<const Size> sizes);
// The same for a list not prepared yet, with the request's specific gravity.
Ranking rank(const Request& request, std::span<const catalog::SizeRow> rows);

// The columns of a ranking as the window and `hari choose --format table` show them.
enum class Column {
    Shape,
    Designation,
    Mass,
    Z,
    I,
    Stress,
    StressRatio,
    Deflection,
    DeflectionRatio,
    Verdict
};
inline constexpr std::size_t kColumns = 10;
inline constexpr std::array<std::string_view, kColumns> kColumnTitles = {
    "形状",        "サイズ", "質量(kg/m)", "Z(cm3)",   "I(cm4)",
    "応力(N/mm2)", "応力比", "たわみ(mm)", "たわみ比", "判定"};
// A row's cells in that order; the shape by its name for the material's family.
std::array<std::string, kColumns> cells(const Row& row, int zaitype);
// What a column sorts by: the figure a number cell shows, a deflection ratio "1/N" by N
// (larger is stiffer; no deflection at all the stiffest), text by itself.
struct SortKey {
    double number = 0;
    std::string text;
    bool operator<(const SortKey& o) const {
        return number != o.number ? number < o.number : text < o.text;
    }
};
SortKey sortKey(const Row& row, Column column);

// The caption above the table: "最も軽い長期 OK: H-… (… kg/m)", or what passed nothing.
std::string lightestCaption(const Ranking& ranking, Term term);

} // namespace choose
