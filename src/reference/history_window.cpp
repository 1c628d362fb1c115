#include "reference/history_window.h"

#include "app/errors32.h"
#include "app/window_registry.h"
#include "reference/window_placement.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/twips.h"

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

    exitButton_ = new ui::CommandButton(QStringLiteral("Command2"), QStringLiteral("Salir"), this);
    ui::place(exitButton_, 8160, 5955, 1560, 480);

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
    for (int col = 0; col < kCols; ++col)
        table_->setCell(0, col, headings[col]);
    for (int col : {0, 1, 3, 4})
        table_->setColAlignment(col, ui::Grid::Align::LeftTop);
    firstDateBox_->setFocus();
}

void HistoryWindow::leaveByEscape() {
    WindowRegistry::instance().open(QStringLiteral("Form3"));
    unload();
}
