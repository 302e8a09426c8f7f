// Form断面選定: every size of the material's table checked for the beam of the calculation
// screen, lightest first, beside that screen and following each of its keystrokes. Taking a
// size hands it to the calculation as the size screen would.
//
// How a keystroke reaches the table: Form入力計算 publishes its input to WizardState before it
// calculates and notifies `calcPublished`; rerank() reads the check from the state
// (app::beamInputs), runs choose::rank over the sizes read at load, and gives the rows to the
// model, which keeps the order the user chose by a header.
#pragma once

#include <QString>
#include <optional>

#include "app/screen.hpp"
#include "choose/ranking.hpp"
#include "choose/sizes.hpp"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace ui {

class Label;
class RankingModel;

class Form断面選定 final : public app::Screen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::Form断面選定;
    explicit Form断面選定(app::Registry& registry);
    ~Form断面選定() override;

    // The choices of the window, as they stand.
    bool allShapes() const;
    choose::Term term() const;
    std::optional<int> deflectionLimit() const;

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;

private:
    void loadSizes();
    void rerank();
    void selectRow(int row, bool highlight);
    void takeSize();
    void limitChanged();

    choose::Sizes sizes_;
    std::vector<choose::Size> prepared_; // sizes_ with their texts, for every ranking
    int listening_ = 0;                  // the handle of calcPublished, 0 when not listening

    struct Controls {
        Label *zaisitu, *lightest;
        QRadioButton *thisShape, *allShapes, *longTerm, *shortTerm;
        QComboBox* limit;
        QLineEdit* limitN;
        QTableView* table;
        RankingModel* model;
        QPushButton* take;
    };
    Controls c_{};
};

} // namespace ui
