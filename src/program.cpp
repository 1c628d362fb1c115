#include "program.h"

#include "app/main_window.h"
#include "app/window_registry.h"
#include "engines/delphi/delphi_screen.h"
#include "engines/dfi/dfi_screen.h"
#include "engines/ficht/ficht_screen.h"
#include "engines/mercruiser/mercruiser_screen.h"
#include "engines/yamaha/yamaha_screen.h"
#include "reference/reference_windows.h"

#include <QApplication>

void registerProgramWindows() {
    WindowRegistry &registry = WindowRegistry::instance();
    registry.registerWindow(QStringLiteral("Form3"), [] { return new MainWindow; });
    registry.registerWindow(QStringLiteral("Form47"), createMercruiserScreen);
    registry.registerWindow(QStringLiteral("Form46"), createDfiScreen);
    registry.registerWindow(QStringLiteral("Form5"), createYamahaScreen);
    registry.registerWindow(QStringLiteral("Form44"), createFichtScreen);
    registry.registerWindow(QStringLiteral("Form45"), createDelphiScreen);
    registry.registerWindow(QStringLiteral("Form9"), createGlossaryWindow);
    registry.registerWindow(QStringLiteral("Form6"), createConnectorWindow);
    registry.registerWindow(QStringLiteral("Form10"), createHistoryWindow);
}

void startProgram() {
    QApplication::setQuitOnLastWindowClosed(false);
    registerProgramWindows();
    WindowRegistry &registry = WindowRegistry::instance();
    QObject::connect(&registry, &WindowRegistry::lastWindowUnloaded, qApp,
                     [] { QCoreApplication::exit(0); });
    registry.open(QStringLiteral("Form3"));
}
