#include "reference/reference_windows.h"

#include "app/errors32.h"
#include "app/window.h"
#include "ui/controls.h"
#include "ui/twips.h"

namespace {

// Stands in for a reference window until it is built: a caption and Exit.
LoadedWindow *placeholder(const char *name, const char *caption) {
    auto *window = new LoadedWindow;
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QString::fromLatin1(caption));
    ui::setClientSize(window, 6000, 2400);
    auto *exit = new ui::CommandButton(QStringLiteral("Command1"), ERRORS32::CapExit, window);
    ui::place(exit, 4320, 1800, 1440, 420);
    QObject::connect(exit, &QPushButton::clicked, window, &LoadedWindow::unload);
    QObject::connect(exit, &ui::CommandButton::escapePressed, window, &LoadedWindow::unload);
    window->show();
    exit->setFocus();
    return window;
}

} // namespace

LoadedWindow *createGlossaryWindow() { return placeholder("Form9", "Glosary"); }
LoadedWindow *createConnectorWindow() { return placeholder("Form6", "Sockets"); }
LoadedWindow *createHistoryWindow() { return placeholder("Form10", "History"); }
