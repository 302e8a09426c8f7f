// A check as a document: everything needed to walk the wizard's road again (the road, the
// structure and load case, the material, the shape and section, the inputs as typed), saved
// as a small UTF-8 JSON file "*.hari" and read back. Results are not kept: they are worked out
// again when the check is opened. docs/file-format.md describes the file.
//
// Reading trusts nothing: a file that is not JSON, not a check, of a newer version, too large,
// with a missing or ill-typed value, a number that is not a positive finite one or a code
// that does not exist is refused with a Japanese message naming the file and what is wrong.
// Writing never leaves a file that reading would refuse, and never a half-written one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "beam/dispatch.hpp"
#include "beam/units.hpp"
#include "section/calc.hpp"

namespace check {

inline constexpr std::string_view kFormat = "hari-check";
inline constexpr int kVersion = 1;
inline constexpr std::size_t kMaxFileBytes = 1024 * 1024;
inline constexpr std::string_view kExtension = ".hari";
// Texts the user types: names (件名, 部材名, a typed material) and the input fields.
inline constexpr std::size_t kMaxNameChars = 1000;
inline constexpr std::size_t kMaxInputChars = 200;

enum class Road { BeamCalculation, SectionProperties };

// Which of the twin fields the calculation screen shows.
enum class DisplayUnits { SI, Old };

enum class SectionSource {
    Table,      // a size of the size table, by its designation
    Calculator, // worked out by the section calculator from the shape's dimensions
    Typed,      // the properties typed in (直接入力)
};

// Numbers are kept as the text they are written with in the file (a JSON number such as
// "12.50"), so that a value comes back as it was typed.

struct Material {
    int entry = 1;      // the material list's number 1..14; a typed material keeps the one
                        // it was typed over
    bool typed = false; // direct entry: `name` and the values are the user's
    std::string name;   // the typed name (direct entry only)
    // The five value boxes: allowable bending, compression and shear (N/mm2), Young's
    // modulus (N/mm2), specific gravity.
    std::string kmage, kashuku, ksendan, yang, hiju;
    bool operator==(const Material&) const = default;
};

struct Section {
    SectionSource source = SectionSource::Table;
    int shape = 1;    // the shape code (`danmentype`)
    std::string size; // Table: the designation of the row
    // Table and Typed: area cm2, mass kg/m, Z cm3, I cm4, radius of gyration cm. For a table
    // size they are the figures of its row when saved, used should the table lose the size.
    std::string area, mass, z, i, radius;
    std::vector<std::string> dims; // Calculator: the shape's dimensions in mm, in field order
    bool operator==(const Section&) const = default;
};

// The calculation screen's inputs as they stand.
struct Inputs {
    std::string load, span, l1; // as typed (any text: the screen reads their leading number)
    beam::LoadUnit unit = beam::LoadUnit::N;
    beam::LoadMode mode = beam::LoadMode::Total;
    DisplayUnits display = DisplayUnits::SI;
    // The section and material boxes as shown (the user may type over them): Z, I, Young's
    // modulus, mass and allowable bending stress.
    std::string z, i, e, mass, allow;
    bool operator==(const Inputs&) const = default;
};

struct Check {
    Road road = Road::BeamCalculation;
    // Beam road only.
    beam::Structure structure = beam::Structure::Cantilever;
    beam::LoadCase loadCase = beam::LoadCase::Case1;
    Material material;
    Section section;
    Inputs inputs; // beam road only
    std::string title, member; // 件名, 部材名
    std::string program;       // the program that wrote the file, e.g. "hari 5.3.3"
    bool operator==(const Check&) const = default;
};

// The calculation of a beam-road check, as the calculation screen makes it from its fields.
beam::Inputs beamInputs(beam::Structure structure, beam::LoadCase loadCase, const Inputs& typed);
beam::Inputs beamInputs(const Check& c);
// The section calculator's input for a calculator section: the shape, the dimensions in their
// fields, the specific gravity of the material.
section::Inputs sectionInputs(const Check& c);

// "hari <version>" of this build.
std::string programName();

// A positive number as a file keeps it: the text itself when it is already a JSON number
// (blanks around it aside), otherwise the shortest text of the number it holds; none when it
// holds no positive finite number.
std::optional<std::string> numberText(std::string_view text);

// Why a file was refused: one Japanese sentence or two, naming the file.
struct Refusal {
    std::string message;
};

// Reads the bytes of a file called `fileName` (the name only goes into the messages).
std::variant<Check, Refusal> parse(std::string_view bytes, std::string_view fileName);
// Reads a file from disk.
std::variant<Check, Refusal> readFile(const std::filesystem::path& path);

// The text of a file, or a refusal when the check holds something reading would refuse.
std::variant<std::string, Refusal> toJson(const Check& c, std::string_view fileName);

// Writes the check atomically: a temporary file in the same folder, flushed to the disk and
// renamed over `path`, so that an interrupted save leaves the earlier file whole. The message
// of a failure names the file and why ("ディスクに空きがありません").
std::optional<Refusal> writeFile(const std::filesystem::path& path, const Check& c);
// The same for a text already made.
std::optional<Refusal> writeText(const std::filesystem::path& path, std::string_view text);

} // namespace check
