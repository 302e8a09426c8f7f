#include "section/texts.hpp"

#include "common/numtext.hpp"

namespace section {
namespace {

constexpr ResultFieldInfo kFieldInfo[kResultFieldCount] = {
    {"Text面積", "面積  (cm2)"},        {"TextZaijuryou", "質量  (kg/m)"},
    {"TextZaijuryouSI", "重量  (N/m)"}, {"Textdi", "二次M  (cm4)"},
    {"Textdz", "断面係数(cm3)"},        {"TxtD2r", "二次半径 (cm)"},
    {"Texte3", "重心下から(cm)"},       {"Texte4", "重心右から(cm)"},
};

std::string n(double v) {
    return numtext::leadingBlank(v);
}

} // namespace

const ResultFieldInfo& resultFieldInfo(ResultField field) {
    return kFieldInfo[static_cast<int>(field)];
}

Display kekkaHyouji(const Properties& p) {
    const double values[kResultFieldCount] = {p.menseki, p.zaijuryou, p.zaijuryouSI, p.div,
                                              p.dzv,     p.d2rv,      p.e3,          p.e4};
    Display d;
    const bool tooSmall = !(p.div > 0.001);
    const bool small = !tooSmall && p.div <= 0.01;
    for (std::size_t i = 0; i < kResultFieldCount; ++i) {
        d.fields[i].control = kFieldInfo[i].control;
        const bool threeDecimals = small && static_cast<ResultField>(i) != ResultField::D2rv;
        d.fields[i].text =
            tooSmall ? std::string(1, '0')
                     : numtext::format(values[i], threeDecimals ? "####0.000" : "####0.00");
    }
    d.beep = tooSmall;
    d.flgDSize = tooSmall ? 1 : 0;
    return d;
}

std::string sizeDesignation(int shapeCode, const Dimensions& h) {
    switch (shapeCode) {
    case shape::kRoundPipe:
        return "φ " + n(h[0]) + "× t" + n(h[1]);
    case shape::kSquareTube:
        return "□ " + n(h[0]) + "×" + n(h[0]) + "× t" + n(h[1]);
    case shape::kRectTubeUpright:
    case shape::kRectTubeLying:
        return "□ " + n(h[0]) + "×" + n(h[1]) + "× t" + n(h[2]);
    case shape::kFlatBarUpright:
    case shape::kFlatBarLying:
    case shape::kSolidRectUpright:
    case shape::kSolidRectLying:
        return "■ " + n(h[0]) + "×" + n(h[1]);
    case shape::kEqualAngle:
    case shape::kUnequalAngleUpright:
    case shape::kUnequalAngleLying:
        return "L " + n(h[0]) + "×" + n(h[1]) + "× t" + n(h[2]);
    case shape::kRoundBar:
        return "φ " + n(h[0]);
    case shape::kSquareBar:
        return "■ " + n(h[0]) + "×" + n(h[0]);
    case shape::kLightChannelUpright:
        return "軽溝縦  " + n(h[0]) + "×" + n(h[1]) + "× t" + n(h[2]);
    case shape::kLightChannelLying:
        return "軽溝横 " + n(h[1]) + "×" + n(h[0]) + "× t" + n(h[2]);
    case shape::kTeeUpright:
    case shape::kTeeLying:
        return "T " + n(h[1]) + "×" + n(h[0]) + "× t" + n(h[2]) + "× a" + n(h[3]);
    case shape::kUnequalI:
        return "異形 A" + n(h[0]) + "× B" + n(h[1]) + "× H" + n(h[2]) + "× a" + n(h[3]) + "× t" +
               n(h[4]) + "× b" + n(h[5]);
    default:
        return {};
    }
}

std::optional<std::string> centroidNote(int shapeCode, double e3) {
    switch (shapeCode) {
    case shape::kEqualAngle:
    case shape::kUnequalAngleUpright:
    case shape::kUnequalAngleLying:
    case shape::kLightChannelLying:
    case shape::kTeeUpright:
    case shape::kUnequalI:
        return "重心は下から " + numtext::format(e3, "##0.0") + " cm の位置です。";
    default:
        return std::nullopt;
    }
}

} // namespace section
