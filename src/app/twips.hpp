// Screens are designed in twips (1/1440 inch). Each control keeps its twip rectangle as the
// truth and derives its pixel geometry from it, so a position read back is exactly the one set.
#pragma once

#include <QRect>

class QWidget;

namespace app {

inline constexpr int kTwipsPerPixel = 15; // at 100 % scale; Qt scales logical pixels beyond

// Places a control at a rectangle given in twips (relative to its parent's client area).
void setTwips(QWidget* w, const QRect& twips);
// The control's twip rectangle; derived from its pixels if it was never placed in twips.
QRect twips(const QWidget* w);
void moveTwips(QWidget* w, int left, int top);
int toPixels(int twips);

} // namespace app
