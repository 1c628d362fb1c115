#include "app/window_registry.h"

#include "app/window.h"
#include "ui/pump.h"

WindowRegistry &WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerWindow(const QString &name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

bool WindowRegistry::isRegistered(const QString &name) const {
    return factories_.contains(name);
}

LoadedWindow *WindowRegistry::open(const QString &name) {
    if (LoadedWindow *window = find(name))
        return window;
    auto factory = factories_.value(name);
    if (!factory)
        return nullptr;
    // The window's constructor is its load step and shows it.
    LoadedWindow *window = factory();
    if (window->objectName().isEmpty())
        window->setObjectName(name);
    loaded_.insert(name, window);
    return window;
}

LoadedWindow *WindowRegistry::find(const QString &name) const {
    LoadedWindow *window = loaded_.value(name);
    return window && !window->isUnloaded() ? window : nullptr;
}

int WindowRegistry::loadedCount() const {
    int count = 0;
    for (const auto &window : loaded_)
        if (window && !window->isUnloaded())
            ++count;
    return count;
}

void WindowRegistry::unload(LoadedWindow *window) {
    if (!window || window->unloaded_)
        return;
    window->unloaded_ = true;
    window->hide();
    for (auto it = loaded_.begin(); it != loaded_.end();) {
        if (it.value() == window || !it.value())
            it = loaded_.erase(it);
        else
            ++it;
    }
    // A handler of this window may be suspended in a wait further up the
    // stack; the widget goes only once every such wait has returned.
    QPointer<LoadedWindow> guard(window);
    ui::whenNoNestedEvents([guard] {
        if (guard)
            guard->deleteLater();
    });
    if (loadedCount() == 0)
        emit lastWindowUnloaded();
}

void WindowRegistry::unloadAll() {
    const auto windows = loaded_.values();
    for (const auto &window : windows)
        if (window)
            unload(window);
}
