#include "link/timed_bar.h"

#include "ui/pump.h"

#include <QLabel>

namespace unitlink {

namespace {
constexpr int kFirstWait = 1000;
constexpr int kShortWait = 5;
constexpr int kFirstPause = 300; // ms
constexpr int kGroups = 15;
constexpr int kGroupPause = 200; // ms
const QString kFirstBar = QStringLiteral("IIIIII");
const QString kGroupBar = QStringLiteral("IIIII");
} // namespace

bool runTimedBar(QLabel *bar, Qt::Alignment alignment, const std::function<bool(int)> &wait) {
    if (!wait(kFirstWait))
        return false;
    bar->setAlignment(alignment);
    bar->setText(kFirstBar);
    if (!wait(kShortWait))
        return false;
    ui::Sleep(kFirstPause);
    for (int group = 0; group < kGroups; ++group) {
        if (!wait(kShortWait))
            return false;
        bar->setText(bar->text() + kGroupBar);
        if (!wait(kShortWait))
            return false;
        ui::Sleep(kGroupPause);
    }
    return true;
}

} // namespace unitlink
