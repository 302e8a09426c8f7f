#include <QWidget>
#include <gtest/gtest.h>

#include "app/colors.hpp"
#include "app/twips.hpp"

namespace {

TEST(Twips, ThePositionSetIsThePositionReadBackAndPixelsFollow) {
    QWidget parent;
    QWidget child(&parent);
    app::setTwips(&child, {1900, 1907, 2250, 1800});
    EXPECT_EQ(app::twips(&child), QRect(1900, 1907, 2250, 1800));
    // 1900 / 15 = 126.7 -> 127 px; 1907 / 15 = 127.1 -> 127 px; widths from rounded edges.
    EXPECT_EQ(child.geometry(), QRect(127, 127, 150, 120));
    app::moveTwips(&child, -3000, 240);
    EXPECT_EQ(app::twips(&child), QRect(-3000, 240, 2250, 1800));
    EXPECT_EQ(child.pos(), QPoint(-200, 16));
}

TEST(Colors, BgrValuesAreConvertedToRgb) {
    EXPECT_EQ(app::fromBgr(0x00C00000), QColor(0, 0, 192));
    EXPECT_EQ(app::fromBgr(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(app::fromBgr(0x0080FF00), QColor(0, 255, 128));
}

TEST(Colors, TextStaysReadableOnItsBackground) {
    EXPECT_EQ(app::textColorOn(QColor(0, 0, 255)), QColor(Qt::white));
    EXPECT_EQ(app::textColorOn(QColor(255, 0, 0)), QColor(Qt::white));
    EXPECT_EQ(app::textColorOn(QColor(255, 255, 0)), QColor(Qt::black));
    EXPECT_EQ(app::textColorOn(QColor(192, 192, 192)), QColor(Qt::black));
}

} // namespace
