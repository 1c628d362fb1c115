#pragma once

#include "link/panel_runs.h"

#include <QObject>

class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
class Label;
class TextBox;
} // namespace ui

// The Service panel of the Evinrude Ficht screen: replacing the control
// unit (read the old unit's data, fit the new one, write the data) and
// changing the engine's total hours, each a timed bar in the status line
// followed by instruction texts.
class FichtService : public QObject {
    Q_OBJECT
public:
    explicit FichtService(unitlink::ScreenHost &host);

    // Service: empty messages, the engine's `currentHours` in the Actual box.
    void open(const QString &currentHours);

    QGroupBox *panel;
    ui::Label *firstMessage;
    ui::Label *secondMessage;
    ui::CommandButton *replaceEcuButton;
    ui::CommandButton *readDataButton;
    ui::CommandButton *saveDataButton;
    ui::CommandButton *changeHoursButton;
    ui::TextBox *actualBox;
    ui::TextBox *newBox;
    ui::Label *statusLine;
    ui::CommandButton *exitButton;

signals:
    // New total hours were written to the unit.
    void hoursChanged(const QString &hours);

private:
    void replaceEcu();
    void readData();
    void saveData();
    void changeTotalHours();
    void enterNewHours();
    void exitPanel();
    // The 50-step bar of the status line. False when it was cut short: the
    // panel closed, another bar started, or the screen was unloaded.
    bool serviceBar();

    unitlink::ScreenHost &host_;
    // A new bar or the panel's Exit ends the one running.
    unitlink::PanelRuns runs_;
    int runningBars_ = 0;
};
