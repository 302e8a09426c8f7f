#include "catalog/materials.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "common/numtext.hpp"

namespace catalog {
namespace {

using enum MaterialFamily;

// Metals: long-term allowable bending and compression = F / 1.5, shear = F / (1.5 * sqrt 3),
// kept to three significant figures (SS400: F 235 gives 157 and 90.5).
//  - SS400: F = 235 N/mm2 (平成12年建設省告示第2464号); old table 1600 / 924 kg/cm2 with
//    E = 2 100 000 kg/cm2 from the former 鋼構造計算規準 (日本建築学会).
//  - SUS403: F = 390 N/mm2, the 0.2 % proof stress of the quenched and tempered grade in
//    JIS G 4303; E = 200 000 N/mm2 and density 7.75 g/cm3 from the ステンレス協会 data
//    sheets. No older allowable-stress table exists for this grade, so its old values are the
//    SI values converted (x 100 / 9.8, three significant figures).
//  - A6063-T5: F = 110 N/mm2 (平成14年国土交通省告示第410号, thickness up to 12 mm);
//    E = 70 000 N/mm2 and density 2.70 g/cm3 from the same notice and 日本アルミニウム協会.
//    Aluminium alloys had no old building table either: old values converted.
// Woods (ungraded sawn timber): long-term allowable stress = 1.1 * F / 3 with the standard
// strengths Fc, Fb, Fs of 平成12年建設省告示第1452号 (無等級材), three significant figures:
//   あかまつ・くろまつ・べいまつ  Fc 22.2  Fb 28.2  Fs 2.4
//   からまつ・ひば・ひのき        Fc 20.7  Fb 26.7  Fs 2.1
//   つが                          Fc 19.2  Fb 24.6  Fs 2.1
//   すぎ                          Fc 17.7  Fb 22.2  Fs 1.8
//   なら・ぶな                    Fc 21.0  Fb 29.4  Fs 3.0
// Young's moduli: E0 of the same groups in 日本建築学会「木質構造設計規準・同解説」
// (10, 9, 8, 7 and 8 kN/mm2); the old values 100 000 ... 70 000 kg/cm2 from its former
// edition 「木構造計算規準」. Old allowable stresses (long-term compression, bending, shear in
// kg/cm2) from the table of 建築基準法施行令第89条 before the 2000 revision:
//   75/95/8, 70/90/7, 65/85/7, 60/75/6 and (くり・なら・ぶな・けやき) 70/100/10.
// Specific gravities: air-dry means of 森林総合研究所「木材工業ハンドブック」.
// ジャラ (jarrah) is not in the Japanese tables: AS 1720.1 characteristic strengths of stress
// grade F17 (seasoned structural grade of strength group SD4: f'b 42, f'c 34, f's 3.6,
// E 14 000 N/mm2) taken through the same 1.1 * F / 3; air-dry density 820 kg/m3 (Forest
// Products Commission of Western Australia); old values converted.
constexpr std::array<Material, 14> kMaterials{{
    {1, "SS400", "鋼材－SS400", Steel, 205000, 157, 157, 90.5, 7.85, 2100000, 1600, 1600, 924},
    {2, "SUS403", "ステンレス－SUS403", Stainless, 200000, 260, 260, 150, 7.75, 2040000, 2650, 2650,
     1530},
    {3, "アルミ合金", "アルミ合金－A6063-T5", Aluminium, 70000, 73.3, 73.3, 42.3, 2.70, 714000, 748,
     748, 432},
    {4, "赤松", "木材－赤松", Wood, 10000, 10.3, 8.14, 0.88, 0.52, 100000, 95, 75, 8},
    {5, "黒松", "木材－黒松", Wood, 10000, 10.3, 8.14, 0.88, 0.54, 100000, 95, 75, 8},
    {6, "米松", "木材－米松", Wood, 10000, 10.3, 8.14, 0.88, 0.55, 100000, 95, 75, 8},
    {7, "からまつ", "木材－からまつ", Wood, 9000, 9.79, 7.59, 0.77, 0.50, 90000, 90, 70, 7},
    {8, "ひば", "木材－ひば", Wood, 9000, 9.79, 7.59, 0.77, 0.45, 90000, 90, 70, 7},
    {9, "桧", "木材－桧", Wood, 9000, 9.79, 7.59, 0.77, 0.44, 90000, 90, 70, 7},
    {10, "つが", "木材－つが", Wood, 8000, 9.02, 7.04, 0.77, 0.50, 80000, 85, 65, 7},
    {11, "杉", "木材－杉", Wood, 7000, 8.14, 6.49, 0.66, 0.38, 70000, 75, 60, 6},
    {12, "なら", "木材－なら", Wood, 8000, 10.8, 7.70, 1.10, 0.68, 80000, 100, 70, 10},
    {13, "ぶな", "木材－ぶな", Wood, 8000, 10.8, 7.70, 1.10, 0.65, 80000, 100, 70, 10},
    {14, "ジャラ", "木材－ジャラ", Wood, 14000, 15.4, 12.5, 1.32, 0.82, 143000, 157, 128, 13.5},
}};

// Kilogram-force and newton: 9.8 exactly, everywhere in this program.
constexpr double kKgfToN = 9.8;

// A box may hold a number beyond the range of a double: keep the largest one there is.
double finite(double v) {
    return std::clamp(v, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
}

} // namespace

double oldUnitFromSi(double si) {
    return finite(roundSignificant(finite(si * 100.0 / kKgfToN), 3));
}

std::span<const Material> materials() {
    return kMaterials;
}

const Material* material(int zaitype) {
    if (zaitype < 1 || zaitype > static_cast<int>(kMaterials.size())) return nullptr;
    return &kMaterials[static_cast<std::size_t>(zaitype - 1)];
}

MaterialFamily familyOf(int zaitype) {
    switch (zaitype) {
    case 1:
        return Steel;
    case 2:
        return Stainless;
    case 3:
        return Aluminium;
    default:
        return zaitype >= 4 && zaitype <= 22 ? Wood : None;
    }
}

std::string plainText(double v) {
    std::string text = numtext::leadingBlank(v);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

MaterialTexts siTexts(const Material& m) {
    return {plainText(m.kmage), plainText(m.kashuku), plainText(m.ksendan), plainText(m.yang),
            plainText(m.hiju)};
}

MaterialValues committedValues(const Material& chosen, bool directEntry,
                               const MaterialTexts& boxes) {
    const MaterialTexts catalogTexts = siTexts(chosen);
    const auto typed = [directEntry](const std::string& box, const std::string& catalogText) {
        return directEntry || box != catalogText;
    };
    MaterialValues v{chosen.yang,     chosen.kmage,      chosen.kashuku,
                     chosen.ksendan,  chosen.hiju,       chosen.yangOld,
                     chosen.kmageOld, chosen.kashukuOld, chosen.ksendanOld};
    const struct {
        const std::string& box;
        const std::string& catalogText;
        double& si;
        double* oldUnit;
    } fields[] = {{boxes.yang, catalogTexts.yang, v.yang, &v.yangOld},
                  {boxes.kmage, catalogTexts.kmage, v.kmage, &v.kmageOld},
                  {boxes.kashuku, catalogTexts.kashuku, v.kashuku, &v.kashukuOld},
                  {boxes.ksendan, catalogTexts.ksendan, v.ksendan, &v.ksendanOld},
                  {boxes.hiju, catalogTexts.hiju, v.hiju, nullptr}};
    for (const auto& f : fields) {
        if (!typed(f.box, f.catalogText)) continue;
        f.si = finite(numtext::value(f.box));
        if (f.oldUnit) *f.oldUnit = oldUnitFromSi(f.si);
    }
    return v;
}

double roundSignificant(double v, int digits) {
    if (!std::isfinite(v) || v == 0.0 || digits < 1) return v;
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    const int decimals = digits - 1 - exponent;
    if (decimals >= 0) return numtext::value(numtext::format(v, "0." + std::string(decimals, '0')));
    // Fewer digits than the integer part has: round a scaled copy to whole units.
    const double scale = std::pow(10.0, -decimals);
    return numtext::value(numtext::format(v / scale, "0")) * scale;
}

} // namespace catalog

namespace catalog {

std::optional<MaterialValue> firstUnusableValue(const MaterialTexts& boxes) {
    const std::pair<const std::string*, MaterialValue> inOrder[] = {
        {&boxes.kmage, MaterialValue::Kmage},
        {&boxes.kashuku, MaterialValue::Kashuku},
        {&boxes.ksendan, MaterialValue::Ksendan},
        {&boxes.yang, MaterialValue::Yang},
        {&boxes.hiju, MaterialValue::Hiju}};
    for (const auto& [text, which] : inOrder)
        if (!numtext::positiveNumber(*text)) return which;
    return std::nullopt;
}

std::string unusableValueMessage(MaterialValue v) {
    // The names of the boxes' captions, without their units.
    static constexpr std::string_view kNames[] = {"許容曲げ", "許容圧縮", "許容せん断",
                                                  "ヤング係数", "比重"};
    return notPositiveMessage(kNames[static_cast<int>(v)]);
}

std::string notPositiveMessage(std::string_view name) {
    return "「" + std::string(name) +
           "」が正の数ではありません。\r半角数字で正の値を入力してください。";
}

} // namespace catalog
