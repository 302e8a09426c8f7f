// Load units and the old kg-based display: every beam figure is computed in N, mm, N·m and
// N/mm²; the old units are derived afterwards from the SI texts as they are displayed.
#pragma once

#include <string>
#include <string_view>

namespace beam {

// Kilograms and newtons, everywhere: 9.8 exactly, not 9.80665.
inline constexpr double kGravity = 9.8;

// The load unit of the option buttons (MaeFlgKajutani keeps the last one chosen).
enum class LoadUnit { N = 1, kN = 2, kg = 3 };

// How the typed load is meant in the distributed cases (Pw).
enum class LoadMode { Total = 1, PerMetre = 2 };

// The unit text `kajutan` of a load unit: "N", "kN" or "kg".
std::string_view kajutan(LoadUnit unit);

// WN from Ww: the typed load in newtons (N/m when the load is per metre).
double toNewtons(double typed, LoadUnit unit);

// The nine result fields that have an old-unit twin, one text per field, named after the
// SI control (`Textkaju` ... `Textmaget`); the same struct holds the twins (`TextkajuOld` ...).
struct TwinTexts {
    std::string kaju;     // load, N / kg
    std::string kajumo;   // moment from the load, N·m / kg·cm
    std::string kajumage; // stress from the load, N/mm² / kg/cm²
    std::string jiju;     // self weight
    std::string jmo;      // moment from the self weight
    std::string jmage;    // stress from the self weight
    std::string kajut;    // total load
    std::string mot;      // total moment
    std::string maget;    // total stress

    bool operator==(const TwinTexts&) const = default;
};

// Display patterns of the result fields.
inline constexpr std::string_view kMomentPattern = "#########0";
inline constexpr std::string_view kTotalMomentPattern = "########0";
inline constexpr std::string_view kOneDecimalPattern = "####0.0";

// The old-unit twins, each from the numeric value of its SI field's displayed text:
// forces ÷ 9.8 (kg), moments and stresses ÷ 9.8 × 100 (kg·cm, kg/cm²).
TwinTexts OldTaniSet(const TwinTexts& si);

// The zeros that the SI result fields show before anything is calculated ("0" and "0.0").
TwinTexts KekkaZero();

} // namespace beam
