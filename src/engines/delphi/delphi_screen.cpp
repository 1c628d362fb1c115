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
constexpr int kFieldTop = 330;
constexpr int kFieldPitch = 360;
constexpr int kFieldHeight = 300;
constexpr int kColumnLeft[2] = {120, 2640};
constexpr int kCaptionWidth[2] = {1680, 1560};
constexpr int kValueWidth[2] = {780, 810};

QString textOf(const Caption &caption) {
    switch (caption.kind) {
    case Caption::Kind::Fixed:
        return QString::fromUtf8(caption.text);
    case Caption::Kind::EngineAnd:
        return ERRORS32::CapEngine + QString::fromUtf8(caption.text);
    case Caption::Kind::Catalogue:
        return *caption.catalogue;
    }
    return QString();
}

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
    for (int i = 0; i < int(kSummaryFields.size()); ++i) {
        const int column = i % 2;
        const int top = kFieldTop + (i / 2) * kFieldPitch;
        const int left = kColumnLeft[column];
        auto *caption = ui::label(ui::indexedName(QStringLiteral("Label1"), i),
                                  textOf(kSummaryFields[i].beforeConnect), identificationPanel);
        ui::place(caption, left, top, kCaptionWidth[column], kFieldHeight);
        auto *value =
            ui::label(ui::indexedName(QStringLiteral("Label2"), i), QString(), identificationPanel);
        value->setNameLabel(caption);
        ui::place(value, left + kCaptionWidth[column], top, kValueWidth[column], kFieldHeight);
        // The picture fills the panel until Connect; the pairs show after it.
        caption->hide();
        value->hide();
        summaryCaptions[i] = caption;
        summaryValues[i] = value;
    }
}

void DelphiScreen::showIdentification() {
    identificationPanel->setTitle(QString::fromUtf8(kConnectedCaption));
    for (int i = 0; i < int(kSummaryFields.size()); ++i) {
        summaryCaptions[i]->setText(textOf(kSummaryFields[i].afterConnect));
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
