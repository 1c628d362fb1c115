#pragma once

class LoadedWindow;

// The reference windows: glossary (Form9), connector pictures (Form6) and
// fault history (Form10).
LoadedWindow *createGlossaryWindow();
LoadedWindow *createConnectorWindow();
LoadedWindow *createHistoryWindow();
