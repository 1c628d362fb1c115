#pragma once

class LoadedWindow;

// Loads the GM Delphi screen (Form45).
LoadedWindow *createDelphiScreen();
