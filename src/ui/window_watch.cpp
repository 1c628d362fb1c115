#include "ui/window_watch.h"

#include "ui/covering_panel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

const char *const kNamedByFrame = "tidewellNamedByFrame";
const char *const kNamedByCaption = "tidewellNamedByCaption";

void handFocusToWindow(QWidget *hidden) {
    QWidget *window = hidden->window();
    QWidget *focus = window->focusWidget();
    // A window that hides as a whole keeps its focus for when it returns.
    if (focus && window->isVisible() && (focus == hidden || hidden->isAncestorOf(focus)))
        window->setFocus(Qt::OtherFocusReason);
}

QString frameCaptionOver(const QWidget *control) {
    for (const QWidget *w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
        if (auto *frame = qobject_cast<const QGroupBox *>(w); frame && !frame->title().isEmpty())
            return frame->title();
    return control->window()->windowTitle();
}

// The toolkit names a frame inside another after the outer frame's caption;
// a frame elsewhere it names by its own, as it changes.
void nameInnerFramesAfterCaptions(QWidget *root) {
    QList<QGroupBox *> frames = root->findChildren<QGroupBox *>();
    if (auto *frame = qobject_cast<QGroupBox *>(root))
        frames << frame;
    for (QGroupBox *frame : std::as_const(frames)) {
        if (!qobject_cast<QGroupBox *>(frame->parentWidget()) ||
            (!frame->accessibleName().isEmpty() && !frame->property(kNamedByCaption).toBool()))
            continue; // named by the toolkit or by its window
        frame->setProperty(kNamedByCaption, true);
        if (frame->accessibleName() != frame->title())
            frame->setAccessibleName(frame->title());
    }
}

void nameAfterCaptions(QWidget *root) {
    nameInnerFramesAfterCaptions(root);
    for (QAbstractItemView *view : root->findChildren<QAbstractItemView *>()) {
        if (!view->accessibleName().isEmpty() && !view->property(kNamedByFrame).toBool())
            continue; // named by its window
        view->setProperty(kNamedByFrame, true);
        const QString name = frameCaptionOver(view);
        if (view->accessibleName() != name)
            view->setAccessibleName(name);
    }
}

// How high the outermost frame holding a control lies among the panels
// that cover something: 0 for controls that no covering panel holds.
int coverRank(const QWidget *control, const QWidget *window) {
    const QWidget *outermost = nullptr;
    for (const QWidget *w = control; w && w != window; w = w->parentWidget())
        if (qobject_cast<const QGroupBox *>(w))
            outermost = w;
    if (!outermost || !outermost->isVisible() || !coversASibling(outermost))
        return 0;
    const QObjectList &siblings = outermost->parentWidget()->children();
    return int(siblings.indexOf(const_cast<QWidget *>(outermost))) + 1;
}

class WindowWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Hide && type != QEvent::Show && type != QEvent::LayoutRequest) ||
            !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        switch (type) {
        case QEvent::Hide:
            if (!widget->isWindow())
                handFocusToWindow(widget);
            break;
        case QEvent::LayoutRequest:
            // A frame's caption changed while it was shown.
            nameAfterCaptions(widget);
            break;
        default:
            if (widget->isWindow() || qobject_cast<QGroupBox *>(widget))
                nameAfterCaptions(widget);
            break;
        }
        if ((type == QEvent::Show || type == QEvent::Hide) && qobject_cast<QGroupBox *>(widget) &&
            widget->window()->isVisible())
            orderTabsByReading(widget->window());
        return false;
    }
};

} // namespace

bool isPartOfAnotherControl(const QWidget *control, const QWidget *window) {
    for (const QWidget *w = control->parentWidget(); w && w != window; w = w->parentWidget())
        if (qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QComboBox *>(w))
            return true;
    return false;
}

void watchWindows() {
    static WindowWatch *watch = nullptr;
    if (watch || !QCoreApplication::instance())
        return;
    watch = new WindowWatch(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
}

void orderTabsByReading(QWidget *window) {
    struct Entry {
        QWidget *control;
        int rank;
        QPoint at;
    };
    QList<Entry> entries;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isWindow() || !(control->focusPolicy() & Qt::TabFocus) ||
            isPartOfAnotherControl(control, window))
            continue;
        entries.append({control, coverRank(control, window), control->mapTo(window, QPoint())});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.rank != b.rank)
            return a.rank > b.rank;
        if (a.at.y() != b.at.y())
            return a.at.y() < b.at.y();
        return a.at.x() < b.at.x();
    });
    if (entries.isEmpty())
        return;
    // Tab from the window itself (where the focus goes when a panel hides)
    // reaches the first control; the toolkit chains only focusable widgets.
    const Qt::FocusPolicy policy = window->focusPolicy();
    window->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(window, entries.first().control);
    window->setFocusPolicy(policy);
    for (qsizetype i = 1; i < entries.size(); ++i)
        QWidget::setTabOrder(entries[i - 1].control, entries[i].control);
}

} // namespace ui
