#pragma once

#include "app/window.h"

namespace glossary {
struct Reading;
}
namespace ui {
class CommandButton;
class Grid;
} // namespace ui

// Form9: the acronyms of the engine screens with their meaning in the
// current language, read from the glossary database every time it loads.
class GlossaryWindow : public LoadedWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "Form9";
    static constexpr int kRows = 50;
    static constexpr int kAcronymWidth = 880; // twips
    static constexpr int kMeaningWidth = 8600;

    GlossaryWindow();

private:
    void fillGrid();
    // The message that names what keeps the glossary from being shown.
    static QString problemText(const glossary::Reading &reading, const QString &path);
    void leaveByEscape();

    ui::Grid *grid_;
    ui::CommandButton *exitButton_;
};
