#include "ui/section_choice_screen.hpp"

#include "app/colors.hpp"
#include "app/registry.hpp"
#include "catalog/shapes.hpp"
#include "common/shape_codes.hpp"
#include "ui/controls.hpp"
#include "ui/shape_panel.hpp"

namespace ui {
namespace {

constexpr int kShapesLeft = 3900, kShapesTop = 720;
constexpr int kButtonWidth = 2040, kButtonHeight = 540;

const QString kInstructionLine =
    QStringLiteral("断面をダブルクリック　または　「次に進む」をクリック");

} // namespace

Form断面選択::Form断面選択(app::Registry& registry) : app::Screen(registry, kId) {}

void Form断面選択::build(app::FormWindow& w) {
    material_ = new MaterialPanel(w, state().material);
    shapes_ =
        new ShapePanel(w, {kShapesLeft, kShapesTop},
                       {[this](int c) { shapeClicked(c); },
                        [this](int c) { shapeDoubleClicked(c); }, [this] { otherClicked(); }});
    const QRect shapes = shapes_->extent();
    const int formWidth = shapes.right() + 1 + 240;
    const int buttonsTop = shapes.bottom() + 1 + 240;
    setForm(&w, QStringLiteral("材質-断面形状-選択"), formWidth, buttonsTop + kButtonHeight + 240);

    auto* back = addButton(&w, "Commandmae", {240, buttonsTop, kButtonWidth, kButtonHeight},
                           QStringLiteral("前へ戻る"), {10});
    auto* next = addButton(&w, "Commandtugi",
                           {240 + kButtonWidth + 120, buttonsTop, kButtonWidth, kButtonHeight},
                           QStringLiteral("次に進む"), {10, true});
    next->setDefault(true);
    auto* end = addButton(&w, "Commandend",
                          {formWidth - 240 - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight},
                          QStringLiteral("中断"), {10});
    QObject::connect(back, &QPushButton::clicked, &w, [this] { backClicked(); });
    QObject::connect(next, &QPushButton::clicked, &w, [this] { nextClicked(); });
    QObject::connect(end, &QPushButton::clicked, &w, [this] { endProgram(); });
}

void Form断面選択::onLoad() {
    // The material side first: the screen always opens on SS400.
    material_->ListzaisituInput();
    material_->select(0);

    shapes_->prompt().setCaption(
        QStringLiteral("材質を選び、目的の断面をクリックして、次に進んでください。"));
    shapes_->moveFrameAway();
    setMousePointer(app::MousePointer::Default);
    shapeClicked(shape::kRoundPipe);
}

void Form断面選択::restore(const app::WizardState& saved, QStringList&) {
    material_->restore(saved.material, saved.materialTexts);
    if (saved.danmentype == shape::kOther)
        choose(shape::kOther); // a button, not a picture: no frame to move
    else if (catalog::shape(saved.danmentype))
        shapeClicked(saved.danmentype);
    // As going on publishes them.
    material_->commit();
    state().materialTexts = material_->boxTexts();
}

void Form断面選択::choose(int code) {
    state().danmentype = code;
    state().danmenkeijou = qtext(catalog::shape(code)->storedName);
}

void Form断面選択::shapeClicked(int code) {
    shapes_->moveFrameTo(code);
    choose(code);
    shapes_->prompt().setCaption(qtext(catalog::shape(code)->promptName) + QChar('\r') +
                                 kInstructionLine);
    HighlightPrompt();
}

void Form断面選択::shapeDoubleClicked(int code) {
    setMousePointer(app::MousePointer::Hourglass);
    choose(code);
    // Stays so while the screen is hidden; the size screen resets it on the way back.
    if (ShowSizeScreen()) setMousePointer(app::MousePointer::Hourglass);
}

void Form断面選択::otherClicked() {
    setMousePointer(app::MousePointer::Hourglass);
    choose(shape::kOther);
    if (ShowSizeScreen()) setMousePointer(app::MousePointer::Hourglass);
}

void Form断面選択::HighlightPrompt() {
    Label& prompt = shapes_->prompt();
    prompt.setBackColor(QColor(0, 0, 255));
    prompt.setForeColor(app::textColorOn(QColor(0, 0, 255)));
}

bool Form断面選択::ShowSizeScreen() {
    // A value that is no positive number would be read as some other number, or as none, and
    // the beam checked with it without a word: the material does not go on so.
    if (const std::optional<catalog::MaterialValue> bad = material_->markUnusable()) {
        setMousePointer(app::MousePointer::Default);
        Label& prompt = shapes_->prompt();
        prompt.setCaption(qtext(catalog::unusableValueMessage(*bad)));
        prompt.setBackColor(QColor(255, 0, 0));
        prompt.setForeColor(QColor(255, 255, 255));
        beep();
        return false;
    }
    material_->commit();
    state().materialTexts = material_->boxTexts();
    flow().forward(*this, app::ScreenId::Form材サイズ選択);
    return true;
}

void Form断面選択::nextClicked() {
    if (state().danmentype >= 1) {
        setMousePointer(app::MousePointer::Hourglass);
        ShowSizeScreen();
    } else {
        beep();
    }
}

void Form断面選択::backClicked() {
    flow().back(*this);
}

} // namespace ui
