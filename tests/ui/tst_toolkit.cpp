// The toolkit layer: grid, pictures, pointer, the event pump and its
// nested scopes, Sleep.
#include "support/test_support.h"
#include "ui/grid.h"
#include "ui/picture.h"
#include "ui/pointer.h"
#include "ui/pump.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

class ToolkitTest : public QObject {
    Q_OBJECT
private slots:
    void gridKeepsShapeWidthsAndCells() {
        ui::Grid grid;
        grid.setCols(2);
        grid.setRows(11);
        grid.setColWidth(0, 2500);
        grid.setColWidth(1, 850);
        QCOMPARE(grid.colWidth(0), 2500);
        QCOMPARE(grid.colWidth(1), 850);
        QCOMPARE(grid.columnWidth(0), 2500 / 15);
        grid.setCurrent(3, 1);
        grid.setText(QStringLiteral("29.55"));
        QCOMPARE(grid.text(), QStringLiteral("29.55"));
        QCOMPARE(grid.cell(3, 1), QStringLiteral("29.55"));
        QCOMPARE(grid.cell(10, 0), QString());
        grid.clearCells();
        QCOMPARE(grid.cell(3, 1), QString());
        QCOMPARE(grid.rowCount(), 11);
        QCOMPARE(grid.columnCount(), 2);
    }

    void gridIgnoresCellsOutsideItsShape() {
        ui::Grid grid;
        grid.setCols(2);
        grid.setRows(2);
        grid.setCell(2, 0, QStringLiteral("x"));
        grid.setCell(0, 2, QStringLiteral("x"));
        grid.setCell(-1, 0, QStringLiteral("x"));
        grid.setColWidth(5, 100);
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.cell(2, 0), QString());
    }

    void gridAlignsEveryCellOfAColumn() {
        ui::Grid grid;
        grid.setCols(2);
        grid.setRows(3);
        grid.setCell(0, 1, QStringLiteral("before"));
        grid.setColAlignment(1, ui::Grid::Align::Right);
        grid.setCell(2, 1, QStringLiteral("after"));
        for (int row : {0, 2})
            QCOMPARE(Qt::Alignment(grid.item(row, 1)->textAlignment()),
                     Qt::AlignRight | Qt::AlignVCenter);
    }

    void pictureIgnoresFilesItCannotRead() {
        QTemporaryDir folder;
        const QString good = folder.filePath(QStringLiteral("good.jpg"));
        QImage image(20, 10, QImage::Format_RGB888);
        image.fill(Qt::blue);
        QVERIFY(image.save(good, "JPG"));
        const QString broken = folder.filePath(QStringLiteral("broken.jpg"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();

        ui::Picture picture;
        picture.load(good);
        QVERIFY(!picture.isEmpty());
        picture.load(folder.filePath(QStringLiteral("missing.jpg")));
        QVERIFY(picture.isEmpty());
        picture.load(good);
        picture.load(broken);
        QVERIFY(picture.isEmpty());
    }

    void pictureReportsClicksInsideIt() {
        ui::Picture picture;
        picture.resize(40, 40);
        QSignalSpy clicks(&picture, &ui::Picture::clicked);
        QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseClick(&picture, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 1);
    }

    void pointerReturnsToTheArrowHoweverOftenItWasSet() {
        ui::setHourglass();
        ui::setHourglass();
        QVERIFY(ui::isHourglass());
        ui::setArrow();
        QVERIFY(!ui::isHourglass());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void twipsConvertAtFifteenToThePixel() {
        QCOMPARE(ui::twipsRect(120, 240, 4890, 1455), QRect(8, 16, 326, 97));
        QWidget parent;
        QWidget child(&parent);
        ui::place(&child, 1500, 300, 150, 15);
        QCOMPARE(child.geometry(), QRect(100, 20, 10, 1));
    }

    void programPumpHandlesQueuedEventsDuringPasses() {
        ui::EventPump *previous = ui::installEventPump(nullptr);
        bool handled = false;
        QMetaObject::invokeMethod(
            qApp, [&] { handled = true; }, Qt::QueuedConnection);
        for (int pass = 0; pass < 2000 && !handled; ++pass)
            ui::eventPump().pass();
        ui::installEventPump(previous);
        QVERIFY(handled);
    }

    void countedWaitBracketsItsPassesOnThePumpItBeganOn() {
        struct RecordingPump : ui::EventPump {
            void pass() override { log << QStringLiteral("pass"); }
            void beginWait(qint64 passes) override {
                log << QStringLiteral("begin %1").arg(passes);
            }
            void endWait() override { log << QStringLiteral("end"); }
            QStringList log;
        };
        RecordingPump first;
        RecordingPump second;
        ui::EventPump *previous = ui::installEventPump(&first);
        {
            ui::CountedWait wait(3);
            ui::eventPump().pass();
            {
                ui::CountedWait nested(1);
                ui::eventPump().pass();
            }
            // A pump swapped in mid-wait takes the passes; the wait still
            // ends on the pump it began on.
            ui::installEventPump(&second);
            ui::eventPump().pass();
        }
        ui::installEventPump(previous);
        QCOMPARE(first.log, (QStringList{"begin 3", "pass", "begin 1", "pass", "end", "end"}));
        QCOMPARE(second.log, QStringList{"pass"});
    }

    void programPumpRunsAWaitNestedInAPass() {
        ui::EventPump *previous = ui::installEventPump(nullptr);
        int nestedPasses = 0;
        bool laterHandled = false;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                ui::CountedWait nested(20);
                for (; nestedPasses < 20; ++nestedPasses)
                    ui::eventPump().pass();
                QMetaObject::invokeMethod(
                    qApp, [&] { laterHandled = true; }, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
        {
            // Left early, as a wait of an unloaded window is.
            ui::CountedWait outer(1000000);
            for (int pass = 0; pass < 4000 && !laterHandled; ++pass)
                ui::eventPump().pass();
        }
        ui::installEventPump(previous);
        QCOMPARE(nestedPasses, 20);
        QVERIFY(laterHandled);
    }

    void actionsWaitForTheOutermostNestedScope() {
        int ran = 0;
        {
            ui::NestedEventScope outer;
            {
                ui::NestedEventScope inner;
                ui::whenNoNestedEvents([&] { ++ran; });
            }
            QCOMPARE(ran, 0);
            QCOMPARE(ui::nestedEventDepth(), 1);
        }
        QCOMPARE(ran, 1);
        ui::whenNoNestedEvents([&] { ++ran; });
        QCOMPARE(ran, 2);
    }

    void sleepCanBeRecorded() {
        testing::RecordedSleeps sleeps;
        ui::Sleep(1000);
        ui::Sleep(5);
        QCOMPARE(sleeps.calls, (std::vector<int>{1000, 5}));
    }
};

TIDEWELL_TEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"
