// What the keypad widget adds to the keypad core (tests/keypad): its controls moved by the host's
// offset, its signals to the host, keys that leave the focus where it is, a readout that fits.
#include "fakes.hpp"

#include <QFontMetrics>
#include <tuple>

#include "ui/controls.hpp"
#include "ui/keypad_widget.hpp"

using namespace testing_ui;

namespace {

using Write = std::tuple<int, QString, double>;

// A window that hosts a keypad and records what the keypad asks of it.
struct Host {
    Host(int fields, QPoint offset) {
        window.resize(700, 520);
        keypad = new ui::KeypadWidget(&window, fields, offset);
        QObject::connect(keypad, &ui::KeypadWidget::targetChanged,
                         [this](int f) { marks.push_back(f); });
        QObject::connect(
            keypad, &ui::KeypadWidget::writeField,
            [this](int f, const QString& t, double v) { writes.emplace_back(f, t, v); });
        QObject::connect(keypad, &ui::KeypadWidget::recalculate, [this] { ++recalcs; });
        window.show();
    }
    void keys(const char* names) { // separated by blanks
        for (const QString& name : QString(names).split(' '))
            click(window.findChild<QWidget*>(name));
    }
    QString readout() { return keypad->readout()->caption(); }

    QWidget window;
    ui::KeypadWidget* keypad = nullptr;
    std::vector<int> marks;
    std::vector<Write> writes;
    int recalcs = 0;
};

// The readout and fourteen keys; a host's offset moves each of them alike.
TEST(KeypadWidget, PlacesItsControlsMovedByTheHostsOffset) {
    Host plain(4, {}), moved(6, {-360, -360});
    const auto controls = plain.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 15);
    EXPECT_EQ(plain.window.findChildren<QPushButton*>().size(), 14);
    for (QWidget* c : controls) {
        QWidget* m = moved.window.findChild<QWidget*>(c->objectName());
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(app::twips(m), app::twips(c).translated(-360, -360))
            << c->objectName().toStdString();
    }
}

// A readout of 0. is not handed over; "←入力" recalculates, a field click leaves that to the
// field's own change handling. The focus stays in the host's field throughout.
TEST(KeypadWidget, TellsTheHostTheTargetTheWriteAndTheRecalculation) {
    Host h(6, {});
    auto* field = new QLineEdit(&h.window);
    field->show();
    field->setFocus();
    h.keypad->clickField(2);
    h.keys("Number1 Number2 Decimal Number5");
    EXPECT_EQ(h.readout(), "12.5");
    h.keys("Command入力");
    EXPECT_EQ(h.recalcs, 1);
    h.keys("Number7");
    h.keypad->clickField(5);
    EXPECT_EQ(h.marks, (std::vector<int>{2, 5}));
    EXPECT_EQ(h.writes, (std::vector<Write>{{2, "12.5", 12.5}, {5, "7.", 7.0}}));
    EXPECT_EQ(h.recalcs, 1);
    EXPECT_EQ(h.readout(), "0.");
    h.keys("Number1 Bs Cancel");
    EXPECT_EQ(h.window.focusWidget(), field);
}

TEST(KeypadWidget, TheLongestReadoutFitsItsLabel) {
    Host h(4, {});
    for (int k = 0; k < 17; ++k)
        h.keys("Number8");
    EXPECT_EQ(h.readout(), "888888888888888.");
    const ui::Label* label = h.keypad->readout();
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(h.readout()) + label->indent(),
              label->contentsRect().width());
}

} // namespace
