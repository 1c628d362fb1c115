#include "reference/glossary_window.h"

#include "app/errors32.h"
#include "app/language_text.h"
#include "app/window_registry.h"
#include "reference/glossary_database.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

#include <QDir>

#include <utility>

namespace {

constexpr int kClientWidth = 10080; // twips
constexpr int kClientHeight = 7260;

// The meaning listed for the language; German, Portuguese, Finnish and
// Swedish have none in the glossary.
QString meaningFor(const glossary::Record &record, qint16 language) {
    switch (language) {
    case ERRORS32::Spanish:
        return record.spanish;
    case ERRORS32::English:
        return record.english;
    case ERRORS32::French:
        return record.french;
    case ERRORS32::Italian:
        return record.italian;
    default:
        return QString();
    }
}

QString quotedList(const QStringList &names) {
    QStringList quoted;
    for (const QString &name : names)
        quoted << QLatin1Char('"') + name + QLatin1Char('"');
    return quoted.join(QStringLiteral(", "));
}

} // namespace

GlossaryWindow::GlossaryWindow() {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Glosary"));
    ui::setClientSize(this, kClientWidth, kClientHeight);

    grid_ = new ui::Grid(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    ui::place(grid_, 120, 120, 9840, 6300);

    exitButton_ = new ui::CommandButton(QStringLiteral("Command2"), QStringLiteral("Salir"), this);
    ui::place(exitButton_, 8400, 6600, 1560, 480);
    connect(exitButton_, &QPushButton::clicked, this, &LoadedWindow::unload);
    connect(exitButton_, &ui::CommandButton::escapePressed, this, &GlossaryWindow::leaveByEscape);

    // Load step.
    switch (ERRORS32::LanguageCode) {
    case ERRORS32::Spanish:
        setWindowTitle(QStringLiteral("Acrónimos"));
        break;
    case ERRORS32::English:
        setWindowTitle(QStringLiteral("Glosary"));
        break;
    case ERRORS32::French:
        setWindowTitle(QStringLiteral("Abréviations"));
        break;
    case ERRORS32::Italian:
        setWindowTitle(QStringLiteral("Abbreviazioni"));
        break;
    default:
        break;
    }
    show();
    exitButton_->setText(ERRORS32::CapExit);
    grid_->setCols(2);
    grid_->setRows(kRows);
    grid_->setColWidth(0, kAcronymWidth);
    grid_->setColWidth(1, kMeaningWidth);
    fillGrid();
    exitButton_->setFocus();
}

void GlossaryWindow::fillGrid() {
    const QString path = glossary::databasePath();
    const glossary::Reading reading = glossary::read(path);
    if (reading.problem != glossary::Problem::None) {
        ui::messageBox(this, problemText(reading, path));
        return;
    }
    if (reading.records.isEmpty()) {
        ui::messageBox(this, QStringLiteral("No hay datos"));
        return;
    }
    // Records without a meaning in the language are skipped and leave no gap.
    QList<std::pair<QString, QString>> entries;
    for (const glossary::Record &record : reading.records) {
        const QString meaning = meaningFor(record, ERRORS32::LanguageCode);
        if (!meaning.isEmpty())
            entries.append({record.acronym, meaning});
    }
    // Every entry is listed: with more entries than rows the grid grows.
    if (entries.size() > grid_->rowCount())
        grid_->setRows(int(entries.size()));
    for (int row = 0; row < entries.size(); ++row) {
        grid_->setCell(row, 0, entries[row].first);
        grid_->setCell(row, 1, entries[row].second);
    }
}

namespace {

// What the user is told when the glossary cannot be read: %1 is the file,
// %2 the missing fields.
const LanguageText kMissingText = {
    "The glossary cannot be shown: the database file %1 does not exist.",
    "No se puede mostrar el glosario: no existe el archivo de la base de datos %1."};
const LanguageText kUnreadableText = {
    "The glossary cannot be shown: the database file %1 cannot be read.",
    "No se puede mostrar el glosario: no se puede leer el archivo de la base de datos %1."};
const LanguageText kNotADatabaseText = {
    "The glossary cannot be shown: the file %1 is not a database, or it is damaged.",
    "No se puede mostrar el glosario: el archivo %1 no es una base de datos o está dañado."};
const LanguageText kNoTableText = {
    "The glossary cannot be shown: the database %1 has no table \"glosary\".",
    "No se puede mostrar el glosario: la base de datos %1 no tiene la tabla \"glosary\"."};
const LanguageText kMissingFieldText = {
    "The glossary cannot be shown: the table \"glosary\" of the database %1 has no field %2.",
    "No se puede mostrar el glosario: a la tabla \"glosary\" de la base de datos %1 le falta "
    "el campo %2."};
const LanguageText kMissingFieldsText = {
    "The glossary cannot be shown: the table \"glosary\" of the database %1 has no fields %2.",
    "No se puede mostrar el glosario: a la tabla \"glosary\" de la base de datos %1 le faltan "
    "los campos %2."};

} // namespace

QString GlossaryWindow::problemText(const glossary::Reading &reading, const QString &path) {
    const QString file = QDir::toNativeSeparators(path);
    switch (reading.problem) {
    case glossary::Problem::Missing:
        return inLanguage(kMissingText).arg(file);
    case glossary::Problem::Unreadable:
        return inLanguage(kUnreadableText).arg(file);
    case glossary::Problem::NotADatabase:
        return inLanguage(kNotADatabaseText).arg(file);
    case glossary::Problem::NoTable:
        return inLanguage(kNoTableText).arg(file);
    case glossary::Problem::MissingFields:
        return inLanguage(reading.missingFields.size() == 1 ? kMissingFieldText
                                                            : kMissingFieldsText)
            .arg(file, quotedList(reading.missingFields));
    case glossary::Problem::None:
        break;
    }
    return QString();
}

void GlossaryWindow::leaveByEscape() {
    WindowRegistry::instance().open(QStringLiteral("Form3"));
    unload();
}
