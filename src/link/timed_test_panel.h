#pragma once

#include "link/panel_runs.h"

#include <QObject>
#include <QRect>

class QGroupBox;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

namespace unitlink {

// The Performing Test panel of an actuator panel: a timed test's bar in its
// run label, then "end of process", with Cancel, which reads Exit once a
// run has ended and keeps that caption.
class TimedTestPanel : public QObject {
    Q_OBJECT
public:
    // Built hidden inside `actuatorPanel` at `area` (twips).
    TimedTestPanel(QWidget *actuatorPanel, const QString &frameName, const QRect &area);

    // Shows the panel with an empty bar, the focus on Cancel, and runs the
    // bar through `wait`. A complete bar ends in "end of process", the
    // arrow pointer and Cancel reading Exit with the focus.
    void run(const PanelRuns::Wait &wait);
    // After Cancel: the panel hidden, its bar empty, its title back.
    void reset();

    QGroupBox *panel;
    ui::Label *runLabel;
    ui::CommandButton *cancelButton;

signals:
    void cancelPressed();
};

} // namespace unitlink
