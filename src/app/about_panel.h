#pragma once

#include <QGroupBox>

class QLabel;
namespace ui {
class CommandButton;
}

// The product's notices and a close button.
class AboutPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit AboutPanel(QWidget *parent);
    void showPanel();

private:
    QLabel *notices_[3];
    ui::CommandButton *closeButton_;
};
