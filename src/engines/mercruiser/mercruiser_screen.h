#pragma once

class LoadedWindow;

// Loads the Mercruiser PCM/ECM555 screen (Form47).
LoadedWindow *createMercruiserScreen();
