#pragma once

#include <QWidget>

// A window of the program. Its constructor is its load step; unloading
// hides it at once, ends every counted wait it is in, and destroys it once
// no suspended handler can still return into it.
class LoadedWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadedWindow(QWidget *parent = nullptr);

    bool isUnloaded() const { return unloaded_; }
    // Unloads this window (Exit buttons, Escape, the close box).
    void unload();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Tab stays inside a panel that covers part of the window.
    bool focusNextPrevChild(bool next) override;

private:
    friend class WindowRegistry;
    bool unloaded_ = false;
};
