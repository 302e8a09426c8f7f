// Form材サイズ選択: the size from the size table of the material's family, or the section
// properties typed in, or the way to the section calculator.
#pragma once

#include <QPointer>
#include <QString>
#include <optional>
#include <vector>

#include "app/screen.hpp"
#include "catalog/size_table.hpp"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

class Label;

class Form材サイズ選択 final : public app::Screen {
public:
    explicit Form材サイズ選択(app::Registry& registry);

    // The designation of the section that goes on: the chosen row's, marked when its figures
    // were typed over, or "直接入力" for typed properties.
    QString DanmenSize;
    double Dmensekiv = 0, Div = 0, Dzv = 0, D2rv = 0, Djuryouv = 0, DjuryouSIv = 0;
    int Flg入力断面他 = 0; // 1: the section comes from the calculator Form入力断面他
    int FlgTugi = 0;       // 1 when the screen unloads itself by going back

    // The section as its boxes show it, which the calculation screen copies.
    struct SectionTexts {
        QString area, mass, z, i, radius;
    };
    SectionTexts sectionTexts();

protected:
    void build(app::FormWindow& w) override;
    void onLoad() override;
    void onUnload() override;

private:
    void LoadSizeTable();
    void ListDanmenSizeInput();
    void ShowSelectedSize();
    void NoListDirectOnly();
    void NoListDirectOrCalc();
    void GoToBeamInput();
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
