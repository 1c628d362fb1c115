#include "reference/reference_windows.h"

#include "reference/connector_window.h"
#include "reference/glossary_window.h"
#include "reference/history_window.h"

LoadedWindow *createGlossaryWindow() {
    return new GlossaryWindow;
}
LoadedWindow *createConnectorWindow() {
    return new ConnectorWindow;
}
LoadedWindow *createHistoryWindow() {
    return new HistoryWindow;
}
