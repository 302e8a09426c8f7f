#include "app/check_state.hpp"

#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "catalog/size_table.hpp"
#include "section/shapes.hpp"

namespace app {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The value boxes of the material and of a section, as numbers a file keeps.
bool numbers(std::initializer_list<std::pair<const std::string*, std::string*>> boxes) {
    for (const auto& [from, to] : boxes) {
        const auto n = check::numberText(*from);
        if (!n) return false;
        *to = *n;
    }
    return true;
}

} // namespace

check::Inputs checkInputs(const CalcInput& in) {
    check::Inputs t;
    t.load = in.TextHEN1.toStdString();
    t.span = in.TextHEN2.toStdString();
    t.l1 = in.TextHEN3.toStdString();
    t.unit = in.FlgKajutani;
    t.mode = in.Pw;
    t.display =
        in.FlgHyoujitani == DisplayUnits::Old ? check::DisplayUnits::Old : check::DisplayUnits::SI;
    t.z = in.Textdz.toStdString();
    t.i = in.Textdi.toStdString();
    t.e = in.Textyang.toStdString();
    t.mass = in.Textjuryou.toStdString();
    t.allow = in.Textkmage.toStdString();
    return t;
}

std::variant<check::Check, QString> toCheck(const WizardState& s) {
    check::Check c;
    c.road = s.FlgOpen == Road::SectionProperties ? check::Road::SectionProperties
                                                  : check::Road::BeamCalculation;
    const bool beamRoad = c.road == check::Road::BeamCalculation;
    if (beamRoad) {
        if (!s.hari || !s.loadCase()) return QStringLiteral("梁形式と荷重条件が選ばれていません。");
        c.structure = *s.hari;
        c.loadCase = *s.loadCase();
    }
    c.material.entry = s.material.zaitype;
    c.material.typed = s.material.directEntry;
    if (c.material.typed) c.material.name = s.material.zaisitu.toStdString();
    const catalog::MaterialTexts& m = s.materialTexts;
    if (!numbers({{&m.kmage, &c.material.kmage},
                  {&m.kashuku, &c.material.kashuku},
                  {&m.ksendan, &c.material.ksendan},
                  {&m.yang, &c.material.yang},
                  {&m.hiju, &c.material.hiju}}))
        return QStringLiteral("材質の値に正の数でないものがあります。");

    check::Section& section = c.section;
    section.shape = s.danmentype;
    if (!beamRoad || s.Flg入力断面他 == SectionSource::Calculator) {
        section.source = check::SectionSource::Calculator;
        const auto layout = section::shapeLayout(s.danmentype);
        if (!layout || s.calculatorSection.area.isEmpty())
            return QStringLiteral("断面がまだ計算されていません。寸法を入力してください。");
        for (const section::DimensionField& f : layout->fields) {
            const auto n =
                check::numberText(s.calculatorDimensions[static_cast<std::size_t>(f.hen - 1)]
                                      .toStdString());
            if (!n) return QStringLiteral("断面の寸法に正の数でないものがあります。");
            section.dims.push_back(*n);
        }
    } else {
        const std::string size = s.DanmenSize.toStdString();
        const std::string_view mark = catalog::kEditedMark;
        if (size == catalog::kTypedDesignation) {
            section.source = check::SectionSource::Typed;
        } else {
            section.source = check::SectionSource::Table;
            // The row the figures were typed over: the file names the size as the table does.
            section.size = size.size() > mark.size() && size.ends_with(mark)
                               ? size.substr(0, size.size() - mark.size())
                               : size;
        }
        const SectionTexts& t = s.sizeSection;
        const std::string area = t.area.toStdString(), mass = t.mass.toStdString(),
                          z = t.z.toStdString(), i = t.i.toStdString(),
                          radius = t.radius.toStdString();
        if (!numbers({{&area, &section.area},
                      {&mass, &section.mass},
                      {&z, &section.z},
                      {&i, &section.i},
                      {&radius, &section.radius}}))
            return QStringLiteral("断面性能に正の数でないものがあります。");
    }

    if (beamRoad) c.inputs = checkInputs(s.calc);
    c.title = s.件名.toStdString();
    c.member = s.部材名.toStdString();
    c.program = check::programName();
    return c;
}

WizardState fromCheck(const check::Check& c) {
    WizardState s;
    s.FlgOpen = c.road == check::Road::SectionProperties ? Road::SectionProperties
                                                         : Road::BeamCalculation;
    if (c.road == check::Road::BeamCalculation) {
        s.hari = c.structure;
        s.haritype(c.structure) = c.loadCase;
    }
    const check::Material& m = c.material;
    const catalog::Material* listed = catalog::material(m.entry);
    s.materialTexts = {m.kmage, m.kashuku, m.ksendan, m.yang, m.hiju};
    if (listed) {
        const catalog::MaterialValues v = catalog::committedValues(*listed, m.typed, s.materialTexts);
        MaterialRecord& r = s.material;
        r.zaitype = m.entry;
        r.zaisitu = m.typed ? q(m.name) : q(std::string(listed->zaisitu));
        r.directEntry = m.typed;
        r.Dyangv = v.yang, r.Dkmagev = v.kmage, r.Dkashukuv = v.kashuku, r.Dksendanv = v.ksendan;
        r.Dhijuv = v.hiju;
        r.DyangvOld = v.yangOld, r.DkmagevOld = v.kmageOld, r.DkashukuvOld = v.kashukuOld;
        r.DksendanvOld = v.ksendanOld;
    }
    s.danmentype = c.section.shape;
    if (const catalog::ShapeInfo* shape = catalog::shape(c.section.shape))
        s.danmenkeijou = q(std::string(shape->storedName));

    const check::Section& section = c.section;
    if (section.source == check::SectionSource::Calculator) {
        s.Flg入力断面他 = SectionSource::Calculator;
        if (const auto layout = section::shapeLayout(section.shape))
            for (std::size_t k = 0; k < layout->fields.size() && k < section.dims.size(); ++k)
                s.calculatorDimensions[static_cast<std::size_t>(layout->fields[k].hen - 1)] =
                    q(section.dims[k]);
    } else {
        s.Flg入力断面他 = SectionSource::SizeScreen;
        s.DanmenSize = section.source == check::SectionSource::Typed
                           ? q(std::string(catalog::kTypedDesignation))
                           : q(section.size);
        s.sizeSection = {s.DanmenSize,    q(section.area), q(section.mass),
                         q(section.z),    q(section.i),    q(section.radius)};
    }

    const check::Inputs& t = c.inputs;
    CalcInput& in = s.calc;
    in.TextHEN1 = q(t.load);
    in.TextHEN2 = q(t.span);
    in.TextHEN3 = q(t.l1);
    in.FlgKajutani = t.unit;
    in.Pw = t.mode;
    in.FlgHyoujitani = t.display == check::DisplayUnits::Old ? DisplayUnits::Old : DisplayUnits::SI;
    in.Textdz = q(t.z);
    in.Textdi = q(t.i);
    in.Textyang = q(t.e);
    in.Textjuryou = q(t.mass);
    in.Textkmage = q(t.allow);
    s.件名 = q(c.title);
    s.部材名 = q(c.member);
    return s;
}

} // namespace app
