#include "ui/choice_screen.hpp"

#include "app/colors.hpp"
#include "app/twips.hpp"
#include "ui/controls.hpp"

namespace ui {
namespace {

// Layout in twips. Pictures are 150 x 120 pixels, three to a row, the frame the same size.
constexpr int kFormWidth = 8880;
constexpr int kPictureWidth = 2250, kPictureHeight = 1800;
constexpr int kMargin = 240, kColumnGap = 825, kRowGap = 300;
constexpr int kPicturesTop = 1800;
constexpr int kFrameHiddenLeft = -3000;

QPoint picturePosition(std::size_t index, std::size_t count) {
    const std::size_t row = index / 3, column = index % 3;
    const std::size_t inRow = std::min<std::size_t>(3, count - row * 3);
    const int rowWidth =
        static_cast<int>(inRow) * kPictureWidth + static_cast<int>(inRow - 1) * kColumnGap;
    const int left =
        (kFormWidth - rowWidth) / 2 + static_cast<int>(column) * (kPictureWidth + kColumnGap);
    return {left, kPicturesTop + static_cast<int>(row) * (kPictureHeight + kRowGap)};
}

} // namespace

const QString ChoiceScreen::kInstruction =
    QStringLiteral("目的の図（梁タイプ）を　ダブルクリック\r・または・\r"
                   "目的の図（梁タイプ）をクリックして、「次に進む」をクリックしてください。");

ChoiceScreen::ChoiceScreen(app::Registry& registry, app::ScreenId id, ChoiceDesign design)
    : app::Screen(registry, id), design_(std::move(design)) {}

void ChoiceScreen::build(app::FormWindow& w) {
    const std::size_t n = design_.choices.size();
    const int rows = static_cast<int>((n + 2) / 3);
    const int picturesBottom = kPicturesTop + rows * kPictureHeight + (rows - 1) * kRowGap;
    const int labelTop = picturesBottom + 240;
    const int ruleTop = labelTop + 600;
    const int buttonsTop = ruleTop + 240;
    setForm(&w, design_.caption, kFormWidth, buttonsTop + 600 + 300);

    const QColor rule = app::systemColor(app::SystemColor::WindowText);
    addLabel(&w, "Label1", {kMargin, 120, 5000, 480}, design_.heading, {14, true});
    addLabel(&w, "Label3", {kMargin, 660, kFormWidth - 2 * kMargin, 900}, QString(), {9});
    addShape(&w, "Line1", {kMargin, 1620, kFormWidth - 2 * kMargin, 30}, Shape::Kind::Line, rule);
    addShape(&w, "Line2", {kMargin, ruleTop, kFormWidth - 2 * kMargin, 30}, Shape::Kind::Line,
             rule);

    for (std::size_t i = 0; i < n; ++i) {
        const Choice& c = design_.choices[i];
        const QPoint at = picturePosition(i, n);
        Picture* p =
            addPicture(&w, c.control, {at.x(), at.y(), kPictureWidth, kPictureHeight}, c.resource);
        p->setKeyRole(Picture::KeyRole::Choose, c.caption);
        QObject::connect(p, &Picture::clicked, &w,
                         [this, i] { pictureClicked(design_.choices[i]); });
        QObject::connect(p, &Picture::doubleClicked, &w,
                         [this, i] { pictureDoubleClicked(design_.choices[i]); });
    }
    // Created after the pictures so that it is drawn over them.
    addShape(&w, "枠line", {kFrameHiddenLeft, kPicturesTop, kPictureWidth, kPictureHeight},
             Shape::Kind::Rectangle, QColor(220, 0, 0), 3);

    Label* label2 = addLabel(&w, "Label2", {kMargin, labelTop, 4800, 420}, QString(), {12, true});
    label2->setIndent(8);
    label2->hide();

    const int buttonWidth = 2040;
    auto* back = addButton(&w, "Commandmae", {kMargin, buttonsTop, buttonWidth, 600},
                           design_.backCaption, {10});
    auto* next =
        addButton(&w, "Commandtugi", {kMargin + buttonWidth + 120, buttonsTop, buttonWidth, 600},
                  QStringLiteral("次に進む"), {10, true});
    next->setDefault(true);
    auto* end = addButton(&w, "Commandend",
                          {kFormWidth - kMargin - buttonWidth, buttonsTop, buttonWidth, 600},
                          QStringLiteral("中断"), {10});
    QObject::connect(back, &QPushButton::clicked, &w, [this] { backClicked(); });
    QObject::connect(next, &QPushButton::clicked, &w, [this] { nextClicked(); });
    QObject::connect(end, &QPushButton::clicked, &w, [this] { endProgram(); });
}

void ChoiceScreen::onLoad() {
    QWidget* frame = control<QWidget>("枠line");
    app::moveTwips(frame, kFrameHiddenLeft, app::twips(frame).top());
    control<Label>("Label3")->setCaption(kInstruction);
    Form_Load_Call();
}

void ChoiceScreen::Form_Load_Call() {
    setPromptColor(app::systemColor(app::SystemColor::Desktop));
}

void ChoiceScreen::markChoice(const Choice& choice) {
    const QRect picture = app::twips(control<QWidget>(choice.control));
    app::moveTwips(control<QWidget>("枠line"), picture.left(), picture.top());
    Label& label = prompt();
    label.setCaption(choice.caption);
    setPromptColor(app::systemColor(app::SystemColor::ActiveCaption));
    label.show();
}

void ChoiceScreen::setPromptColor(const QColor& back) {
    Label& label = prompt();
    label.setBackColor(back);
    label.setForeColor(app::textColorOn(back));
}

void ChoiceScreen::restore(const app::WizardState& saved, QStringList&) {
    const std::optional<int> value = savedChoice(saved);
    for (const Choice& c : design_.choices)
        if (value && c.value == *value) pictureClicked(c);
}

Label& ChoiceScreen::prompt() {
    return *control<Label>("Label2");
}

} // namespace ui
