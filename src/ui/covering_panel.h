#pragma once

class QWidget;

namespace ui {

// Whether a shown control under `frame` among its siblings lies in its area.
bool coversASibling(const QWidget *frame);

// The topmost shown frame among the window's own children that lies over
// another shown control: the panel the user works in. Null when no frame covers anything.
QWidget *coveringPanel(QWidget *window);

// Tab and Shift+Tab while a panel covers part of the window: the focus goes
// round the controls the panel leaves in sight, its own first.
// Returns false when no panel covers anything or it has nothing to focus.
bool focusNextInCoveringPanel(QWidget *window, bool next);

} // namespace ui
