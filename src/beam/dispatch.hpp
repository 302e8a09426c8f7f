// What one change of an input on the calculation screen computes. The screen turns its fields
// into Inputs, calls calcDispatch and applies the Outcome to its controls:
//   results       -> the SI result fields, the deflection fields and the two ratio captions
//                    (nullopt: keep what is shown; zeros and empty texts when the section
//                    values are unsound)
//   old           -> the old-unit twins, always (OldTaniSet runs after every dispatch)
//   message       -> `Labelinphantei` (nullopt: leave it)
//   clearVerdict  -> call HanteiClear, before applying the verdict
//   verdict       -> HanteiShow's verdict and the filling of its gauge (nullopt: leave what
//                    is shown)
//   momentPositive-> make the moment-picture area `ImgiNpM` visible (it is never hidden here)
//   formula       -> the caption of `Label式` (nullopt: keep it); `Label式` is made visible always
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "beam/judgement.hpp"
#include "beam/routines.hpp"
#include "beam/units.hpp"

namespace beam {

// The beam structure; the values are the codes `hari` of the structure screen.
enum class Structure {
    Cantilever = 1,
    VerticalCantilever = 2,
    SimplySupported = 3,
    FixedBothEnds = 4,
    PinnedFixed = 5,
};

// Load cases, the code `haritype`. Cantilevers: a point load at the free end, a uniform load
// over the whole length, a uniform load over L1 at the free end. Beams on two supports: a point
// load at mid-span, a point load at L1 from the left end, a uniform load over the span.
enum class LoadCase {
    Case1 = 1,
    Case2 = 2,
    Case3 = 3,
};

// Every structure and every load case, in the order of their codes.
inline constexpr Structure kStructures[] = {Structure::Cantilever, Structure::VerticalCantilever,
                                            Structure::SimplySupported, Structure::FixedBothEnds,
                                            Structure::PinnedFixed};
inline constexpr LoadCase kLoadCases[] = {LoadCase::Case1, LoadCase::Case2, LoadCase::Case3};

// Whether the case reads L1 (`TextHEN3`).
bool usesL1(Structure structure, LoadCase loadCase);
// Whether the load may be entered per metre (`CmdP` / `Cmdw`).
bool isDistributed(Structure structure, LoadCase loadCase);

struct Inputs {
    Structure structure = Structure::Cantilever;
    LoadCase loadCase = LoadCase::Case1;
    LoadMode loadMode = LoadMode::Total; // ignored for point loads
    double loadN = 0;                    // WN: the load in N (N/m per metre), see toNewtons
    double spanMm = 0;                   // LA
    double l1Mm = 0;                     // HEN3
    // The texts of `Textdz` (cm³), `Textdi` (cm⁴), `Textyang` (N/mm²), `Textjuryou` (kg/m)
    // and `Textkmage` (N/mm²).
    std::string zText, iText, eText, massText, allowText;
    // What the SI result fields show before this dispatch; the old-unit twins follow them when
    // nothing is calculated.
    TwinTexts shown = KekkaZero();
};

// Why a dispatch calculated nothing, or what it could not judge.
enum class Problem {
    None,
    UnknownCase,     // structure or load case out of range: silent
    LoadNotPositive, // incomplete input: silent, results stay
    SpanNotPositive, // silent
    L1NotPositive,   // silent
    L1TooLarge,      // " L1 が大きすぎます。", verdict cleared, results stay
    BadZ,            // section values: message, verdict cleared, results zeroed
    BadI,
    BadE,
    NegativeMass,
    BadAllowable, // results shown, but no ratio, verdict or gauge; message
    TooLarge,     // a load or result beyond the numbers: message, verdict cleared, results zeroed
};

// The caption of `Labelinphantei` for a problem that has one ("" for the silent ones).
std::string_view problemMessage(Problem problem);

// The message of `Labelinphantei`: a problem of the input, or hidden.
struct Message {
    std::string caption;
    bool visible = false;
};

struct Outcome {
    Problem problem = Problem::None;
    std::optional<Quantities> quantities; // the calculation variables, when a routine ran
    std::optional<ResultTexts> results;
    TwinTexts old;
    std::optional<Message> message;
    bool clearVerdict = false;
    std::optional<Hantei> verdict;
    bool momentPositive = false;
    std::optional<std::string> formula;

    bool calculated() const { return quantities.has_value(); }
};

Outcome calcDispatch(const Inputs& in);

// The caption of `Label式` for a structure and load case ("" when there is none).
std::string_view formulaCaption(Structure structure, LoadCase loadCase);

} // namespace beam
