#include "ui/size_screen.hpp"

#include <QListWidget>
#include <QPushButton>

#include "app/registry.hpp"
#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "common/numtext.hpp"
#include "ui/controls.hpp"

namespace ui {
namespace {

constexpr int kFormWidth = 9600, kFormHeight = 7380;
constexpr int kLeft = 240, kRight = 4080, kRightWidth = 5280;
constexpr int kValuesTop = 2700, kValuePitch = 405, kValueLabelWidth = 2100;
constexpr int kButtonsTop = 6540, kButtonWidth = 1920, kButtonHeight = 540;

const QString kNoList = qtext(catalog::kNoListCaption);

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

} // namespace

Form材サイズ選択::Form材サイズ選択(app::Registry& registry) : app::Screen(registry, kId) {}

void Form材サイズ選択::build(app::FormWindow& w) {
    setForm(&w, QStringLiteral("Form材サイズ選択"), kFormWidth, kFormHeight);
    addLabel(&w, "Label0", {kLeft, 180, 6000, 480}, QStringLiteral("　材質サイズの選定"),
             {14, true});
    addLabel(&w, "Label2", {kLeft, 840, 2700, 330}, QStringLiteral("選ばれている材質→"));
    c_.zaisitu = addLabel(&w, "Labelzaisitu", {kLeft + 2700, 840, 6420, 330}, {}, {10, true});
    addLabel(&w, "Label4", {kLeft, 1230, 2700, 330}, QStringLiteral("選ばれている材質のサイズ→"));
    c_.size = addLabel(&w, "LblDanmenSize", {kLeft + 2700, 1230, 6420, 330}, {}, {10, true});

    c_.list = addListBox(&w, "ListDanmenSize", {kLeft, 1740, 3600, 4560}, {10});
    c_.list->setAccessibleName(QStringLiteral("サイズ表")); // it has no caption on screen
    c_.instructions = addLabel(&w, "Label3", {kRight, 1740, kRightWidth, 840}, {});
    c_.prompt = addLabel(&w, "LblDanmen", {kRight, 1740, kRightWidth, 840}, {}, {9, true});
    c_.prompt->setWordWrap(true);

    const int top =
        addLabelledBoxes(&w,
                         {
                             {"Label面積", "面積  (cm2)", "Text面積", &c_.area},
                             {"Labeljuryou", "質量  (kg/m)", "Textjuryou", &c_.mass},
                             {"LabeljuryouSI", "重量  (N/m)", "TextjuryouSI", &c_.weight},
                             {"Labeldz", "断面係数 (cm3)", "Textdz", &c_.z},
                             {"Labeldi", "二次M  (cm4)", "Textdi", &c_.i},
                             {"LbD2r", "二次半径  (cm)", "TxtD2r", &c_.radius},
                             {"LbHiju", "比重", "TxtHiju", &c_.hiju},
                         },
                         {kRight, kValuesTop, kValueLabelWidth, 1800, 345, kValuePitch});
    // The specific gravity is the material's, chosen on the material screen.
    c_.hiju->setReadOnly(true);

    c_.otherSize = addButton(&w, "CmdZIE", {kRight, top + 120, 3900, 480},
                             qtext(catalog::kOtherSizeButtonCaption), {10});
    auto* back = addButton(&w, "Commandmae", {kLeft, kButtonsTop, kButtonWidth, kButtonHeight},
                           QStringLiteral("前に戻る"), {10});
    c_.next = addButton(&w, "Commandtugi",
                        {kLeft + kButtonWidth + 120, kButtonsTop, kButtonWidth, kButtonHeight},
                        QStringLiteral("次に進む "), {10, true});
    c_.next->setDefault(true);
    auto* end =
        addButton(&w, "Commandend",
                  {kFormWidth - kLeft - kButtonWidth, kButtonsTop, kButtonWidth, kButtonHeight},
                  QStringLiteral("おわり"), {10});

    QObject::connect(c_.list, &QListWidget::currentRowChanged, &w, [this](int row) {
        if (row >= 0) ShowSelectedSize();
    });
    QObject::connect(c_.list, &QListWidget::itemDoubleClicked, &w, [this] {
        if (state().FlgOpen == app::Road::SectionProperties) return;
        ShowSelectedSize();
        GoToBeamInput();
    });
    QObject::connect(c_.area, &QLineEdit::textChanged, &w, [this] { areaChanged(); });
    QObject::connect(c_.otherSize, &QPushButton::clicked, &w, [this] { otherSizeClicked(); });
    QObject::connect(c_.next, &QPushButton::clicked, &w, [this] { nextClicked(); });
    QObject::connect(back, &QPushButton::clicked, &w, [this] { backClicked(); });
    QObject::connect(end, &QPushButton::clicked, &w, [this] { endProgram(); });
}

void Form材サイズ選択::onLoad() {
    app::WizardState& s = state();
    s.Flg入力断面他 = app::SectionSource::SizeScreen;
    c_.hiju->setText(QString::fromStdString(s.materialTexts.hiju));
    if (s.FlgOpen == app::Road::SectionProperties) c_.next->hide();
    c_.prompt->setCaption(QStringLiteral("     ") + qtext(catalog::kDirectOnlyPrompt));
    c_.prompt->hide();
    c_.instructions->setCaption(
        QStringLiteral("表よりサイズをダブルクリック\r　または\r選択後「次に進む」をクリック"));
    c_.instructions->show();

    listed_.reset();
    LoadSizeTable();
    ListDanmenSizeInput();

    const int code = s.danmentype;
    if (catalog::hidesOtherSizeButton(code)) c_.otherSize->hide();
    catalog::NoListMode mode = catalog::noListMode(code, catalog::familyOf(s.material.zaitype));
    // A list is promised but there is nothing to list: ask for the properties instead of
    // showing an empty list.
    const bool nothingToList = mode == catalog::NoListMode::KeepsList && rows_.empty();
    if (nothingToList)
        mode = catalog::opensCalculator(code) ? catalog::NoListMode::DirectOrCalc
                                              : catalog::NoListMode::DirectOnly;
    if (mode == catalog::NoListMode::DirectOnly) NoListDirectOnly();
    if (mode == catalog::NoListMode::DirectOrCalc) NoListDirectOrCalc();
    // The file matters only where its list was wanted.
    if (nothingToList && !readError_.isEmpty()) c_.size->setCaption(readError_);

    c_.zaisitu->setCaption(s.material.zaisitu + QStringLiteral(" - ") +
                           qtext(catalog::familyShapeName(code, s.material.zaitype)));
}

void Form材サイズ選択::LoadSizeTable() {
    const catalog::SizeList sizes = catalog::loadSizeList(
        state().material.zaitype, state().danmentype, registry().dataFolders());
    rows_ = sizes.table.rows;
    readError_.clear();
    if (sizes.fileName && !sizes.table.ok())
        readError_ =
            QStringLiteral("サイズ表「%1」を読み込めませんでした。").arg(qtext(*sizes.fileName));
}

void Form材サイズ選択::ListDanmenSizeInput() {
    for (const catalog::SizeRow& row : rows_)
        c_.list->addItem(QString::fromStdString(row[catalog::kFieldDesignation].display()));
    if (c_.list->count() > 0) c_.list->setCurrentRow(0);
}

void Form材サイズ選択::ShowSelectedSize() {
    const int row = c_.list->currentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    c_.size->setCaption(c_.list->item(row)->text());
    const catalog::SelectedSize s =
        catalog::selectSize(rows_[static_cast<std::size_t>(row)], state().materialTexts.hiju);
    listed_ = s;
    c_.area->setText(QString::fromStdString(s.textMenseki));
    c_.mass->setText(QString::fromStdString(s.textJuryou));
    c_.z->setText(QString::fromStdString(s.textDz));
    c_.i->setText(QString::fromStdString(s.textDi));
    c_.radius->setText(QString::fromStdString(s.txtD2r));
    c_.weight->setText(QString::fromStdString(s.textJuryouSI));
}

void Form材サイズ選択::areaChanged() {
    const std::string area = text(c_.area), sg = text(c_.hiju);
    c_.mass->setText(QString::fromStdString(catalog::massTextForArea(area, sg)));
    c_.weight->setText(QString::fromStdString(catalog::weightTextForArea(area, sg)));
}

void Form材サイズ選択::showNoList(const QString& prompt) {
    listed_.reset();
    c_.list->hide();
    c_.size->setCaption(kNoList);
    c_.instructions->hide();
    c_.prompt->setCaption(prompt);
    c_.prompt->show();
    for (QLineEdit* box : {c_.area, c_.mass, c_.z, c_.i, c_.radius})
        box->clear();
    // Emptied with the mass, so that no weight of an earlier size stays beside it.
    c_.weight->clear();
}

void Form材サイズ選択::NoListDirectOnly() {
    showNoList(qtext(catalog::kDirectOnlyPrompt));
    c_.otherSize->hide();
}

void Form材サイズ選択::NoListDirectOrCalc() {
    c_.otherSize->setText(qtext(catalog::kCalcButtonCaption));
    showNoList(qtext(catalog::kDirectOrCalcPrompt));
    c_.otherSize->show();
}

void Form材サイズ選択::nextClicked() {
    // Each value on its own, as a whole number text: "1,9" would be read as 1 and "abc" as 0,
    // and the beam checked with them without a word.
    const std::pair<QLineEdit*, const char*> boxes[] = {{c_.area, "面積"},       {c_.mass, "質量"},
                                                        {c_.z, "断面係数"},      {c_.i, "二次M"},
                                                        {c_.radius, "二次半径"}, {c_.hiju, "比重"}};
    for (const auto& [box, name] : boxes) {
        if (numtext::positiveNumber(text(box))) continue;
        markUnusableBox(box);
        c_.instructions->hide();
        c_.prompt->setCaption(qtext(catalog::notPositiveMessage(name)));
        c_.prompt->setBackColor(QColor(255, 0, 0));
        c_.prompt->setForeColor(QColor(255, 255, 255));
        c_.prompt->show();
        beep();
        return;
    }
    GoToBeamInput();
}

void Form材サイズ選択::GoToBeamInput() {
    setMousePointer(app::MousePointer::Hourglass);
    publishSection();
    flow().forward(*this, app::ScreenId::Form入力計算);
}

void Form材サイズ選択::publishSection() {
    app::WizardState& s = state();
    s.DanmenSize = qtext(catalog::sectionDesignation(
        listed_ ? &*listed_ : nullptr, {text(c_.area), text(c_.z), text(c_.i), text(c_.radius)}));
    s.sizeSection = {s.DanmenSize, c_.area->text(), c_.mass->text(),
                     c_.z->text(), c_.i->text(),    c_.radius->text()};
    s.Flg入力断面他 = app::SectionSource::SizeScreen;
}

void Form材サイズ選択::typeFigures(const app::SectionTexts& saved) {
    const std::pair<QLineEdit*, const QString*> boxes[] = {{c_.area, &saved.area},
                                                           {c_.mass, &saved.mass},
                                                           {c_.z, &saved.z},
                                                           {c_.i, &saved.i},
                                                           {c_.radius, &saved.radius}};
    for (const auto& [box, text] : boxes)
        if (box->text() != *text) box->setText(*text);
}

void Form材サイズ選択::restore(const app::WizardState& saved, QStringList& notes) {
    if (saved.Flg入力断面他 == app::SectionSource::Calculator) {
        state().Flg入力断面他 = app::SectionSource::Calculator;
        return;
    }
    const QString typed = qtext(catalog::kTypedDesignation);
    int row = -1;
    // Only a list that is shown holds sizes to choose.
    if (saved.DanmenSize != typed && !c_.list->isHidden())
        for (int k = 0; k < c_.list->count() && row < 0; ++k)
            if (c_.list->item(k)->text() == saved.DanmenSize) row = k;
    if (row >= 0) {
        c_.list->setCurrentRow(row);
        ShowSelectedSize();
    } else {
        NoListDirectOnly();
        if (saved.DanmenSize != typed) {
            const QString note =
                QStringLiteral("サイズ「%1」はサイズ表にありません。保存された断面性能を直接入力"
                               "として開きました。")
                    .arg(saved.DanmenSize);
            c_.prompt->setCaption(note);
            notes << note;
        }
    }
    typeFigures(saved.sizeSection);
    publishSection();
}

void Form材サイズ選択::otherSizeClicked() {
    const int code = state().danmentype;
    if (catalog::opensCalculator(code))
        GoToCalculator();
    else
        // The lipped channels cannot be drawn by the calculator: their properties are typed.
        NoListDirectOnly();
}

void Form材サイズ選択::GoToCalculator() {
    setMousePointer(app::MousePointer::Hourglass);
    state().Flg入力断面他 = app::SectionSource::Calculator;
    flow().forward(*this, app::ScreenId::Form入力断面他, /*fresh=*/true);
}

void Form材サイズ選択::backClicked() {
    flow().back(*this);
}

} // namespace ui
