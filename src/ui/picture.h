#pragma once

#include <QLabel>

#include <functional>

class QPainter;

namespace ui {

// An image control: shows a picture stretched over its whole area. A file
// that is missing or unreadable leaves the picture empty. Clicking it emits
// clicked(), for pictures that act as buttons.
//
// On a screen with a device pixel ratio above 1, load("dir/name.jpg") shows
// "dir/name-2x.jpg" when it exists: the same drawing at twice the size, so
// it stays sharp instead of being enlarged.
class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);
    void load(const QString &path);
    void setPicture(const QPixmap &pixmap);
    bool isEmpty() const;

    // The file name of the picture drawn for `ratio`: path itself at 1.
    static QString pathForRatio(const QString &path, qreal ratio);

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void loadForRatio();

    QString path_;       // the file shown; empty for a picture set from code
    QString loadedFile_; // the variant of it that was read
};

// The highest device pixel ratio of the screens: pictures drawn in code before
// their window exists are drawn at it, so they are sharp on every screen.
qreal highestPixelRatio();

// A pixmap of `logical` size drawn at device pixel ratio `ratio`: `draw`
// paints in logical coordinates and the painter scales it to the pixels.
QPixmap drawnPixmap(QSize logical, qreal ratio, const std::function<void(QPainter &)> &draw);

} // namespace ui
