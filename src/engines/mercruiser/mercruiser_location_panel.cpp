#include "engines/mercruiser/mercruiser_location_panel.h"

#include "app/errors32.h"
#include "engines/mercruiser/mercruiser_actuator_tables.h"
#include "link/screen_areas.h"
#include "link/screen_host.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QComboBox>

#include <functional>

using namespace mercruiser;

namespace {

// The panel asks the unit before it shows.
constexpr int kLocationWait = 2;

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

// The combo reports the focus entering it.
class LocationCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> focusEntered;

protected:
    void focusInEvent(QFocusEvent *event) override {
        QComboBox::focusInEvent(event);
        if (focusEntered)
            focusEntered();
    }
};

} // namespace

MercruiserLocationPanel::MercruiserLocationPanel(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host) {
    setObjectName(QStringLiteral("MercruiserLocationPanel"));
    currentLocationText_ = inLanguage(kCurrentLocation);
    availableLocationsText_ = inLanguage(kAvailableLocations);
    setNewLocationText_ = inLanguage(kSetNewLocation);
    ignitionWarningText_ = inLanguage(kIgnitionWarning);

    const QRect area = unitlink::kPanelArea;
    panel_ = ui::frame(QStringLiteral("Frame24"), QString::fromUtf8(kLocationCaption),
                       host_.panelParent());
    ui::place(panel_, area);
    captionLabel_ = ui::label(QStringLiteral("Label34"), QString(), panel_);
    ui::place(captionLabel_, 240, 360, 4650, 285);
    auto *combo = new LocationCombo(panel_);
    combo->setObjectName(QStringLiteral("Combo1"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->focusEntered = [this] { captionLabel_->setText(availableLocationsText_); };
    ui::place(combo, 240, 690, 3000, 330);
    captionLabel_->setBuddy(combo); // a screen reader names the box by it
    combo_ = combo;
    statusLabel_ = ui::label(QStringLiteral("Label35"), QString(), panel_);
    statusLabel_->setAlignment(kLeft);
    ui::place(statusLabel_, 240, 1260, 4650, 285);
    warningLabel_ = ui::label(QStringLiteral("Label36"), QString(), panel_);
    warningLabel_->setWordWrap(true);
    warningLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::place(warningLabel_, 240, 1740, 4650, 900);
    warningLabel_->hide();
    setButton_ =
        new ui::CommandButton(QStringLiteral("Command54"), QString::fromUtf8(kSetCaption), panel_);
    ui::place(setButton_, 2280, 3660, 1320, 420);
    exitButton_ = new ui::CommandButton(QStringLiteral("Command53"), ERRORS32::CapExit, panel_);
    ui::place(exitButton_, 3690, 3660, 1320, 420);
    panel_->hide();

    connect(combo, &QComboBox::activated, this, [this] {
        captionLabel_->setText(setNewLocationText_);
        exitButton_->setFocus();
    });
    connect(setButton_, &QPushButton::clicked, this, [this] { setLocation(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { exit(); });
}

void MercruiserLocationPanel::open() {
    ui::setArrow();
    statusLabel_->setAlignment(kLeft);
    statusLabel_->clear();
    combo_->clear();
    // An opening started during this one's wait fills the panel instead.
    const unitlink::RunTickets::Ticket opening = openings_.begin(0);
    if (!host_.BusyWait(kLocationWait) || !openings_.isCurrent(opening))
        return;
    combo_->setEditText(inLanguage(kLocations[0]));
    for (const LanguageText &location : kLocations)
        combo_->addItem(inLanguage(location));
    host_.clearResults();
    captionLabel_->setText(currentLocationText_);
    emit takingOver();
    host_.openPanel(panel_, exitButton_, false);
}

void MercruiserLocationPanel::setLocation() {
    statusLabel_->setAlignment(Qt::AlignCenter);
    statusLabel_->setText(ERRORS32::MsgEndProcess);
    ui::setArrow();
    warningLabel_->setText(ignitionWarningText_);
    warningLabel_->show();
    ui::focusIfReachable(exitButton_);
}

void MercruiserLocationPanel::exit() {
    host_.EnableButtonBar();
    emit closing();
    panel_->hide();
    warningLabel_->hide();
    host_.focusExit();
}
