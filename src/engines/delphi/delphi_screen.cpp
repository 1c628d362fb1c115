#include "engines/delphi/delphi_screen.h"

#include "app/errors32.h"
#include "engines/delphi/delphi_actuators.h"
#include "engines/delphi/delphi_live.h"
#include "link/bar_orders.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/pointer.h"
#include "ui/twips.h"

using namespace delphi;

namespace {

unitlink::ScreenSetup delphiSetup() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form45");
    setup.windowCaption = QString::fromUtf8(kWindowCaption);
    setup.unitName = QString::fromUtf8(kUnitName);
    setup.connectSteps = kConnectSteps;
    setup.seventh = unitlink::ScreenSetup::Seventh::Service;
    setup.barOrder = unitlink::kFullBarWithService;
    setup.pictureFile = QStringLiteral("delphi.jpg");
    setup.pictureTwips = QRect{120, 240, 4935, 1455};
    // A message on this screen never follows a disabled ButtonBar.
    setup.messageExitEnablesBar = false;
    return setup;
}

// The identification panel: two columns of caption and value, in twips.
constexpr unitlink::FieldColumns kFieldColumns{
    330, 360, 300, {120, 2640}, {1680, 1560}, {780, 810}, 0,
};

} // namespace

LoadedWindow *createDelphiScreen() {
    return new DelphiScreen;
}

DelphiScreen::DelphiScreen() : EngineScreen(delphiSetup()) {
    // Faults the simulated unit holds: 1 at load, 0 once erased or once the
    // Live Data panel has opened; Connect does not bring the fault back.
    ActiveFaultCount = 1;
    // This screen never offers its service functions.
    seventhButton->hide();
    buildSummaryFields();

    livePanel = new DelphiLivePanel(*this);
    actuators = new DelphiActuators(*this);

    connect(diagnosisButton, &QPushButton::clicked, this, [this] { diagnose(); });
    connect(eraseFaultsButton, &QPushButton::clicked, this, [this] { eraseFaults(); });
    connect(liveDataButton, &QPushButton::clicked, livePanel, [this] {
        // Opening the live display clears the stored fault.
        resultList->clear();
        ActiveFaultCount = 0;
        livePanel->open();
    });
    connect(actuatorsButton, &QPushButton::clicked, actuators, [this] { actuators->open(); });

    finishLoad();
}

void DelphiScreen::buildSummaryFields() {
    unitlink::CaptionValueBlock fields(identificationPanel, kFieldColumns);
    for (int i = 0; i < int(kSummaryFields.size()); ++i) {
        fields.add(kSummaryFields[i].beforeConnect, i / 2, i % 2);
        // The picture fills the panel until Connect; the pairs show after it.
        fields.captions[i]->hide();
        fields.values[i]->hide();
        summaryCaptions[i] = fields.captions[i];
        summaryValues[i] = fields.values[i];
    }
}

void DelphiScreen::showIdentification() {
    identificationPanel->setTitle(QString::fromUtf8(kConnectedCaption));
    for (int i = 0; i < int(kSummaryFields.size()); ++i) {
        summaryCaptions[i]->setText(unitlink::captionText(kSummaryFields[i].afterConnect));
        summaryCaptions[i]->show();
    }
    if (picture)
        picture->hide();
    for (int i = 0; i < int(kSummaryFields.size()); ++i) {
        summaryValues[i]->setText(QString::fromUtf8(kSummaryFields[i].value));
        summaryValues[i]->show();
    }
}

void DelphiScreen::diagnose() {
    if (!diagnoseInList(ActiveFaultCount, QString::fromUtf8(kFaultCodeLine),
                        [] { return linesInLanguage(kFaultLines); }))
        return;
    // No model line among this screen's identification; the code opens its line.
    QStringList codes;
    if (ActiveFaultCount != 0)
        codes << QString::fromUtf8(kFaultCodeLine).section(QLatin1Char(' '), 0, 0);
    recordDiagnosis(QString(), codes);
}

void DelphiScreen::eraseFaults() {
    eraseAndReport(ActiveFaultCount);
}
