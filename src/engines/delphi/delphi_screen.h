#pragma once

#include "engines/delphi/delphi_tables.h"
#include "link/engine_screen.h"

#include <array>

class DelphiActuators;
class DelphiLivePanel;
class LoadedWindow;
class QLabel;

// Loads the GM Delphi screen (Form45).
LoadedWindow *createDelphiScreen();

// The GM Delphi screen: Connect fills the engine summary of the
// identification panel, Diagnosis lists the one stored fault until Erase
// Faults or the Live Data panel clears it, Engine Info does nothing and
// the Service button is never shown. Live Data and the actuator tests are
// panels that hold the ButtonBar disabled while they are open.
class DelphiScreen : public unitlink::EngineScreen {
    Q_OBJECT
public:
    DelphiScreen();

    // The identification panel's captions and values, row by row.
    std::array<QLabel *, delphi::kSummaryFields.size()> summaryCaptions{};
    std::array<QLabel *, delphi::kSummaryFields.size()> summaryValues{};

    DelphiLivePanel *livePanel;
    DelphiActuators *actuators;

protected:
    // Connect keeps what the ResultList shows.
    void clearForConnect() override {}
    void showIdentification() override;

private:
    void buildSummaryFields();
    void diagnose();
    void eraseFaults();
};
