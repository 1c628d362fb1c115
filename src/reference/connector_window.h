#pragma once

#include "app/window.h"

class QGroupBox;
namespace ui {
class CommandButton;
class Picture;
} // namespace ui

// Form6: drawings of the diagnostic connectors of three makes, one make at
// a time. Yamaha has four small pictures, each enlarged by a click.
class ConnectorWindow : public LoadedWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "Form6";

    ConnectorWindow();

private:
    void showLarge(const QString &file, const QString &make);
    void showYamaha();
    void enlarge(int index);

    QGroupBox *pictureFrame_;
    ui::Picture *largePicture_;
    ui::Picture *smallPictures_[4];
    ui::CommandButton *exitButton_;
};
