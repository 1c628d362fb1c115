#pragma once

#include <optional>

// Answers --help and --version (and a command line it cannot read) before
// any window exists; otherwise keeps --history-server for startProgram()
// and returns nothing.
std::optional<int> answerCommandLine(int argc, char *argv[]);
// Registers every window of the program, opens the history the settings
// name and loads the main window; the program ends when its last window
// has been unloaded.
void startProgram();
// Registers the windows without opening any (tests).
void registerProgramWindows();
