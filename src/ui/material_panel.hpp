// The material half of Form断面選択: the list of the material catalog with the five value boxes
// of the chosen material, and the direct entry of a material that is not in the list.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "app/wizard_state.hpp"
#include "catalog/materials.hpp"

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace ui {

class Label;

// Lives as long as the window it is built in (it is a child of it).
class MaterialPanel final : public QObject {
public:
    // Creates the controls in `window`; choices are stored into `record`.
    MaterialPanel(QWidget& window, app::MaterialRecord& record);

    // Appends the fourteen catalog names to Listzaisitu.
    void ListzaisituInput();
    // Selects a list row (this runs the selection handler).
    void select(int row);

    bool listMode() const;
    // CmdList (true) and CmdZaiNasi (false).
    void setListMode(bool list);

    // The texts of Textkmage, Textkashuku, Textksendan, Textyang and Texthiju.
    catalog::MaterialTexts boxTexts() const;
    // Marks the first value box that holds no positive number (red until it is typed in) and
    // says which it is; none when all five can go on.
    std::optional<catalog::MaterialValue> markUnusable();
    // Takes the name and values the user goes on with: the typed name in direct entry, and
    // every value box typed over.
    void commit();
    // A saved material: its list row chosen, or direct entry with its typed name, and the five
    // boxes as saved.
    void restore(const app::MaterialRecord& saved, const catalog::MaterialTexts& boxes);

private:
    void selected(int row);
    QLineEdit* box(catalog::MaterialValue v) const;

    app::MaterialRecord& record_;
    QListWidget* list_;
    Label* chosen_;
    QLineEdit *kmage_, *kashuku_, *ksendan_, *yang_, *hiju_;
    QPushButton *toDirect_, *toList_;
    QLineEdit* typedName_;
    Label *directPrompt_, *directNote_;
};

} // namespace ui
