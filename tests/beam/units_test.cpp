#include "beam/units.hpp"

#include <gtest/gtest.h>

namespace {

TEST(LoadUnits, ConvertTheTypedLoadToNewtonsWithExactlyNinePointEight) {
    struct Row {
        double typed;
        beam::LoadUnit unit;
        double newtons;
        const char* text;
    };
    for (const Row& r : {Row{7, beam::LoadUnit::N, 7, "N"}, Row{0.5, beam::LoadUnit::kN, 500, "kN"},
                         Row{10, beam::LoadUnit::kg, 98, "kg"}}) {
        EXPECT_DOUBLE_EQ(beam::toNewtons(r.typed, r.unit), r.newtons) << r.text;
        EXPECT_EQ(beam::kajutan(r.unit), r.text);
    }
}

TEST(OldUnits, FollowTheDisplayedSiTexts) {
    beam::TwinTexts si;
    si.kaju = "19.6";    // 19.6 / 9.8 = 2 kg
    si.kajumo = "98";    // 98 / 9.8 × 100 = 1000 kg·cm
    si.kajumage = "9.8"; // 9.8 / 9.8 × 100 = 100 kg/cm²
    si.jiju = "12.3";    // 1.255 kg
    si.jmo = "6";        // 61.22 kg·cm
    si.jmage = "0.6";    // 6.122 kg/cm²
    si.kajut = "1012.3"; // 103.296 kg
    si.mot = "1006";     // 10265.31 kg·cm
    si.maget = "100.6";  // 1026.53 kg/cm²
    const beam::TwinTexts old = beam::OldTaniSet(si);
    EXPECT_EQ(old.kaju, "2.0");
    EXPECT_EQ(old.kajumo, "1000");
    EXPECT_EQ(old.kajumage, "100.0");
    EXPECT_EQ(old.jiju, "1.3");
    EXPECT_EQ(old.jmo, "61");
    EXPECT_EQ(old.jmage, "6.1");
    EXPECT_EQ(old.kajut, "103.3");
    EXPECT_EQ(old.mot, "10265");
    EXPECT_EQ(old.maget, "1026.5");

    // Empty fields read as 0.
    const beam::TwinTexts fromEmpty = beam::OldTaniSet(beam::TwinTexts{});
    EXPECT_EQ(fromEmpty.kaju, "0.0");
    EXPECT_EQ(fromEmpty.mot, "0");
}

TEST(OldUnits, KekkaZeroShowsZerosInEveryFormat) {
    const beam::TwinTexts z = beam::KekkaZero();
    for (const std::string* t : {&z.kajumo, &z.jmo, &z.mot})
        EXPECT_EQ(*t, "0");
    for (const std::string* t : {&z.kaju, &z.kajumage, &z.jiju, &z.jmage, &z.kajut, &z.maget})
        EXPECT_EQ(*t, "0.0");
}

} // namespace
