#include "app/window.h"

#include "app/window_registry.h"

#include <QCloseEvent>

LoadedWindow::LoadedWindow(QWidget *parent) : QWidget(parent) {}

void LoadedWindow::unload() {
    WindowRegistry::instance().unload(this);
}

void LoadedWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    if (!unloaded_)
        unload();
}
