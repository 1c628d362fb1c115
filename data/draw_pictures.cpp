// Draws the program's pictures: the main window's background and the
// engine pictures shown before connecting. Usage: tidewell-draw <folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

bool save(const QImage &image, const QString &folder, const char *name) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (image.save(path, "JPG", 92))
        return true;
    std::fprintf(stderr, "tidewell-draw: cannot write %s\n", qPrintable(path));
    return false;
}

void drawSea(QPainter &p, const QRect &area, int horizon) {
    QLinearGradient sky(0, area.top(), 0, horizon);
    sky.setColorAt(0, QColor(196, 224, 244));
    sky.setColorAt(1, QColor(238, 246, 252));
    p.fillRect(QRect(area.left(), area.top(), area.width(), horizon - area.top()), sky);
    QLinearGradient sea(0, horizon, 0, area.bottom());
    sea.setColorAt(0, QColor(58, 138, 190));
    sea.setColorAt(1, QColor(14, 66, 110));
    p.fillRect(QRect(area.left(), horizon, area.width(), area.bottom() - horizon + 1), sea);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    for (int row = 0; row < 8; ++row) {
        const int y = horizon + 20 + row * (area.bottom() - horizon) / 8;
        QPainterPath wave;
        wave.moveTo(area.left(), y);
        for (int x = area.left(); x < area.right(); x += 60)
            wave.quadTo(x + 15, y - 6, x + 30, y), wave.quadTo(x + 45, y + 6, x + 60, y);
        p.drawPath(wave);
    }
}

void drawBoat(QPainter &p, QPointF at, double scale) {
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    QPainterPath hull;
    hull.moveTo(-160, 0);
    hull.lineTo(170, 0);
    hull.lineTo(120, 50);
    hull.lineTo(-140, 50);
    hull.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(QColor(245, 245, 245));
    p.drawPath(hull);
    p.setBrush(QColor(180, 30, 40));
    p.drawRect(QRectF(-140, 30, 260, 8));
    p.setBrush(QColor(220, 230, 236));
    p.drawRect(QRectF(-60, -50, 110, 50));
    p.setBrush(QColor(60, 60, 64));
    p.drawRoundedRect(QRectF(-200, -30, 40, 60), 8, 8); // outboard cowling
    p.drawRect(QRectF(-186, 30, 12, 60));               // leg
    p.restore();
}

QImage background() {
    QImage image(996, 698, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawSea(p, image.rect(), 430);
    drawBoat(p, QPointF(560, 430), 1.3);
    p.setPen(QColor(12, 60, 100));
    QFont title(QStringLiteral("DejaVu Sans"), 54, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(0, 90, 996, 90), Qt::AlignCenter, QStringLiteral("Velmo"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 18));
    p.drawText(QRect(0, 180, 996, 40), Qt::AlignCenter,
               QStringLiteral("Marine engine diagnosis - demonstration edition"));
    return image;
}

// An engine control unit seen from above, with its connector and a label.
QImage controlUnit(const QString &caption, const QColor &body) {
    QImage image(652, 194, QImage::Format_RGB888);
    image.fill(QColor(236, 240, 244));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(40, 30, 380, 134), 12, 12);
    for (int fin = 0; fin < 9; ++fin)
        p.drawLine(QPointF(70 + fin * 38, 44), QPointF(70 + fin * 38, 150));
    p.setBrush(QColor(40, 40, 44));
    p.drawRoundedRect(QRectF(420, 62, 70, 70), 6, 6);
    p.setBrush(QColor(200, 170, 60));
    for (int pin = 0; pin < 8; ++pin)
        p.drawEllipse(QPointF(436 + (pin % 4) * 13, 84 + (pin / 4) * 26), 4, 4);
    p.setPen(QPen(QColor(30, 30, 30), 4));
    p.drawLine(QPointF(490, 97), QPointF(620, 97));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
    p.setPen(QColor(250, 250, 250));
    p.drawText(QRectF(40, 30, 380, 134), Qt::AlignCenter, caption);
    return image;
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tidewell-draw <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = save(background(), folder, "background.jpg");
    ok &= save(controlUnit(QStringLiteral("PCM / ECM555"), QColor(70, 84, 98)), folder,
               "mercruiser.jpg");
    ok &= save(controlUnit(QStringLiteral("DFI ECM"), QColor(40, 40, 44)), folder, "dfi.jpg");
    ok &= save(controlUnit(QStringLiteral("DELPHI ECM"), QColor(96, 100, 104)), folder,
               "delphi.jpg");
    return ok ? 0 : 1;
}
