#pragma once

// What a user sees and types into, checked on whatever window is given:
// texts that do not fit their control, panels that let what lies under them
// show through, the focus resting on a control the user cannot see, and
// keys typed where the focus is, as a user's typing goes.

#include <QRegion>
#include <QString>
#include <QStringList>
#include <Qt>

class QWidget;

namespace testing {

// Every visible caption, label, button, option, frame title and grid cell
// of the window whose text is not drawn in full (font metrics against the
// contents rectangle, wrapped lines included), and every grid that needs
// sideways scrolling; one line each, naming the window and the control.
QStringList textsThatDoNotFit(QWidget *window);

// Every shown frame of the window inside which, where nothing shown lies
// above it, the window as drawn differs from the frame drawn on its own:
// there the window shows what lies under the frame.
QStringList seeThroughPanels(QWidget *window);

// Every control a user can reach or act on (focus, press) whose name for a
// screen reader is empty or an object name ("Command12", "Option2(1)").
QStringList unnamedControls(QWidget *window);

// Where the Tab order leaves the reading order of the topmost shown panel,
// or reaches another control before all of that panel's.
QStringList tabOrderProblems(QWidget *window);

// What the user sees of the window: its shown controls, whether each can be
// used, and their texts, one line each in a fixed order.
QString whatIsShown(QWidget *window);

// The part of a control that no shown control stacked above it covers, in
// the control's own coordinates.
QRegion uncoveredPart(QWidget *control, QWidget *window);

// Empty when the window's focus control is visible and enabled (or the
// window itself holds the focus); otherwise names that control.
QString focusOnHiddenControl(QWidget *window);

// Makes the window the active one, as the user's click on it does, then
// types into the control that has the focus.
void typeIntoFocus(QWidget *window, const QString &text);
void keyIntoFocus(QWidget *window, Qt::Key key);

} // namespace testing
