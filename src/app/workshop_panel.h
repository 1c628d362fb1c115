#pragma once

#include <QGroupBox>

class QLabel;
namespace ui {
class TextBox;
}

// The workshop's details, typed with the keyboard only; nothing reads or
// keeps them beyond the boxes themselves.
class WorkshopPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 30;

    explicit WorkshopPanel(QWidget *parent);

    void showPanel();
    // Empties the five boxes and hides the panel.
    void dismiss();

private:
    QLabel *labels_[5];
    ui::TextBox *boxes_[5];
};
