#include "reference/history_window.h"

#include "app/errors32.h"
#include "app/window_registry.h"
#include "history/history.h"
#include "reference/history_texts.h"
#include "reference/window_placement.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

namespace {

// The window's width as designed, frame included (twips).
constexpr int kDesignWidth = 9960;

constexpr int kColumnWidths[HistoryWindow::kCols] = {1200, 900, 1700, 2000, 2000, 1000};

// The heading of the make column; German, Portuguese, Finnish and Swedish
// have none.
QString makeHeading(qint16 language) {
    switch (language) {
    case ERRORS32::Spanish:
        return QStringLiteral("Marca");
    case ERRORS32::English:
        return QStringLiteral("Vehicle");
    case ERRORS32::French:
        return QStringLiteral("Véhicule");
    case ERRORS32::Italian:
        return QStringLiteral("Veicolo");
    default:
        return QString();
    }
}

// Dates and hours as the chosen language writes them.
QLocale localeOfLanguage() {
    static const QLocale::Language languages[8] = {
        QLocale::Spanish, QLocale::English,    QLocale::French,  QLocale::Italian,
        QLocale::German,  QLocale::Portuguese, QLocale::Finnish, QLocale::Swedish};
    static const QLocale::Territory territories[8] = {
        QLocale::Spain,   QLocale::UnitedKingdom, QLocale::France,  QLocale::Italy,
        QLocale::Germany, QLocale::Portugal,      QLocale::Finland, QLocale::Sweden};
    const int index = qBound(1, int(ERRORS32::LanguageCode), 8) - 1;
    return QLocale(languages[index], territories[index]);
}

} // namespace

HistoryWindow::HistoryWindow() {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Histórico"));

    auto *search = ui::frame(QStringLiteral("Frame2"), QString(), this);
    ui::place(search, 120, 60, 9600, 840);
    auto *fromLabel = ui::label(QStringLiteral("Label9"), QStringLiteral("Desde:"), search);
    ui::place(fromLabel, 240, 300, 840, 300);
    firstDateBox_ = new ui::TextBox(QStringLiteral("Text3"), search);
    firstDateBox_->setMaxLength(kDateLength);
    ui::place(firstDateBox_, 1080, 255, 1080, 390);
    auto *toLabel = ui::label(QStringLiteral("Label10"), QStringLiteral("Hasta:"), search);
    ui::place(toLabel, 2520, 300, 840, 300);
    lastDateBox_ = new ui::TextBox(QStringLiteral("Text4"), search);
    lastDateBox_->setMaxLength(kDateLength);
    ui::place(lastDateBox_, 3360, 255, 1080, 390);
    auto *platesLabel = ui::label(QStringLiteral("Label11"), QStringLiteral("Matricula:"), search);
    ui::place(platesLabel, 4800, 300, 1140, 300);
    platesBox_ = new ui::TextBox(QStringLiteral("Text1"), search);
    platesBox_->setMaxLength(kPlatesLength);
    // Only the date boxes move the caret to the end when they get the focus.
    platesBox_->setCaretToEndOnFocus(false);
    ui::place(platesBox_, 5940, 255, 1800, 390);
    // A screen reader names each box by its label.
    fromLabel->setBuddy(firstDateBox_);
    toLabel->setBuddy(lastDateBox_);
    platesLabel->setBuddy(platesBox_);

    table_ = new ui::Grid(this);
    table_->setObjectName(QStringLiteral("MSFlexGrid1"));
    table_->setFixedRows(1);
    // Wide enough for every column beside the scroll bar, with the hour
    // column widened to its longest heading (German).
    ui::place(table_, 120, 1020, 9600, 4800);

    // Hints about the search and the notice of records beyond the table.
    statusLabel_ = ui::label(QStringLiteral("Label12"), QString(), this);
    statusLabel_->setWordWrap(true);
    statusLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::place(statusLabel_, 120, 5880, 7920, 600);

    exitButton_ = new ui::CommandButton(QStringLiteral("Command2"), QStringLiteral("Salir"), this);
    ui::place(exitButton_, 8160, 5955, 1560, 480);

    // The table takes the focus between the boxes and Exit; its Model and
    // Plates cells are edited by typing, F2 or a double click.
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->setTabKeyNavigation(false);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::itemChanged, this, &HistoryWindow::saveCell);
    connect(table_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        if (refreshPending_)
            QTimer::singleShot(0, this, &HistoryWindow::refresh);
    });
    for (ui::TextBox *box : {firstDateBox_, lastDateBox_, platesBox_})
        connect(box, &QLineEdit::textChanged, this, &HistoryWindow::refresh);
    connect(&history::History::instance(), &history::History::changed, this,
            &HistoryWindow::refreshSoon, Qt::QueuedConnection);

    for (ui::TextBox *box : {firstDateBox_, lastDateBox_, platesBox_})
        connect(box, &ui::TextBox::escapePressed, this, &HistoryWindow::leaveByEscape);
    connect(lastDateBox_, &ui::TextBox::upPressed, firstDateBox_,
            [this] { firstDateBox_->setFocus(); });
    connect(platesBox_, &ui::TextBox::upPressed, lastDateBox_,
            [this] { lastDateBox_->setFocus(); });
    connect(exitButton_, &QPushButton::clicked, this, &LoadedWindow::unload);
    connect(exitButton_, &ui::CommandButton::escapePressed, this, &LoadedWindow::unload);

    // Load step.
    reference::placeWindow(this, 495, 1200, kDesignWidth, 7000);
    switch (ERRORS32::LanguageCode) {
    case ERRORS32::Spanish:
        setWindowTitle(QStringLiteral("Histórico"));
        break;
    case ERRORS32::English:
        setWindowTitle(QStringLiteral("History"));
        break;
    case ERRORS32::French:
        setWindowTitle(QStringLiteral("Parcours"));
        break;
    case ERRORS32::Italian:
        setWindowTitle(QStringLiteral("Storico"));
        break;
    default:
        break;
    }
    exitButton_->setText(ERRORS32::CapExit);
    fromLabel->setText(ERRORS32::CapFrom);
    toLabel->setText(ERRORS32::CapTo);
    platesLabel->setText(ERRORS32::CapPlatesShort);
    show();

    table_->setCols(kCols);
    table_->setRows(kRows);
    for (int col = 0; col < kCols; ++col)
        table_->setColWidth(col, kColumnWidths[col]);
    const QString headings[kCols] = {
        ERRORS32::CapDate,  ERRORS32::CapHour,   makeHeading(ERRORS32::LanguageCode),
        ERRORS32::CapModel, ERRORS32::CapPlates, ERRORS32::CapFaults};
    for (int col = 0; col < kCols; ++col) {
        table_->setCell(0, col, headings[col]);
        table_->item(0, col)->setFlags(Qt::ItemIsEnabled); // headings are read only
    }
    for (int col : {0, 1, 3, 4})
        table_->setColAlignment(col, ui::Grid::Align::LeftTop);
    for (int col = 0; col < kCols; ++col)
        headingWidths_ << table_->columnWidth(col);
    // A screen reader names the table as the window and says how to edit it.
    table_->setAccessibleName(windowTitle());
    table_->setAccessibleDescription(reference::kTableHelp.shown());
    // Opening the window is a moment to send what waits for the server.
    history::History::instance().sendOutbox();
    refresh();
    firstDateBox_->setFocus();
}

std::optional<QDate> HistoryWindow::dateOf(const QString &text, bool *valid) {
    *valid = true;
    if (text.isEmpty())
        return std::nullopt;
    bool digits = text.size() == kDateLength;
    for (QChar c : text)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const QDate date =
        digits ? QDate(2000 + text.mid(4, 2).toInt(), text.mid(2, 2).toInt(), text.left(2).toInt())
               : QDate();
    *valid = date.isValid();
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

void HistoryWindow::refreshSoon() {
    // A cell being edited keeps its editor: the table refills once it closes.
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus != table_ && table_->isAncestorOf(focus))
        refreshPending_ = true;
    else
        refresh();
}

void HistoryWindow::refresh() {
    refreshPending_ = false;
    history::Query query;
    query.limit = kRows - 1;
    query.plates = platesBox_->text();
    QStringList hints;
    const std::pair<ui::TextBox *, QLabel *> dateBoxes[2] = {
        {firstDateBox_,
         firstDateBox_->parentWidget()->findChild<QLabel *>(QStringLiteral("Label9"))},
        {lastDateBox_,
         lastDateBox_->parentWidget()->findChild<QLabel *>(QStringLiteral("Label10"))}};
    for (const auto &[box, label] : dateBoxes) {
        bool valid = true;
        const std::optional<QDate> date = dateOf(box->text(), &valid);
        (box == firstDateBox_ ? query.from : query.to) = date.value_or(QDate());
        // An invalid date is shown as such and left out of the search.
        QPalette palette;
        if (!valid)
            palette.setColor(QPalette::Text, Qt::red);
        box->setPalette(palette);
        const QString hint =
            valid ? QString() : label->text() + QLatin1Char(' ') + reference::kNotADate.shown();
        box->setAccessibleDescription(hint);
        if (!valid)
            hints << hint;
    }
    history::Page page;
    if (query.from.isValid() && query.to.isValid() && query.from > query.to)
        hints << reference::kFirstAfterLast.shown();
    else
        page = history::History::instance().search(query);
    if (page.more)
        hints << reference::kMoreRecordsMatch.shown();
    if (page.localOnly)
        hints << reference::kLocalRecordsOnly.shown();
    statusLabel_->setText(hints.join(QLatin1Char(' ')));
    fill(page);
}

void HistoryWindow::fill(const history::Page &page) {
    filling_ = true;
    const int keepRow = table_->currentRow();
    const int keepCol = table_->currentColumn();
    table_->setUpdatesEnabled(false);
    shown_ = page.records;
    const QLocale locale = localeOfLanguage();
    for (int row = 1; row < kRows; ++row) {
        const bool used = row <= shown_.size();
        const history::Record record = used ? shown_[row - 1] : history::Record();
        const QString cells[kCols] = {
            used ? locale.toString(record.when.date(), QLocale::ShortFormat) : QString(),
            used ? locale.toString(record.when.time(), QLocale::ShortFormat) : QString(),
            record.make,
            record.model,
            record.plates,
            record.faults};
        for (int col = 0; col < kCols; ++col) {
            table_->setCell(row, col, cells[col]);
            const bool editable = used && (col == kModelCol || col == kPlatesCol);
            table_->item(row, col)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                             (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
        }
    }
    fitColumns();
    table_->setUpdatesEnabled(true);
    if (keepRow >= 1)
        table_->setCurrentCell(qMin(keepRow, qMax(1, int(shown_.size()))), keepCol);
    filling_ = false;
}

void HistoryWindow::fitColumns() {
    // Every column shows its longest text in full; columns with room to
    // spare give it up first, so that the table needs no sideways scrolling.
    // The cell's text margins, its grid line and a pixel for rounding.
    const int margin =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) + 2;
    const QFontMetrics metrics = table_->fontMetrics();
    int widths[kCols];
    int needed[kCols];
    int excess = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width() -
                 table_->width();
    for (int col = 0; col < kCols; ++col) {
        needed[col] = 0;
        for (int row = 0; row <= shown_.size(); ++row)
            needed[col] =
                qMax(needed[col], metrics.horizontalAdvance(table_->cell(row, col)) + margin);
        widths[col] = qMax(headingWidths_.value(col), needed[col]);
        excess += widths[col];
    }
    for (int col : {kPlatesCol, kModelCol, 2, 5, 1, 0}) {
        const int cut = qBound(0, excess, widths[col] - needed[col]);
        widths[col] -= cut;
        excess -= cut;
    }
    for (int col = 0; col < kCols; ++col)
        if (table_->columnWidth(col) != widths[col])
            table_->setColumnWidth(col, widths[col]);
}

void HistoryWindow::saveCell(QTableWidgetItem *item) {
    const int index = item->row() - 1;
    if (filling_ || index < 0 || index >= shown_.size() ||
        (item->column() != kModelCol && item->column() != kPlatesCol))
        return;
    history::Record &record = shown_[index];
    const QString model = table_->cell(item->row(), kModelCol);
    const QString plates = table_->cell(item->row(), kPlatesCol);
    if (model == record.model && plates == record.plates)
        return;
    record.model = model;
    record.plates = plates;
    history::History::instance().update(record.id, model, plates);
}

QString HistoryWindow::rowText(int row) const {
    QStringList cells;
    for (int col = 0; col < kCols; ++col)
        if (!table_->cell(row, col).isEmpty())
            cells << table_->cell(row, col);
    return cells.join(QStringLiteral("  "));
}

void HistoryWindow::deleteCurrentRecord() {
    const int row = table_->currentRow();
    if (row < 1 || row > shown_.size())
        return;
    const QString id = shown_[row - 1].id;
    if (!ui::questionBox(this, reference::kDeleteRecord.shown().arg(rowText(row)),
                         reference::kYes.shown(), reference::kNo.shown()))
        return;
    history::History::instance().remove(id);
}

bool HistoryWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        deleteCurrentRecord();
        return true;
    }
    return LoadedWindow::eventFilter(watched, event);
}

void HistoryWindow::leaveByEscape() {
    WindowRegistry::instance().open(QStringLiteral("Form3"));
    unload();
}
