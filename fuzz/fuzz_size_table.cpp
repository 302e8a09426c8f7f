// The size-table reader and the size screen's texts: the first byte is the shape code to look
// for, the second says how the specific gravity is given (a text of any bytes, or one the
// keypad can type), then comes that text, and the rest of the bytes are the file, in whatever
// encoding they happen to be.
#include "check.hpp"

#include "catalog/size_table.hpp"
#include "common/numtext.hpp"
#include "common/shape_codes.hpp"

#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>

namespace {

using fuzz::escaped;
using fuzz::number;
using fuzz::require;
using fuzz::requireFinite;
using fuzz::requireNumberText;

// The codes of the size tables and of the screens, and a few that name no shape.
int shapeCodeOf(std::uint8_t b) {
    constexpr std::array<int, 8> others = {
        shape::kOther, shape::kDirectEntry, 0, -1, 100, 255, 1000, -88};
    return b < 224 ? b % 32 : others[b % others.size()];
}

void checkField(const catalog::Field& f, const std::string& where) {
    requireFinite(f.value(), "a field's value is finite", where);
    if (f.kind == catalog::Field::Kind::Number) {
        requireFinite(f.number, "a number field is finite", where);
        requireNumberText(f.display(), "a number field's display", where);
        require(f.value() == f.number, "a number field's value is its number", where);
    }
    if (f.kind == catalog::Field::Kind::Empty)
        require(f.value() == 0 && f.display().empty(), "an empty field reads as 0", where);
}

void checkSelected(const catalog::SizeRow& row, const std::string& sg, bool typedSg) {
    const catalog::SelectedSize s = catalog::selectSize(row, sg);
    const std::string where =
        "sg " + escaped(sg) + ", area " + escaped(row[catalog::kFieldArea].text);
    for (double v : {s.dmensekiv, s.div, s.dzv, s.d2rv})
        requireFinite(v, "a selected size's value", where);
    for (const std::string* t : {&s.textJuryou, &s.textJuryouSI})
        requireNumberText(*t, "a selected size's mass text", where);
    // A value box shows a number field as a number; a text field shows the file's own text.
    const std::pair<const std::string*, catalog::FieldIndex> boxes[] = {
        {&s.textMenseki, catalog::kFieldArea},
        {&s.textDi, catalog::kFieldSecondMoment},
        {&s.textDz, catalog::kFieldModulus},
        {&s.txtD2r, catalog::kFieldGyration}};
    for (const auto& [text, field] : boxes)
        if (row[field].kind == catalog::Field::Kind::Number)
            requireNumberText(*text, "a selected size's value box", where);
    // A mass box shows the mass or, when it leaves the range of numbers, nothing; never a
    // figure that is not the mass.
    const std::pair<const std::string*, double> masses[] = {{&s.textJuryou, s.djuryouv},
                                                            {&s.textJuryouSI, s.djuryouSIv}};
    for (const auto& mass : masses) {
        const std::string* text = mass.first; // clang 14 cannot capture a structured binding
        const double v = mass.second;
        const auto detail = [&] { return escaped(*text) + " for " + number(v) + ", " + where; };
        if (!std::isfinite(v)) {
            require(text->empty(), "a mass out of range shows nothing", detail);
        } else {
            const double back = numtext::value(*text);
            require(std::fabs(back - v) <= 0.0051 + std::fabs(v) * 1e-14,
                    "a mass box shows the mass", detail);
        }
    }
    // A specific gravity that can be typed and an area of a size that exists give a mass.
    if (typedSg && std::fabs(s.dmensekiv) < 1e15) {
        requireFinite(s.djuryouv, "the mass of a selected size", where);
        requireFinite(s.djuryouSIv, "the weight of a selected size", where);
    }

    // The boxes after the area box was typed over, here with the texts the size screen shows.
    for (const std::string& area : {s.textMenseki, row[catalog::kFieldDesignation].text}) {
        const std::string mass = catalog::massTextForArea(area, sg);
        const std::string weight = catalog::weightTextForArea(area, sg);
        const auto detail = [&] {
            return escaped(area) + ", " + escaped(sg) + ": " + escaped(mass) + ", " +
                   escaped(weight);
        };
        requireNumberText(mass, "massTextForArea", detail());
        requireNumberText(weight, "weightTextForArea", detail());
        // The same figures as the boxes of a selected size with that area, where the area box
        // holds the area exactly (more than 15 digits are cut from its text).
        if (area == s.textMenseki && numtext::value(area) == s.dmensekiv &&
            row[catalog::kFieldArea].kind != catalog::Field::Kind::Empty) {
            require(mass == s.textJuryou, "massTextForArea agrees with selectSize", detail);
            require(weight == s.textJuryouSI, "weightTextForArea agrees with selectSize", detail);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const int code = shapeCodeOf(in.u8());
    const bool typedSg = in.u8() % 2 == 1;
    const std::string sg = typedSg ? in.keypadText() : in.text(20);
    std::istringstream file(std::string(in.rest()));

    const catalog::SizeTableRead t = catalog::readSizeTable(file, code);
    require(t.ok(), "a stream in memory reads without error", t.error);
    require(t.rows.size() <= catalog::kMaxRows, "no more rows are kept than kMaxRows");
    require(t.rows.size() + t.droppedRows <= t.records, "rows are records");
    require(t.leftoverValues < catalog::kFieldsPerRecord, "leftover values are a part record");
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const catalog::SizeRow& row = t.rows[r];
        require(row[catalog::kFieldShape].kind == catalog::Field::Kind::Number &&
                    row[catalog::kFieldShape].number == code,
                "a kept row is of the shape asked for",
                [&] { return "code " + std::to_string(code) + ", row " + number(row[0].number); });
        for (std::size_t i = 0; i < catalog::kFieldsPerRecord; ++i) {
            checkField(row[i], "row " + std::to_string(r) + " field " + std::to_string(i));
            require(row[i].text.size() <= 3 * catalog::kMaxValueBytes,
                    "a value is cut at kMaxValueBytes");
        }
        checkSelected(row, sg, typedSg);
    }
    return 0;
}
