#pragma once

#include <QString>
#include <QtGlobal>

// Shared state of the whole program: the interface language and the
// message catalogue filled for it.
namespace ERRORS32 {

// 1 Spanish, 2 English, 3 French, 4 Italian, 5 German, 6 Portuguese,
// 7 Finnish, 8 Swedish.
enum Language : qint16 {
    Spanish = 1,
    English = 2,
    French = 3,
    Italian = 4,
    German = 5,
    Portuguese = 6,
    Finnish = 7,
    Swedish = 8,
};

extern qint16 LanguageCode;

// The message catalogue: captions (Cap...) and messages (Msg...).
extern QString MsgNoCommunication;
extern QString MsgHoursWarning1;
extern QString MsgHoursWarning2;
extern QString MsgHoursWarning3;
extern QString MsgHoursWarning4;
extern QString CapConnectWithEcm;
extern QString MsgInitializingCommunication;
extern QString MsgFaultsDetected;
extern QString MsgFaultCode;
extern QString MsgNoFaults;
extern QString MsgFaultsErased;
extern QString MsgActivated;
extern QString CapExit;
extern QString CapActuators;
extern QString CapSettings;
extern QString CapLanguage;
extern QString CapFuelInjectors;
extern QString CapIgnitionCoil;
extern QString CapModel;
extern QString CapOwner;
extern QString CapEngine;
extern QString CapFuelPump;
extern QString CapDiagnostic;
extern QString CapWarningBuzzer;
extern QString CapLiveData;
extern QString CapEraseFaults;
extern QString CapReports;
extern QString CapSave;
extern QString CapVehicleData;
extern QString CapFaults;
extern QString CapService;
extern QString CapFrom;
extern QString CapTo;
extern QString CapDate;
extern QString CapHour;
extern QString CapPlatesShort;
extern QString CapPlates;
extern QString MsgEndProcess;
extern QString CapTotalHours;
extern QString CapChangeTotalHours;
extern QString CapHours;
extern QString MsgEngineOffWarning;
extern QString CapIntakeTemp;
extern QString CapEngineTemp;
extern QString CapThrottleVolt;
extern QString CapThrottleSwitch;
extern QString CapSteppingMotor;
extern QString CapHelp;
extern QString MsgSupplyVoltageHelp;
extern QString CapReadData;
extern QString CapSaveData;
extern QString CapNew;
extern QString CapVoltBatt;
extern QString CapEctTemp;
extern QString CapLanyardStop;
extern QString CapFuelFlow;
extern QString CapKnockRetard;
extern QString CapPowerReduction;
extern QString CapSetEngineLocation;
extern QString CapTachometerOutput;
extern QString CapIacOutputTest;

// Refills every catalogue entry for the current LanguageCode.
void LanguageLoader();

// Every entry by name, in catalogue order (for the loader and its checks).
struct CatalogEntry {
    const char *name;
    QString *text;
};
int catalogSize();
CatalogEntry catalogEntry(int index);

} // namespace ERRORS32
