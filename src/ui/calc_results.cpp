// Writing what the calculation returns into the controls of Form入力計算.
#include "ui/calc_controls.hpp"

#include <QLineEdit>
#include <cmath>

#include "app/twips.hpp"
#include "ui/controls.hpp"
#include "ui/gauge_canvas.hpp"

namespace ui {

namespace {

std::array<std::string beam::TwinTexts::*, 9> twinMembers() {
    using T = beam::TwinTexts;
    return {&T::kaju,  &T::kajumo, &T::kajumage, &T::jiju, &T::jmo,
            &T::jmage, &T::kajut,  &T::mot,      &T::maget};
}

QRect rounded(const TwipRect& r) {
    return {static_cast<int>(std::lround(r.left)), static_cast<int>(std::lround(r.top)),
            static_cast<int>(std::lround(r.width)), static_cast<int>(std::lround(r.height))};
}

void place(GaugeBox* box, const GaugeShape& s) {
    box->setLook(s.border, s.fill, s.borderWidth);
    app::setTwips(box, rounded(s.rect));
    box->show();
}

void place(Shape* line, const GaugeLine& l) {
    // A vertical line shape draws down the middle of its rectangle.
    const int w = app::kTwipsPerPixel;
    const double top = std::min(l.y0, l.y1);
    app::setTwips(line,
                  {static_cast<int>(std::lround(l.x)) - w / 2, static_cast<int>(std::lround(top)),
                   w, static_cast<int>(std::lround(std::abs(l.y0 - l.y1)))});
    line->show();
}

} // namespace

beam::TwinTexts shownSi(const CalcControls& c) {
    beam::TwinTexts t;
    auto pairs = const_cast<CalcControls&>(c).resultPairs();
    const auto members = twinMembers();
    for (std::size_t n = 0; n < pairs.size(); ++n)
        t.*members[n] = pairs[n]->si->text().toStdString();
    return t;
}

void writeSi(CalcControls& c, const beam::TwinTexts& t) {
    auto pairs = c.resultPairs();
    const auto members = twinMembers();
    for (std::size_t n = 0; n < pairs.size(); ++n)
        pairs[n]->si->setText(qtext(t.*members[n]));
}

void writeOld(CalcControls& c, const beam::TwinTexts& t) {
    auto pairs = c.resultPairs();
    const auto members = twinMembers();
    for (std::size_t n = 0; n < pairs.size(); ++n)
        pairs[n]->old->setText(qtext(t.*members[n]));
}

void writeResults(CalcControls& c, const beam::ResultTexts& r) {
    writeSi(c, r.si);
    c.kajutawami->setText(qtext(r.deflections.kajutawami));
    c.jtawami->setText(qtext(r.deflections.jtawami));
    c.tawamit->setText(qtext(r.deflections.tawamit));
    c.magehikaku->setCaption(qtext(r.labelmagehikaku));
    if (r.labeltawamihikaku) c.tawamihikaku->setCaption(qtext(*r.labeltawamihikaku));
}

void showUnits(CalcControls& c, bool old) {
    c.labelhyouji->setCaption(old ? QStringLiteral("　旧-表示") : QStringLiteral("　SI-表示"));
    for (const TwinCaption& cap : c.unitCaptions)
        showTwin(cap, old);
    for (TwinField* f : c.resultPairs())
        showTwin(*f, old);
    for (TwinField* f : {&c.kmage, &c.kashuku, &c.ksendan, &c.yang})
        showTwin(*f, old);
}

void showHantei(CalcControls& c, const beam::Hantei& h) {
    c.shape判定->show();
    c.label判定->setCaption(qtext(h.label判定));
    c.label丸->setCaption(qtext(h.label丸));
    c.label丸->setForeColor(toQColor(h.maruColour));
    c.label丸->show();
    c.label100->show();

    const Gauge g = layOutGauge(h.bar, gaugeAnchors(c));
    c.canvas->erase();
    for (const Drawn& d : g.background)
        c.canvas->draw(d);

    for (QWidget* x : {static_cast<QWidget*>(c.shapeHan2), static_cast<QWidget*>(c.shapeHan3),
                       static_cast<QWidget*>(c.shapeHan4), static_cast<QWidget*>(c.lineH1),
                       static_cast<QWidget*>(c.lineH2)})
        x->hide();
    place(c.lineH1, g.lineH1);
    place(c.lineH2, g.lineH2);
    place(c.shapeHan4, g.shapeHan4);
    place(c.shapeHan1, g.shapeHan1);
    if (g.shapeHan2) place(c.shapeHan2, *g.shapeHan2);
    if (g.shapeHan3) place(c.shapeHan3, *g.shapeHan3);
}

void clearHantei(CalcControls& c) {
    // The bar and its outlines go with the verdict: left beside cleared results they would
    // read as a live result.
    c.canvas->erase();
    c.label丸->hide();
    c.label100->hide();
    c.label判定->setCaption({});
    for (QWidget* x : {static_cast<QWidget*>(c.shapeHan1), static_cast<QWidget*>(c.shapeHan2),
                       static_cast<QWidget*>(c.shapeHan3), static_cast<QWidget*>(c.shapeHan4),
                       static_cast<QWidget*>(c.lineH1), static_cast<QWidget*>(c.lineH2)})
        x->hide();
}

GaugeAnchors gaugeAnchors(const CalcControls& c) {
    GaugeAnchors a;
    a.zaisituLeft = app::twips(c.zaisitu).left();
    a.label100Top = app::twips(c.label100).top();
    a.magehikakuLeft = app::twips(c.magehikaku).left();
    return a;
}

} // namespace ui
