#pragma once

#include "link/engine_screen.h"

class QGroupBox;
class QLabel;

namespace testing {

// The shared skeleton on its own, so that its tests need no engine family's
// screen: it connects, opens and closes a function panel, shows the
// no-fault message and runs a repeated display with its stop flag.
class SkeletonScreen : public unitlink::EngineScreen {
    Q_OBJECT
public:
    explicit SkeletonScreen(const unitlink::ScreenSetup &setup);

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

} // namespace testing
