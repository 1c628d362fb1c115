#pragma once

class QWidget;

namespace ui {

// Watches every window of the program, once installed, so that what a
// panel does when it shows or hides holds on every window alike:
// - a control that hides while it holds the focus (or holds the control
//   that does) hands the focus to its window, so that typing never lands in
//   a hidden box; the handler that hid it may then focus the control it names;
// - a frame inside another is named for a screen reader by its own caption,
//   not the outer one's, and lists and grids, which have no caption of their
//   own, after the frame that holds them (else the window); both follow the
//   captions when they change;
// - the Tab order follows the reading order, left to right and top to
//   bottom, and a shown panel's controls come before what it covers.
void watchWindows();

// Whether a control is a part of a list, a grid or a combo box inside the
// window, reached through that control rather than on its own.
bool isPartOfAnotherControl(const QWidget *control, const QWidget *window);

// Orders the Tab chain of a window as described above (the watch does it
// whenever a frame shows or hides).
void orderTabsByReading(QWidget *window);

} // namespace ui
