// A check saved and opened as the user does it: "保存" on a screen, "開く" on the opening screen of
// a fresh program run, with the file dialogs answered by the test; and what a user sees of a
// screen, to compare before and after.
#pragma once

#include <QRadioButton>

#include "fakes.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"

namespace testing_ui {

// Every shown field, caption, button and option of a screen, by name.
inline QStringList seen(app::Screen& s) {
    QStringList out;
    QWidget& w = s.window();
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!c->isVisibleTo(&w) || c->objectName().isEmpty()) continue;
        QString what;
        if (auto* e = qobject_cast<QLineEdit*>(c))
            what = e->text();
        else if (auto* l = qobject_cast<ui::Label*>(c))
            what = l->caption();
        else if (auto* r = qobject_cast<QRadioButton*>(c))
            what = r->isChecked() ? "●" : "○";
        else if (auto* b = qobject_cast<QPushButton*>(c))
            what = b->text();
        else
            what = "shown";
        out << c->objectName() + "=" + what;
    }
    out.sort();
    return out;
}

inline void saveCheck(ProgramRun& run, app::Screen& s, const QString& path) {
    run.documents->saveAs = path;
    click(need(s, "Cmd保存"));
}

inline void openCheck(ProgramRun& run, const QString& path) {
    run.registry.screen<ui::FormOpen>().show();
    run.documents->openName = path;
    click(need(run.registry.screen<ui::FormOpen>(), "CmdOpen"));
}

} // namespace testing_ui
