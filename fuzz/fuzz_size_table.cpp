// The size-table reader and the size screen's texts: the first byte is the shape code to look
// for, the second says how the specific gravity is given (a text of any bytes, or one the
// keypad can type), then comes that text, and the rest of the bytes are the file, in whatever
// encoding they happen to be.
#include "check.hpp"

#include "catalog/size_table.hpp"
#include "common/shape_codes.hpp"

#include <array>
#include <sstream>
#include <string>
#include <utility>

namespace {

using fuzz::number;
using fuzz::quoted;
using fuzz::require;
using fuzz::requireFinite;
using fuzz::requireNumberText;

// The codes of the size tables and of the screens, and a few that name no shape.
int shapeCodeOf(std::uint8_t b) {
    constexpr std::array<int, 8> others = {shape::kOther, shape::kDirectEntry, 0, -1, 100, 255,
                                           1000, -88};
    return b < 224 ? b % 32 : others[b % others.size()];
}

void checkField(const catalog::Field& f, const std::string& where) {
    requireFinite(f.value(), "a field's value is finite: " + where);
    if (f.kind == catalog::Field::Kind::Number) {
        requireFinite(f.number, "a number field is finite: " + where);
        requireNumberText(f.display(), "a number field's display: " + where);
        require(f.value() == f.number, "a number field's value is its number", where);
    }
    if (f.kind == catalog::Field::Kind::Empty)
        require(f.value() == 0 && f.display().empty(), "an empty field reads as 0", where);
}

void checkSelected(const catalog::SizeRow& row, const std::string& sg, bool typedSg) {
    const catalog::SelectedSize s = catalog::selectSize(row, sg);
    const std::string where = "sg " + quoted(sg) + ", area " + quoted(row[catalog::kFieldArea].text);
    for (double v : {s.dmensekiv, s.div, s.dzv, s.d2rv})
        requireFinite(v, "a selected size's value: " + where);
    for (const std::string* t : {&s.textJuryou, &s.textJuryouSI})
        requireNumberText(*t, "a selected size's mass text: " + where);
    // A value box shows a number field as a number; a text field shows the file's own text.
    const std::pair<const std::string*, catalog::FieldIndex> boxes[] = {
        {&s.textMenseki, catalog::kFieldArea},
        {&s.textDi, catalog::kFieldSecondMoment},
        {&s.textDz, catalog::kFieldModulus},
        {&s.txtD2r, catalog::kFieldGyration}};
    for (const auto& [text, field] : boxes)
        if (row[field].kind == catalog::Field::Kind::Number)
            requireNumberText(*text, "a selected size's value box: " + where);
    if (typedSg) {
        // A specific gravity that can be typed and an area that is a number give a mass.
        requireFinite(s.djuryouv, "the mass of a selected size: " + where);
        requireFinite(s.djuryouSIv, "the weight of a selected size: " + where);
        require(!s.textJuryou.empty() && !s.textJuryouSI.empty(),
                "a selected size shows its mass and weight", where);
    }

    // The boxes after the area box was typed over, here with the texts the size screen shows.
    for (const std::string& area : {s.textMenseki, row[catalog::kFieldDesignation].text}) {
        const std::string mass = catalog::massTextForArea(area, sg);
        const std::string weight = catalog::weightTextForArea(area, sg);
        requireNumberText(mass, "massTextForArea(" + quoted(area) + ", " + quoted(sg) + ")");
        requireNumberText(weight, "weightTextForArea(" + quoted(area) + ", " + quoted(sg) + ")");
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
                "code " + std::to_string(code) + ", row " + number(row[0].number));
        for (std::size_t i = 0; i < catalog::kFieldsPerRecord; ++i) {
            checkField(row[i], "row " + std::to_string(r) + " field " + std::to_string(i) + " " +
                                   quoted(row[i].text));
            require(row[i].text.size() <= 3 * catalog::kMaxValueBytes,
                    "a value is cut at kMaxValueBytes");
        }
        checkSelected(row, sg, typedSg);
    }
    return 0;
}
