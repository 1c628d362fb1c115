#pragma once

class LoadedWindow;

// Loads the Yamaha screen (Form5).
LoadedWindow *createYamahaScreen();
