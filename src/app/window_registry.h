#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class LoadedWindow;

// Every window of the program exists at most once. Opening a loaded window
// does nothing; unloading discards it, and the next opening loads a fresh
// one. The program ends when the last loaded window has been unloaded.
class WindowRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<LoadedWindow *()>;

    static WindowRegistry &instance();

    void registerWindow(const QString &name, Factory factory);
    bool isRegistered(const QString &name) const;

    // Loads the window unless it is loaded; returns the loaded window.
    LoadedWindow *open(const QString &name);
    LoadedWindow *find(const QString &name) const;
    bool isLoaded(const QString &name) const { return find(name) != nullptr; }
    int loadedCount() const;

    void unload(LoadedWindow *window);
    // Unloads every window (test teardown).
    void unloadAll();

signals:
    void lastWindowUnloaded();

private:
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<LoadedWindow>> loaded_;
};
