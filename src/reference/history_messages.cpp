#include "reference/history_messages.h"

#include "history/history.h"
#include "reference/history_texts.h"
#include "ui/messagebox.h"

#include <QApplication>

namespace reference {

void sayHistoryProblems() {
    using history::History;
    static QMetaObject::Connection connection;
    if (connection)
        return;
    // Queued: a Diagnosis that met the fault ends before the message shows.
    connection = QObject::connect(
        &History::instance(), &History::problem, qApp,
        [](History::Problem problem, const QString &detail) {
            const HistoryText &text = problem == History::Problem::MovedAside     ? kFileMovedAside
                                      : problem == History::Problem::KeptInMemory ? kKeptInMemory
                                                                                  : kServerRefused;
            ui::messageBox(QApplication::activeWindow(), text.shown().arg(detail));
        },
        Qt::QueuedConnection);
}

} // namespace reference
