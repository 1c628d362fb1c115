#pragma once

#include "app/window.h"
#include "link/run_tickets.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QGroupBox;
class QLabel;
class QListWidget;
namespace ui {
class CommandButton;
class ListBox;
class Picture;
} // namespace ui

namespace unitlink {

// The buttons of the ButtonBar, for the order of EnableButtonBar/DisableButtonBar.
enum class BarButton {
    Connect,
    EngineInfo,
    Diagnosis,
    Actuators,
    EraseFaults,
    LiveData,
    Seventh, // Historic or Service, by screen
    Help,
    Report,
    Save,
    Exit,
};

// The functions whose runs are told apart (see RunTickets).
enum class Run { Connect, EngineInfo, RpmInfo, LogInfo, Diagnosis, EraseFaults, Historic };

// The values one engine screen gives the shared skeleton.
struct ScreenSetup {
    QString formName;      // "Form47"
    QString windowCaption; // title bar
    QString unitName;      // ButtonBar frame caption
    QString barFrameName = QStringLiteral("Frame3");
    int connectSteps = 25;
    enum class Seventh { Historic, Service, None } seventh = Seventh::Historic;
    QList<BarButton> barOrder;
    QString pictureFile; // empty: the screen shows no picture
    QRect pictureTwips{120, 240, 4890, 1455};
    // The MessagePanel's Exit also re-enables the ButtonBar.
    bool messageExitEnablesBar = true;
};

// The skeleton every engine screen shares: the ButtonBar with its ResultList,
// the IdentificationPanel, the ProgressPanel, the MessagePanel and the lower
// strip, with the counted wait, the progress display, Connect, function
// panels and the stop flag of repeated displays.
//
// A screen's constructor is its load step: it builds its own panels after
// this constructor and ends with finishLoad().
class EngineScreen : public LoadedWindow {
    Q_OBJECT
public:
    // LiveRunState values.
    static constexpr qint16 kIdle = 0;
    static constexpr qint16 kRunning = 2;
    static constexpr qint16 kStopRequested = 5;
    // Client area of every engine screen, in twips.
    static constexpr int kClientWidth = 10320;
    static constexpr int kClientHeight = 7800;
    // Where function panels open, in twips.
    static constexpr QRect kPanelArea{5040, 2040, 5130, 4200};
    // Where panels too wide for it open: over the lower part of the ButtonBar
    // too, for panels that keep the ButtonBar disabled while they are open.
    static constexpr QRect kWidePanelArea{120, 2040, 10080, 4920};

    explicit EngineScreen(const ScreenSetup &setup);

    const ScreenSetup &setup() const { return setup_; }

    // The counted wait: limit + 1 passes through the event queue. Returns
    // false, early, once the screen has been unloaded; the caller then
    // returns without touching the screen.
    bool BusyWait(int limit);
    // The counted wait of a run that can be called off (a test's Cancel):
    // it also returns false, at once, after the first pass at which
    // goOn() no longer holds.
    bool BusyWait(int limit, const std::function<bool()> &goOn);
    // Hourglass, an empty bar under MsgInitializingCommunication, then one
    // "I" and one BusyWait(10000) per step. Leaves the panel shown.
    bool ShowProgress();
    void EnableButtonBar();
    void DisableButtonBar();
    void ShowNoCommunication();
    void showMessage(const QString &text);
    void showNotAvailable();

    // Shows a function panel over the screen, optionally disabling the
    // ButtonBar, and focuses the given control.
    void openPanel(QWidget *panel, QWidget *focus, bool disableBar = true);
    // Hides a function panel, re-enables the ButtonBar and focuses Exit.
    void closePanel(QWidget *panel);
    // Focuses the lower-strip Exit, or while an open panel holds it, the
    // control that panel was opened with.
    void focusExit();
    // A function panel has disabled the ButtonBar and holds it until it
    // closes (the lower-strip Exit is disabled with it).
    bool barHeldByPanel() const;

    // Connect, readings and erasing run inside their click handler, and a
    // running live display stops when one starts. One started while another
    // waits runs inside that wait; the waiting one then carries on. A run
    // gives way only to a newer run of its own function: these return false
    // when the ticket is no longer current, or the screen was unloaded.
    RunTickets::Ticket beginExchange(Run function);
    bool exchangeProgress(const RunTickets::Ticket &ticket);
    bool exchangeWait(const RunTickets::Ticket &ticket, int limit);
    bool isCurrentRun(const RunTickets::Ticket &ticket) const { return runs_.isCurrent(ticket); }
    // The end of an exchange: the arrow pointer back, the progress hidden.
    void endExchange();
    // ... of one that only reports: the result list emptied, `text` in the
    // MessagePanel.
    void endExchangeWithMessage(const QString &text);
    // Diagnosis found `count` faults: the count, a blank line, the fault
    // code line and the lines that explain it, in the result list.
    void listFaults(int count, const QString &codeLine, const QStringList &lines);
    // Diagnosis in the result list: progress, then the `faults` found with
    // the fault code line and the lines that explain it (Erase faults enabled
    // unless a panel holds the ButtonBar), or "no faults" when there are none.
    // Returns whether the reading ran to its end.
    bool diagnoseInList(const qint16 &faults, const QString &codeLine,
                        const std::function<QStringList()> &lines);
    // Erase faults: `faults` emptied, progress ending in "III", "faults erased".
    void eraseAndReport(qint16 &faults);

    // Repeated displays. runLive sets LiveRunState to running and repeats
    // step() then BusyWait(waitLimit) until the state is no longer running
    // (a stop was requested, or another function reset it); returns false
    // if the screen was unloaded meanwhile.
    qint16 LiveRunState = kIdle;
    // Active faults the simulated unit holds; each screen sets its count at
    // load and says what erases it and what brings it back.
    qint16 ActiveFaultCount = 0;
    bool runLive(const std::function<void()> &step, int waitLimit = 600);
    // runLive over cycles: step runs 1 to `steps` and over again, `bar`
    // emptied at each new cycle; showStep writes the step's values and marks.
    bool runLiveCycles(QLabel *bar, int steps, int waitLimit,
                       const std::function<void(int step)> &showStep);
    // The Exit of a live panel: during a run it only asks the run to stop
    // and returns true; otherwise it returns false and the caller closes.
    bool requestLiveStop();
    bool isLiveRunning() const { return LiveRunState == kRunning; }
    // Another function is starting: a running display ends after its step.
    void stopLiveRun() { requestLiveStop(); }

    // Controls, by role.
    QGroupBox *buttonBarFrame;
    ui::CommandButton *connectButton;
    ui::CommandButton *engineInfoButton;
    ui::CommandButton *diagnosisButton;
    ui::CommandButton *actuatorsButton;
    ui::CommandButton *eraseFaultsButton;
    ui::CommandButton *liveDataButton;
    ui::CommandButton *seventhButton; // Historic or Service; nullptr when absent
    ui::ListBox *resultList;
    ui::CommandButton *helpButton;
    ui::CommandButton *reportButton;
    ui::CommandButton *saveButton;
    ui::CommandButton *exitButton;
    QGroupBox *identificationPanel;
    ui::Picture *picture; // nullptr when the screen has none
    QListWidget *identificationList;
    QGroupBox *progressPanel;
    QLabel *progressLabel;
    QGroupBox *messagePanel;
    QLabel *messageLabel;
    ui::CommandButton *messageExitButton;

protected:
    // Place the picture, show the window, enable Connect, focus Exit.
    void finishLoad();

    // Connect: clear, progress, enable the link functions, list the
    // identification. Screens give their lines and caption.
    virtual void connectToUnit();
    virtual QStringList identificationLines() const { return {}; }
    virtual QString identificationCaption() const { return setup_.unitName; }

    ui::CommandButton *barButton(BarButton role) const;

    // A Diagnosis that ran to its end goes into the history: now, under the
    // make the main menu gives this screen, with `model` and the `faults`
    // found (none: a dash). Called only where a reading completes.
    void recordDiagnosis(const QString &model, const QStringList &faults);

private:
    void buildButtonBar();
    void buildIdentificationPanel();
    void buildProgressAndMessagePanels();
    void setLoadCaptions();

    ScreenSetup setup_;
    RunTickets runs_;
    // Panels shown by openPanel, the last opened last, with the control
    // each was opened with.
    struct OpenedPanel {
        QPointer<QWidget> panel;
        QPointer<QWidget> focus;
        bool holdsBar = true;
    };
    void uncoverResultList();
    std::vector<OpenedPanel> openedPanels_;
};

} // namespace unitlink
