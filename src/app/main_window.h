#pragma once

#include "app/window.h"

class QMenuBar;
class SettingsPanel;
class WorkshopPanel;
class AboutPanel;

// Form3: the window the program opens at start, with the menu that reaches
// every other window and three panels of its own.
class MainWindow : public LoadedWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "Form3";
    static constexpr int kClientWidth = 11880; // twips
    static constexpr int kClientHeight = 7890;

    // The caption of the menu item that opens `window` ("GM Delphi" for
    // Form45); empty when no item opens it.
    static QString menuCaptionOf(const QString &window);

    MainWindow();

    SettingsPanel *settingsPanel() const { return settings_; }
    WorkshopPanel *workshopPanel() const { return workshop_; }
    AboutPanel *aboutPanel() const { return about_; }
    QMenuBar *menuBar() const { return menuBar_; }

private:
    void buildMenu();

    QMenuBar *menuBar_;
    SettingsPanel *settings_;
    WorkshopPanel *workshop_;
    AboutPanel *about_;
};
