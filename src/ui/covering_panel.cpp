#include "ui/covering_panel.h"

#include "ui/window_watch.h"

#include <QGroupBox>
#include <QList>
#include <QWidget>

namespace ui {

bool coversASibling(const QWidget *frame) {
    const QObjectList &siblings = frame->parentWidget()->children();
    const qsizetype index = siblings.indexOf(const_cast<QWidget *>(frame));
    for (qsizetype i = 0; i < index; ++i) {
        auto *below = qobject_cast<QWidget *>(siblings[i]);
        if (below && below->isVisible() && below->geometry().intersects(frame->geometry()))
            return true;
    }
    return false;
}

namespace {

bool takesTabFocus(QWidget *control, const QWidget *window) {
    return control->isVisible() && control->isEnabled() &&
           (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
           !isPartOfAnotherControl(control, window);
}

} // namespace

QWidget *coveringPanel(QWidget *window) {
    // The window's children are stacked in order, the last one on top.
    const QObjectList &children = window->children();
    for (qsizetype i = children.size() - 1; i >= 0; --i)
        if (auto *frame = qobject_cast<QGroupBox *>(children[i]);
            frame && frame->isVisible() && coversASibling(frame))
            return frame;
    return nullptr;
}

bool focusNextInCoveringPanel(QWidget *window, bool next) {
    QWidget *panel = coveringPanel(window);
    if (!panel)
        return false;
    const QRect cover = panel->geometry();
    const auto covered = [&](QWidget *control) {
        return !panel->isAncestorOf(control) &&
               QRect(control->mapTo(window, QPoint()), control->size()).intersects(cover);
    };
    QList<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (takesTabFocus(w, window) && !covered(w) && !chain.contains(w))
            chain << w;
    if (chain.isEmpty())
        return false;
    const qsizetype at = chain.indexOf(window->focusWidget());
    const qsizetype count = chain.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace ui
