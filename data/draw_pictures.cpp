// Draws the program's pictures: the main window's background, the engine
// pictures shown before connecting and the diagnostic connectors of the
// Sockets window. Each is written twice from the same drawing: name.jpg at
// its own size and name-2x.jpg at twice that, for screens with a device
// pixel ratio of 2, so that they are drawn sharp rather than enlarged.
// Usage: tidewell-draw <folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

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

// Every drawing paints in its own coordinates, 1 unit to a pixel of name.jpg.
void background(QPainter &p) {
    drawSea(p, QRect(0, 0, 996, 698), 430);
    drawBoat(p, QPointF(560, 430), 1.3);
    p.setPen(QColor(12, 60, 100));
    QFont title(QStringLiteral("DejaVu Sans"), 54, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(0, 90, 996, 90), Qt::AlignCenter, QStringLiteral("Velmo"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 18));
    p.drawText(QRect(0, 180, 996, 40), Qt::AlignCenter,
               QStringLiteral("Marine engine diagnosis - demonstration edition"));
}

// An engine control unit seen from above, with its connector and a label.
void controlUnit(QPainter &p, const QString &caption, const QColor &body) {
    p.fillRect(QRect(0, 0, 652, 194), QColor(236, 240, 244));
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
}

// The connector drawings: a face view of the connector with its pins
// numbered, a title above and a caption below.
constexpr int kConnectorWidth = 640;
constexpr int kConnectorHeight = 480;
const QColor kHousing(48, 52, 58);
const QColor kInk(20, 36, 60);

void connectorSheet(QPainter &p, const QString &title, const QString &caption) {
    p.save();
    p.fillRect(QRect(0, 0, kConnectorWidth, kConnectorHeight), QColor(244, 246, 248));
    p.setPen(QPen(QColor(180, 188, 196), 2));
    p.drawRect(QRectF(8, 8, kConnectorWidth - 16, kConnectorHeight - 16));
    p.setPen(kInk);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
    p.drawText(QRect(0, 18, kConnectorWidth, 44), Qt::AlignCenter, title);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
    p.drawText(QRect(20, kConnectorHeight - 72, kConnectorWidth - 40, 54),
               Qt::AlignCenter | Qt::TextWordWrap, caption);
    p.restore();
}

// A male pin seen end-on, with its number beside it.
void drawPin(QPainter &p, QPointF at, int number, QPointF label) {
    p.setPen(QPen(QColor(90, 70, 20), 2));
    p.setBrush(QColor(214, 176, 70));
    p.drawEllipse(at, 15, 15);
    p.setBrush(QColor(240, 214, 130));
    p.setPen(Qt::NoPen);
    p.drawEllipse(at - QPointF(4, 4), 5, 5);
    p.setPen(QColor(250, 250, 250));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 15, QFont::Bold));
    p.drawText(QRectF(at + label - QPointF(16, 14), QSizeF(32, 28)), Qt::AlignCenter,
               QString::number(number));
}

// A socket (female contact) seen end-on, with its number beside it.
void drawSocket(QPainter &p, QPointF at, int number, QPointF label) {
    p.setPen(QPen(QColor(150, 150, 150), 2));
    p.setBrush(QColor(12, 12, 14));
    p.drawEllipse(at, 15, 15);
    p.setPen(QColor(250, 250, 250));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 15, QFont::Bold));
    p.drawText(QRectF(at + label - QPointF(16, 14), QSizeF(32, 28)), Qt::AlignCenter,
               QString::number(number));
}

// Bombardier: a round four-pin connector with a key at the top.
void bombardierConnector(QPainter &p) {
    connectorSheet(p, QStringLiteral("Bombardier diagnostic connector"),
                   QStringLiteral("Face view, mating side. Key at the top."));
    const QPointF centre(320, 250);
    p.setPen(QPen(QColor(10, 10, 10), 3));
    p.setBrush(kHousing);
    p.drawEllipse(centre, 140, 140);
    p.setBrush(QColor(70, 76, 84));
    p.drawEllipse(centre, 112, 112);
    p.setBrush(kHousing);
    p.drawRect(QRectF(centre.x() - 18, centre.y() - 146, 36, 40)); // key
    const QPointF pins[4] = {{-45, -45}, {45, -45}, {45, 45}, {-45, 45}};
    for (int i = 0; i < 4; ++i)
        drawPin(p, centre + pins[i], i + 1, QPointF(pins[i].x() * 0.6, pins[i].y() * 0.6 + 2));
}

// Hydrospace: a rectangular six-pin connector with a latch, two rows of three.
void hydrospaceConnector(QPainter &p) {
    connectorSheet(p, QStringLiteral("Hydrospace diagnostic connector"),
                   QStringLiteral("Face view, mating side. Latch at the top."));
    p.setPen(QPen(QColor(10, 10, 10), 3));
    p.setBrush(kHousing);
    p.drawRoundedRect(QRectF(150, 140, 340, 220), 18, 18);
    p.setBrush(QColor(70, 76, 84));
    p.drawRoundedRect(QRectF(172, 162, 296, 176), 10, 10);
    p.setBrush(kHousing);
    p.drawRoundedRect(QRectF(270, 104, 100, 44), 6, 6); // latch
    for (int i = 0; i < 6; ++i) {
        const QPointF at(230 + (i % 3) * 90, 212 + (i / 3) * 76);
        drawPin(p, at, i + 1, QPointF(0, i < 3 ? -33 : 33));
    }
}

// Yamaha, picture 1: the engine's three-pin connector, keyed on one corner.
void yamahaEngineConnector(QPainter &p) {
    connectorSheet(p, QStringLiteral("Yamaha diagnostic connector"),
                   QStringLiteral("Picture 1: engine side, face view. "
                                  "Bevelled corner at the top left."));
    QPainterPath body;
    body.moveTo(180, 160);
    body.lineTo(470, 160);
    body.lineTo(470, 330);
    body.lineTo(140, 330);
    body.lineTo(140, 200);
    body.closeSubpath();
    p.setPen(QPen(QColor(10, 10, 10), 3));
    p.setBrush(kHousing);
    p.drawPath(body);
    for (int i = 0; i < 3; ++i)
        drawPin(p, QPointF(215 + i * 95, 255), i + 1, QPointF(0, -42));
}

// Yamaha, picture 2: the same connector seen from the side, with its latch.
void yamahaConnectorSide(QPainter &p) {
    connectorSheet(p, QStringLiteral("Yamaha diagnostic connector"),
                   QStringLiteral("Picture 2: side view. Press the latch to "
                                  "separate the halves."));
    p.setPen(QPen(QColor(30, 30, 30), 10));
    p.drawLine(QPointF(40, 250), QPointF(150, 250)); // harness
    p.drawLine(QPointF(490, 250), QPointF(600, 250));
    p.setPen(QPen(QColor(10, 10, 10), 3));
    p.setBrush(kHousing);
    p.drawRoundedRect(QRectF(150, 190, 170, 120), 10, 10);
    p.setBrush(QColor(90, 96, 104));
    p.drawRoundedRect(QRectF(320, 200, 170, 100), 10, 10);
    p.setBrush(kHousing);
    QPainterPath latch;
    latch.moveTo(250, 190);
    latch.lineTo(360, 180);
    latch.lineTo(370, 200);
    latch.lineTo(250, 200);
    latch.closeSubpath();
    p.drawPath(latch);
    p.setPen(kInk);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    p.drawText(QRectF(150, 320, 170, 30), Qt::AlignCenter, QStringLiteral("engine side"));
    p.drawText(QRectF(320, 320, 170, 30), Qt::AlignCenter, QStringLiteral("lead side"));
    p.drawText(QRectF(260, 130, 140, 30), Qt::AlignCenter, QStringLiteral("latch"));
    p.drawLine(QPointF(330, 160), QPointF(320, 182));
}

// Yamaha, picture 3: the lead's plug, whose sockets mirror the engine's pins.
void yamahaLeadPlug(QPainter &p) {
    connectorSheet(p, QStringLiteral("Yamaha interface lead"),
                   QStringLiteral("Picture 3: lead side, face view. Bevelled "
                                  "corner at the top right."));
    QPainterPath body;
    body.moveTo(170, 160);
    body.lineTo(460, 160);
    body.lineTo(500, 200);
    body.lineTo(500, 330);
    body.lineTo(170, 330);
    body.closeSubpath();
    p.setPen(QPen(QColor(10, 10, 10), 3));
    p.setBrush(QColor(90, 96, 104));
    p.drawPath(body);
    for (int i = 0; i < 3; ++i)
        drawSocket(p, QPointF(425 - i * 95, 255), i + 1, QPointF(0, -42));
}

// Yamaha, picture 4: how the engine, the lead and the interface connect.
void yamahaConnection(QPainter &p) {
    connectorSheet(p, QStringLiteral("Connecting a Yamaha outboard"),
                   QStringLiteral("Picture 4: engine connector, interface lead "
                                  "and Quaybox interface."));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    const auto box = [&](const QRectF &area, const QColor &fill, const QString &text) {
        p.setPen(QPen(QColor(10, 10, 10), 3));
        p.setBrush(fill);
        p.drawRoundedRect(area, 10, 10);
        p.setPen(QColor(250, 250, 250));
        p.drawText(area, Qt::AlignCenter, text);
    };
    box(QRectF(40, 190, 150, 110), kHousing, QStringLiteral("Engine\nconnector\n1 2 3"));
    box(QRectF(270, 205, 110, 80), QColor(90, 96, 104), QStringLiteral("Lead\n3 2 1"));
    box(QRectF(460, 180, 140, 130), QColor(12, 70, 120), QStringLiteral("Quaybox"));
    p.setPen(QPen(QColor(30, 30, 30), 8));
    p.drawLine(QPointF(190, 245), QPointF(270, 245));
    p.drawLine(QPointF(380, 245), QPointF(460, 245));
    p.setPen(kInk);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    p.drawText(QRectF(40, 120, 560, 40), Qt::AlignCenter,
               QStringLiteral("Pin 1 meets socket 1, pin 2 socket 2, pin 3 socket 3."));
}

// One picture: its file name, its size in name.jpg and how to draw it.
struct Drawing {
    const char *name;
    QSize size;
    std::function<void(QPainter &)> draw;
};

// Draws at `scale` times the picture's size: the painter scales the drawing
// itself, so lines and text keep sharp edges at every size.
bool save(const Drawing &drawing, const QString &folder, int scale, const char *suffix) {
    QImage image(drawing.size * scale, QImage::Format_RGB888);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawing.draw(p);
    p.end();
    const QString path = folder + QLatin1Char('/') + QLatin1String(drawing.name) +
                         QLatin1String(suffix) + QStringLiteral(".jpg");
    if (image.save(path, "JPG", 92))
        return true;
    std::fprintf(stderr, "tidewell-draw: cannot write %s\n", qPrintable(path));
    return false;
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
    const QSize connector(kConnectorWidth, kConnectorHeight);
    const auto unit = [](const char *caption, QColor body) {
        return [=](QPainter &p) { controlUnit(p, QString::fromLatin1(caption), body); };
    };
    const Drawing drawings[] = {
        {"background", QSize(996, 698), background},
        {"mercruiser", QSize(652, 194), unit("PCM / ECM555", QColor(70, 84, 98))},
        {"dfi", QSize(652, 194), unit("DFI ECM", QColor(40, 40, 44))},
        {"delphi", QSize(652, 194), unit("DELPHI ECM", QColor(96, 100, 104))},
        {"ok", connector, bombardierConnector},
        {"s4", connector, hydrospaceConnector},
        {"y1", connector, yamahaEngineConnector},
        {"y2", connector, yamahaConnectorSide},
        {"y3", connector, yamahaLeadPlug},
        {"y4", connector, yamahaConnection},
    };
    bool ok = true;
    for (const Drawing &drawing : drawings) {
        ok &= save(drawing, folder, 1, "");
        ok &= save(drawing, folder, 2, "-2x");
    }
    return ok ? 0 : 1;
}
