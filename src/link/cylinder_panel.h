#pragma once

#include "app/language_text.h"
#include "link/screen_host.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QFrame;
class QGroupBox;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

namespace unitlink {

// The CylinderPanel of the per-cylinder actuator tests, as every screen
// that has one shows it: a row per cylinder (indicator, name, toggle), a
// result line, Start and Exit, over the screen's width. Choosing a row marks
// it alone; the run fills the result line with bars. What Start and Exit
// lead to is the screen's own.
class CylinderPanel : public QObject {
    Q_OBJECT
public:
    struct Shape {
        const char *frameName;
        int rows;
        int rowPitch;              // twips from one row to the next
        const char *toggleCaption; // before the first opening
        const char *exitCaption;
        LanguageText pressStart; // the result line once a row is chosen
    };
    CylinderPanel(ScreenHost &host, const Shape &shape);

    // Opens the panel for a test: captioned `title`, rows named "`rowWord` N",
    // every indicator idle and every toggle reading `idleCaption`; a chosen
    // row's toggle reads `chosenCaption`. The focus goes to Exit.
    void open(const QString &title, const QString &rowWord, const QString &idleCaption,
              const QString &chosenCaption);
    // The run of the test: fifty bars of "II", each after a short wait and a
    // 150 ms pause, then "end of process" and the rows as they were opened.
    // `wait` runs one counted wait and returns false once the run has ended
    // (called off, its screen unloaded); the run then stops at once and
    // returns false.
    bool run(const std::function<bool(int)> &wait);
    // Hides the panel with no row chosen and an empty result line.
    void close();

    QGroupBox *panel;
    QList<QFrame *> indicators;
    QList<ui::Label *> rowNames;
    QList<ui::CommandButton *> toggles;
    ui::Label *resultLabel;
    ui::CommandButton *startButton;
    ui::CommandButton *exitButton;

signals:
    void startPressed();
    void exitPressed();

private:
    void chooseRow(int row);
    void resetRows();
    void nameRows();
    void nameIndicators();
    void setIndicator(int row, bool chosen);

    ScreenHost &host_;
    LanguageText pressStart_;
    QString title_;
    QString rowWord_;
    QString idleCaption_;
    QString chosenCaption_;
};

} // namespace unitlink
