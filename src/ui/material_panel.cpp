#include "ui/material_panel.hpp"

#include <QListWidget>
#include <QPushButton>

#include "ui/controls.hpp"

namespace ui {
namespace {

// Layout in twips: the left column of the screen.
constexpr int kLeft = 240, kWidth = 3360;
constexpr int kListTop = 720, kListHeight = 4170; // the fourteen names without a scroll bar
constexpr int kModeButtonTop = kListTop + kListHeight + 150;
constexpr int kChosenTop = kModeButtonTop + 600;
constexpr int kValuesTop = kChosenTop + 450, kValuePitch = 390, kValueLabelWidth = 2040;

void store(app::MaterialRecord& r, const catalog::MaterialValues& v) {
    r.Dyangv = v.yang;
    r.Dkmagev = v.kmage;
    r.Dkashukuv = v.kashuku;
    r.Dksendanv = v.ksendan;
    r.Dhijuv = v.hiju;
    r.DyangvOld = v.yangOld;
    r.DkmagevOld = v.kmageOld;
    r.DkashukuvOld = v.kashukuOld;
    r.DksendanvOld = v.ksendanOld;
}

} // namespace

MaterialPanel::MaterialPanel(QWidget& w, app::MaterialRecord& record)
    : QObject(&w), record_(record) {
    addLabel(&w, "Label2", {kLeft, 240, kWidth, 420}, QStringLiteral("材 質 選 択"), {12, true});
    list_ = addListBox(&w, "Listzaisitu", {kLeft, kListTop, kWidth, kListHeight}, {10});
    list_->setAccessibleName(QStringLiteral("材質選択")); // the heading above, as it is read

    typedName_ = addTextBox(&w, "TxtZai", {kLeft, kListTop, kWidth, 360},
                            QStringLiteral("ここに直接材質名を入力してください。"));
    directPrompt_ = addLabel(&w, "LblZai", {kLeft, kListTop + 480, kWidth, 330},
                             QStringLiteral("    材質を直接入力してください"), {9, true});
    directNote_ = addLabel(&w, "LblZai2", {kLeft, kListTop + 840, kWidth, 330},
                           QStringLiteral("数値は半角数字で単位にご注意ください"), {8});
    directNote_->setForeColor(QColor(180, 0, 0));

    toDirect_ = addButton(&w, "CmdZaiNasi", {kLeft, kModeButtonTop, kWidth, 450},
                          QStringLiteral("リスト以外の材質"));
    toList_ = addButton(&w, "CmdList", {kLeft, kModeButtonTop, kWidth, 450},
                        QStringLiteral("材質リストを表示する"));

    addLabel(&w, "Label4", {kLeft, kChosenTop, 1920, 330}, QStringLiteral("選ばれている材質→"));
    chosen_ =
        addLabel(&w, "Lblzaisitu", {kLeft + 1920, kChosenTop, kWidth - 1920, 330}, {}, {10, true});

    addLabelledBoxes(&w,
                     {
                         {"Labelkmage", "許容曲げ (N/mm2)", "Textkmage", &kmage_},
                         {"Labelkashuku", "許容圧縮 (N/mm2)", "Textkashuku", &kashuku_},
                         {"Labelksendan", "許容せん断 (N/mm2)", "Textksendan", &ksendan_},
                         {"Labelyang", "ヤング係数 (N/mm2)", "Textyang", &yang_},
                         {"Label3", "比重", "Texthiju", &hiju_},
                     },
                     {kLeft, kValuesTop, kValueLabelWidth + 60, kWidth - kValueLabelWidth - 60, 330,
                      kValuePitch});

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { selected(row); });
    connect(toDirect_, &QPushButton::clicked, this, [this] { setListMode(false); });
    connect(toList_, &QPushButton::clicked, this, [this] { setListMode(true); });
    setListMode(true);
}

void MaterialPanel::ListzaisituInput() {
    for (const catalog::Material& m : catalog::materials())
        list_->addItem(qtext(m.listText));
}

void MaterialPanel::select(int row) {
    // Setting the row it already has would not run the handler; the load always wants it run.
    if (list_->currentRow() == row)
        selected(row);
    else
        list_->setCurrentRow(row);
}

void MaterialPanel::selected(int row) {
    const catalog::Material* m = catalog::material(row + 1);
    if (!m) return;
    chosen_->setCaption(qtext(m->listText));
    record_.zaitype = m->zaitype;
    const catalog::MaterialTexts t = catalog::siTexts(*m);
    // The catalog's own texts: every value is the catalog's.
    store(record_, catalog::committedValues(*m, false, t));
    kashuku_->setText(QString::fromStdString(t.kashuku));
    kmage_->setText(QString::fromStdString(t.kmage));
    ksendan_->setText(QString::fromStdString(t.ksendan));
    yang_->setText(QString::fromStdString(t.yang));
    hiju_->setText(QString::fromStdString(t.hiju));
    record_.zaisitu = qtext(m->zaisitu);
}

bool MaterialPanel::listMode() const {
    return !list_->isHidden();
}

void MaterialPanel::setListMode(bool list) {
    list_->setVisible(list);
    toDirect_->setVisible(list);
    for (QWidget* w :
         std::initializer_list<QWidget*>{typedName_, directPrompt_, directNote_, toList_})
        w->setVisible(!list);
}

catalog::MaterialTexts MaterialPanel::boxTexts() const {
    return {kmage_->text().toStdString(), kashuku_->text().toStdString(),
            ksendan_->text().toStdString(), yang_->text().toStdString(),
            hiju_->text().toStdString()};
}

QLineEdit* MaterialPanel::box(catalog::MaterialValue v) const {
    switch (v) {
    case catalog::MaterialValue::Kmage:
        return kmage_;
    case catalog::MaterialValue::Kashuku:
        return kashuku_;
    case catalog::MaterialValue::Ksendan:
        return ksendan_;
    case catalog::MaterialValue::Yang:
        return yang_;
    case catalog::MaterialValue::Hiju:
        break;
    }
    return hiju_;
}

std::optional<catalog::MaterialValue> MaterialPanel::markUnusable() {
    const std::optional<catalog::MaterialValue> bad = catalog::firstUnusableValue(boxTexts());
    if (bad) markUnusableBox(box(*bad));
    return bad;
}

void MaterialPanel::commit() {
    const bool direct = !listMode();
    const catalog::Material* chosen = catalog::material(record_.zaitype);
    if (!chosen) return;
    // In list mode the material is the list's, even after a typed name went on earlier.
    record_.zaisitu = direct ? typedName_->text() : qtext(chosen->zaisitu);
    record_.directEntry = direct;
    store(record_, catalog::committedValues(*chosen, direct, boxTexts()));
}

void MaterialPanel::restore(const app::MaterialRecord& saved, const catalog::MaterialTexts& boxes) {
    select(saved.zaitype - 1);
    if (saved.directEntry) {
        setListMode(false);
        typedName_->setText(saved.zaisitu);
    }
    kmage_->setText(qtext(boxes.kmage));
    kashuku_->setText(qtext(boxes.kashuku));
    ksendan_->setText(qtext(boxes.ksendan));
    yang_->setText(qtext(boxes.yang));
    hiju_->setText(qtext(boxes.hiju));
}

} // namespace ui
