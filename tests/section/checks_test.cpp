// The guard and the checks of the dimensions, in the order the screen makes them.
#include "section/calc.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using section::Status;
using namespace section::code;

const std::string kPipe = "パイプの肉厚が半径を超えてます。";
const std::string kSquare =
    "角パイプの肉厚が大きすぎます。正方形の幅と厚みを正しく入力して下さい。";
const std::string kUpright = "角パイプは、縦長タイプです。幅と高さを正しく入力して下さい。";
const std::string kLying = "角パイプは、横長タイプです。幅と高さを正しく入力して下さい。";
const std::string kTube = "角パイプの肉厚が大きすぎます。";
const std::string kRectUp =
    "断面は縦長タイプです。横長タイプに変更する場合は、前に戻って、断面を再選択して下さい。";
const std::string kRectLying =
    "断面は横長タイプです。縦長タイプに変更する場合は、前に戻って、断面を再選択して下さい。";
const std::string kWall = "肉厚が大きすぎます。";

struct CheckCase {
    int code;
    section::Dimensions hen;
    std::string message; // empty: accepted
};

TEST(SectionChecks, FirstFailingCheckGivesItsMessageAndABeep) {
    const CheckCase cases[] = {
        {kRoundPipe, {50, 25}, kPipe},
        {kRoundPipe, {50, 24.9}, ""},
        {kRoundPipe, {50, 30}, kPipe},
        {kSquareTube, {100, 50}, kSquare},
        {kSquareTube, {100, 49.9}, ""},
        // Orientation is checked before the wall.
        {kRectTubeUpright, {60, 40, 3}, kUpright},
        {kRectTubeUpright, {60, 40, 100}, kUpright},
        {kRectTubeUpright, {40, 60, 20}, kTube},
        {kRectTubeUpright, {40, 40, 19}, ""},
        {kRectTubeLying, {40, 60, 100}, kLying},
        {kRectTubeLying, {60, 40, 20}, kTube},
        {kRectTubeLying, {60, 60, 29}, ""},
        {kFlatBarUpright, {60, 40}, kRectUp},
        {kFlatBarUpright, {40, 40}, ""},
        {kSolidRectUpright, {60.1, 60}, kRectUp},
        {kFlatBarLying, {40, 60}, kRectLying},
        {kFlatBarLying, {40, 40}, ""},
        {kSolidRectLying, {40, 40.1}, kRectLying},
        {kEqualAngle, {40, 999, 40}, kWall},
        {kEqualAngle, {40, 0, 39}, ""}, // HEN2 is replaced by HEN1, so its 0 does not matter
        {kUnequalAngleUpright, {50, 5, 5}, kWall},
        {kUnequalAngleLying, {5, 50, 5}, kWall},
        {kUnequalAngleUpright, {200, 10, 9}, ""}, // no check compares B with H
        {kRoundBar, {0.5}, ""},
        {kSquareBar, {1e-3}, ""},
        {kLightChannelUpright, {40, 100, 40}, kWall},
        {kLightChannelUpright, {40, 100, 50}, kWall},
        {kLightChannelUpright, {60, 100, 50}, kWall},
        {kLightChannelUpright, {60, 100, 49}, ""},
        {kLightChannelLying, {100, 40, 40}, kWall},
        {kLightChannelLying, {100, 60, 50}, kWall},
        {kLightChannelLying, {100, 60, 49}, ""},
        {kTeeUpright, {100, 50, 50, 6}, kWall},
        {kTeeUpright, {100, 50, 8, 100}, kWall},
        {kTeeLying, {100, 50, 8, 99}, ""},
        {kUnequalI, {60, 100, 200, 100, 6, 100}, kWall},
        {kUnequalI, {60, 100, 200, 10, 60, 12}, kWall},
        {kUnequalI, {100, 60, 200, 10, 60, 12}, kWall},
        {kUnequalI, {60, 100, 200, 99, 6, 100}, ""},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE("shape " + std::to_string(c.code) + " HEN1 " + std::to_string(c.hen[0]) +
                     " expecting '" + c.message + "'");
        const auto out = section::calc01({c.code, c.hen, 7.85});
        if (c.message.empty()) {
            EXPECT_EQ(out.status, Status::Computed);
        } else {
            EXPECT_EQ(out.status, Status::Refused);
            EXPECT_EQ(out.bikou.value_or(""), c.message);
            EXPECT_TRUE(out.beep);
            EXPECT_FALSE(out.properties || out.display || out.designation || out.sketch);
        }
    }
}

TEST(SectionChecks, GuardStopsSilentlyOnEveryDimensionThatIsNotPositive) {
    const CheckCase cases[] = {
        {kRoundPipe, {60.5, 0}, ""},
        {kRoundPipe, {0, 3.2}, ""},
        // Two negative dimensions multiply to a positive number: still not a section.
        {kRoundPipe, {-50, -3}, ""},
        {kRectTubeUpright, {-60, -40, 5}, ""},
        {kUnequalI, {60, 100, 200, -8, 6, -12}, ""},
        {kEqualAngle, {-40, 99, -5}, ""},
        {kRoundBar, {-22}, ""},
        {kTeeUpright, {100, 50, 8, 0}, ""},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE("shape " + std::to_string(c.code));
        const auto out = section::calc01({c.code, c.hen, 7.85});
        EXPECT_EQ(out.status, Status::Incomplete);
        EXPECT_FALSE(out.bikou);
        EXPECT_FALSE(out.beep);
        EXPECT_EQ(out.flgDSize, 0);
        EXPECT_FALSE(out.properties || out.display || out.designation || out.sketch);
    }
}

TEST(SectionChecks, ShapesTheCalculatorDoesNotComputeDoNothing) {
    for (int code : {0, 7, 8, 9, 10, 11, 12, 16, 26, 27, 88, 99, -1}) {
        const auto out = section::calc01({code, {100, 50, 5, 5, 5, 5}, 7.85});
        EXPECT_EQ(out.status, Status::NotComputed) << code;
        EXPECT_FALSE(out.bikou || out.beep || out.properties || out.sketch) << code;
        EXPECT_FALSE(section::shapeLayout(code)) << code;
    }
}

TEST(SectionChecks, EqualAngleUsesItsWidthForBothLegs) {
    const auto out = section::calc01({kEqualAngle, {40, 7, 5}, 7.85});
    EXPECT_EQ(out.hen[1], 40);
    EXPECT_EQ(out.designation.value_or(""), "L  40× 40× t 5");
}

TEST(SectionLayout, FieldsAndCaptionsOfTheShapes) {
    const auto pipe = section::shapeLayout(kRoundPipe);
    ASSERT_TRUE(pipe);
    EXPECT_EQ(pipe->picture, "Image丸パイプinp");
    ASSERT_EQ(pipe->fields.size(), 2u);
    EXPECT_EQ(pipe->fields[0].caption, "直径φ(mm)");
    EXPECT_EQ(pipe->fields[1].caption, "厚みｔ(mm)");

    const auto angle = section::shapeLayout(kEqualAngle);
    ASSERT_EQ(angle->fields.size(), 2u); // the second field is hidden
    EXPECT_EQ(angle->fields[0].caption, "幅 ・ 高 (mm)");
    EXPECT_EQ(angle->fields[1].hen, 3);
    EXPECT_EQ(section::shapeLayout(kSquareTube)->fields[0].caption, "幅・高 (mm)");
    EXPECT_EQ(section::shapeLayout(kUnequalAngleLying)->fields[2].caption, "厚み ｔ(mm)");

    const auto i = section::shapeLayout(kUnequalI);
    ASSERT_EQ(i->fields.size(), 6u);
    const char* captions[] = {"幅Ａ (mm)",   "幅Ｂ (mm)",   "高 (mm)",
                              "厚み ａ(mm)", "厚み ｔ(mm)", "厚み ｂ(mm)"};
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(i->fields[n].hen, n + 1);
        EXPECT_EQ(i->fields[n].caption, captions[n]);
    }
    // Shapes that share a picture.
    EXPECT_EQ(section::shapeLayout(kFlatBarUpright)->picture,
              section::shapeLayout(kSolidRectUpright)->picture);
    EXPECT_EQ(section::shapeLayout(kUnequalAngleUpright)->picture, "ImageL等辺inp");
}

} // namespace
