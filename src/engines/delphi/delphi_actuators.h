#pragma once

#include "link/panel_runs.h"

#include <QList>
#include <QObject>

class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

// The Actuators panel of the GM Delphi screen: eight output tests, each the
// same timed bar followed by "End process", and a Base Timing Mode switch
// that only toggles its own caption.
class DelphiActuators : public QObject {
    Q_OBJECT
public:
    explicit DelphiActuators(unitlink::ScreenHost &host);

    // Actuators: the panel shown, the ButtonBar disabled.
    void open();

    QGroupBox *panel;
    QLabel *warningLabel;
    QList<ui::CommandButton *> testButtons;
    ui::CommandButton *baseTimingButton;
    ui::Label *resultLine;
    ui::CommandButton *exitButton;

private:
    void runTest();
    void toggleBaseTiming();
    void exitPanel();

    unitlink::ScreenHost &host_;
    // A new test or the panel's Exit ends the one running.
    unitlink::PanelRuns runs_;
};
