// The size tables: comma-separated Shift_JIS (code page 932) files of seven-value records
// (shape code, size designation, unit mass, area, second moment, section modulus, radius of
// gyration), one file per material family, and the texts the size screen shows for a row.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// One value of a record as read: a number stays a number, quoted or non-numeric text stays
// text (UTF-8), and nothing between two commas is empty.
struct Field {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string text; // for numbers the characters as written

    // The number a calculation takes: the number itself, the leading number of a text, 0 for
    // an empty value.
    double value() const;
    // The field as a text box shows it unformatted: a number as plain decimal text.
    std::string display() const;
};

inline constexpr std::size_t kFieldsPerRecord = 7;
using SizeRow = std::array<Field, kFieldsPerRecord>;

// Field positions (0-based) of a record.
enum FieldIndex : std::size_t {
    kFieldShape = 0,
    kFieldDesignation = 1,
    kFieldUnitMass = 2, // not read by the screens
    kFieldArea = 3,
    kFieldSecondMoment = 4,
    kFieldModulus = 5,
    kFieldGyration = 6,
};

// A value longer than this is cut (and counted): no record of a sound file comes near it.
inline constexpr std::size_t kMaxValueBytes = 4096;
// Matching rows beyond this are not kept (and counted), so a hostile file cannot exhaust memory
// nor keep the size screen from opening at once. The longest list of a real table has 128.
inline constexpr std::size_t kMaxRows = 10000;

struct SizeTableRead {
    std::vector<SizeRow> rows;      // the records of the shape, in file order
    std::string error;              // empty when the file was read; otherwise names the file
    std::size_t records = 0;        // complete records read, of every shape
    std::size_t leftoverValues = 0; // values of a final group of fewer than seven (ignored)
    std::size_t cutValues = 0;      // values longer than kMaxValueBytes
    std::size_t droppedRows = 0;    // matching rows beyond kMaxRows

    bool ok() const { return error.empty(); }
};

// Reads every record of `in` and keeps those whose first field is the number `shapeCode`.
// Never throws; memory does not grow with the size of the input, only with the rows kept.
SizeTableRead readSizeTable(std::istream& in, int shapeCode);
SizeTableRead readSizeTable(const std::filesystem::path& file, int shapeCode);

// The file of a material's family; nullopt for a material of no family (no file is read).
std::optional<std::string_view> sizeTableFileName(int zaitype);

// The sizes the size screen lists for a material and shape, read from the first of `folders`
// that holds the family's file.
struct SizeList {
    std::optional<std::string_view> fileName; // nullopt: no file for this material
    std::filesystem::path path;               // where it was read (or looked for)
    SizeTableRead table;
};
SizeList loadSizeList(int zaitype, int shapeCode, std::span<const std::filesystem::path> folders);

// What the size screen publishes and shows for a chosen row, with the specific gravity taken
// from the text of the material screen's box.
struct SelectedSize {
    std::string danmenSize; // DanmenSize: field 2 as text
    double dmensekiv = 0, div = 0, dzv = 0, d2rv = 0;
    double djuryouv = 0;   // kg/m: area * sg * 100 / 1000
    double djuryouSIv = 0; // N/m: area * sg * 100 * 9.8 / 1000
    // The box texts: Text面積, Textjuryou, TextjuryouSI, Textdz, Textdi, TxtD2r.
    std::string textMenseki, textJuryou, textJuryouSI, textDz, textDi, txtD2r;
};
SelectedSize selectSize(const SizeRow& row, std::string_view specificGravityText);

// The mass box after its area box changed: sg * area * 100 / 1000 as "####0.00", the area
// being the leading number of its text.
std::string massTextForArea(std::string_view areaText, std::string_view specificGravityText);
// The weight box with it, sg * area * 100 * 9.8 / 1000 as "####0.00", so that mass and weight
// never disagree after the area was typed over.
std::string weightTextForArea(std::string_view areaText, std::string_view specificGravityText);

// The designation a section goes on with, so that no screen or print names a size whose
// figures it does not show: the row's own while the boxes hold the row's area, Z, I and i;
// marked "（値を変更）" once one of them was typed over; "直接入力" for properties typed in
// with no row (`listed` empty).
inline constexpr std::string_view kTypedDesignation = "直接入力";
inline constexpr std::string_view kEditedMark = "（値を変更）";
struct SectionFigures {
    std::string area, z, i, radius;
};
std::string sectionDesignation(const SelectedSize* listed, const SectionFigures& shown);
// A designation whose figures were changed after it was chosen; marks it once, and leaves
// "直接入力" as it is (typed figures are the user's own).
std::string markEdited(std::string_view designation);

// Z, I and mass as texts: as a calculation took a section over, or as it uses them now.
struct CalcFigures {
    std::string z, i, mass;
};
// The designation a calculation shows: as taken over while the Z, I and mass in use have the
// values it came with (by value: "20.0" for "20" is no edit), marked once one differs.
std::string designationInUse(std::string_view designation, const CalcFigures& taken,
                             const CalcFigures& used);

} // namespace catalog
