#pragma once

#include "app/errors32.h"
#include "app/window.h"
#include "link/live_run.h"
#include "link/run_tickets.h"
#include "link/screen_areas.h"
#include "link/screen_host.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
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
    // The faults the unit holds once Connect has read them; none while
    // Connect runs. Unset: Connect leaves ActiveFaultCount as it is.
    std::optional<qint16> faultsAfterConnect;
};

// The checkpoints of Connect after its progress, where a link that stops
// answering ends Connect on the no-communication message.
enum class ConnectStep { ProgressDone, FaultsRead, IdentificationShown, FunctionsEnabled };

// The skeleton every engine screen shares: the ButtonBar with its ResultList,
// the IdentificationPanel, the ProgressPanel, the MessagePanel and the lower
// strip, with the counted wait, the progress display, Connect, function
// panels and the stop flag of repeated displays. Panels reach it only as
// their ScreenHost.
//
// A screen's constructor is its load step: it builds its own panels after
// this constructor and ends with finishLoad().
class EngineScreen : public LoadedWindow, public ScreenHost {
    Q_OBJECT
public:
    explicit EngineScreen(const ScreenSetup &setup);

    // Active faults the simulated unit holds; each screen sets its count at
    // load and says what erases it and what brings it back.
    qint16 ActiveFaultCount = 0;
    // LiveRunState, the stop flag of the repeated displays.
    qint16 liveRunState() const { return liveRun_.state(); }

protected:
    // ScreenHost: what the screen's panels may ask of it.
    QWidget *panelParent() override { return this; }
    void openPanel(QWidget *panel, QWidget *focus, bool disableBar = true) override;
    void closePanel(QWidget *panel) override;
    void focusExit() override;
    void EnableButtonBar() override;
    void DisableButtonBar() override;
    void clearResults() override;
    bool BusyWait(int limit) override;
    bool BusyWait(int limit, const std::function<bool()> &goOn) override;
    LiveRun &liveRun() override { return liveRun_; }
    LiveRun::End runLiveCycles(QLabel *bar, int steps, int waitLimit,
                               const std::function<void(int step)> &showStep) override;

    // Place the picture, show the window, enable Connect, focus Exit.
    void finishLoad();

    // Hourglass, an empty bar under MsgInitializingCommunication, then one
    // "I" and one BusyWait(10000) per step. Leaves the panel shown.
    bool ShowProgress();
    void appendProgress(const QString &bars);
    void ShowNoCommunication();
    void showMessage(const QString &text);
    void showNotAvailable();
    // A function panel has disabled the ButtonBar and holds it until it
    // closes (the lower-strip Exit is disabled with it).
    bool barHeldByPanel() const;

    // Connect's hooks. Connect empties what clearForConnect() says (the
    // result and identification lists), shows the progress, then, with the
    // link answering at each ConnectStep, reads the faults, shows the
    // identification and enables the ButtonBar's functions (unless a panel
    // opened meanwhile holds the bar).
    virtual void clearForConnect();
    virtual bool connectStepAnswers(ConnectStep) { return true; }
    // "III" after the progress bar, then showIdentificationLines().
    virtual void showIdentification();
    // The identificationLines() in the IdentificationPanel under
    // identificationCaption(), over the picture.
    void showIdentificationLines();
    virtual QStringList identificationLines() const { return {}; }
    virtual QString identificationCaption() const { return setup_.unitName; }

    // Connect, readings and erasing run inside their click handler, and a
    // running live display stops when one starts. One started while another
    // waits runs inside that wait; the waiting one then carries on. A run
    // gives way only to a newer run of its own function: these return false
    // when the ticket is no longer current, or the screen was unloaded.
    RunTickets::Ticket beginExchange(Run function);
    bool exchangeProgress(const RunTickets::Ticket &ticket);
    bool exchangeWait(const RunTickets::Ticket &ticket, int limit);
    // A reading: the result list emptied, the progress, then `pause` more
    // passes of the counted wait unless it is 0. False when it gave way.
    bool readFromUnit(Run function, int pause);
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
    // Erase faults: `faults` emptied, progress ending in "III", then
    // `erased` (by default "faults erased") in the MessagePanel.
    void eraseAndReport(qint16 &faults, const QString &erased = ERRORS32::MsgFaultsErased);
    // Another function is starting: a running display ends after its step.
    void stopLiveRun() { liveRun_.requestStop(); }

    // A Diagnosis that ran to its end goes into the history: now, under the
    // make the main menu gives this screen, with `model` and the `faults`
    // found (none: a dash). Called only where a reading completes.
    void recordDiagnosis(const QString &model, const QStringList &faults);

    // Controls the screens work with, by role.
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

private:
    // Controls only the skeleton works with.
    QGroupBox *buttonBarFrame;
    ui::CommandButton *connectButton;
    QLabel *progressLabel;
    QGroupBox *messagePanel;
    QLabel *messageLabel;
    ui::CommandButton *messageExitButton;

    ui::CommandButton *barButton(BarButton role) const;
    void buildButtonBar();
    void buildIdentificationPanel();
    void buildProgressAndMessagePanels();
    void setLoadCaptions();
    // The one Connect of every screen, shaped by the hooks above.
    void connectToUnit();
    void uncoverResultList();

    ScreenSetup setup_;
    RunTickets runs_;
    LiveRun liveRun_;
    // Panels shown by openPanel, the last opened last, with the control
    // each was opened with.
    struct OpenedPanel {
        QPointer<QWidget> panel;
        QPointer<QWidget> focus;
        bool holdsBar = true;
    };
    std::vector<OpenedPanel> openedPanels_;
};

} // namespace unitlink
