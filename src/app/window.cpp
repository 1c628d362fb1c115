#include "app/window.h"

#include "app/window_registry.h"
#include "ui/covering_panel.h"
#include "ui/window_watch.h"

#include <QCloseEvent>

LoadedWindow::LoadedWindow(QWidget *parent) : QWidget(parent) {
    ui::watchWindows();
}

void LoadedWindow::unload() {
    WindowRegistry::instance().unload(this);
}

void LoadedWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    if (!unloaded_)
        unload();
}

bool LoadedWindow::focusNextPrevChild(bool next) {
    return ui::focusNextInCoveringPanel(this, next) || QWidget::focusNextPrevChild(next);
}
