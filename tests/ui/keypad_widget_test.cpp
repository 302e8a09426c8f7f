// The keypad's controls on a bare host window, clicked as a user would.
#include "fakes.hpp"

#include <QFontMetrics>
#include <sstream>
#include <tuple>

#include "ui/controls.hpp"
#include "ui/keypad_widget.hpp"

using namespace testing_ui;

namespace {

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

    QWidget* control(const QString& name) {
        return window.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    }
    ui::Label* readout() { return window.findChild<ui::Label*>("Readout"); }

    // Clicks the keys of a script: digits, "." (the point key), "BS", "C", "E" (←入力).
    void keys(const char* script) {
        std::istringstream in(script);
        for (std::string t; in >> t;) {
            const QString name = t == "."    ? QStringLiteral("Decimal")
                                 : t == "BS" ? QStringLiteral("Bs")
                                 : t == "C"  ? QStringLiteral("Cancel")
                                 : t == "E"  ? QStringLiteral("Command入力")
                                             : QStringLiteral("Number") + QString::fromStdString(t);
            QWidget* key = control(name);
            ASSERT_NE(key, nullptr) << name.toStdString();
            click(key);
        }
    }

    QWidget window;
    ui::KeypadWidget* keypad = nullptr;
    std::vector<int> marks;
    std::vector<std::tuple<int, QString, double>> writes;
    int recalcs = 0;
};

struct Placed {
    const char* name;
    const char* caption;
    QRect twips;
};

const Placed kDesign[] = {
    {"Readout", "0.", {6720, 1320, 2400, 375}}, {"Bs", "BS", {9120, 1320, 480, 360}},
    {"Cancel", "C", {9600, 1320, 480, 360}},    {"Command入力", "←入力", {6720, 1680, 975, 495}},
    {"Number1", "1", {7680, 1680, 480, 480}},   {"Number2", "2", {8160, 1680, 480, 480}},
    {"Number3", "3", {8640, 1680, 480, 480}},   {"Number4", "4", {9120, 1680, 480, 480}},
    {"Number5", "5", {9600, 1680, 480, 480}},   {"Number0", "0", {6720, 2160, 960, 480}},
    {"Number6", "6", {7680, 2160, 480, 480}},   {"Number7", "7", {8160, 2160, 480, 480}},
    {"Number8", "8", {8640, 2160, 480, 480}},   {"Number9", "9", {9120, 2160, 480, 480}},
    {"Decimal", "．", {9600, 2160, 480, 480}},
};

QString captionOf(QWidget* w) {
    if (auto* l = qobject_cast<ui::Label*>(w)) return l->caption();
    if (auto* b = qobject_cast<QPushButton*>(w)) return b->text();
    return "<not a label or button>";
}

TEST(KeypadWidget, PlacesItsControlsOnTheHostAtTheirDesignRectangles) {
    Host h(4, {0, 0});
    for (const Placed& p : kDesign) {
        QWidget* w = h.control(QString::fromUtf8(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(captionOf(w), QString::fromUtf8(p.caption)) << p.name;
        EXPECT_EQ(app::twips(w), p.twips) << p.name;
    }
    EXPECT_EQ(h.window.findChildren<QPushButton*>().size(), 14);
}

TEST(KeypadWidget, MovesEveryControlByTheHostsOffset) {
    Host h(6, {-360, -360});
    EXPECT_EQ(app::twips(h.readout()), QRect(6360, 960, 2400, 375));
    for (const Placed& p : kDesign) {
        QWidget* w = h.control(QString::fromUtf8(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(app::twips(w), p.twips.translated(-360, -360)) << p.name;
    }
}

TEST(KeypadWidget, ReadoutIsBlackOnYellow) {
    Host h(4, {});
    EXPECT_EQ(h.readout()->backColor(), QColor(255, 255, 0));
    EXPECT_EQ(h.readout()->foreColor(), QColor(0, 0, 0));
}

TEST(KeypadWidget, KeysBuildTheNumberAndEnterHandsItToTheTarget) {
    Host h(4, {});
    h.keypad->clickField(2);
    EXPECT_EQ(h.marks, std::vector<int>{2});
    EXPECT_TRUE(h.writes.empty()) << "a readout of 0. is not handed over";
    h.keys("1 2 . 5");
    EXPECT_EQ(h.readout()->caption(), "12.5");
    h.keys("E");
    ASSERT_EQ(h.writes.size(), 1u);
    EXPECT_EQ(h.writes[0], std::make_tuple(2, QString("12.5"), 12.5));
    EXPECT_EQ(h.recalcs, 1);
    EXPECT_EQ(h.readout()->caption(), "0.");
    h.keys("E");
    ASSERT_EQ(h.writes.size(), 2u);
    EXPECT_EQ(h.writes[1], std::make_tuple(2, QString("0."), 0.0));
    EXPECT_EQ(h.recalcs, 2);
}

TEST(KeypadWidget, AFieldClickTakesAReadoutAboveZero) {
    Host h(6, {-360, -360});
    h.keys("7");
    h.keypad->clickField(5);
    EXPECT_EQ(h.marks, std::vector<int>{5});
    ASSERT_EQ(h.writes.size(), 1u);
    EXPECT_EQ(h.writes[0], std::make_tuple(5, QString("7."), 7.0));
    EXPECT_EQ(h.recalcs, 0) << "the field's own change handling recalculates";
    EXPECT_EQ(h.readout()->caption(), "0.");
    h.keys("3");
    h.keypad->reset();
    EXPECT_EQ(h.readout()->caption(), "0.");
    EXPECT_EQ(h.keypad->state().target(), 1);
}

TEST(KeypadWidget, BackspaceAndClearEditTheReadout) {
    Host h(4, {});
    h.keys("1 2 . 7 6 5 BS");
    EXPECT_EQ(h.readout()->caption(), "13.");
    h.keys("C");
    EXPECT_EQ(h.readout()->caption(), "0.");
    h.keys("0 0 9 BS");
    EXPECT_EQ(h.readout()->caption(), "0.");
    EXPECT_TRUE(h.writes.empty());
}

TEST(KeypadWidget, AnEmptiedReadoutEntersAnEmptyText) {
    Host h(4, {});
    h.keys("4 2");
    h.keypad->clearReadout();
    EXPECT_EQ(h.readout()->caption(), "");
    h.keys("BS");
    EXPECT_EQ(h.readout()->caption(), "");
    h.keypad->clickField(3);
    EXPECT_TRUE(h.writes.empty());
    h.keys("E");
    ASSERT_EQ(h.writes.size(), 1u);
    EXPECT_EQ(h.writes[0], std::make_tuple(3, QString(""), 0.0));
    EXPECT_EQ(h.readout()->caption(), "0.");
}

TEST(KeypadWidget, TheLongestReadoutFitsItsLabel) {
    Host h(4, {});
    h.keys("8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8");
    const QString full = h.readout()->caption();
    EXPECT_EQ(full, "888888888888888.");
    const QFontMetrics fm(h.readout()->font());
    EXPECT_LE(fm.horizontalAdvance(full) + h.readout()->indent(),
              h.readout()->contentsRect().width());
}

} // namespace
