#include "link/cylinder_panel.h"

#include "app/errors32.h"
#include "link/screen_areas.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/pump.h"
#include "ui/twips.h"

#include <QFrame>
#include <QGroupBox>

namespace unitlink {

namespace {
constexpr int kBars = 50;
constexpr int kBarWait = 5;
constexpr int kBarPause = 150; // ms
const QString kBar = QStringLiteral("II");
constexpr unsigned kIdleIndicator = 0xC00000;   // RGB(192, 0, 0)
constexpr unsigned kChosenIndicator = 0x00C000; // RGB(0, 192, 0)
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
} // namespace

CylinderPanel::CylinderPanel(ScreenHost &host, const Shape &shape)
    : QObject(host.panelParent()), host_(host), pressStart_(shape.pressStart) {
    // Wide enough for the run's bar of a hundred "I" on one line.
    const QRect area = unitlink::kWidePanelArea;
    panel = ui::frame(QString::fromUtf8(shape.frameName), QString(), host.panelParent());
    ui::place(panel, area);
    for (int row = 0; row < shape.rows; ++row) {
        const int top = 360 + row * shape.rowPitch;
        auto *indicator = new QFrame(panel);
        indicator->setObjectName(ui::indexedName(QStringLiteral("Shape1"), row));
        indicator->setFrameShape(QFrame::Box);
        indicator->setAutoFillBackground(true);
        ui::place(indicator, 240, top, 240, 240);
        indicators << indicator;
        setIndicator(row, false);

        auto *name = ui::label(ui::indexedName(QStringLiteral("Label8"), row), QString(), panel);
        ui::place(name, 600, top, 2400, 255);
        rowNames << name;

        auto *toggle = new ui::CommandButton(ui::indexedName(QStringLiteral("Command40"), row),
                                             QString::fromUtf8(shape.toggleCaption), panel);
        ui::place(toggle, 3120, top - 30, 1200, 315);
        connect(toggle, &QPushButton::clicked, this, [this, row] { chooseRow(row); });
        toggles << toggle;
    }
    resultLabel = ui::label(QStringLiteral("Label14"), QString(), panel);
    resultLabel->setAlignment(kLeft);
    ui::place(resultLabel, 120, 3780, 9840, 285);
    startButton =
        new ui::CommandButton(QStringLiteral("Command42"), QStringLiteral("Start"), panel);
    ui::place(startButton, 7020, 4320, 1320, 420);
    startButton->setEnabled(false);
    exitButton = new ui::CommandButton(QStringLiteral("Command41"),
                                       QString::fromUtf8(shape.exitCaption), panel);
    ui::place(exitButton, 8640, 4320, 1320, 420);
    panel->hide();

    connect(startButton, &QPushButton::clicked, this, &CylinderPanel::startPressed);
    connect(exitButton, &QPushButton::clicked, this, &CylinderPanel::exitPressed);
}

void CylinderPanel::open(const QString &title, const QString &rowWord, const QString &idleCaption,
                         const QString &chosenCaption) {
    title_ = title;
    rowWord_ = rowWord;
    idleCaption_ = idleCaption;
    chosenCaption_ = chosenCaption;
    nameRows();
    for (auto *toggle : std::as_const(toggles))
        toggle->setText(idleCaption_);
    nameIndicators();
    panel->setTitle(title_);
    host_.openPanel(panel, exitButton, false);
}

void CylinderPanel::chooseRow(int row) {
    startButton->setEnabled(true);
    resultLabel->setAlignment(Qt::AlignCenter);
    resultLabel->setText(inLanguage(pressStart_));
    resetRows();
    setIndicator(row, true);
    toggles[row]->setText(chosenCaption_);
    nameIndicators();
}

bool CylinderPanel::run(const std::function<bool(int)> &wait) {
    resultLabel->setAlignment(kLeft);
    resultLabel->clear();
    for (int bar = 0; bar < kBars; ++bar) {
        resultLabel->setText(resultLabel->text() + kBar);
        if (!wait(kBarWait))
            return false;
        ui::Sleep(kBarPause);
    }
    resultLabel->setAlignment(Qt::AlignCenter);
    resultLabel->setText(ERRORS32::MsgEndProcess);
    ui::setArrow();
    // The rows and the caption are written afresh, as at the opening.
    resetRows();
    nameRows();
    nameIndicators();
    panel->setTitle(title_);
    startButton->setEnabled(false);
    ui::focusIfReachable(exitButton);
    return true;
}

void CylinderPanel::close() {
    for (int row = 0; row < indicators.size(); ++row)
        setIndicator(row, false);
    startButton->setEnabled(false);
    panel->hide();
    resultLabel->clear();
}

void CylinderPanel::resetRows() {
    for (int row = 0; row < indicators.size(); ++row) {
        setIndicator(row, false);
        toggles[row]->setText(idleCaption_);
    }
}

void CylinderPanel::nameRows() {
    for (int row = 0; row < rowNames.size(); ++row)
        rowNames[row]->setText(rowWord_ + QLatin1Char(' ') + QString::number(row + 1));
}

void CylinderPanel::nameIndicators() {
    // What the colour tells a sighted user: the row and the state its toggle reads.
    for (int row = 0; row < indicators.size(); ++row)
        indicators[row]->setAccessibleName(rowNames[row]->text() + QLatin1Char(' ') +
                                           toggles[row]->text());
}

void CylinderPanel::setIndicator(int row, bool chosen) {
    QPalette palette = indicators[row]->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(chosen ? kChosenIndicator : kIdleIndicator));
    indicators[row]->setPalette(palette);
}

} // namespace unitlink
