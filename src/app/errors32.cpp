#include "app/errors32.h"

#include "app/message_table.h"

namespace ERRORS32 {

qint16 LanguageCode = English;

QString MsgNoCommunication;
QString MsgHoursWarning1;
QString MsgHoursWarning2;
QString MsgHoursWarning3;
QString MsgHoursWarning4;
QString CapConnectWithEcm;
QString MsgInitializingCommunication;
QString MsgFaultsDetected;
QString MsgFaultCode;
QString MsgNoFaults;
QString MsgFaultsErased;
QString MsgActivated;
QString CapExit;
QString CapActuators;
QString CapSettings;
QString CapLanguage;
QString CapFuelInjectors;
QString CapIgnitionCoil;
QString CapModel;
QString CapOwner;
QString CapEngine;
QString CapFuelPump;
QString CapDiagnostic;
QString CapWarningBuzzer;
QString CapLiveData;
QString CapEraseFaults;
QString CapReports;
QString CapSave;
QString CapVehicleData;
QString CapFaults;
QString CapService;
QString CapFrom;
QString CapTo;
QString CapDate;
QString CapHour;
QString CapPlatesShort;
QString CapPlates;
QString MsgEndProcess;
QString CapTotalHours;
QString CapChangeTotalHours;
QString CapHours;
QString MsgEngineOffWarning;
QString CapIntakeTemp;
QString CapEngineTemp;
QString CapThrottleVolt;
QString CapThrottleSwitch;
QString CapSteppingMotor;
QString CapHelp;
QString MsgSupplyVoltageHelp;
QString CapReadData;
QString CapSaveData;
QString CapNew;
QString CapVoltBatt;
QString CapEctTemp;
QString CapLanyardStop;
QString CapFuelFlow;
QString CapKnockRetard;
QString CapPowerReduction;
QString CapSetEngineLocation;
QString CapTachometerOutput;
QString CapIacOutputTest;

namespace {
const char *textFor(const MessageRow &row, qint16 language) {
    if (language == Spanish)
        return row.spanish;
    if (language < French || language > Swedish)
        return row.english;
    const char *own = row.others[language - French];
    if (own == kAsEnglish)
        return row.english;
    if (own == kAsSpanish)
        return row.spanish;
    return own;
}
} // namespace

void LanguageLoader() {
    for (int i = 0; i < kMessageTableSize; ++i) {
        const MessageRow &row = kMessageTable[i];
        *row.entry = QString::fromUtf8(textFor(row, LanguageCode));
    }
}

int catalogSize() {
    return kMessageTableSize;
}

CatalogEntry catalogEntry(int index) {
    return {kMessageTable[index].name, kMessageTable[index].entry};
}

} // namespace ERRORS32
