#include "engines/ficht/ficht_live.h"

#include "app/errors32.h"
#include "engines/ficht/ficht_tables.h"
#include "link/number_text.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

using namespace ficht;

namespace {

// Passes of the counted wait after each step of a run.
constexpr int kStepWait = 1800;

constexpr int kRowPitch = 300;
constexpr int kRowHeight = 285;
// Value columns of the temperature and voltage blocks, under their headers.
constexpr int kValueColumns[3] = {1440, 2280, 3120};
constexpr int kValueWidth = 780;
constexpr int kCaptionLeft = 240;

} // namespace

FichtLivePanel::FichtLivePanel(unitlink::ScreenHost &host) : LabelLivePanel(host) {

    int captions = 0;
    auto caption = [this, &captions](const char *text, int left, int top, int width) {
        auto *label = ui::label(ui::indexedName(QStringLiteral("Label40"), captions++),
                                QString::fromUtf8(text), this);
        ui::place(label, left, top, width, kRowHeight);
        return label;
    };
    auto value = [this](const char *start, const QLabel *rowCaption, const char *column, int left,
                        int top, int width) {
        auto *label = ui::label(ui::indexedName(QStringLiteral("Label41"), int(values.size())),
                                QString(), this);
        label->setNameLabel(rowCaption, QString::fromUtf8(column));
        ui::place(label, left, top, width, kRowHeight);
        values << label;
        startTexts_ << start;
        return label;
    };
    // Blocks of three columns on the left, of one on the right.
    auto columnBlock = [&](const LiveHeader &header, int top, const auto &rows) {
        caption(header.text, kValueColumns[0], top, 3120);
        QList<QLabel *> first;
        for (int row = 0; row < int(rows.size()); ++row) {
            const int rowTop = top + (row + 1) * kRowPitch;
            const QLabel *rowCaption =
                caption(rows[row].caption, kCaptionLeft, rowTop, kValueColumns[0] - kCaptionLeft);
            for (int col = 0; col < 3; ++col)
                if (rows[row].values[col]) {
                    QLabel *cell = value(rows[row].values[col], rowCaption, header.columns[col],
                                         kValueColumns[col], rowTop, kValueWidth);
                    if (col == 0)
                        first << cell;
                }
        }
        return first;
    };
    auto listBlock = [&](int top, const auto &rows) {
        QList<QLabel *> cells;
        for (int row = 0; row < int(rows.size()); ++row) {
            const int rowTop = top + row * kRowPitch;
            const QLabel *rowCaption = caption(rows[row].caption, 5040, rowTop, 2880);
            cells << value(rows[row].values[0], rowCaption, "", 7980, rowTop, 1200);
        }
        return cells;
    };
    ecuVolts = columnBlock(kTemperatureHeader, 300, kTemperatureBlock).at(2);
    alternatorVolts = columnBlock(kVoltageHeader, 1620, kVoltageBlock).at(1);
    baroPressure = listBlock(300, kEngineBlock).at(5);
    listBlock(2640, kSwitchBlock);
    addRunBarAndButtons({240, 3900, 4560, 900});
}

void FichtLivePanel::open() {
    host_.openPanel(this, exitButton);
}

void FichtLivePanel::run() {
    for (qsizetype i = 0; i < values.size(); ++i)
        values[i]->setText(QString::fromUtf8(startTexts_[i]));
    runBar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    runBar->clear();
    const bool stopped = runCycles(runBar, kLiveSteps, kStepWait, [this](int step) {
        baroPressure->setText(unitlink::shortestNumberText(readingAt(kBaroPressure, step)));
        alternatorVolts->setText(unitlink::shortestNumberText(readingAt(kAlternatorVolts, step)));
        ecuVolts->setText(unitlink::shortestNumberText(readingAt(kEcuVolts, step)));
        runBar->setText(runBar->text() + QLatin1Char('I'));
    });
    if (!stopped)
        return;
    runBar->clear();
    runBar->setAlignment(Qt::AlignCenter);
    runBar->setText(QString::fromUtf8(kStopped));
    ui::setArrow();
}
