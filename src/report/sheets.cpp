#include "report/sheets.hpp"

#include <algorithm>

#include "catalog/materials.hpp"
#include "catalog/size_table.hpp"
#include "common/numtext.hpp"
#include "section/shapes.hpp"

namespace report {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

double valueOf(const QString& t) {
    return numtext::value(t.toStdString());
}

QString trimmed(const QString& t) {
    return t.trimmed();
}

bool isCantilever(beam::Structure s) {
    return s == beam::Structure::Cantilever || s == beam::Structure::VerticalCantilever;
}

// The names of the structure and load-case screens.
QString structureName(beam::Structure s) {
    switch (s) {
    case beam::Structure::Cantilever:
        return QStringLiteral("片持");
    case beam::Structure::VerticalCantilever:
        return QStringLiteral("片持垂直");
    case beam::Structure::SimplySupported:
        return QStringLiteral("両端支持");
    case beam::Structure::FixedBothEnds:
        return QStringLiteral("両端固定");
    case beam::Structure::PinnedFixed:
        break;
    }
    return QStringLiteral("ピン固定");
}

QString caseName(beam::Structure s, beam::LoadCase loadCase) {
    static const char* cantilever[] = {"集中荷重", "分布荷重", "先端分布荷重"};
    static const char* supported[] = {"中央集中荷重", "任意点集中荷重", "分布荷重"};
    return structureName(s) +
           QString::fromUtf8(
               (isCantilever(s) ? cantilever : supported)[static_cast<int>(loadCase) - 1]);
}

QString withUnit(const QString& value, const char* unit) {
    return trimmed(value) + QStringLiteral(" ") + QString::fromUtf8(unit);
}

// The old twin of a material value as the calculation screen shows it: the material's own
// old value while the SI value is the one taken over, else the SI value converted.
QString oldMaterialValue(const QString& si, double taken, double takenOld) {
    const double v = valueOf(si);
    return q(catalog::plainText(v == taken ? takenOld : catalog::oldUnitFromSi(v)));
}

std::vector<Row> inputRows(const app::WizardState& s, const beam::Inputs& in) {
    const app::CalcInput& c = s.calc;
    const QString unit = q(beam::kajutan(c.FlgKajutani));
    QString load = trimmed(c.TextHEN1) + QStringLiteral(" ") + unit;
    if (beam::isDistributed(in.structure, in.loadCase))
        load = c.Pw == beam::LoadMode::PerMetre ? trimmed(c.TextHEN1) + QStringLiteral(" ") + unit +
                                                      QStringLiteral("/m（分布荷重）")
                                                : load + QStringLiteral("（全体荷重）");
    else
        load += QStringLiteral("（集中荷重）");
    std::vector<Row> rows = {
        {QStringLiteral("構造"), structureName(in.structure)},
        {QStringLiteral("荷重条件"), caseName(in.structure, in.loadCase)},
        {QStringLiteral("荷重"), load},
        {isCantilever(in.structure) ? QStringLiteral("全長 L") : QStringLiteral("スパン L"),
         withUnit(c.TextHEN2, "mm")},
    };
    if (beam::usesL1(in.structure, in.loadCase))
        rows.push_back({QStringLiteral("L1"), withUnit(c.TextHEN3, "mm")});
    return rows;
}

std::vector<Row> materialRows(const app::WizardState& s, bool old) {
    const app::CalcInput& c = s.calc;
    const app::MaterialRecord& m = s.material;
    const QString e = old ? withUnit(oldMaterialValue(c.Textyang, m.Dyangv, m.DyangvOld), "kg/cm²")
                          : withUnit(c.Textyang, "N/mm²");
    const QString fb =
        old ? withUnit(oldMaterialValue(c.Textkmage, m.Dkmagev, m.DkmagevOld), "kg/cm²")
            : withUnit(c.Textkmage, "N/mm²");
    return {{QStringLiteral("材質"), m.zaisitu},
            {QStringLiteral("ヤング係数 E"), e},
            {QStringLiteral("許容曲げ応力度 fb"), fb}};
}

// The section as the calculation screen took it over: from the size screen, or as the
// calculator works it out from its dimensions.
std::vector<Row> sectionRows(const app::WizardState& s, const std::optional<SectionDrawing>& d) {
    const app::CalcInput& c = s.calc;
    const bool calculator = s.Flg入力断面他 == app::SectionSource::Calculator;
    const app::SectionTexts& from = calculator && d ? d->texts : s.sizeSection;
    // An edited Z, I or mass makes the designation untrue, as the screen marks it.
    const auto t = [](const QString& text) { return text.toStdString(); };
    const QString size = calculator ? from.size : s.DanmenSize;
    const QString designation = q(catalog::designationInUse(
        t(size), {t(from.z), t(from.i), t(from.mass)}, {t(c.Textdz), t(c.Textdi), t(c.Textjuryou)}));
    return {{QStringLiteral("断面形状"), s.danmenkeijou},
            {QStringLiteral("寸法"), trimmed(designation)},
            {QStringLiteral("断面積 A"), withUnit(from.area, "cm²")},
            {QStringLiteral("断面係数 Z"), withUnit(c.Textdz, "cm³")},
            {QStringLiteral("断面二次モーメント I"), withUnit(c.Textdi, "cm⁴")},
            {QStringLiteral("断面二次半径 i"), withUnit(from.radius, "cm")},
            {QStringLiteral("単位質量"), withUnit(c.Textjuryou, "kg/m")}};
}

// The calculator's dimensions as the fields read them.
section::Dimensions dimensions(const std::array<QString, 6>& texts) {
    section::Dimensions hen{};
    for (std::size_t k = 0; k < texts.size(); ++k)
        hen[k] = valueOf(texts[k]);
    return hen;
}

} // namespace

Heading heading(const app::WizardState& s, const QDate& day) {
    return {s.件名, s.部材名, day.toString(QStringLiteral("yyyy年M月d日")),
            QStringLiteral("hari " HARI_VERSION)};
}

BeamSheet beamSheet(const app::WizardState& s, const QDate& day) {
    BeamSheet sheet;
    sheet.heading = heading(s, day);
    const std::optional<beam::Inputs> chosen = app::beamInputs(s);
    if (!chosen) {
        sheet.problem = QStringLiteral("梁の構造と荷重条件が選ばれていません。");
        return sheet;
    }
    const beam::Inputs& in = *chosen;
    sheet.structure = in.structure;
    sheet.loadCase = in.loadCase;
    sheet.caseName = caseName(in.structure, in.loadCase);
    sheet.old = s.calc.FlgHyoujitani == app::DisplayUnits::Old;
    sheet.inputs = inputRows(s, in);
    sheet.material = materialRows(s, sheet.old);
    if (s.Flg入力断面他 == app::SectionSource::Calculator)
        sheet.calculatorSection = sectionDrawing(s, dimensions(s.calculatorDimensions));
    sheet.section = sectionRows(s, sheet.calculatorSection);
    sheet.l1 = in.l1Mm;

    const beam::Outcome out = beam::calcDispatch(in);
    if (!out.calculated()) {
        const std::string_view why = beam::problemMessage(out.problem);
        sheet.problem =
            why.empty() ? QStringLiteral("荷重と長さが入力されていないため、計算結果はありません。")
                        : q(why).trimmed();
        return sheet;
    }
    sheet.formula = q(out.formula.value_or(""));
    sheet.working = beam::workingLines(in, out);
    sheet.stressRatio = q(out.results->labelmagehikaku);
    sheet.deflectionRatio = q(out.results->labeltawamihikaku.value_or(""));
    sheet.verdict = out.verdict;
    sheet.curves = beam::beamCurves(in, out);
    sheet.deflectionDecimals = out.results->deflections.maxKetasita;
    if (out.problem == beam::Problem::BadAllowable)
        sheet.problem = q(beam::problemMessage(out.problem)).trimmed();
    return sheet;
}

std::optional<SectionDrawing> sectionDrawing(const app::WizardState& s,
                                             const section::Dimensions& hen) {
    const section::Outcome out = section::calc01({s.danmentype, hen, s.material.Dhijuv});
    const auto layout = section::shapeLayout(s.danmentype);
    if (out.status != section::Status::Computed || !layout) return std::nullopt;
    SectionDrawing d;
    d.shape = s.danmenkeijou;
    d.designation = q(*out.designation).trimmed();
    // The sketch's square stands for the largest dimension of the section.
    for (const section::DimensionField& f : layout->fields)
        d.frameMm = std::max(d.frameMm, out.hen[f.hen - 1]);
    d.e3 = out.properties->e3;
    d.e4 = out.properties->e4;
    for (const section::DimensionField& f : layout->fields)
        d.dimensions.push_back({q(f.symbol) + QStringLiteral("　") + q(f.caption).trimmed(),
                                q(beam::sheetNumber(out.hen[f.hen - 1]))});
    for (std::size_t n = 0; n < section::kResultFieldCount; ++n) {
        const auto field = static_cast<section::ResultField>(n);
        // The captions carry their units, as on the calculator.
        d.properties.push_back(
            {q(section::resultFieldInfo(field).caption).trimmed(), q(out.display->text(field))});
    }
    if (auto note = section::centroidNote(s.danmentype, out.properties->e3)) d.centroid = q(*note);
    d.sketch = out.sketch;
    const auto text = [&](section::ResultField f) { return q(out.display->text(f)); };
    d.texts = {q(*out.designation),
               text(section::ResultField::Menseki),
               text(section::ResultField::Zaijuryou),
               text(section::ResultField::Dzv),
               text(section::ResultField::Div),
               text(section::ResultField::D2rv)};
    return d;
}

SectionSheet sectionSheet(const app::WizardState& s, const section::Dimensions& hen,
                          const QDate& day) {
    SectionSheet sheet;
    sheet.heading = heading(s, day);
    sheet.material = s.material.zaisitu;
    if (auto d = sectionDrawing(s, hen))
        sheet.section = std::move(*d);
    else
        sheet.problem = QStringLiteral("寸法が入力されていないため、断面性能はありません。");
    return sheet;
}

} // namespace report
