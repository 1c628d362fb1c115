#pragma once

#include <QRect>

class QWidget;

namespace ui {

// Form geometry is written in twips (1/1440 inch); at 96 dpi a pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}
QRect twipsRect(int left, int top, int width, int height);

// Moves and sizes a control, relative to its parent, in twips.
void place(QWidget *widget, int left, int top, int width, int height);
void place(QWidget *widget, const QRect &twips);
// Gives a top-level window a fixed client area in twips.
void setClientSize(QWidget *window, int width, int height);

} // namespace ui
