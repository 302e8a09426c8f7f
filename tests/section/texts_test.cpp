// The result texts, the size designation and the centroid note, including numbers far outside
// what anybody types.
#include "section/calc.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <random>
#include <string>

namespace {

using section::ResultField;
using namespace section::code;

TEST(SectionTexts, RoundPipeOfTheWorkedExample) {
    // d = 54.1; D² − d² = 3660.25 − 2926.81 = 733.44; × 3.141592 / 4 = 576.042 mm² = 5.76 cm²;
    // × 7.85 / 10 = 4.522 kg/m; × 9.8 = 44.315 N/m; D / 2 = 30.25 mm = 3.025 cm -> 3.03.
    const auto out = section::calc01({kRoundPipe, {60.5, 3.2}, 7.85});
    ASSERT_EQ(out.status, section::Status::Computed);
    const auto& d = *out.display;
    EXPECT_EQ(d.text(ResultField::Menseki), "5.76");
    EXPECT_EQ(d.text(ResultField::Zaijuryou), "4.52");
    EXPECT_EQ(d.text(ResultField::ZaijuryouSI), "44.31");
    EXPECT_EQ(d.text(ResultField::Div), "23.72");
    EXPECT_EQ(d.text(ResultField::Dzv), "7.84");
    EXPECT_EQ(d.text(ResultField::D2rv), "2.03");
    EXPECT_EQ(d.text(ResultField::E3), "3.03");
    EXPECT_EQ(d.text(ResultField::E4), "3.03");
    EXPECT_EQ(d.fields[0].control, "Text面積");
    EXPECT_EQ(d.fields[5].control, "TxtD2r");
    EXPECT_EQ(out.designation, "φ  60.5× t 3.2");
    EXPECT_FALSE(out.bikou);
    EXPECT_FALSE(out.beep);
    EXPECT_EQ(out.flgDSize, 0);
}

TEST(SectionTexts, AngleOfTheWorkedExampleWithItsCentroidNote) {
    // Area 40·5 + 35·5 = 375 mm²; yc = (1600·5 + 25·35) / 2 / 375 = 11.833 mm;
    // I = (5·28.167³ + 40·11.833³ − 35·6.833³) / 3 = 55 615 mm⁴; Z = I / 28.167 = 1 974 mm³.
    const auto out = section::calc01({kEqualAngle, {40, 0, 5}, 7.85});
    const auto& d = *out.display;
    EXPECT_EQ(d.text(ResultField::E3), "1.18");
    EXPECT_EQ(d.text(ResultField::E4), "1.18");
    EXPECT_EQ(d.text(ResultField::Div), "5.56");
    EXPECT_EQ(d.text(ResultField::Dzv), "1.97");
    EXPECT_EQ(out.bikou, "重心は下から 1.2 cm の位置です。");
}

TEST(SectionTexts, SizeDesignations) {
    const struct {
        int code;
        section::Dimensions hen;
        const char* expected;
    } cases[] = {
        {kRoundPipe, {60.5, 3.2}, "φ  60.5× t 3.2"},
        {kSquareTube, {100, 4.5}, "□  100× 100× t 4.5"},
        {kRectTubeUpright, {50, 100, 3.2}, "□  50× 100× t 3.2"},
        {kRectTubeLying, {100, 50, 2.3}, "□  100× 50× t 2.3"},
        {kFlatBarUpright, {9, 75}, "■  9× 75"},
        {kSolidRectLying, {75, 9}, "■  75× 9"},
        {kUnequalAngleUpright, {50, 90, 6}, "L  50× 90× t 6"},
        {kRoundBar, {22}, "φ  22"},
        {kSquareBar, {16}, "■  16× 16"},
        {kLightChannelUpright, {50, 100, 2.3}, "軽溝縦   50× 100× t 2.3"},
        {kLightChannelLying, {100, 50, 3.2}, "軽溝横  50× 100× t 3.2"},
        {kTeeUpright, {100, 50, 8, 6}, "T  50× 100× t 8× a 6"},
        {kTeeLying, {50, 100, 6, 8}, "T  100× 50× t 6× a 8"},
        {kUnequalI, {60, 100, 200, 8, 6, 12}, "異形 A 60× B 100× H 200× a 8× t 6× b 12"},
        {kRoundBar, {0.25}, "φ  0.25"},
    };
    for (const auto& c : cases) {
        const auto out = section::calc01({c.code, c.hen, 7.85});
        EXPECT_EQ(out.designation.value_or("(none)"), c.expected) << c.code;
    }
}

TEST(SectionTexts, CentroidNoteOnlyForShapesWithTheCentroidOffTheMiddle) {
    // Channel 100 × 50 × 5 with the web on top: web 500 mm² at 2.5 mm, flanges 2 × 225 mm² at
    // 27.5 mm from the top: yw = (1250 + 12 375) / 950 = 14.34 mm, so 3.57 cm from the tips.
    const auto channel = section::calc01({kLightChannelLying, {100, 50, 5}, 7.85});
    EXPECT_EQ(channel.bikou, "重心は下から 3.6 cm の位置です。");
    EXPECT_TRUE(section::calc01({kTeeUpright, {100, 50, 8, 6}, 7.85}).bikou);
    EXPECT_TRUE(section::calc01({kUnequalI, {60, 100, 200, 8, 6, 12}, 7.85}).bikou);
    EXPECT_TRUE(section::calc01({kUnequalAngleLying, {100, 75, 7}, 7.85}).bikou);
    const struct {
        int code;
        section::Dimensions hen;
    } centred[] = {{kRoundPipe, {100, 5}},
                   {kSquareTube, {100, 5}},
                   {kFlatBarUpright, {5, 100}},
                   {kLightChannelUpright, {50, 100, 5}},
                   {kTeeLying, {100, 50, 5, 5}}};
    for (const auto& c : centred) {
        const auto out = section::calc01({c.code, c.hen, 7.85});
        EXPECT_EQ(out.status, section::Status::Computed) << c.code;
        EXPECT_FALSE(out.bikou) << c.code;
    }
}

section::Properties withI(double div) {
    section::Properties p;
    p.menseki = 0.1234;
    p.zaijuryou = 0.0975;
    p.zaijuryouSI = 0.9555;
    p.div = div;
    p.dzv = 0.01255;
    p.d2rv = 0.1545;
    p.e3 = 0.25;
    p.e4 = 0.3;
    return p;
}

TEST(SectionTexts, ThreeDisplayRegimesOfTheSecondMoment) {
    const auto two = section::kekkaHyouji(withI(0.0101));
    EXPECT_EQ(two.text(ResultField::Menseki), "0.12");
    EXPECT_EQ(two.text(ResultField::Div), "0.01");
    EXPECT_EQ(two.text(ResultField::D2rv), "0.15");
    EXPECT_FALSE(two.beep);

    const auto three = section::kekkaHyouji(withI(0.01));
    EXPECT_EQ(three.text(ResultField::Menseki), "0.123");
    EXPECT_EQ(three.text(ResultField::Zaijuryou), "0.098");
    EXPECT_EQ(three.text(ResultField::ZaijuryouSI), "0.956");
    EXPECT_EQ(three.text(ResultField::Div), "0.010");
    EXPECT_EQ(three.text(ResultField::Dzv), "0.013");
    EXPECT_EQ(three.text(ResultField::D2rv), "0.15"); // keeps two decimals
    EXPECT_EQ(three.text(ResultField::E3), "0.250");
    EXPECT_EQ(three.text(ResultField::E4), "0.300");
    EXPECT_EQ(section::kekkaHyouji(withI(0.0011)).text(ResultField::Div), "0.001");
    EXPECT_FALSE(three.beep);
    EXPECT_EQ(three.flgDSize, 0);

    for (double div : {0.001, 0.0005, 0.0, -1.0}) {
        const auto none = section::kekkaHyouji(withI(div));
        for (const auto& f : none.fields)
            EXPECT_EQ(f.text, "0") << f.control;
        EXPECT_TRUE(none.beep);
        EXPECT_EQ(none.flgDSize, 1);
    }
}

TEST(SectionTexts, TooSmallSectionStillGetsItsDesignationSketchAndNote) {
    // Angle 3 × 3 × 1: yc = (9 + 2) / 2 / 5 = 1.1 mm; I = (1.9³ + 3·1.1³ − 2·0.1³) / 3
    // = 3.62 mm⁴ = 0.00036 cm⁴.
    const auto out = section::calc01({kEqualAngle, {3, 0, 1}, 7.85});
    ASSERT_EQ(out.status, section::Status::Computed);
    EXPECT_EQ(out.flgDSize, 1);
    EXPECT_TRUE(out.beep);
    EXPECT_EQ(out.display->text(ResultField::Menseki), "0");
    EXPECT_EQ(out.bikou, "重心は下から 0.1 cm の位置です。");
    EXPECT_EQ(out.designation, "L  3× 3× t 1");
    EXPECT_TRUE(out.sketch);
    // The computed values are kept behind the "0".
    EXPECT_NEAR(out.properties->menseki, 0.05, 1e-12);
}

// Only digits, one point and a leading minus: no "inf", "nan" or exponent.
bool plainNumber(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == ' '))
            return false;
    return true;
}

TEST(SectionTexts, HugeAndTinyDimensionsNeverGiveInfNanOrExponents) {
    const struct {
        int code;
        section::Dimensions hen;
    } shapes[] = {
        {kRoundPipe, {60.5, 3.2}},
        {kSquareTube, {100, 4.5}},
        {kRectTubeUpright, {50, 100, 3.2}},
        {kRectTubeLying, {100, 50, 3.2}},
        {kFlatBarUpright, {9, 75}},
        {kFlatBarLying, {75, 9}},
        {kEqualAngle, {40, 0, 5}},
        {kUnequalAngleUpright, {50, 90, 6}},
        {kRoundBar, {22}},
        {kSquareBar, {16}},
        {kLightChannelUpright, {50, 100, 2.3}},
        {kLightChannelLying, {100, 50, 3.2}},
        {kTeeUpright, {100, 50, 8, 6}},
        {kTeeLying, {50, 100, 6, 8}},
        {kUnequalI, {60, 100, 200, 8, 6, 12}},
    };
    for (const auto& s : shapes) {
        for (double factor : {1e-300, 1e-200, 1e-100, 1e-20, 1e20, 1e60, 1e75, 1e100, 1e300}) {
            SCOPED_TRACE("shape " + std::to_string(s.code) + " × " + std::to_string(factor));
            section::Dimensions h = s.hen;
            for (double& v : h)
                v *= factor;
            const auto out = section::calc01({s.code, h, 7.85});
            ASSERT_TRUE(out.status == section::Status::Computed ||
                        out.status == section::Status::OutOfRange);
            if (out.status != section::Status::Computed) continue;
            for (const auto& f : out.display->fields)
                EXPECT_TRUE(plainNumber(f.text)) << f.control << " = " << f.text.substr(0, 40);
            EXPECT_EQ(out.designation->find_first_of("eE"), std::string::npos);
            EXPECT_EQ(out.designation->find("inf"), std::string::npos);
            if (out.bikou) {
                EXPECT_EQ(out.bikou->find_first_of("eEn"), std::string::npos) << *out.bikou;
            }
            if (factor <= 1e-20) {
                EXPECT_EQ(out.flgDSize, 1);
                // The centroid of a tiny section is still where it belongs, not 0/0.
                EXPECT_GT(out.properties->e3, 0);
            }
        }
    }
    // Every figure of a section 1e60 times the worked pipe is written out in full.
    const auto big = section::calc01({kRoundPipe, {60.5e60, 3.2e60}, 7.85});
    ASSERT_EQ(big.status, section::Status::Computed);
    // e3 = 3.025e60 cm: 61 digits before the point and two after it.
    EXPECT_EQ(big.display->text(ResultField::E3).size(), 61u + 3u);
    // 1e100 mm to the fourth power is beyond the doubles: refused silently, nothing shown.
    const auto huge = section::calc01({kSquareBar, {1e100}, 7.85});
    EXPECT_EQ(huge.status, section::Status::OutOfRange);
    EXPECT_FALSE(huge.bikou || huge.beep || huge.display);
}

TEST(SectionTexts, RandomDimensionsOverTheWholeRangeStayPlain) {
    std::mt19937_64 rng(20240605);
    std::uniform_real_distribution<double> exponent(-300, 300);
    for (int n = 0; n < 20000; ++n) {
        const int code = section::code::kUnequalI - static_cast<int>(rng() % 25);
        section::Dimensions h;
        for (double& v : h)
            v = std::pow(10.0, exponent(rng));
        const auto out = section::calc01({code, h, 7.85});
        if (out.status != section::Status::Computed) continue;
        for (const auto& f : out.display->fields)
            ASSERT_TRUE(plainNumber(f.text)) << code << ' ' << f.control;
        ASSERT_EQ(out.designation->find_first_of("eE"), std::string::npos);
    }
}

} // namespace
