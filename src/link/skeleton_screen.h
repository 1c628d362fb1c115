#pragma once

#include "link/engine_screen.h"

class QGroupBox;
class QLabel;

namespace unitlink {

// The shared skeleton on its own, for an engine family whose screen has not
// been built yet: it connects, opens and closes a function panel, shows the
// no-fault message and runs a repeated display with its stop flag.
class SkeletonScreen : public EngineScreen {
    Q_OBJECT
public:
    explicit SkeletonScreen(const ScreenSetup &setup);

    QGroupBox *infoPanel;
    ui::CommandButton *infoExitButton;
    QGroupBox *livePanel;
    QLabel *liveValue;
    ui::CommandButton *liveStartButton;
    ui::CommandButton *liveExitButton;

private:
    void diagnose();
    void startLive();
};

} // namespace unitlink
