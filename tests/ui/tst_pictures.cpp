// The pictures at a device pixel ratio of 2, as on a high-resolution screen:
// every picture the windows show, from a file or drawn in code, is drawn at
// that ratio and painted pixel for pixel, not enlarged from its 1x drawing.
#include "support/test_support.h"
#include "ui/datafiles.h"
#include "ui/picture.h"

#include <QApplication>
#include <QImageReader>

using namespace testing;

namespace {

// Mean squared brightness step between neighbouring pixels. Enlarging spreads
// an edge's step over more pixels, which keeps the steps' sum but not the sum
// of their squares: an edge spread over two pixels counts half.
double edgeContrast(const QImage &image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    qint64 sum = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 1; x < grey.width(); ++x)
            sum += (row[x] - row[x - 1]) * (row[x] - row[x - 1]);
    }
    return double(sum) / (qint64(grey.width() - 1) * grey.height());
}

// Every picture a window shows, with its size at a ratio of 1.
struct ShownPicture {
    const char *window;
    const char *control;
    const char *file; // empty: drawn in code
    QSize logical;
};
const ShownPicture kShownPictures[] = {
    {"Form3", "Image1", "background.jpg", {996, 698}},
    {"Form47", "Image1", "mercruiser.jpg", {652, 194}},
    {"Form46", "Image1", "dfi.jpg", {652, 194}},
    {"Form45", "Image1", "delphi.jpg", {652, 194}},
    {"Form6", "Image1", "ok.jpg", {640, 480}},
    {"Form6", "Image2", "y1.jpg", {640, 480}},
    {"Form6", "Image3", "y2.jpg", {640, 480}},
    {"Form6", "Image4", "y3.jpg", {640, 480}},
    {"Form6", "Image5", "y4.jpg", {640, 480}},
    {"Form47", "Image2", "", {54, 54}}, // idle air up
    {"Form47", "Image3", "", {54, 54}}, // idle air down
};

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanupTestCase() { unloadEverything(); }

    void picturesAreDrawnAtTheRatio_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("logical");
        for (const ShownPicture &row : kShownPictures)
            QTest::addRow("%s %s", row.window, row.control)
                << QString::fromLatin1(row.window) << QString::fromLatin1(row.control)
                << QString::fromLatin1(row.file) << row.logical;
    }
    void picturesAreDrawnAtTheRatio() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, file);
        QFETCH(QSize, logical);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        auto *picture = find<ui::Picture>(openWindow(window), control);
        QVERIFY(picture && !picture->isEmpty());
        const QPixmap shown = picture->pixmap();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.size(), logical * 2);
        if (file.isEmpty())
            return;
        QCOMPARE(QImageReader(ui::picturePath(file)).size(), logical);

        // Painted pixel for pixel at its own size, where the 1x drawing enlarged
        // would have soft edges.
        const auto painted = [&](const QPixmap &pixmap) {
            ui::Picture alone;
            alone.setPicture(pixmap);
            alone.resize(logical);
            return alone.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage sharp = painted(shown);
        QCOMPARE(sharp, shown.toImage().convertToFormat(QImage::Format_RGB32));
        const QImage soft = painted(QPixmap(ui::picturePath(file)));
        qInfo("%s: edge contrast %.1f drawn at 2x, %.1f enlarged from 1x", qPrintable(file),
              edgeContrast(sharp), edgeContrast(soft));
        QVERIFY(edgeContrast(sharp) > 2 * edgeContrast(soft));
    }
};

// The ratio comes from the environment, so it is set before the application.
int main(int argc, char *argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    initTestProcess();
    PicturesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures.moc"
