#include "ui/calc_controls.hpp"

#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

#include "app/colors.hpp"
#include "app/twips.hpp"
#include "beam/judgement.hpp"
#include "ui/controls.hpp"
#include "ui/gauge_canvas.hpp"
#include "ui/keypad_widget.hpp"
#include "ui/shape_panel.hpp"

namespace ui {

namespace {

// A push button whose caption wraps onto several lines, for the narrow, tall buttons.
class WrapButton final : public QPushButton {
public:
    WrapButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton o;
        initStyleOption(&o);
        o.text.clear();
        p.drawControl(QStyle::CE_PushButton, o);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        p.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWrapAnywhere, text());
    }
};

QPushButton* addWrapButton(QWidget* parent, const char* name, const QRect& twips,
                           const QString& caption) {
    auto* b = new WrapButton(caption, parent);
    b->setObjectName(QString::fromUtf8(name));
    QFont f(uiFontFamily());
    f.setPointSizeF(9);
    b->setFont(f);
    app::setTwips(b, twips);
    return b;
}

QString name(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLineEdit* addField(QWidget* w, const char* n, const QRect& r) {
    QLineEdit* t = addTextBox(w, name(n), r, {}, {9});
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::ClickFocus); // read, not filled in: out of the Tab order
    t->setAlignment(Qt::AlignRight);
    return t;
}

Label* addCaption(QWidget* w, const char* n, const QRect& r, const char* caption) {
    Label* l = addLabel(w, name(n), r, name(caption), {8}, Qt::AlignLeft | Qt::AlignBottom);
    l->setWordWrap(true);
    return l;
}

// A result field read aloud by its row and its column, in the units it shows.
void nameByRowAndColumn(TwinField& f, const char* row, const char* siColumn,
                        const char* oldColumn) {
    nameTwin(f, name(row) + ' ' + name(siColumn), name(row) + ' ' + name(oldColumn));
}

TwinField addTwin(QWidget* w, const char* si, const char* old, const QRect& r) {
    TwinField f{addField(w, si, r), addField(w, old, r)};
    f.old->hide();
    return f;
}

constexpr int kColumnLeft[] = {5460, 6710, 7960, 9210};
constexpr int kColumnWidth = 1200;
// Two lines of a result caption are taller than the 420 twips above their field.
constexpr int kCaptionRise = 60;
constexpr int kMaterialLeft[] = {3060, 4680, 6300, 7920};
constexpr int kMaterialWidth = 1560;

struct SectionPicture {
    int code;
    const char* control;
};
constexpr SectionPicture kSectionPictures[] = {
    {1, "Image丸パイプ"},   {2, "Image角パイプ"},      {3, "Image角パイプ縦"},
    {4, "Image角パイプ横"}, {5, "ImageFB縦"},          {6, "ImageFB横"},
    {9, "ImageH縦"},        {10, "ImageH逆"},          {11, "Image溝縦"},
    {12, "Image溝横"},      {13, "ImageL等辺"},        {14, "ImageL不等縦"},
    {15, "ImageL不等横"},   {17, "Image丸solid"},      {18, "Image角ムク"},
    {19, "Image角ムク縦"},  {20, "Image角ムク横"},     {21, "Image軽溝縦長"},
    {22, "Image軽溝横長"},  {23, "ImageT縦"},          {24, "ImageT横"},
    {25, "ImageH縦a"},      {26, "Imageリップ溝形縦"}, {27, "Imageリップ溝横"},
    {99, "ImgZIE"},
};

// Picture names by structure (1..5) and load case (1..3), and the artwork's file stems.
struct StructureArt {
    const char* namePart;
    const char* fileStem;
    const char* caseParts[3];
};
constexpr StructureArt kStructureArt[] = {
    {"片", "cantilever", {"集", "分", "分先"}},   {"垂片", "vertical", {"集", "分", "分先"}},
    {"単純", "simple", {"集", "集L1", "分"}},     {"両固", "fixed", {"集", "集L1", "分"}},
    {"ピン固", "pinfixed", {"集", "集L1", "分"}},
};

constexpr QRect kLoadPictureRect{120, 120, 3375, 2700};
constexpr QRect kMomentPictureRect{120, 6570, 2700, 2160};

void buildInputs(QWidget& w, CalcControls& c) {
    c.imgiNp = addPicture(&w, name("ImgiNp"), kLoadPictureRect, {});
    constexpr int captionTop[] = {120, 2400, 900, 1620};
    // The length field sits closer under its caption than the others, in a smaller font: the
    // ink of "(mm)" is taller than those 180 twips down to 7.5 points.
    constexpr int fieldGap[] = {240, 180, 240, 240};
    constexpr double captionPoints[] = {8.5, 7.5, 8.5, 8.5};
    const char* captionNames[] = {"LabelHEN1M", "LabelHEN2M", "LabelHEN3M", "LabelHEN4M"};
    const char* fieldNames[] = {"TextHEN1", "TextHEN2", "TextHEN3", "TextHEN4"};
    const char* captions[] = {"荷重を入力( N )", "長さ入力(mm)", "Ｌ１(mm)を入力", ""};
    for (int k = 0; k < 4; ++k) {
        // A caption ends where its field begins: the field's border would cut it otherwise.
        c.caption[k] = addLabel(&w, name(captionNames[k]), {3720, captionTop[k], 2220, fieldGap[k]},
                                name(captions[k]), {captionPoints[k]});
        c.text[k] = addTextBox(&w, name(fieldNames[k]),
                               {3720, captionTop[k] + fieldGap[k], 1800, 330}, {}, {10});
        c.text[k]->setAlignment(Qt::AlignRight);
        c.caption[k]->setBuddy(c.text[k]); // named by its caption, which follows the unit
    }
    // The length field comes up under its caption's box: the captions lie over the fields, on
    // no ground of their own.
    for (Label* l : c.caption) {
        l->setTransparent();
        l->raise();
    }
    // One line between the fields above and the length caption below (at 2100 without L1),
    // reaching to the keypad; a long message is drawn smaller rather than cut.
    c.labelinphantei = addLabel(&w, name("Labelinphantei"), {3720, 1900, 2985, 200}, {}, {8});
    c.labelinphantei->setForeColor(QColor(255, 0, 0));
    c.labelinphantei->setShrinkToFit(true);

    c.shp1 = addShape(&w, name("Shp1"), {7200, 160, 2175, 495}, Shape::Kind::Rectangle,
                      QColor(255, 0, 0), 2);
    c.shp2 = new RoundMark(&w, QColor(255, 0, 0));
    c.shp2->setObjectName(name("Shp2"));
    app::setTwips(c.shp2, {7320, 300, 255, 255});
    c.cmdP = addButton(&w, name("CmdP"), {7800, 240, 1575, 375}, name("全体荷重(N)"));
    c.cmdw = addButton(&w, name("Cmdw"), {7800, 720, 1575, 375}, name("分布荷重(N/m)"));
    for (QWidget* x : {static_cast<QWidget*>(c.shp1), static_cast<QWidget*>(c.shp2),
                       static_cast<QWidget*>(c.cmdP), static_cast<QWidget*>(c.cmdw)})
        x->hide();

    c.keypad = new KeypadWidget(&w, 4, {0, 0});

    c.hensuKaijo = addWrapButton(&w, "CmdHensuKaijo", {9720, 360, 735, 615}, name("入力値全解除"));
    c.chokuzensuti =
        addWrapButton(&w, "Cmdchokuzensuti", {6000, 1440, 615, 855}, name("直前入力値"));
    c.saikeisan = addWrapButton(&w, "CmdSaikeisan", {6000, 2400, 615, 615}, name("再計算"));
    c.chokuzensuti->hide();
    c.saikeisan->hide();
}

void buildSection(QWidget& w, CalcControls& c) {
    for (const SectionPicture& p : kSectionPictures) {
        Picture* pic =
            addPicture(&w, name(p.control), {240, 2940, 1125, 900}, shapePicture(p.code));
        pic->hide();
        c.sectionPictures.push_back(pic);
    }
    c.zaisitu = addLabel(&w, name("Labelzaisitu"), {1680, 2940, 3000, 270}, {}, {9, true});
    c.danmen = addLabel(&w, name("Labeldanmen"), {1680, 3240, 3000, 270}, {});
    c.dsize = addLabel(&w, name("Labeldsize"), {1680, 3540, 3000, 270}, {});
    // A designation typed in on the section calculator can be long (the unequal I has six
    // dimensions).
    c.dsize->setShrinkToFit(true);
    c.zaisitu->setShrinkToFit(true);

    struct Prop {
        const char *caption, *captionName, *field;
        QLineEdit* CalcControls::*member;
    };
    const Prop props[] = {
        {"断面積  (cm2)", "Label面積", "Text面積", &CalcControls::menseki},
        {"質量  (kg/m)", "Labeljuryou", "Textjuryou", &CalcControls::juryou},
        {"比重", "LabelHiju", "TxtHiju", &CalcControls::hiju},
        {"断面係数 (cm3)", "Labeldz", "Textdz", &CalcControls::dz},
        {"二次M  (cm4)", "Labeldi", "Textdi", &CalcControls::di},
        {"二次半径  (cm)", "LabelD2r", "TxtD2r", &CalcControls::d2r},
    };
    for (int n = 0; n < 6; ++n) {
        const int left = 120 + (n % 3) * 1560, top = 3900 + (n / 3) * 560;
        Label* caption =
            addCaption(&w, props[n].captionName, {left, top, 1440, 240}, props[n].caption);
        c.*props[n].member = addField(&w, props[n].field, {left, top + 240, 1440, 270});
        caption->setBuddy(c.*props[n].member); // a screen reader names the box by its caption
    }

    TwinField CalcControls::*const members[] = {&CalcControls::kmage, &CalcControls::kashuku,
                                                &CalcControls::ksendan, &CalcControls::yang};
    for (int n = 0; n < 4; ++n) {
        const MaterialValueDesign& m = kMaterialValues[static_cast<std::size_t>(n)];
        const int left = kMaterialLeft[n];
        Label* l = addCaption(&w, m.captionName, {left, 6330, kMaterialWidth, 420}, m.siCaption);
        c.unitCaptions.push_back({l, name(m.siCaption), name(m.oldCaption)});
        c.*members[n] = addTwin(&w, m.si, m.old, {left, 6750, kMaterialWidth, 300});
        nameTwin(c.*members[n], name(m.siCaption), name(m.oldCaption));
    }
}

void makeAdjustable(CalcControls& c) {
    for (QLineEdit* f : c.adjustable()) {
        f->setReadOnly(false);
        f->setFocusPolicy(Qt::StrongFocus);
    }
}

void buildResults(QWidget& w, CalcControls& c) {
    c.labelhyouji =
        addLabel(&w, name("Labelhyouji"), {4800, 2940, 1800, 270}, name("　SI-表示"), {9, true});
    struct Column {
        const char *captionName, *si, *old, *siCaption, *oldCaption;
        TwinField CalcControls::*member;
    };
    const Column load[] = {
        {"Labelkaju", "Textkaju", "TextkajuOld", "荷重 (N)", "荷重 [kg]", &CalcControls::kaju},
        {"Labelkajumo", "Textkajumo", "TextkajumoOld", "モーメント      (N・m)",
         "モーメント      [kg・cm]", &CalcControls::kajumo},
        {"Labelkajumage", "Textkajumage", "TextkajumageOld", "最大曲げ応力 (N/mm2)",
         "最大曲げ応力[kg/cm2]", &CalcControls::kajumage},
    };
    const Column self[] = {
        {"Labeljiju", "Textjiju", "TextjijuOld", "自重 (N)", "自重 [kg]", &CalcControls::jiju},
        {"Labeljmo", "Textjmo", "TextjmoOld", "モーメント      (N・m)", "モーメント      [kg・cm]",
         &CalcControls::jmo},
        {"Labeljmage", "Textjmage", "TextjmageOld", "最大曲げ応力 (N/mm2)", "最大曲げ応力 [kg/cm2]",
         &CalcControls::jmage},
    };
    const auto row = [&](const Column(&cols)[3], int top, const char* rowName,
                         const char* rowCaption, const char* deflectionCaption,
                         const char* deflection, QLineEdit* CalcControls::*deflectionField) {
        for (int n = 0; n < 3; ++n) {
            const Column& col = cols[n];
            Label* l =
                addCaption(&w, col.captionName,
                           {kColumnLeft[n], top - kCaptionRise, kColumnWidth, 480}, col.siCaption);
            c.unitCaptions.push_back({l, name(col.siCaption), name(col.oldCaption)});
            c.*col.member =
                addTwin(&w, col.si, col.old, {kColumnLeft[n], top + 420, kColumnWidth, 300});
            nameByRowAndColumn(c.*col.member, rowCaption, col.siCaption, col.oldCaption);
        }
        addCaption(&w, deflectionCaption, {kColumnLeft[3], top - kCaptionRise, kColumnWidth, 480},
                   "たわみ量 (mm)");
        c.*deflectionField =
            addField(&w, deflection, {kColumnLeft[3], top + 420, kColumnWidth, 300});
        (c.*deflectionField)->setAccessibleName(name(rowCaption) + ' ' + name("たわみ量 (mm)"));
        addLabel(&w, name(rowName), {4800, top + 420, 600, 300}, name(rowCaption));
    };
    row(load, 3240, "Label荷重行", "荷重", "Labelkajutawami", "Textkajutawami",
        &CalcControls::kajutawami);
    row(self, 4020, "Label自重行", "自重", "Labeljtawami", "Textjtawami", &CalcControls::jtawami);
    // Until the first switch to the SI display the load caption has no blank.
    w.findChild<Label*>(name("Labelkaju"))->setCaption(name("荷重(N)"));

    addLabel(&w, name("Label合計行"), {4800, 4800, 600, 300}, name("合計"), {9, true});
    c.kajut = addTwin(&w, "Textkajut", "TextkajutOld", {kColumnLeft[0], 4800, kColumnWidth, 300});
    c.mot = addTwin(&w, "Textmot", "TextmotOld", {kColumnLeft[1], 4800, kColumnWidth, 300});
    c.maget = addTwin(&w, "Textmaget", "TextmagetOld", {kColumnLeft[2], 4800, kColumnWidth, 300});
    c.tawamit = addField(&w, "Texttawamit", {kColumnLeft[3], 4800, kColumnWidth, 300});
    TwinField* totals[] = {&c.kajut, &c.mot, &c.maget};
    for (int n = 0; n < 3; ++n)
        nameByRowAndColumn(*totals[n], "合計", load[n].siCaption, load[n].oldCaption);
    c.tawamit->setAccessibleName(name("合計 たわみ量 (mm)"));
}

// The scale over the gauge: each word centred over its mark of the band as laid out from the
// screen's anchors, "長期" just before "100%". One caption with blanks between the
// words cannot do that at every font; the words shown and hidden as one, read as one.
void buildScale(QWidget& w, CalcControls& c) {
    constexpr int top = 5640, height = 200, word = 480, gap = 40, longTerm = 420;
    GaugeAnchors anchors;
    anchors.zaisituLeft = app::twips(c.zaisitu).left();
    anchors.label100Top = top;
    anchors.magehikakuLeft = app::twips(c.magehikaku).left();
    const Gauge g = layOutGauge(0, anchors);
    const int marks[] = {static_cast<int>(std::lround(g.lineH1.x)),
                         static_cast<int>(std::lround(g.lineH2.x)),
                         static_cast<int>(std::lround(g.x1))};
    const int left = marks[0] - word / 2 - gap - longTerm;
    c.label100 =
        addLabel(&w, name("Label100"), {left, top, marks[2] + word / 2 - left, height}, {});
    c.label100->setTransparent();
    c.label100->setAccessibleName(name("長期 100%      150%     200%"));
    addLabel(c.label100, name("Label100長期"), {0, 0, longTerm, height}, name("長期"), {8},
             Qt::AlignRight | Qt::AlignVCenter)
        ->setTransparent();
    const char* words[] = {"100%", "150%", "200%"};
    for (int n = 0; n < 3; ++n)
        addLabel(c.label100, name("Label100_") + name(words[n]).chopped(1),
                 {marks[n] - word / 2 - left, 0, word, height}, name(words[n]), {8},
                 Qt::AlignCenter)
            ->setTransparent();
    c.label100->hide();
}

void buildJudgement(QWidget& w, CalcControls& c) {
    c.shape判定 = addShape(&w, name("Shape判定"), {120, 5580, 10335, 675}, Shape::Kind::Rectangle,
                           QColor(0, 0, 0), 1);
    c.shape判定->hide();
    c.label判定 = addLabel(&w, name("Label判定"), {240, 5640, 1600, 240}, name("曲げ応力判定"));
    c.label丸 =
        addLabel(&w, name("Label丸"), {600, 5880, 480, 330}, {}, {12, true}, Qt::AlignCenter);
    c.label丸->setForeColor(QColor(0, 0, 128));
    c.label丸->hide();
    // Centred over their boxes, clear of "200%" at the end of the band.
    addLabel(&w, name("Labelmagehikaku率"), {6360, 5600, 1200, 220}, name("曲げ応力 率"), {8},
             Qt::AlignCenter);
    addLabel(&w, name("Labeltawamihikaku率"), {7680, 5600, 1200, 220}, name("たわみ 率"), {8},
             Qt::AlignCenter);
    c.magehikaku = addLabel(&w, name("Labelmagehikaku"), {6360, 5820, 1200, 330}, {}, {9},
                            Qt::AlignRight | Qt::AlignVCenter);
    c.magehikaku->setBackColor(QColor(255, 192, 255));
    c.tawamihikaku = addLabel(&w, name("Labeltawamihikaku"), {7680, 5820, 1200, 330}, {}, {9},
                              Qt::AlignRight | Qt::AlignVCenter);
    c.tawamihikaku->setBackColor(QColor(255, 255, 255));
    buildScale(w, c);

    const auto box = [&](const char* n) {
        auto* b = new GaugeBox(&w);
        b->setObjectName(name(n));
        b->hide();
        return b;
    };
    c.shapeHan4 = box("ShapeHan4");
    c.shapeHan1 = box("ShapeHan1");
    c.shapeHan2 = box("ShapeHan2");
    c.shapeHan3 = box("ShapeHan3");
    // The frame lies over the bar.
    c.shapeHan4->raise();
    c.lineH1 =
        addShape(&w, name("LineH1"), {0, 0, 15, 300}, Shape::Kind::Line, QColor(255, 0, 0), 1);
    c.lineH2 =
        addShape(&w, name("LineH2"), {0, 0, 15, 300}, Shape::Kind::Line, QColor(255, 0, 0), 1);
    c.lineH1->hide();
    c.lineH2->hide();
}

void buildPicturesAndButtons(QWidget& w, CalcControls& c) {
    for (const beam::Structure s : beam::kStructures)
        for (const beam::LoadCase lc : beam::kLoadCases) {
            const CasePictures names = casePictureNames(s, lc);
            const QString stem =
                QStringLiteral("%1_%2.svg")
                    .arg(QLatin1String(kStructureArt[static_cast<std::size_t>(s) - 1].fileStem))
                    .arg(static_cast<int>(lc));
            addPicture(&w, names.load, kLoadPictureRect,
                       QStringLiteral(":/assets/calc_load_") + stem)
                ->hide();
            addPicture(&w, names.moment, kMomentPictureRect,
                       QStringLiteral(":/assets/calc_moment_") + stem)
                ->hide();
        }
    addLabel(&w, name("LabelM"), {120, 6330, 2900, 240}, name("　　　　モーメント・イメージ図"));
    c.imgiNpM = addPicture(&w, name("ImgiNpM"), {2880, 6570, 120, 2160}, {});

    auto* frame1 = new QGroupBox(name("荷重単位"), &w);
    frame1->setObjectName(name("Frame1"));
    app::setTwips(frame1, {3060, 7140, 2220, 660});
    c.opt1N = new QRadioButton(name("N"), frame1);
    c.opt1kN = new QRadioButton(name("kN"), frame1);
    c.opt1kg = new QRadioButton(name("kg"), frame1);
    auto* frame2 = new QGroupBox(name("表示単位"), &w);
    frame2->setObjectName(name("Frame2"));
    app::setTwips(frame2, {5340, 7140, 2220, 660});
    c.opt2SI = new QRadioButton(name("SI 表示"), frame2);
    c.opt2old = new QRadioButton(name("旧 表示"), frame2);
    const struct {
        QRadioButton* o;
        const char* n;
        QRect r;
    } options[] = {
        {c.opt1N, "Opt1N", {120, 270, 660, 330}},       {c.opt1kN, "Opt1kN", {800, 270, 660, 330}},
        {c.opt1kg, "Opt1kg", {1480, 270, 660, 330}},    {c.opt2SI, "Opt2SI", {120, 270, 1000, 330}},
        {c.opt2old, "Opt2old", {1140, 270, 1000, 330}},
    };
    for (const auto& o : options) {
        o.o->setObjectName(name(o.n));
        app::setTwips(o.o, o.r);
    }
    c.opt1N->setChecked(true);
    c.opt2SI->setChecked(true);

    c.label式 = addLabel(&w, name("Label式"), {3060, 7920, 4560, 780}, {}, {8},
                         Qt::AlignLeft | Qt::AlignTop);
    c.label式->setWordWrap(true);

    c.prin = addButton(&w, name("CmdPrin"), {9720, 7860, 735, 255}, name("印刷"), {8});
    c.danmenSentei =
        addButton(&w, name("Cmd断面選定"), {6960, 5160, 1095, 360}, name("断面選定"), {9});
    c.report = addButton(&w, name("Cmd計算書"), {8130, 5160, 1095, 360}, name("計算書"), {9});
    c.top = addButton(&w, name("CmdTop"), {7740, 7800, 1275, 435}, name("最初から"), {10});
    c.mae = addButton(&w, name("Commandmae"), {7740, 8220, 1275, 435}, name("前に戻る"), {10});
    c.end = addButton(&w, name("Commandend"), {9120, 8220, 1335, 435}, name("おわり"), {10});
}

} // namespace

CasePictures casePictureNames(beam::Structure structure, beam::LoadCase loadCase) {
    const StructureArt& a = kStructureArt[static_cast<std::size_t>(structure) - 1];
    const QString base = QStringLiteral("Img入力") + name(a.namePart) +
                         name(a.caseParts[static_cast<std::size_t>(loadCase) - 1]);
    return {base, base + QLatin1Char('M')};
}

QString sectionPictureName(int code) {
    for (const SectionPicture& p : kSectionPictures)
        if (p.code == code) return name(p.control);
    return {};
}

CalcControls buildCalcControls(QWidget& w) {
    CalcControls c;
    c.canvas = new GaugeCanvas(&w);
    buildInputs(w, c);
    buildSection(w, c);
    makeAdjustable(c);
    buildResults(w, c);
    buildJudgement(w, c);
    buildPicturesAndButtons(w, c);
    c.canvas->lower();
    return c;
}

} // namespace ui
