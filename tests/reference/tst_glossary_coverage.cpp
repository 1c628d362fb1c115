// The glossary explains every acronym the program shows: each all-capital
// word of two to six letters in the texts of the sources (catalogue, screens'
// tables, captions, the drawn pictures) and in the glossary's own meanings
// has an entry with a meaning in all four glossary languages, and no two
// entries mean the same in a language.
#include "reference/glossary_database.h"
#include "support/test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

// Capital words the program shows that are not acronyms, so need no entry.
const QSet<QString> kNotAcronyms = {
    // English words in the units' own capitalised texts.
    "AIR", "CODE", "FUEL", "FUSE", "IDLE", "NOT", "OFF", "ON", "PILOT", "PITOT", "PUMP", "READ",
    "SAVE", "SEA", "SET", "TOP",
    // Names: makes and models.
    "BRAVO", "DELPHI", "FRT", "GP",
    // Never shown: the SQL of the glossary query and the pictures' file format.
    "SELECT", "JPG"};

// A word made only of "I" is a run bar's marks.
bool isRunBar(const QString &word) {
    return word.count(QLatin1Char('I')) == word.size();
}

// The text of every string literal in C++ source, comments and character
// literals skipped, escapes decoded, adjacent literals joined as the
// compiler joins them.
QStringList stringLiterals(const QString &source) {
    QStringList literals;
    bool joinsTheLast = false; // only blanks and comments since the last literal
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (source.mid(i, 2) == QLatin1String("//")) {
            i = source.indexOf(QLatin1Char('\n'), i);
            if (i < 0)
                break;
        } else if (source.mid(i, 2) == QLatin1String("/*")) {
            i = source.indexOf(QLatin1String("*/"), i + 2);
            if (i < 0)
                break;
            ++i;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            QString text;
            qsizetype j = i + 1;
            for (; j < source.size() && source.at(j) != c; ++j) {
                QChar next = source.at(j);
                if (next == QLatin1Char('\\') && j + 1 < source.size()) {
                    next = source.at(++j);
                    if (next == QLatin1Char('r') || next == QLatin1Char('n') ||
                        next == QLatin1Char('t'))
                        next = QLatin1Char(' ');
                }
                text += next;
            }
            if (c == QLatin1Char('"') && joinsTheLast)
                literals.last() += text;
            else if (c == QLatin1Char('"'))
                literals << text;
            joinsTheLast = c == QLatin1Char('"');
            i = j;
        } else if (!c.isSpace()) {
            joinsTheLast = false;
        }
    }
    return literals;
}

// The all-capital words of two to six letters, without digits, of a text.
// "%1" stands for a number filled in when shown.
QSet<QString> capitalWords(QString text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    static const QRegularExpression word(QStringLiteral("[\\w]+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    text.replace(placeholder, QStringLiteral("0"));
    QSet<QString> words;
    for (const QRegularExpressionMatch &match : word.globalMatch(text)) {
        const QString candidate = match.captured();
        if (candidate.size() < 2 || candidate.size() > 6)
            continue;
        bool capitalLetters = true;
        for (const QChar letter : candidate)
            capitalLetters = capitalLetters && letter.isLetter() && letter.isUpper();
        if (capitalLetters)
            words.insert(candidate);
    }
    return words;
}

// Every capital word in the texts of the program's sources, with the files
// it stands in.
QMap<QString, QStringList> capitalWordsOfTheProgram() {
    const QString root = QStringLiteral(TIDEWELL_SOURCE_DIR);
    QStringList files{root + QStringLiteral("/data/draw_pictures.cpp")};
    QDirIterator sources(root + QStringLiteral("/src"), {"*.cpp", "*.h"}, QDir::Files,
                         QDirIterator::Subdirectories);
    while (sources.hasNext())
        files << sources.next();
    QMap<QString, QStringList> found;
    for (const QString &path : std::as_const(files)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("cannot read %s", qPrintable(path));
            return {};
        }
        for (const QString &literal : stringLiterals(QString::fromUtf8(file.readAll())))
            for (const QString &word : capitalWords(literal))
                if (!found[word].contains(QDir(root).relativeFilePath(path)))
                    found[word] << QDir(root).relativeFilePath(path);
    }
    return found;
}

} // namespace

class GlossaryCoverageTest : public QObject {
    Q_OBJECT

private slots:
    void wordsAreFoundAsTheProgramShowsThem_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("words");
        // Sources as written, quotes and backslashes escaped here once more.
        QTest::newRow("comments and characters")
            << QStringLiteral(
                   "// \"CTS\"\n/* \"ACT\" */ f('\"', \"Ecm DFI.. Connected\", '\\'', \"GPH\");")
            << QStringList{"DFI", "GPH"};
        QTest::newRow("escapes") << QStringLiteral("\"\\rAfter SAVE\\nTPS \\\"WOT\\\"\"")
                                 << QStringList{"SAVE", "TPS", "WOT"};
        QTest::newRow("joined literals") << QStringLiteral("\"FUEL PUMP&PW\" /* */\n \"R RLY\"")
                                         << QStringList{"FUEL", "PUMP", "PWR", "RLY"};
        QTest::newRow("digits, length, case")
            << QStringLiteral("\"ECM# 856496-8 ECM555 COM%1 EEPROM AIRTMPS Kohm P.IVA: A\"")
            << QStringList{"ECM", "EEPROM", "IVA"};
    }
    void wordsAreFoundAsTheProgramShowsThem() {
        QFETCH(QString, source);
        QFETCH(QStringList, words);
        QSet<QString> found;
        for (const QString &literal : stringLiterals(source))
            found += capitalWords(literal);
        QStringList sorted = found.values();
        sorted.sort();
        QCOMPARE(sorted, words);
    }

    void everyAcronymShownHasAnEntryInEveryLanguage() {
        const glossary::Reading reading = glossary::read(glossary::databasePath());
        QCOMPARE(reading.problem, glossary::Problem::None);
        QMap<QString, glossary::Record> entries;
        for (const glossary::Record &record : reading.records)
            entries.insert(record.acronym, record);

        QMap<QString, QStringList> shown = capitalWordsOfTheProgram();
        QVERIFY(shown.contains(QStringLiteral("UCE"))); // the sources were read
        // The glossary window shows the meanings too.
        for (const glossary::Record &record : reading.records)
            for (const QString &meaning :
                 {record.spanish, record.english, record.french, record.italian})
                for (const QString &word : capitalWords(meaning))
                    shown[word] << QStringLiteral("glossary: ") + record.acronym;
        QStringList missing;
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            if (kNotAcronyms.contains(it.key()) || isRunBar(it.key()))
                continue;
            const glossary::Record record = entries.value(it.key());
            if (record.spanish.isEmpty() || record.english.isEmpty() || record.french.isEmpty() ||
                record.italian.isEmpty())
                missing << it.key() + QStringLiteral(" (") + it.value().join(", ") + ')';
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable("no glossary entry in all four languages: " + missing.join(", ")));

        QStringList stale; // a listed word the program no longer shows, or one now explained
        for (const QString &word : kNotAcronyms)
            if (!shown.contains(word) || entries.contains(word))
                stale << word;
        QVERIFY2(stale.isEmpty(),
                 qPrintable("drop from the not-acronym list: " + stale.join(", ")));
    }

    void noTwoEntriesMeanTheSame() {
        const glossary::Reading reading = glossary::read(glossary::databasePath());
        QCOMPARE(reading.problem, glossary::Problem::None);
        const QList<QString glossary::Record::*> languages{
            &glossary::Record::spanish, &glossary::Record::english, &glossary::Record::french,
            &glossary::Record::italian};
        for (const auto language : languages) {
            QMap<QString, QString> acronymOf;
            for (const glossary::Record &record : reading.records) {
                const QString meaning = (record.*language).toLower();
                QVERIFY2(!acronymOf.contains(meaning),
                         qPrintable(acronymOf.value(meaning) + " and " + record.acronym +
                                    " both mean \"" + record.*language + '"'));
                acronymOf.insert(meaning, record.acronym);
            }
        }
    }
};

TIDEWELL_TEST_MAIN(GlossaryCoverageTest)
#include "tst_glossary_coverage.moc"
