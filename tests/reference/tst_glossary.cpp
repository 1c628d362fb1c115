// The glossary window Form9: captions, the listing of the glossary database
// for each language, and a clear message for every kind of unusable file.
#include "app/errors32.h"
#include "reference/glossary_database.h"
#include "support/test_support.h"
#include "ui/datafiles.h"
#include "ui/grid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace testing;

namespace {

using Rows = QList<QStringList>; // {acronym, meaning} per listed row

const char *const kFixtureTable =
    "CREATE TABLE glosary (siglas TEXT, sp TEXT, en TEXT, fr TEXT, it TEXT)";

// Inserted out of order; null and empty meanings in every language.
const char *const kFixtureRows =
    "INSERT INTO glosary VALUES "
    "('WOT', 'Mariposa abierta', 'Wide Open Throttle', 'Papillon ouvert', 'Farfalla aperta'),"
    "('ECM', 'Módulo de control', 'Engine Control Module', NULL, 'Modulo di controllo'),"
    "('BTDC', NULL, 'Before Top Dead Center', 'Avant le PMH', ''),"
    "('MAP', 'Presión del colector', '', 'Pression du collecteur', 'Pressione del collettore'),"
    "('CAL', 'Calibración', 'Calibration', 'Étalonnage', 'Calibrazione')";

const QString kWindow = QStringLiteral("Form9");

// Writes a database of the given statements as glossary.db in `folder`.
void makeDatabase(const QString &folder, const QStringList &statements) {
    const QString connection = QStringLiteral("fixture");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(folder + QStringLiteral("/glossary.db"));
        QVERIFY(db.open());
        QVERIFY(db.transaction());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
        query.finish();
        QVERIFY(db.commit());
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

void writeFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

ui::Grid *gridOf(QWidget *window) {
    return find<ui::Grid>(window, QStringLiteral("MSFlexGrid1"));
}

// The listed rows of the grid: every row up to the first empty one.
Rows listed(QWidget *window) {
    Rows rows;
    ui::Grid *grid = gridOf(window);
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        if (grid->cell(row, 0).isEmpty() && grid->cell(row, 1).isEmpty())
            break;
        rows << QStringList{grid->cell(row, 0), grid->cell(row, 1)};
    }
    return rows;
}

int filledCells(QWidget *window) {
    int filled = 0;
    ui::Grid *grid = gridOf(window);
    for (int row = 0; grid && row < grid->rowCount(); ++row)
        for (int col = 0; col < grid->columnCount(); ++col)
            if (!grid->cell(row, col).isEmpty())
                ++filled;
    return filled;
}

} // namespace

class GlossaryTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    QString dbPath() const { return folder_.path() + QStringLiteral("/glossary.db"); }

    LoadedWindow *openGlossary(int language) {
        useLanguage(language);
        chooseMenu(QStringLiteral("acronimos"));
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
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
    }

    void loadSetsCaptionsShapeAndFocus_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("exit");
        const char *captions[8] = {"Acrónimos", "Glosary", "Abréviations", "Abbreviazioni",
                                   "Glosary",   "Glosary", "Glosary",      "Glosary"};
        const char *exits[8] = {"Salir",   "Exit", "Quitter", "Esci",
                                "Beenden", "Sair", "Poistu",  "Utgång"};
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1])
                << language << QString::fromUtf8(captions[language - 1])
                << QString::fromUtf8(exits[language - 1]);
    }
    void loadSetsCaptionsShapeAndFocus() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, exit);
        makeDatabase(folder_.path(), {kFixtureTable, kFixtureRows});
        RecordedMessageBoxes boxes;
        LoadedWindow *window = openGlossary(language);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(textOf(window, "Command2"), exit);
        ui::Grid *grid = gridOf(window);
        QVERIFY(grid);
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(grid->rowCount(), 50);
        QCOMPARE(grid->colWidth(0), 880);
        QCOMPARE(grid->colWidth(1), 8600);
        QCOMPARE(grid->fixedRows(), 0);
        QCOMPARE(focusName(window), QStringLiteral("Command2"));
        QCOMPARE(boxes.texts, QStringList());
    }

    void listsTheMeaningsOfTheLanguageInOrder_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("Spanish") << 1
                                 << Rows{{"CAL", "Calibración"},
                                         {"ECM", "Módulo de control"},
                                         {"MAP", "Presión del colector"},
                                         {"WOT", "Mariposa abierta"}};
        QTest::newRow("English") << 2
                                 << Rows{{"BTDC", "Before Top Dead Center"},
                                         {"CAL", "Calibration"},
                                         {"ECM", "Engine Control Module"},
                                         {"WOT", "Wide Open Throttle"}};
        QTest::newRow("French") << 3
                                << Rows{{"BTDC", "Avant le PMH"},
                                        {"CAL", "Étalonnage"},
                                        {"MAP", "Pression du collecteur"},
                                        {"WOT", "Papillon ouvert"}};
        QTest::newRow("Italian") << 4
                                 << Rows{{"CAL", "Calibrazione"},
                                         {"ECM", "Modulo di controllo"},
                                         {"MAP", "Pressione del collettore"},
                                         {"WOT", "Farfalla aperta"}};
        for (int language = 5; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1]) << language << Rows{};
    }
    void listsTheMeaningsOfTheLanguageInOrder() {
        QFETCH(int, language);
        QFETCH(Rows, rows);
        makeDatabase(folder_.path(), {kFixtureTable, kFixtureRows});
        RecordedMessageBoxes boxes;
        LoadedWindow *window = openGlossary(language);
        QCOMPARE(listed(window), rows);
        QCOMPARE(filledCells(window), 2 * int(rows.size()));
        QCOMPARE(gridOf(window)->rowCount(), 50);
        QCOMPARE(boxes.texts, QStringList()); // no message, also with no meaning listed
    }

    void emptyTableSaysNoDataInEveryLanguage_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1]) << language;
    }
    void emptyTableSaysNoDataInEveryLanguage() {
        QFETCH(int, language);
        makeDatabase(folder_.path(), {kFixtureTable});
        RecordedMessageBoxes boxes;
        LoadedWindow *window = openGlossary(language);
        QCOMPARE(boxes.texts, QStringList{"No hay datos"});
        QVERIFY(window);
        QCOMPARE(filledCells(window), 0);
        QCOMPARE(gridOf(window)->rowCount(), 50);
        QCOMPARE(focusName(window), QStringLiteral("Command2"));
    }

    void moreEntriesThanRowsAreAllListed() {
        QStringList statements{kFixtureTable};
        for (int i = 59; i >= 0; --i)
            statements << QStringLiteral("INSERT INTO glosary VALUES ('A%1', 'sp %1', 'en %1', "
                                         "'fr %1', 'it %1')")
                              .arg(i, 2, 10, QLatin1Char('0'));
        makeDatabase(folder_.path(), statements);
        LoadedWindow *window = openGlossary(ERRORS32::English);
        ui::Grid *grid = gridOf(window);
        QCOMPARE(grid->rowCount(), 60);
        const Rows rows = listed(window);
        QCOMPARE(rows.size(), 60);
        for (int i = 0; i < 60; ++i) {
            const QString number = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            QCOMPARE(rows[i], (QStringList{"A" + number, "en " + number}));
        }
    }

    void exactlyFiftyEntriesKeepFiftyRows() {
        QStringList statements{kFixtureTable};
        for (int i = 0; i < 50; ++i)
            statements << QStringLiteral("INSERT INTO glosary VALUES ('B%1', NULL, 'en', NULL, "
                                         "NULL)")
                              .arg(i, 2, 10, QLatin1Char('0'));
        statements << "INSERT INTO glosary VALUES ('Z', 'sp', NULL, NULL, NULL)";
        makeDatabase(folder_.path(), statements);
        LoadedWindow *window = openGlossary(ERRORS32::English);
        QCOMPARE(gridOf(window)->rowCount(), 50);
        QCOMPARE(listed(window).size(), 50);
        QCOMPARE(gridOf(window)->cell(49, 0), QStringLiteral("B49"));
    }

    void contentIsShownAsStoredAndNeverRun() {
        const QString acronym = QStringLiteral("x'); DROP TABLE glosary; --");
        const QString meaning = QStringLiteral("\"%1\" 100% <b>bold</b> ñ ü ß 東京 ") +
                                QString(3000, QLatin1Char('m')) + QStringLiteral("\nsecond line");
        makeDatabase(folder_.path(), {kFixtureTable});
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "writer");
            db.setDatabaseName(dbPath());
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.prepare("INSERT INTO glosary VALUES (?, ?, ?, ?, ?)"));
            for (const QString &value : {acronym, meaning, meaning, meaning, meaning})
                query.addBindValue(value);
            QVERIFY(query.exec());
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase("writer");
        for (int language = 1; language <= 4; ++language) {
            RecordedMessageBoxes boxes;
            LoadedWindow *window = openGlossary(language);
            QCOMPARE(listed(window), (Rows{{acronym, meaning}}));
            QCOMPARE(boxes.texts, QStringList());
            press(window, "Command2");
        }
    }

    void otherValuesReadAsTheirText() {
        makeDatabase(folder_.path(), {"CREATE TABLE glosary (siglas, sp, en, fr, it)",
                                      "INSERT INTO glosary VALUES (12, 3.5, 42, NULL, NULL)"});
        LoadedWindow *window = openGlossary(ERRORS32::English);
        QCOMPARE(listed(window), (Rows{{"12", "42"}}));
    }

    void acronymsSortAsTheTableDeclares() {
        makeDatabase(folder_.path(),
                     {"CREATE TABLE glosary (siglas TEXT COLLATE NOCASE, sp, en, fr, it)",
                      "INSERT INTO glosary VALUES ('rpm', '', 'revs', '', ''), "
                      "('ECM', '', 'module', '', ''), ('bar', '', 'pressure', '', '')"});
        LoadedWindow *window = openGlossary(ERRORS32::English);
        QCOMPARE(listed(window), (Rows{{"bar", "pressure"}, {"ECM", "module"}, {"rpm", "revs"}}));
    }

    void fieldNamesAndExtraFieldsAsSqlTakesThem() {
        makeDatabase(folder_.path(),
                     {"CREATE TABLE Glosary (id INTEGER, SIGLAS TEXT, Sp TEXT, EN TEXT, fr TEXT, "
                      "iT TEXT, note TEXT)",
                      "INSERT INTO glosary VALUES (1, 'TPS', 'mariposa', 'throttle', 'papillon', "
                      "'farfalla', 'x')"});
        LoadedWindow *window = openGlossary(ERRORS32::French);
        QCOMPARE(listed(window), (Rows{{"TPS", "papillon"}}));
    }

    void unusableDatabaseGivesOneClearMessage_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        const QString file = QDir::toNativeSeparators(folder_.path() + "/glossary.db");
        QTest::newRow("missing") << "missing" << 2
                                 << "The glossary cannot be shown: the database file " + file +
                                        " does not exist.";
        QTest::newRow("missing, Spanish")
            << "missing" << 1
            << "No se puede mostrar el glosario: no existe el archivo de la base de datos " + file +
                   ".";
        QTest::newRow("folder") << "folder" << 2
                                << "The glossary cannot be shown: the database file " + file +
                                       " cannot be read.";
        QTest::newRow("folder, Spanish")
            << "folder" << 1
            << "No se puede mostrar el glosario: no se puede leer el archivo de la base de datos " +
                   file + ".";
        const QString notDatabase = "The glossary cannot be shown: the file " + file +
                                    " is not a database, or it is damaged.";
        QTest::newRow("text file") << "text" << 2 << notDatabase;
        QTest::newRow("empty file") << "empty" << 2 << notDatabase;
        QTest::newRow("damaged") << "damaged" << 2 << notDatabase;
        QTest::newRow("text file, Spanish") << "text" << 1
                                            << "No se puede mostrar el glosario: el archivo " +
                                                   file + " no es una base de datos o está dañado.";
        QTest::newRow("no table") << "no table" << 2
                                  << "The glossary cannot be shown: the database " + file +
                                         " has no table \"glosary\".";
        QTest::newRow("no table, Spanish") << "no table" << 1
                                           << "No se puede mostrar el glosario: la base de datos " +
                                                  file + " no tiene la tabla \"glosary\".";
        QTest::newRow("no field")
            << "no field" << 2
            << "The glossary cannot be shown: the table \"glosary\" of the database " + file +
                   " has no field \"fr\".";
        QTest::newRow("no fields")
            << "no fields" << 2
            << "The glossary cannot be shown: the table \"glosary\" of the database " + file +
                   " has no fields \"siglas\", \"it\".";
        QTest::newRow("no field, Spanish")
            << "no field" << 1
            << "No se puede mostrar el glosario: a la tabla \"glosary\" de la base de datos " +
                   file + " le falta el campo \"fr\".";
        QTest::newRow("no fields, Spanish")
            << "no fields" << 1
            << "No se puede mostrar el glosario: a la tabla \"glosary\" de la base de datos " +
                   file + " le faltan los campos \"siglas\", \"it\".";
        QTest::newRow("no field, German") << "no field" << 5
                                          << "The glossary cannot be shown: the table "
                                             "\"glosary\" of the database " +
                                                 file + " has no field \"fr\".";
    }
    void unusableDatabaseGivesOneClearMessage() {
        QFETCH(QString, kind);
        QFETCH(int, language);
        QFETCH(QString, message);
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(dbPath()));
        } else if (kind == "text") {
            writeFile(dbPath(), "siglas;sp;en;fr;it\nECM;Módulo;Module;Module;Modulo\n");
        } else if (kind == "empty") {
            writeFile(dbPath(), QByteArray());
        } else if (kind == "damaged") {
            QByteArray content("SQLite format 3", 16);
            content += QByteArray(4096, '\x5a');
            writeFile(dbPath(), content);
        } else if (kind == "no table") {
            makeDatabase(folder_.path(),
                         {"CREATE TABLE glossary (siglas, sp, en, fr, it)",
                          "INSERT INTO glossary VALUES ('ECM', 'a', 'b', 'c', 'd')"});
        } else if (kind == "no field") {
            makeDatabase(folder_.path(), {"CREATE TABLE glosary (siglas, sp, en, it)",
                                          "INSERT INTO glosary VALUES ('ECM', 'a', 'b', 'd')"});
        } else if (kind == "no fields") {
            makeDatabase(folder_.path(), {"CREATE TABLE glosary (acronym, sp, en, fr)",
                                          "INSERT INTO glosary VALUES ('ECM', 'a', 'b', 'c')"});
        }
        RecordedMessageBoxes boxes;
        LoadedWindow *window = openGlossary(language);
        QCOMPARE(boxes.texts, QStringList{message});
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(filledCells(window), 0);
        QCOMPARE(gridOf(window)->rowCount(), 50);
        QCOMPARE(focusName(window), QStringLiteral("Command2"));
        // The file is left as it was.
        if (kind == "missing")
            QVERIFY(!QFileInfo::exists(dbPath()));
        if (kind == "empty")
            QCOMPARE(QFileInfo(dbPath()).size(), 0);
    }

    void databaseIsOnlyRead() {
        makeDatabase(folder_.path(), {kFixtureTable, kFixtureRows});
        QFile::setPermissions(dbPath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        const QByteArray before = [this] {
            QFile file(dbPath());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        LoadedWindow *window = openGlossary(ERRORS32::English);
        QCOMPARE(listed(window).size(), 4);
        QFile file(dbPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QVERIFY(!QFileInfo::exists(dbPath() + "-journal"));
        QVERIFY(!QFileInfo::exists(dbPath() + "-wal"));
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
    }

    void openingAgainLeavesTheWindowAsItIs() {
        makeDatabase(folder_.path(), {kFixtureTable});
        RecordedMessageBoxes boxes;
        LoadedWindow *first = openGlossary(ERRORS32::English);
        chooseMenu(QStringLiteral("acronimos"));
        QCOMPARE(loaded(kWindow), first);
        QCOMPARE(boxes.texts.size(), 1);
    }

    void eachOpeningReadsTheDatabaseAfresh() {
        makeDatabase(folder_.path(), {kFixtureTable});
        RecordedMessageBoxes boxes;
        press(openGlossary(ERRORS32::English), "Command2");
        QVERIFY(!loaded(kWindow));
        makeDatabase(folder_.path(), {kFixtureRows});
        LoadedWindow *window = openGlossary(ERRORS32::English);
        QCOMPARE(listed(window).size(), 4);
        QCOMPARE(boxes.texts, QStringList{"No hay datos"});
    }

    void exitUnloadsAndLeavesTheMainWindow() {
        makeDatabase(folder_.path(), {kFixtureTable, kFixtureRows});
        LoadedWindow *window = openGlossary(ERRORS32::English);
        press(window, "Command2");
        QVERIFY(!loaded(kWindow));
        QVERIFY(loaded("Form3"));
    }

    void escapeOnExitLoadsTheMainWindowAgain() {
        makeDatabase(folder_.path(), {kFixtureTable, kFixtureRows});
        LoadedWindow *window = openGlossary(ERRORS32::Spanish);
        LoadedWindow *main = loaded("Form3");
        key(window, "Command2", Qt::Key_Escape);
        QVERIFY(!loaded(kWindow));
        QCOMPARE(loaded("Form3"), main); // still loaded: nothing happens to it
        QCOMPARE(ERRORS32::LanguageCode, qint16(ERRORS32::Spanish));

        window = openGlossary(ERRORS32::Spanish);
        main->unload();
        flushDeletes();
        QVERIFY(!loaded("Form3"));
        key(window, "Command2", Qt::Key_Escape);
        QVERIFY(!loaded(kWindow));
        QVERIFY(loaded("Form3"));
        QVERIFY(loaded("Form3")->isVisible());
        QCOMPARE(ERRORS32::LanguageCode, qint16(ERRORS32::English));
        QCOMPARE(ERRORS32::CapExit, QStringLiteral("Exit"));
    }

    void shippedGlossaryListsEveryEntryInFourLanguages_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("ecm");
        QTest::addColumn<QString>("dtc");
        QTest::addColumn<QString>("wot");
        QTest::newRow("Spanish") << 1 << "Módulo de control del motor"
                                 << "Código de avería"
                                 << "Mariposa totalmente abierta";
        QTest::newRow("English") << 2 << "Engine Control Module"
                                 << "Diagnostic Trouble Code"
                                 << "Wide Open Throttle";
        QTest::newRow("French") << 3 << "Calculateur moteur"
                                << "Code défaut"
                                << "Papillon grand ouvert";
        QTest::newRow("Italian") << 4 << "Centralina di controllo del motore"
                                 << "Codice guasto"
                                 << "Farfalla completamente aperta";
    }
    void shippedGlossaryListsEveryEntryInFourLanguages() {
        QFETCH(int, language);
        QFETCH(QString, ecm);
        QFETCH(QString, dtc);
        QFETCH(QString, wot);
        ui::overrideDataFolder(QString());
        QVERIFY(QFileInfo(glossary::databasePath()).isFile());
        RecordedMessageBoxes boxes;
        LoadedWindow *window = openGlossary(language);
        QCOMPARE(boxes.texts, QStringList());
        const Rows rows = listed(window);
        QCOMPARE(rows.size(), 60);
        QCOMPARE(filledCells(window), 2 * 60);
        QStringList acronyms;
        for (const QStringList &row : rows) {
            QVERIFY(!row[0].isEmpty());
            QVERIFY(!row[1].isEmpty());
            acronyms << row[0];
        }
        QStringList sorted = acronyms;
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        QCOMPARE(acronyms, sorted);
        for (const char *expected : {"ECM", "PCM", "ECU", "ECT", "IAC", "MAP", "TPS", "WOT", "EFI",
                                     "DFI", "BTDC", "RPM", "PSI", "GPH", "CAL"})
            QVERIFY2(acronyms.contains(QLatin1String(expected)), expected);
        QCOMPARE(rows[acronyms.indexOf("ECM")][1], ecm);
        QCOMPARE(rows[acronyms.indexOf("DTC")][1], dtc);
        QCOMPARE(rows[acronyms.indexOf("WOT")][1], wot);
    }

    void shippedGlossaryHasNoMeaningsForOtherLanguages() {
        ui::overrideDataFolder(QString());
        RecordedMessageBoxes boxes;
        LoadedWindow *window = openGlossary(ERRORS32::Swedish);
        QCOMPARE(filledCells(window), 0);
        QCOMPARE(boxes.texts, QStringList());
    }

    void shippedGlossaryHoldsTheFiveFieldsOfEveryEntry() {
        ui::overrideDataFolder(QString());
        const glossary::Reading reading = glossary::read(glossary::databasePath());
        QCOMPARE(int(reading.problem), int(glossary::Problem::None));
        QVERIFY(reading.records.size() >= 40);
        QSet<QString> seen;
        for (const glossary::Record &record : reading.records) {
            QVERIFY2(!seen.contains(record.acronym), qPrintable(record.acronym));
            seen.insert(record.acronym);
            for (const QString &text :
                 {record.acronym, record.spanish, record.english, record.french, record.italian})
                QVERIFY2(!text.trimmed().isEmpty() && text == text.trimmed(),
                         qPrintable(record.acronym));
        }
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
    }
};

TIDEWELL_TEST_MAIN(GlossaryTest)
#include "tst_glossary.moc"
