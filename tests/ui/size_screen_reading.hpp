// What a user reads off the size screen: the rows of its list and its seven value boxes.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

#include "ui/size_screen.hpp"

namespace testing_ui {

// Area, mass, weight, Z, I, radius of gyration, specific gravity.
inline QStringList sizeBoxes(ui::Form材サイズ選択& s) {
    QStringList texts;
    for (const char* name :
         {"Text面積", "Textjuryou", "TextjuryouSI", "Textdz", "Textdi", "TxtD2r", "TxtHiju"})
        texts << s.control<QLineEdit>(QString::fromUtf8(name))->text();
    return texts;
}

inline QStringList listedSizes(ui::Form材サイズ選択& s) {
    QStringList rows;
    auto* list = s.control<QListWidget>(QStringLiteral("ListDanmenSize"));
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

} // namespace testing_ui
