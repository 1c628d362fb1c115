#pragma once

// Registers every window of the program and loads the main window; the
// program ends when its last window has been unloaded.
void startProgram();
// Registers the windows without opening any (tests).
void registerProgramWindows();
