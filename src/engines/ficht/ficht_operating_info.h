#pragma once

#include "link/screen_host.h"

#include <QObject>

#include <array>

class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
} // namespace ui

// The Engine Operating Info panel: hours per engine-speed band, injector
// serial numbers and a sensor snapshot, written each time it opens.
class FichtOperatingInfo : public QObject {
    Q_OBJECT
public:
    explicit FichtOperatingInfo(unitlink::ScreenHost &host);

    void open();

    QGroupBox *panel;
    std::array<QLabel *, 10> bandValues{};
    std::array<QLabel *, 6> injectorValues{};
    std::array<QLabel *, 9> snapshotValues{};
    ui::CommandButton *exitButton;

private:
    void exitPanel();

    unitlink::ScreenHost &host_;
};
