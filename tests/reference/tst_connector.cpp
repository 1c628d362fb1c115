// The connector pictures window Form6: captions, the three makes, the four
// small Yamaha pictures enlarged by a click, and missing picture files.
#include "app/errors32.h"
#include "support/test_support.h"
#include "ui/datafiles.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QTemporaryDir>

using namespace testing;

namespace {

const QString kWindow = QStringLiteral("Form6");
const char *const kFiles[6] = {"ok.jpg", "s4.jpg", "y1.jpg", "y2.jpg", "y3.jpg", "y4.jpg"};

// Fixture pictures tell themselves apart by their width: 20 + 10 * index.
QSize fixtureSize(const QString &file) {
    for (int i = 0; i < 6; ++i)
        if (file == QLatin1String(kFiles[i]))
            return QSize(20 + 10 * i, 16);
    return QSize();
}

ui::Picture *pictureOf(QWidget *window, const QString &name) {
    return find<ui::Picture>(window, name);
}

// The size of the picture shown, or an empty size when there is none.
QSize shown(QWidget *window, const QString &name) {
    ui::Picture *picture = pictureOf(window, name);
    return picture && !picture->isEmpty() ? picture->pixmap().size() : QSize();
}

void click(QWidget *window, const QString &name) {
    ui::Picture *picture = pictureOf(window, name);
    QVERIFY2(picture, qPrintable(name));
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
}

} // namespace

class ConnectorTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    QString pictures() const { return folder_.path() + QStringLiteral("/pictures"); }

    void writePictures() {
        QDir().mkpath(pictures());
        for (const char *file : kFiles) {
            QImage image(fixtureSize(QLatin1String(file)), QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QVERIFY(image.save(pictures() + QLatin1Char('/') + QLatin1String(file), "JPG"));
        }
    }

    LoadedWindow *openConnectors(int language = ERRORS32::English) {
        useLanguage(language);
        chooseMenu(QStringLiteral("conectores"));
        return loaded(kWindow);
    }

private slots:
    void init() {
        QVERIFY(folder_.isValid());
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.path());
        ui::overrideDataFolder(folder_.path());
        startProgramFresh();
    }
    void cleanup() {
        unloadEverything();
        ui::overrideDataFolder(QString());
    }

    void loadSetsCaptionsByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("exit");
        const char *captions[8] = {"Conectores", "Sockets", "Sockets", "Conettori",
                                   "Sockets",    "Sockets", "Sockets", "Sockets"};
        const char *exits[8] = {"Salir",   "Exit", "Quitter", "Esci",
                                "Beenden", "Sair", "Poistu",  "Utgång"};
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1])
                << language << QString::fromUtf8(captions[language - 1])
                << QString::fromUtf8(exits[language - 1]);
    }
    void loadSetsCaptionsByLanguage() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, exit);
        writePictures();
        LoadedWindow *window = openConnectors(language);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(textOf(window, "Command2"), exit);
        QCOMPARE(textOf(window, "Command1"), QStringLiteral("Bombardier"));
        QCOMPARE(textOf(window, "Command3"), QStringLiteral("Hydrospace"));
        QCOMPARE(textOf(window, "Command4"), QStringLiteral("Yamaha"));
        QCOMPARE(textOf(window, "Frame1"), QStringLiteral("Bombardier"));
    }

    void loadOpensOnBombardierWithTheYamahaPicturesBeneath() {
        writePictures();
        LoadedWindow *window = openConnectors();
        QCOMPARE(window->pos(), QPoint(495 / 15, 1200 / 15));
        QCOMPARE(window->size(), QSize((10995 - 120) / 15, (7000 - 450) / 15));
        QVERIFY(isShown(window, "Image1"));
        QCOMPARE(shown(window, "Image1"), fixtureSize("ok.jpg"));
        QCOMPARE(shown(window, "Image2"), fixtureSize("y1.jpg"));
        QCOMPARE(shown(window, "Image3"), fixtureSize("y2.jpg"));
        QCOMPARE(shown(window, "Image4"), fixtureSize("y3.jpg"));
        QCOMPARE(shown(window, "Image5"), fixtureSize("y4.jpg"));
        QCOMPARE(focusName(window), QStringLiteral("Command2"));
        // The large picture covers the four small ones.
        ui::Picture *large = pictureOf(window, "Image1");
        for (const char *name : {"Image2", "Image3", "Image4", "Image5"}) {
            ui::Picture *small = pictureOf(window, name);
            QVERIFY(large->geometry().contains(small->geometry()));
            QCOMPARE(small->parentWidget(), large->parentWidget());
        }
        const QObjectList siblings = large->parentWidget()->children();
        QVERIFY(siblings.indexOf(large) > siblings.indexOf(pictureOf(window, "Image5")));
        // A screen reader hears what the small pictures show.
        QCOMPARE(pictureOf(window, "Image2")->accessibleName(), QStringLiteral("Yamaha picture 1"));
        QCOMPARE(pictureOf(window, "Image5")->accessibleName(), QStringLiteral("Yamaha picture 4"));
    }

    void makeButtonsShowTheirConnector_data() {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("file");
        QTest::newRow("Hydrospace") << QStringList{"Command3"} << "Hydrospace" << true << "s4.jpg";
        QTest::newRow("Yamaha") << QStringList{"Command4"} << "Yamaha" << false << "ok.jpg";
        QTest::newRow("Hydrospace, Bombardier")
            << QStringList{"Command3", "Command1"} << "Bombardier" << true << "ok.jpg";
        QTest::newRow("Yamaha, Hydrospace")
            << QStringList{"Command4", "Command3"} << "Hydrospace" << true << "s4.jpg";
        QTest::newRow("Yamaha twice")
            << QStringList{"Command4", "Command4"} << "Yamaha" << false << "ok.jpg";
    }
    void makeButtonsShowTheirConnector() {
        QFETCH(QStringList, presses);
        QFETCH(QString, frame);
        QFETCH(bool, large);
        QFETCH(QString, file);
        writePictures();
        LoadedWindow *window = openConnectors(ERRORS32::Italian);
        for (const QString &button : presses)
            press(window, button);
        QCOMPARE(textOf(window, "Frame1"), frame);
        QCOMPARE(isShown(window, "Image1"), large);
        QCOMPARE(shown(window, "Image1"), fixtureSize(file));
        for (const char *name : {"Image2", "Image3", "Image4", "Image5"})
            QVERIFY(isShown(window, name));
        QCOMPARE(focusName(window), QStringLiteral("Command2"));
    }

    void smallPictureClickedIsEnlarged_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("file");
        QTest::newRow("top left") << "Image2"
                                  << "y1.jpg";
        QTest::newRow("top right") << "Image3"
                                   << "y2.jpg";
        QTest::newRow("bottom left") << "Image4"
                                     << "y3.jpg";
        QTest::newRow("bottom right") << "Image5"
                                      << "y4.jpg";
    }
    void smallPictureClickedIsEnlarged() {
        QFETCH(QString, picture);
        QFETCH(QString, file);
        writePictures();
        LoadedWindow *window = openConnectors();
        press(window, "Command4");
        click(window, picture);
        QVERIFY(isShown(window, "Image1"));
        QCOMPARE(shown(window, "Image1"), fixtureSize(file));
        QCOMPARE(textOf(window, "Frame1"), QStringLiteral("Yamaha"));
        QCOMPARE(focusName(window), QStringLiteral("Command2"));
        press(window, "Command4"); // back to the four small pictures
        QVERIFY(!isShown(window, "Image1"));
        QCOMPARE(textOf(window, "Frame1"), QStringLiteral("Yamaha"));
    }

    void noPictureFilesLeaveEmptyPicturesAndEverythingWorks() {
        RecordedMessageBoxes boxes;
        LoadedWindow *window = openConnectors();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        for (const char *name : {"Image1", "Image2", "Image3", "Image4", "Image5"})
            QVERIFY2(pictureOf(window, name)->isEmpty(), name);
        press(window, "Command3");
        QCOMPARE(textOf(window, "Frame1"), QStringLiteral("Hydrospace"));
        QVERIFY(isShown(window, "Image1"));
        press(window, "Command4");
        QVERIFY(!isShown(window, "Image1"));
        click(window, "Image5");
        QVERIFY(isShown(window, "Image1"));
        QVERIFY(pictureOf(window, "Image1")->isEmpty());
        press(window, "Command1");
        QCOMPARE(textOf(window, "Frame1"), QStringLiteral("Bombardier"));
        QVERIFY(pictureOf(window, "Image1")->isEmpty());
        QCOMPARE(boxes.texts, QStringList());
        press(window, "Command2");
        QVERIFY(!loaded(kWindow));
    }

    void aMissingOrUnreadableFileShowsNoOtherPicture() {
        writePictures();
        QVERIFY(QFile::remove(pictures() + "/s4.jpg"));
        QFile damaged(pictures() + "/y2.jpg");
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("not a picture");
        damaged.close();
        LoadedWindow *window = openConnectors();
        QVERIFY(pictureOf(window, "Image3")->isEmpty());
        QCOMPARE(shown(window, "Image2"), fixtureSize("y1.jpg"));
        press(window, "Command4");
        click(window, "Image5");
        QCOMPARE(shown(window, "Image1"), fixtureSize("y4.jpg"));
        // Hydrospace has no picture: the Yamaha one is not left under its caption.
        press(window, "Command3");
        QCOMPARE(textOf(window, "Frame1"), QStringLiteral("Hydrospace"));
        QVERIFY(pictureOf(window, "Image1")->isEmpty());
        press(window, "Command4");
        click(window, "Image3");
        QVERIFY(isShown(window, "Image1"));
        QVERIFY(pictureOf(window, "Image1")->isEmpty());
    }

    void exitAndEscapeUnloadOnly_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Exit click") << false;
        QTest::newRow("Escape on Exit") << true;
    }
    void exitAndEscapeUnloadOnly() {
        QFETCH(bool, escape);
        LoadedWindow *window = openConnectors();
        loaded("Form3")->unload();
        flushDeletes();
        if (escape)
            key(window, "Command2", Qt::Key_Escape);
        else
            press(window, "Command2");
        QVERIFY(!loaded(kWindow));
        QVERIFY(!loaded("Form3"));
    }

    void eachOpeningStartsAgainOnBombardier() {
        writePictures();
        LoadedWindow *window = openConnectors();
        press(window, "Command4");
        chooseMenu(QStringLiteral("conectores")); // already loaded: unchanged
        QCOMPARE(loaded(kWindow), window);
        QCOMPARE(textOf(window, "Frame1"), QStringLiteral("Yamaha"));
        press(window, "Command2");
        window = openConnectors();
        QCOMPARE(textOf(window, "Frame1"), QStringLiteral("Bombardier"));
        QVERIFY(isShown(window, "Image1"));
        QCOMPARE(shown(window, "Image1"), fixtureSize("ok.jpg"));
    }

    void shippedDrawingsAreShown() {
        ui::overrideDataFolder(QString());
        LoadedWindow *window = openConnectors();
        QCOMPARE(shown(window, "Image1"), QSize(640, 480));
        for (const char *name : {"Image2", "Image3", "Image4", "Image5"})
            QCOMPARE(shown(window, name), QSize(640, 480));
        press(window, "Command3");
        QCOMPARE(shown(window, "Image1"), QSize(640, 480));
        for (const char *file : kFiles)
            QVERIFY2(!QImage(ui::picturePath(QLatin1String(file))).isNull(), file);
    }
};

TIDEWELL_TEST_MAIN(ConnectorTest)
#include "tst_connector.moc"
