#pragma once

class LoadedWindow;

// Loads the Mercury Dfi 135/150 1998-2000 screen (Form46).
LoadedWindow *createDfiScreen();
