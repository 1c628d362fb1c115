#pragma once

class LoadedWindow;

// Loads the OutBoard Fitch screen (Form44).
LoadedWindow *createFichtScreen();
