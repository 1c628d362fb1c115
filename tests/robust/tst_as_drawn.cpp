// Walks every window through the states a user reaches by clicking, in all
// eight languages, and checks each state as it is drawn: every text fits its
// control, no shown panel lets what lies under it show through, and the
// focus never rests on a control the user cannot see. In English and Spanish
// it also writes what each state shows and compares it with the reviewed
// golden files under tests/golden (TIDEWELL_UPDATE_GOLDEN=1 rewrites them).

#include "app/errors32.h"
#include "link/engine_screen.h"
#include "support/as_drawn.h"
#include "support/snapshot.h"
#include "support/test_support.h"
#include "ui/controls.h"
#include "ui/picture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>

#include <memory>
#include <optional>

using namespace testing;

namespace {

// The windows, with the menu item that opens each (empty: the main window).
struct WindowEntry {
    const char *form;
    const char *menuItem;
};
const WindowEntry kWindows[] = {
    {"Form3", ""},          {"Form47", "ep2"},       {"Form46", "dfi"},
    {"Form5", "yamob"},     {"Form44", "fitob"},     {"Form45", "gm2"},
    {"Form9", "acronimos"}, {"Form6", "conectores"}, {"Form10", "histo1"}};
// The main window's own panels are shown from its menu.
const char *const kPanelMenuItems[] = {"confi1", "taller", "ac"};

// One user action: a click on a control, a list row or a menu item, or a
// number typed into a box and ended with Enter. A click
// with `during` set is made while the step before it still runs, at that
// pass of its run, as a user clicks while a progress display is shown.
struct Step {
    enum Kind { Click, ListRow, Menu, Type } kind;
    QString name;
    int row = 0;
    qint64 during = 0;
};
// The pass of a run at which a click is made during it: its first display
// is up by then.
constexpr qint64 kDuringPass = 12;
// What the walk types into a box: hours, a date, a plate alike.
const QString kTyped = QStringLiteral("120");

// A pump that checks the texts now and then during a run, so that what a
// run shows on its way (a growing bar) is checked as well as where it ends.
// A repeated display runs until it is stopped: after a whole cycle of the
// longest one (95 ticks of 3001 passes) the walk asks it to stop, as a first
// Exit does.
class CheckingPump : public CountingPump {
public:
    static constexpr qint64 kRepeatedRunPasses = 300000;
    std::function<void()> check;
    std::function<void()> stopRepeatedRun;
    // Only the last step of a path is checked on its way: the steps before
    // it were checked when the walk first took them.
    void startStep(bool checked) {
        stepStart_ = passes();
        checked_ = checked;
    }
    qint64 stepPasses() const { return passes() - stepStart_; }
    void pass() override {
        CountingPump::pass();
        const qint64 n = passes() - stepStart_;
        if (checked_ && check &&
            (n <= 2000                 ? n % 3 == 0
             : n <= kRepeatedRunPasses ? n % 3001 == 0
                                       : n % 30011 == 0))
            check();
        if (n >= kRepeatedRunPasses && n % 601 == 0 && stopRepeatedRun)
            stopRepeatedRun();
    }

private:
    qint64 stepStart_ = 0;
    bool checked_ = false;
};

class Walk {
public:
    explicit Walk(const WindowEntry &entry) : entry_(entry) {
        pump_.check = [this] {
            if (!window_)
                return;
            if (!writing_.isEmpty())
                noteOnTheWay();
            // Measuring is dear; the texts change at a few passes only.
            QString shown = whatIsShown(window_);
            if (shown == lastChecked_)
                return;
            lastChecked_ = std::move(shown);
            record(textsThatDoNotFit(window_));
            // Panels shown only during a run (the progress display) are
            // drawn once on the way.
            if (render_ && !renderedInRun_) {
                renderedInRun_ = true;
                record(seeThroughPanels(window_));
            }
        };
        pump_.stopRepeatedRun = [this] {
            if (auto *screen = qobject_cast<unitlink::EngineScreen *>(window_.data()))
                static_cast<unitlink::ScreenHost &>(*screen).liveRun().requestStop();
        };
    }

    // Finds every state a user reaches from the window's opening, drawn in
    // English, where the panels' pixels are checked too.
    void explore() {
        language_ = ERRORS32::English;
        render_ = true;
        startWriting();
        exploreFrom({});
        written_[language_] = writing_;
        writing_.clear();
    }
    // Takes the user to each of those states again in another language.
    void revisit(int language) {
        language_ = language;
        render_ = false;
        startWriting();
        for (const QList<Step> &path : std::as_const(paths_))
            visit(path);
        written_[language_] = writing_;
        writing_.clear();
    }
    // What every state showed in a language written down, if it was.
    QString written(int language) const { return written_.value(language); }
    QStringList problems() const {
        QStringList sorted(problems_.begin(), problems_.end());
        sorted.sort();
        return sorted;
    }
    int states() const { return int(seen_.size()); }

private:
    static constexpr int kMaxDepth = 8;
    static constexpr int kMaxDepthBeforeClickDuringRun = 3;

    QWidget *openFresh() {
        const QString item = QString::fromLatin1(entry_.menuItem);
        // The main window is built afresh only when it is the one walked.
        if (item.isEmpty() || !loaded(QStringLiteral("Form3"))) {
            startProgramFresh();
        } else if (LoadedWindow *window = loaded(QString::fromLatin1(entry_.form))) {
            window->unload();
            flushDeletes();
        }
        useLanguage(language_);
        if (!item.isEmpty())
            chooseMenu(item);
        pump_.reset();
        return loaded(QString::fromLatin1(entry_.form));
    }

    bool perform(const Step &step, bool checked) {
        QWidget *window = loaded(QString::fromLatin1(entry_.form));
        if (!window)
            return false;
        window_ = window;
        renderedInRun_ = false;
        ++stepsTaken_;
        pump_.startStep(checked);
        if (checked)
            enabledDuringRun_.clear();
        if (checked && step.kind == Step::Click) {
            const qint64 taken = stepsTaken_;
            pump_.after(kDuringPass, [this, taken] {
                if (taken == stepsTaken_)
                    enabledDuringRun_ = usableButtons();
            });
        }
        if (checked) {
            sleepsBefore_ = sleeps_.calls.size();
            boxesBefore_ = boxes_.texts.size();
            onTheWay_.clear();
            shapesOnTheWay_.clear();
            shapeOnTheWay_.clear();
            readingsOnTheWay_.clear();
            lastOfShape_.reset();
        }
        switch (step.kind) {
        case Step::Menu:
            chooseMenu(step.name);
            break;
        case Step::Click: {
            auto *control = window->findChild<QWidget *>(step.name);
            if (!control || !control->isVisible() || !control->isEnabled())
                return false;
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
            break;
        }
        case Step::Type: {
            auto *box = window->findChild<QLineEdit *>(step.name);
            if (!box || !box->isVisible() || !box->isEnabled())
                return false;
            box->setFocus();
            QTest::keyClicks(box, kTyped);
            QTest::keyClick(box, Qt::Key_Return);
            break;
        }
        case Step::ListRow: {
            auto *list = window->findChild<QListWidget *>(step.name);
            if (!list || !list->isVisible() || step.row >= list->count())
                return false;
            QListWidgetItem *item = list->item(step.row);
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
            break;
        }
        }
        return loaded(QString::fromLatin1(entry_.form)) != nullptr;
    }

    QStringList usableButtons() const {
        QStringList names;
        if (window_)
            for (auto *button : window_->findChildren<QAbstractButton *>())
                if (button->isVisible() && button->isEnabled() && !button->objectName().isEmpty())
                    names << button->objectName();
        return names;
    }

    // The panel a user works in: the topmost shown frame of the window that
    // was not shown when it opened. While one is shown, the walk clicks only
    // inside it; the states that pile panels on one another would otherwise
    // multiply beyond what a test can walk.
    QWidget *panelInUse(QWidget *window) const {
        const QObjectList &children = window->children();
        for (qsizetype i = children.size() - 1; i >= 0; --i) {
            auto *frame = qobject_cast<QGroupBox *>(children[i]);
            if (frame && frame->isVisible() && !openingFrames_.contains(frame->objectName()))
                return frame;
        }
        return window;
    }

    QList<Step> choices(QWidget *window) const {
        QList<Step> steps;
        const bool mainWindow = QLatin1String(entry_.form) == QLatin1String("Form3");
        if (mainWindow)
            for (const char *item : kPanelMenuItems)
                steps << Step{Step::Menu, QString::fromLatin1(item)};
        QWidget *scope = mainWindow ? window : panelInUse(window);
        for (QWidget *control : scope->findChildren<QWidget *>()) {
            if (!control->isVisible() || !control->isEnabled() || control->objectName().isEmpty())
                continue;
            // The settings' options choose the language, a unit and a port:
            // the walk keeps its own language, and the others change nothing drawn.
            if (mainWindow && qobject_cast<QRadioButton *>(control))
                continue;
            if (qobject_cast<QAbstractButton *>(control) || qobject_cast<ui::Picture *>(control))
                steps << Step{Step::Click, control->objectName()};
            else if (auto *box = qobject_cast<QLineEdit *>(control); box && !box->isReadOnly())
                steps << Step{Step::Type, control->objectName()};
            else if (auto *list = qobject_cast<QListWidget *>(control))
                for (int row = 0; row < qMin(list->count(), 6); ++row)
                    steps << Step{Step::ListRow, control->objectName(), row};
        }
        return steps;
    }

    void checkAtRest(QWidget *window, const QList<Step> &path) {
        // At rest the window has laid itself out, as it has when a user looks.
        QCoreApplication::processEvents();
        if (!loaded(QString::fromLatin1(entry_.form)))
            return;
        QStringList found = textsThatDoNotFit(window);
        if (render_)
            found << seeThroughPanels(window);
        // What a screen reader announces, in English and in Spanish.
        if (language_ == ERRORS32::English || language_ == ERRORS32::Spanish)
            found << unnamedControls(window);
        const QString focus = focusOnHiddenControl(window);
        if (!focus.isEmpty())
            found << focus + QStringLiteral(" after ") + describe(path);
        if (!writing_.isEmpty())
            writeState(window, path);
        // Last: pressing Tab moves the focus (and a list's current row).
        for (const QString &problem : tabOrderProblems(window))
            found << problem + QStringLiteral(" after ") + describe(path);
        record(found);
    }

    // English and Spanish are written down: between them they show every
    // text a screen chooses by language.
    void startWriting() {
        writing_.clear();
        atRest_.clear();
        if (language_ == ERRORS32::English || language_ == ERRORS32::Spanish)
            writing_ =
                QStringLiteral("# %1 in %2: what every state a click reaches shows\n")
                    .arg(QLatin1String(entry_.form), QLatin1String(kLanguageNames[language_ - 1]));
    }

    // A state the last step's run shows on its way, the first time it shows
    // it, and again where it last shows it before changing: a growing bar or
    // a changing reading is the same state on the way, and its last values
    // are the ones a run reaches deep inside.
    void noteOnTheWay() {
        Snapshot now = Snapshot::of(window_);
        const QString shape = now.shape();
        // New readings in a picture seen before (a live value that changes
        // mid-cycle) are written too, the first few of them.
        const QString readings = now.readings();
        const bool newReadings =
            !readingsOnTheWay_.contains(readings) && readingsOnTheWay_.size() < kReadingsOnTheWay;
        if (shape == shapeOnTheWay_ && !newReadings) {
            if (writingShape_)
                lastOfShape_ = {pump_.stepPasses(), std::move(now)};
            return;
        }
        if (shape == shapeOnTheWay_) {
            readingsOnTheWay_.insert(readings);
            lastOfShape_.reset();
            writingShape_ = true;
            onTheWay_.append({pump_.stepPasses(), std::move(now)});
            return;
        }
        endShapeOnTheWay();
        shapeOnTheWay_ = shape;
        writingShape_ = !shapesOnTheWay_.contains(shape);
        if (!writingShape_)
            return;
        shapesOnTheWay_.insert(shape);
        readingsOnTheWay_.insert(readings);
        onTheWay_.append({pump_.stepPasses(), std::move(now)});
    }
    void endShapeOnTheWay() {
        if (lastOfShape_ && !(lastOfShape_->second == onTheWay_.last().second))
            onTheWay_.append(*lastOfShape_);
        lastOfShape_.reset();
    }

    // The state after the path: the step's counts, then what changed from
    // the state before it, on the way and at rest (the opening in full).
    void writeState(QWidget *window, const QList<Step> &path) {
        const Snapshot now = Snapshot::of(window);
        QString section = QStringLiteral("\n=== %1\n")
                              .arg(path.isEmpty() ? QStringLiteral("(opening)") : describe(path));
        if (path.isEmpty()) {
            section += now.text();
        } else {
            QStringList sleeps;
            for (qsizetype i = sleepsBefore_; i < qsizetype(sleeps_.calls.size()); ++i)
                sleeps << QString::number(sleeps_.calls[size_t(i)]);
            section += QStringLiteral("passes %1, sleeps [%2]\n")
                           .arg(pump_.stepPasses())
                           .arg(sleeps.join(QStringLiteral(", ")));
            for (qsizetype i = boxesBefore_; i < boxes_.texts.size(); ++i)
                section += QStringLiteral("message box %1\n").arg(quoted(boxes_.texts[i]));
            endShapeOnTheWay();
            Snapshot before = atRest_.value(describe(path.first(path.size() - 1)));
            for (const auto &[pass, shown] : std::as_const(onTheWay_)) {
                const QString changes = shown.changesFrom(before);
                if (!changes.isEmpty())
                    section += QStringLiteral("-- on the way, pass %1\n").arg(pass) + changes;
                before = shown;
            }
            section += QStringLiteral("-- at rest\n") + now.changesFrom(before);
        }
        atRest_.insert(describe(path), now);
        writing_ += section;
    }

    void record(const QStringList &found) {
        for (const QString &problem : found)
            problems_.insert(QStringLiteral("%1: %2").arg(
                QLatin1String(kLanguageNames[language_ - 1]), problem));
    }

    static QString describe(const QList<Step> &path) {
        QStringList names;
        for (const Step &step : path)
            names << (step.kind == Step::Type
                          ? QStringLiteral("%1 \"%2\" Enter").arg(step.name, kTyped)
                      : step.kind == Step::ListRow
                          ? QStringLiteral("%1[%2]").arg(step.name).arg(step.row)
                      : step.during
                          ? QStringLiteral("%1 at pass %2").arg(step.name).arg(step.during)
                          : step.name);
        return names.join(QStringLiteral(", "));
    }

    // Takes the path from a fresh opening; the window at its end, if loaded.
    QWidget *follow(const QList<Step> &path) {
        window_ = openFresh();
        for (qsizetype i = 0; i < path.size(); ++i) {
            // A click made during this step's run is set up before the step;
            // it is dropped if the run ends before its pass.
            auto clickedDuring = std::make_shared<std::optional<bool>>(true);
            if (i + 1 < path.size() && path[i + 1].during) {
                clickedDuring->reset();
                const Step next = path[i + 1];
                const bool nextIsLast = i + 1 == path.size() - 1;
                pump_.after(next.during, [this, next, nextIsLast, clickedDuring] {
                    if (!clickedDuring->has_value())
                        *clickedDuring = perform(next, nextIsLast);
                });
            }
            const bool taken = perform(path[i], i == path.size() - 1);
            if (!clickedDuring->has_value())
                *clickedDuring = false;
            if (!taken || !**clickedDuring)
                return nullptr;
            if (path[i].during == 0 && i + 1 < path.size() && path[i + 1].during)
                ++i;
        }
        window_ = loaded(QString::fromLatin1(entry_.form));
        return window_;
    }

    void visit(const QList<Step> &path) {
        if (QWidget *window = follow(path))
            checkAtRest(window, path);
    }

    // Breadth first, so that each state is reached by its shortest path.
    void exploreFrom(const QList<Step> &start) {
        QList<QList<Step>> queue{start};
        for (qsizetype next = 0; next < queue.size(); ++next) {
            const QList<Step> path = queue[next];
            QWidget *window = follow(path);
            if (!window)
                continue;
            // A value that only counts up or down (the tachometer's R.P.M.,
            // the idle-air percentages) makes no new state to walk from.
            static const QRegularExpression number(QStringLiteral("[0-9]+"));
            // What a list holds makes a state of its own (a reading listed
            // after Connect's lines), its counts blurred like the rest, and
            // so do the faults the unit holds, which no control shows.
            QString state = whatIsShown(window);
            for (auto *list : window->findChildren<QListWidget *>())
                if (list->isVisible())
                    state += QLatin1Char('\n') + ui::listItems(list).join(QLatin1Char('\n'));
            if (auto *screen = qobject_cast<unitlink::EngineScreen *>(window))
                state += QStringLiteral("\nfaults held: ") +
                         QString(screen->ActiveFaultCount, QLatin1Char('F'));
            // A state that differs from one seen only in its numbers, its
            // focus or the message box its step showed is written down (the
            // third injector's test, a panel's Exit) but not walked from.
            QString exactly =
                state + QStringLiteral("\nfocus: ") +
                (window->focusWidget() ? window->focusWidget()->objectName() : QString());
            for (qsizetype i = boxesBefore_; i < boxes_.texts.size(); ++i)
                exactly += QStringLiteral("\nbox: ") + boxes_.texts[i];
            state.replace(number, QStringLiteral("#"));
            const bool walkOn = !seen_.contains(state);
            if (!walkOn && seenExactly_.contains(exactly))
                continue;
            seen_.insert(state);
            seenExactly_.insert(exactly);
            if (path.isEmpty())
                for (auto *frame : window->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly))
                    if (frame->isVisible())
                        openingFrames_.insert(frame->objectName());
            paths_ << path;
            if (qEnvironmentVariableIsSet("WALK_LOG"))
                qInfo("state %s", qPrintable(describe(path)));
            checkAtRest(window, path);
            if (!walkOn || path.size() >= kMaxDepth)
                continue;
            for (const Step &step : choices(window))
                queue << (QList<Step>(path) << step);
            // One click during a run per path, early in it: a function
            // pressed while another's progress is shown.
            const bool clickedDuringRun = std::any_of(
                path.cbegin(), path.cend(), [](const Step &step) { return step.during != 0; });
            if (!clickedDuringRun && path.size() <= kMaxDepthBeforeClickDuringRun)
                for (const QString &name : std::as_const(enabledDuringRun_))
                    queue << (QList<Step>(path) << Step{Step::Click, name, 0, kDuringPass});
        }
    }

    WindowEntry entry_;
    int language_ = ERRORS32::English;
    bool render_ = false;
    QList<QList<Step>> paths_;
    CheckingPump pump_;
    RecordedSleeps sleeps_;
    RecordedMessageBoxes boxes_;
    QPointer<QWidget> window_;
    QSet<QString> seen_;
    QSet<QString> seenExactly_;
    QSet<QString> openingFrames_;
    QString lastChecked_;
    bool renderedInRun_ = false;
    QSet<QString> problems_;
    // The golden text being written, the states at rest by path, and what
    // the last step showed on its way.
    QString writing_;
    QHash<int, QString> written_;
    QHash<QString, Snapshot> atRest_;
    QList<std::pair<qint64, Snapshot>> onTheWay_;
    QSet<QString> shapesOnTheWay_;
    QString shapeOnTheWay_;
    QSet<QString> readingsOnTheWay_;
    static constexpr qsizetype kReadingsOnTheWay = 12;
    bool writingShape_ = false;
    std::optional<std::pair<qint64, Snapshot>> lastOfShape_;
    qsizetype sleepsBefore_ = 0;
    // Steps taken, and the buttons a user could press during the last one's run.
    qint64 stepsTaken_ = 0;
    QStringList enabledDuringRun_;
    qsizetype boxesBefore_ = 0;
};

// Compares what a walk wrote with its golden file, or rewrites the file when
// TIDEWELL_UPDATE_GOLDEN is set; a difference is shown as a unified diff
// whose hunks name their state.
QString differenceFromGolden(const QString &form, int language, const QString &written) {
    const QString name =
        QStringLiteral("%1.%2.txt").arg(form, QLatin1String(kLanguageNames[language - 1]));
    const QString golden = QStringLiteral(TIDEWELL_GOLDEN_DIR "/") + name;
    if (qEnvironmentVariableIsSet("TIDEWELL_UPDATE_GOLDEN")) {
        QFile file(golden);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write ") + golden;
        file.write(written.toUtf8());
        return QString();
    }
    QFile file(golden);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("no golden file %1 (TIDEWELL_UPDATE_GOLDEN=1 writes it)").arg(golden);
    if (QString::fromUtf8(file.readAll()) == written)
        return QString();
    const QString actual = QDir::current().absoluteFilePath(QStringLiteral("actual.") + name);
    QFile out(actual);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(written.toUtf8());
    out.close();
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), QStringLiteral("-F"),
                                        QStringLiteral("^=== "), golden, actual});
    diff.waitForFinished();
    QStringList lines = QString::fromUtf8(diff.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (lines.size() > 400)
        lines = lines.mid(0, 400)
                << QStringLiteral("... (the whole of it: diff -u %1 %2)").arg(golden, actual);
    return QStringLiteral("%1 differs from what the walk saw:\n").arg(name) +
           lines.join(QLatin1Char('\n'));
}

} // namespace

constexpr int kLanguagesRevisited[] = {ERRORS32::Spanish, ERRORS32::French,     ERRORS32::Italian,
                                       ERRORS32::German,  ERRORS32::Portuguese, ERRORS32::Finnish,
                                       ERRORS32::Swedish};

class AsDrawnTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { unloadEverything(); }

    void everyStateIsDrawnAsTheUserNeedsIt_data() {
        QTest::addColumn<int>("window");
        for (int w = 0; w < int(std::size(kWindows)); ++w)
            QTest::newRow(kWindows[w].form) << w;
    }
    // Texts fit in all eight languages; panels cover what lies under them
    // (checked in English: the pixels under a panel do not depend on the
    // language); the focus stays on controls the user can see.
    void everyStateIsDrawnAsTheUserNeedsIt() {
        QFETCH(int, window);
        // Every window is walked over an empty history, so what it shows
        // does not depend on the readings of the windows walked before it.
        useFreshHistory();
        Walk walk(kWindows[window]);
        walk.explore();
        for (int language : kLanguagesRevisited)
            walk.revisit(language);
        QStringList problems = walk.problems();
        for (int language : {ERRORS32::English, ERRORS32::Spanish}) {
            const QString difference = differenceFromGolden(QLatin1String(kWindows[window].form),
                                                            language, walk.written(language));
            if (!difference.isEmpty())
                problems << difference;
        }
        for (const QString &problem : problems)
            qInfo("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("%1 problems in the %2 states walked")
                                .arg(problems.size())
                                .arg(walk.states())));
    }
};

TIDEWELL_TEST_MAIN(AsDrawnTest)
#include "tst_as_drawn.moc"
