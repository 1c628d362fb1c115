#pragma once

class LoadedWindow;

// The reference windows: glossary (Form9), connector pictures (Form6) and
// fault history (Form10). Each call loads a new window, which shows itself.
LoadedWindow *createGlossaryWindow();
LoadedWindow *createConnectorWindow();
LoadedWindow *createHistoryWindow();
