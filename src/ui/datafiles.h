#pragma once

#include <QString>

namespace ui {

// The program's data folder (share/tidewell beside bin/, in the build tree
// and after installation alike) and the files in it.
QString dataFolder();
QString picturePath(const QString &fileName);
// Tests point the program at fixture files; empty restores the real folder.
void overrideDataFolder(const QString &folder);

} // namespace ui
