// Form材サイズ選択: the size from the size table of the material's family, or the section
// properties typed in, or the way to the section calculator.
#pragma once

#include <QPointer>
#include <QString>
#include <optional>
#include <vector>

#include "app/screen.hpp"
#include "app/wizard_state.hpp"
#include "catalog/size_table.hpp"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

class Label;

class Form材サイズ選択 final : public app::Screen {
public:
    static constexpr app::ScreenId kId = app::ScreenId::Form材サイズ選択;
    explicit Form材サイズ選択(app::Registry& registry);

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void restore(const app::WizardState& saved, QStringList& notes) override;

private:
    void LoadSizeTable();
    void ListDanmenSizeInput();
    void ShowSelectedSize();
    void NoListDirectOnly();
    void NoListDirectOrCalc();
    void GoToBeamInput();
    // DanmenSize and sizeSection as the boxes stand.
    void publishSection();
    // The boxes set to a saved section's texts, the area first (it fills in the mass).
    void typeFigures(const app::SectionTexts& saved);
    void GoToCalculator();
    void areaChanged();
    void nextClicked();
    void backClicked();
    void otherSizeClicked();
    // The common part of the two no-list modes.
    void showNoList(const QString& prompt);

    std::vector<catalog::SizeRow> rows_;
    std::optional<catalog::SelectedSize> listed_; // the row the boxes were filled from
    QString readError_; // names the file that could not be read; empty when it was

    struct Controls {
        Label *zaisitu, *size, *instructions, *prompt;
        QListWidget* list;
        QLineEdit *area, *mass, *weight, *z, *i, *radius, *hiju;
        QPushButton *otherSize, *next;
    };
    Controls c_{};
};

} // namespace ui
