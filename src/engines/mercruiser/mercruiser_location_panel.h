#pragma once

#include "link/run_tickets.h"

#include <QObject>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
} // namespace ui
namespace unitlink {
class ScreenHost;
} // namespace unitlink

// The EngineLocationPanel of the Mercruiser screen: the ActuatorPanel's
// Set Engine Location asks the unit for the four locations and shows them
// in that panel's place. Set ends with the warning to switch the ignition
// off for the new location to take; Exit ends the actuator tests.
class MercruiserLocationPanel : public QObject {
    Q_OBJECT
public:
    explicit MercruiserLocationPanel(unitlink::ScreenHost &host);

    // Asks the unit (a short counted wait), then shows the panel with the
    // current location in the box.
    void open();

signals:
    // About to show: the ActuatorPanel it opened from hides now.
    void takingOver();
    // Exit, once the ButtonBar is back: the actuator tests end now.
    void closing();

private:
    void setLocation();
    void exit();

    unitlink::ScreenHost &host_;
    // An opening gives way to a newer one.
    unitlink::RunTickets openings_;
    // Texts chosen at load.
    QString currentLocationText_;
    QString availableLocationsText_;
    QString setNewLocationText_;
    QString ignitionWarningText_;

    QGroupBox *panel_;
    QLabel *captionLabel_;
    QComboBox *combo_;
    QLabel *statusLabel_;
    QLabel *warningLabel_;
    ui::CommandButton *setButton_;
    ui::CommandButton *exitButton_;
};
