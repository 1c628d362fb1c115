#include "ui/picture.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace ui {

namespace {
constexpr qreal kLargeRatio = 2; // the only variant drawn besides 1
}

Picture::Picture(QWidget *parent) : QLabel(parent) {
    setScaledContents(true);
}

QString Picture::pathForRatio(const QString &path, qreal ratio) {
    if (ratio <= 1)
        return path;
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    return path.left(path.size() - suffix.size()) + QStringLiteral("-2x") + suffix;
}

void Picture::load(const QString &path) {
    path_ = path;
    loadedFile_.clear();
    loadForRatio();
}

// The variant is chosen for the ratio the widget has now: before its window
// exists that is the highest ratio of all screens, after it the ratio of the
// window's screen. event() calls this again when the window is shown or moves
// to another screen, and reads a file only when the variant changes.
void Picture::loadForRatio() {
    if (path_.isEmpty())
        return;
    QString file = pathForRatio(path_, devicePixelRatioF());
    qreal ratio = kLargeRatio;
    if (file == path_ || !QFileInfo::exists(file)) {
        file = path_;
        ratio = 1;
    }
    if (file == loadedFile_)
        return;
    loadedFile_ = file;
    QPixmap pixmap;
    if (pixmap.load(file)) {
        pixmap.setDevicePixelRatio(ratio);
        setPixmap(pixmap);
    } else {
        clear();
    }
}

void Picture::setPicture(const QPixmap &pixmap) {
    path_.clear();
    loadedFile_.clear();
    setPixmap(pixmap);
}

bool Picture::isEmpty() const {
    return pixmap().isNull();
}

bool Picture::event(QEvent *event) {
    const bool handled = QLabel::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
        loadForRatio();
        break;
    default:
        break;
    }
    return handled;
}

void Picture::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

qreal highestPixelRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap drawnPixmap(QSize logical, qreal ratio, const std::function<void(QPainter &)> &draw) {
    QPixmap pixmap(logical * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    return pixmap;
}

} // namespace ui
