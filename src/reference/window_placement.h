#pragma once

#include "ui/twips.h"

#include <QWidget>

namespace reference {

// A window's frame: borders left and right, and borders plus caption bar top
// and bottom, in twips.
constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 450;

// Places a top-level window by its outer rectangle in twips, as the windows
// give it (left and top of the frame, width and height with the frame): the
// client area is what remains inside the frame.
inline void placeWindow(QWidget *window, int left, int top, int width, int height) {
    ui::setClientSize(window, width - kFrameWidth, height - kFrameHeight);
    window->move(ui::pixels(left), ui::pixels(top));
}

} // namespace reference
