#include "ui/twips.h"

#include <QWidget>

namespace ui {

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

void place(QWidget *widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

void place(QWidget *widget, const QRect &twips) {
    place(widget, twips.x(), twips.y(), twips.width(), twips.height());
}

void setClientSize(QWidget *window, int width, int height) {
    window->setFixedSize(pixels(width), pixels(height));
}

} // namespace ui
