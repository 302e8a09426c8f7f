// The pattern the beam-type and load-case screens share: pictures chosen by a click (a frame
// marks the choice and Label2 names it) or taken at once by a double-click, and the buttons
// "次に進む", "前へ戻る" and "中断".
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/screen.hpp"

namespace ui {

class Label;

struct Choice {
    QString control;  // picture name, e.g. "Image片持集中"
    QString resource; // its artwork
    QString caption;  // what Label2 says when it is chosen
    int value;        // the public value it sets
};

struct ChoiceDesign {
    QString caption;     // window caption
    QString heading;     // Label1
    QString backCaption; // Commandmae
    std::vector<Choice> choices;
};

class ChoiceScreen : public app::Screen {
public:
    // Restores the screen's prompt: Label2 back in the reset colour.
    virtual void Form_Load_Call();

    static const QString kInstruction;

protected:
    ChoiceScreen(app::Registry& registry, app::ScreenId id, ChoiceDesign design);

    void build(app::FormWindow& w) override;
    void onLoad() override;

    // The selection frame and Label2 name the choice (the effect of a single click).
    void markChoice(const Choice& choice);
    void setPromptColor(const QColor& back);
    Label& prompt();

    // A saved check's choice: the picture of the value `saved` holds is clicked.
    void restore(const app::WizardState& saved, QStringList& notes) override;
    // The value of this screen's choice in `saved`, if any.
    virtual std::optional<int> savedChoice(const app::WizardState& saved) const = 0;

    virtual void pictureClicked(const Choice& choice) = 0;
    virtual void pictureDoubleClicked(const Choice& choice) = 0;
    virtual void nextClicked() = 0;
    virtual void backClicked() = 0;

private:
    ChoiceDesign design_;
};

} // namespace ui
