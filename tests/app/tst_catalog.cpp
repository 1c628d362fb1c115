// The message catalogue: every entry in every language, after start-up and
// after each language change.
#include "app/errors32.h"
#include "app/expected_messages.h"
#include "support/test_support.h"

#include <QApplication>
#include <QSet>

class CatalogTest : public QObject {
    Q_OBJECT
private slots:
    void hasEveryEntryOnce() {
        QCOMPARE(ERRORS32::catalogSize(), 61);
        QCOMPARE(int(std::size(kExpectedMessages)), 61);
        QSet<QString> names;
        for (int i = 0; i < ERRORS32::catalogSize(); ++i) {
            const QString name = QString::fromLatin1(ERRORS32::catalogEntry(i).name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            QCOMPARE(name, QString::fromLatin1(kExpectedMessages[i].name));
        }
    }

    void fillsEveryEntryForTheLanguage_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(testing::kLanguageNames[language - 1]) << language;
    }
    void fillsEveryEntryForTheLanguage() {
        QFETCH(int, language);
        // Start from another language so that no entry keeps a stale text.
        testing::useLanguage(language == 1 ? 8 : 1);
        testing::useLanguage(language);
        for (int i = 0; i < ERRORS32::catalogSize(); ++i) {
            const ERRORS32::CatalogEntry entry = ERRORS32::catalogEntry(i);
            QCOMPARE(*entry.text, QString::fromUtf8(kExpectedMessages[i].texts[language - 1]));
        }
    }

    void startUpFillsEnglishWhateverCameBefore() {
        testing::useLanguage(ERRORS32::Swedish);
        testing::startProgramFresh();
        QCOMPARE(ERRORS32::LanguageCode, qint16(2));
        QCOMPARE(ERRORS32::CapExit, QStringLiteral("Exit"));
        QCOMPARE(ERRORS32::MsgNoCommunication,
                 QStringLiteral("     ** There is not communication with module, try again. **"));
        QCOMPARE(ERRORS32::CapLanguage, QStringLiteral("Languaje"));
        testing::unloadEverything();
    }

    void sharedConnectTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("Swedish") << 8 << QStringLiteral("Ledning med ECM");
        QTest::newRow("German") << 5 << QStringLiteral("Daten Lesen");
        QTest::newRow("Finnish") << 7 << QStringLiteral("Lue Tiedot");
    }
    void sharedConnectTexts() {
        QFETCH(int, language);
        QFETCH(QString, text);
        testing::useLanguage(language);
        QCOMPARE(ERRORS32::CapConnectWithEcm, text);
        QCOMPARE(ERRORS32::MsgInitializingCommunication, text);
    }
};

TIDEWELL_TEST_MAIN(CatalogTest)
#include "tst_catalog.moc"
