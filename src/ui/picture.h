#pragma once

#include <QLabel>

namespace ui {

// An image control: shows a picture stretched over its whole area. A file
// that is missing or unreadable leaves the picture empty. Clicking it emits
// clicked(), for pictures that act as buttons.
class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);
    void load(const QString &path);
    void setPicture(const QPixmap &pixmap);
    bool isEmpty() const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace ui
