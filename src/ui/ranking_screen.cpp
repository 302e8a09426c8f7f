#include "ui/ranking_screen.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "app/registry.hpp"
#include "app/twips.hpp"
#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"
#include "common/numtext.hpp"
#include "ui/controls.hpp"
#include "ui/keypad_host.hpp"
#include "ui/ranking_model.hpp"

namespace ui {

namespace {

constexpr int kFormWidth = 14400, kFormHeight = 7560;
constexpr int kLeft = 240, kWidth = kFormWidth - 2 * kLeft;
constexpr int kOptionsTop = 1080, kOptionHeight = 330;
constexpr int kButtonsTop = 6840, kButtonHeight = 480;

// The entries of the deflection limit, the last one taking the typed n.
constexpr const char* kLimitEntries[] = {"なし", "1/250", "1/300", "1/360", "1/n を入力"};
constexpr int kTypedLimit = 4;

QRadioButton* addOption(QWidget* parent, const char* name, const QRect& twips, const char* caption,
                        QButtonGroup* group) {
    auto* o = new QRadioButton(QString::fromUtf8(caption), parent);
    o->setObjectName(QString::fromUtf8(name));
    app::setTwips(o, twips);
    group->addButton(o);
    return o;
}

} // namespace

Form断面選定::Form断面選定(app::Registry& registry) : app::Screen(registry, kId) {}

Form断面選定::~Form断面選定() {
    if (listening_) state().calcPublished.forget(listening_);
}

void Form断面選定::build(app::FormWindow& w) {
    setForm(&w, QStringLiteral("断面選定"), kFormWidth, kFormHeight);
    addLabel(&w, QStringLiteral("Label0"), {kLeft, 120, 3000, 480}, QStringLiteral("　断面選定"),
             {14, true});
    c_.zaisitu =
        addLabel(&w, QStringLiteral("Labelzaisitu"), {3360, 200, 10800, 330}, {}, {10, true});
    c_.lightest =
        addLabel(&w, QStringLiteral("Label最軽量"), {kLeft, 640, kWidth, 360}, {}, {11, true});

    auto* shapes = new QButtonGroup(&w);
    c_.thisShape =
        addOption(&w, "Optこの形状", {kLeft, kOptionsTop, 1300, kOptionHeight}, "この形状", shapes);
    c_.allShapes = addOption(&w, "Opt全形状", {1600, kOptionsTop, 2300, kOptionHeight},
                             "同じ材質の全形状", shapes);
    auto* terms = new QButtonGroup(&w);
    c_.longTerm =
        addOption(&w, "Opt長期", {4200, kOptionsTop, 1300, kOptionHeight}, "長期 OK", terms);
    c_.shortTerm =
        addOption(&w, "Opt短期", {5500, kOptionsTop, 2100, kOptionHeight}, "短期 OK まで", terms);
    c_.thisShape->setChecked(true);
    c_.longTerm->setChecked(true);

    addLabel(&w, QStringLiteral("Labelたわみ"), {9600, kOptionsTop, 1200, kOptionHeight},
             QStringLiteral("たわみ制限"));
    c_.limit = new QComboBox(&w);
    c_.limit->setObjectName(QStringLiteral("Cmbたわみ"));
    c_.limit->setAccessibleName(QStringLiteral("たわみ制限"));
    for (const char* entry : kLimitEntries)
        c_.limit->addItem(QString::fromUtf8(entry));
    app::setTwips(c_.limit, {10800, kOptionsTop - 30, 1560, kOptionHeight + 30});
    addLabel(&w, QStringLiteral("Label1n"), {12480, kOptionsTop, 300, kOptionHeight},
             QStringLiteral("1/"));
    c_.limitN = addTextBox(&w, QStringLiteral("Textたわみn"),
                           {12800, kOptionsTop - 30, 1360, kOptionHeight + 30});
    c_.limitN->setAccessibleName(QStringLiteral("たわみ制限 1/n の n"));
    c_.limitN->setEnabled(false);
    c_.limitN->setValidator(new QIntValidator(1, 1000000, c_.limitN)); // n of 1/n: digits only

    c_.table = new QTableView(&w);
    c_.table->setObjectName(QStringLiteral("Table断面選定"));
    c_.table->setAccessibleName(QStringLiteral("サイズの一覧"));
    app::setTwips(c_.table, {kLeft, 1560, kWidth, 5160});
    c_.model = new RankingModel(c_.table);
    c_.table->setModel(c_.model);
    c_.table->setSelectionBehavior(QAbstractItemView::SelectRows);
    c_.table->setSelectionMode(QAbstractItemView::SingleSelection);
    c_.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c_.table->setSortingEnabled(true);
    c_.table->horizontalHeader()->setSortIndicator(static_cast<int>(choose::Column::Mass),
                                                   Qt::AscendingOrder);
    // Widths follow the contents when the list is read (fitColumns), not at every keystroke:
    // measuring every cell again would cost more than the ranking itself.
    c_.table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    c_.table->horizontalHeader()->setStretchLastSection(true);
    c_.table->verticalHeader()->hide();
    c_.table->setTabKeyNavigation(false);

    c_.take = addButton(&w, QStringLiteral("Cmdこのサイズで計算"),
                        {kLeft, kButtonsTop, 2640, kButtonHeight},
                        QStringLiteral("このサイズで計算"), {10, true});
    c_.take->setDefault(true);
    auto* print = addButton(&w, QStringLiteral("CmdPrin"),
                            {kFormWidth - kLeft - 4080, kButtonsTop, 1920, kButtonHeight},
                            QStringLiteral("印刷"), {10});
    auto* close = addButton(&w, QStringLiteral("Cmd閉じる"),
                            {kFormWidth - kLeft - 1920, kButtonsTop, 1920, kButtonHeight},
                            QStringLiteral("閉じる"), {10});

    const auto rerankOn = [this](QRadioButton* o) {
        QObject::connect(o, &QRadioButton::toggled, o, [this](bool on) {
            if (on) rerank();
        });
    };
    for (QRadioButton* o : {c_.longTerm, c_.shortTerm})
        rerankOn(o);
    for (QRadioButton* o : {c_.thisShape, c_.allShapes})
        QObject::connect(o, &QRadioButton::toggled, o, [this](bool on) {
            if (!on) return;
            loadSizes();
            rerank();
            c_.table->resizeColumnsToContents();
        });
    QObject::connect(c_.limit, &QComboBox::currentIndexChanged, &w, [this] { limitChanged(); });
    QObject::connect(c_.limitN, &QLineEdit::textChanged, &w, [this] { rerank(); });
    QObject::connect(c_.table, &QTableView::doubleClicked, &w, [this] { takeSize(); });
    QObject::connect(c_.take, &QPushButton::clicked, &w, [this] { takeSize(); });
    QObject::connect(print, &QPushButton::clicked, &w,
                     [this] { printThroughDialog(registry().printer(), window()); });
    QObject::connect(close, &QPushButton::clicked, &w, [this] { flow().close(*this); });
}

void Form断面選定::onLoad() {
    loadSizes();
    rerank();
    listening_ = state().calcPublished.listen([this] { rerank(); });
    c_.table->setFocus();
}

void Form断面選定::onUnload() {
    if (listening_) state().calcPublished.forget(listening_);
    listening_ = 0;
}

bool Form断面選定::allShapes() const {
    return c_.allShapes && c_.allShapes->isChecked();
}

choose::Term Form断面選定::term() const {
    return c_.shortTerm && c_.shortTerm->isChecked() ? choose::Term::Short : choose::Term::Long;
}

std::optional<int> Form断面選定::deflectionLimit() const {
    if (!c_.limit) return std::nullopt;
    const int entry = c_.limit->currentIndex();
    if (entry >= 1 && entry <= 3) return choose::kOfferedDeflectionLimits[entry - 1];
    if (entry != kTypedLimit) return std::nullopt;
    const auto n = numtext::positiveNumber(c_.limitN->text().toStdString());
    if (!n || *n < 1 || *n > 1e6) return std::nullopt;
    return static_cast<int>(*n + 0.5);
}

void Form断面選定::limitChanged() {
    c_.limitN->setEnabled(c_.limit->currentIndex() == kTypedLimit);
    rerank();
}

void Form断面選定::loadSizes() {
    const app::WizardState& s = state();
    const int zaitype = s.material.zaitype;
    sizes_ = choose::loadSizes(zaitype, allShapes() ? std::nullopt : std::optional(s.danmentype),
                               registry().dataFolders());
    prepared_ = choose::prepare(sizes_.rows, s.materialTexts.hiju);
    const QString shapeName = allShapes() ? QStringLiteral("同じ材質の全形状")
                                          : qtext(catalog::familyShapeName(s.danmentype, zaitype));
    c_.zaisitu->setCaption(s.material.zaisitu + QStringLiteral(" - ") + shapeName);
}

void Form断面選定::rerank() {
    if (!isLoaded()) return;
    const app::WizardState& s = state();
    // A size the user moved to stays chosen while it is listed; the mark of the lightest
    // follows the lightest.
    std::optional<std::pair<int, std::string>> chosen;
    if (const QModelIndex at = c_.table->currentIndex();
        at.isValid() && at.row() != c_.model->lightestRow())
        chosen = std::pair(c_.model->row(at.row()).shape, c_.model->row(at.row()).designation);

    choose::Ranking ranking;
    QString caption;
    const std::optional<beam::Inputs> in = app::beamInputs(s);
    if (!sizes_.ok() || sizes_.rows.empty()) {
        caption = qtext(choose::whyNoSizes(s.danmentype, sizes_));
    } else if (in) {
        choose::Request request;
        request.beam = *in;
        request.term = term();
        request.deflectionLimit = deflectionLimit();
        ranking = choose::rank(request, prepared_);
        caption = qtext(choose::lightestCaption(ranking, term()));
    }
    const bool wasEmpty = c_.model->rowCount() == 0;
    c_.model->setRanking(ranking, s.material.zaitype);
    if (wasEmpty && c_.model->rowCount() > 0) c_.table->resizeColumnsToContents();
    c_.lightest->setCaption(caption);
    c_.take->setEnabled(c_.model->rowCount() > 0);
    const int again = chosen ? c_.model->find(chosen->first, chosen->second) : -1;
    selectRow(again >= 0 ? again : c_.model->lightestRow(), again >= 0);
}

void Form断面選定::selectRow(int row, bool highlight) {
    if (row < 0) return;
    const QModelIndex at = c_.model->index(row, 0);
    // The lightest keeps its own colour as the current row; a size the user chose is selected.
    c_.table->selectionModel()->setCurrentIndex(
        at, highlight ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                      : QItemSelectionModel::NoUpdate);
    c_.table->scrollTo(at);
}

void Form断面選定::takeSize() {
    const QModelIndex at = c_.table->currentIndex();
    if (!at.isValid()) return;
    const choose::Row& row = c_.model->row(at.row());
    if (row.source >= sizes_.rows.size()) return;
    app::WizardState& s = state();
    const catalog::SelectedSize size =
        catalog::selectSize(sizes_.rows[row.source], s.materialTexts.hiju);
    if (const catalog::ShapeInfo* shape = catalog::shape(row.shape);
        shape && row.shape != s.danmentype) {
        s.danmentype = row.shape;
        s.danmenkeijou = qtext(shape->storedName);
    }
    // The material values the ranking used are the calculation's, edited there or not.
    app::keepCalculationMaterial(s);
    s.DanmenSize = qtext(size.danmenSize);
    s.sizeSection = {s.DanmenSize,       qtext(size.textMenseki), qtext(size.textJuryou),
                     qtext(size.textDz), qtext(size.textDi),      qtext(size.txtD2r)};
    s.Flg入力断面他 = app::SectionSource::SizeScreen;
    s.rankedSize = s.DanmenSize;
    flow().recalculateWithTakenSize(*this);
}

} // namespace ui
