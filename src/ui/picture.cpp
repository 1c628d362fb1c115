#include "ui/picture.h"

#include <QMouseEvent>
#include <QPixmap>

namespace ui {

Picture::Picture(QWidget *parent) : QLabel(parent) {
    setScaledContents(true);
}

void Picture::load(const QString &path) {
    QPixmap pixmap;
    if (pixmap.load(path))
        setPixmap(pixmap);
    else
        clear();
}

void Picture::setPicture(const QPixmap &pixmap) {
    setPixmap(pixmap);
}

bool Picture::isEmpty() const {
    return pixmap().isNull();
}

void Picture::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
