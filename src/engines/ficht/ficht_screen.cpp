#include "engines/ficht/ficht_screen.h"

#include "app/errors32.h"
#include "engines/ficht/ficht_actuators.h"
#include "engines/ficht/ficht_live.h"
#include "engines/ficht/ficht_operating_info.h"
#include "engines/ficht/ficht_service.h"
#include "link/bar_orders.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

using namespace ficht;

namespace {

unitlink::ScreenSetup fichtSetup() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form44");
    setup.windowCaption = QString::fromUtf8(kUnitName);
    setup.unitName = QString::fromUtf8(kUnitName);
    setup.connectSteps = 50;
    setup.seventh = unitlink::ScreenSetup::Seventh::Service;
    setup.barOrder = unitlink::kFullBarWithService;
    // No message on this screen follows a disabled ButtonBar.
    setup.messageExitEnablesBar = false;
    setup.faultsAfterConnect = 1;
    return setup;
}

// The identification panel: two columns of caption and value, in twips.
constexpr unitlink::FieldColumns kFieldColumns{
    330, 360, 300, {120, 2640}, {1380, 1140}, {1080, 1230}, 3510,
};

} // namespace

LoadedWindow *createFichtScreen() {
    return new FichtScreen;
}

FichtScreen::FichtScreen() : EngineScreen(fichtSetup()) {
    // Faults the simulated unit holds: 0 while Connect runs and after an
    // erase, 1 otherwise.
    ActiveFaultCount = 1;
    identificationPanel->setTitle(ERRORS32::CapVehicleData);
    // This screen shows caption/value pairs, not a list.
    identificationList->hide();
    buildIdentificationFields();

    service = new FichtService(*this);
    operatingInfo = new FichtOperatingInfo(*this);
    livePanel = new FichtLivePanel(*this);
    actuators = new FichtActuators(*this);

    connect(diagnosisButton, &QPushButton::clicked, this, [this] { diagnose(); });
    connect(seventhButton, &QPushButton::clicked, service,
            [this] { service->open(hoursValue()->text()); });
    connect(service, &FichtService::hoursChanged, this,
            [this](const QString &hours) { hoursValue()->setText(hours); });
    connect(engineInfoButton, &QPushButton::clicked, operatingInfo,
            [this] { operatingInfo->open(); });
    connect(liveDataButton, &QPushButton::clicked, livePanel, [this] { livePanel->open(); });
    connect(actuatorsButton, &QPushButton::clicked, actuators, [this] { actuators->open(); });
    connect(eraseFaultsButton, &QPushButton::clicked, this, [this] { eraseFaults(); });

    finishLoad();
}

void FichtScreen::buildIdentificationFields() {
    unitlink::CaptionValueBlock fields(identificationPanel, kFieldColumns);
    for (const IdentificationField &field : kIdentificationFields)
        fields.add(field.caption, field.row, field.column, field.wide);
    std::copy(fields.values.cbegin(), fields.values.cend(), identificationValues.begin());
}

void FichtScreen::clearForConnect() {
    identificationPanel->setTitle(ERRORS32::CapVehicleData);
    resultList->clear();
}

void FichtScreen::showIdentification() {
    for (int i = 0; i < int(kIdentificationFields.size()); ++i)
        identificationValues[i]->setText(QString::fromUtf8(kIdentificationFields[i].value));
}

void FichtScreen::diagnose() {
    const bool completed = diagnoseInList(ActiveFaultCount, QString::fromUtf8(kFaultCodeLine),
                                          [] { return linesInLanguage(kFaultLines); });
    if (!completed)
        return;
    // The engine model is the first identification value; the code opens its line.
    QStringList codes;
    if (ActiveFaultCount != 0)
        codes << QString::fromUtf8(kFaultCodeLine).section(QLatin1Char(' '), 0, 0);
    recordDiagnosis(QString::fromUtf8(kIdentificationFields[0].value), codes);
}

void FichtScreen::eraseFaults() {
    eraseAndReport(ActiveFaultCount);
}
