#include "ui/messagebox.h"

#include "ui/pump.h"

#include <QMessageBox>
#include <QPointer>

namespace ui {

namespace {
MessageBoxHandler &handlerSlot() {
    static MessageBoxHandler handler;
    return handler;
}
} // namespace

void messageBox(QWidget *parent, const QString &text) {
    if (handlerSlot()) {
        handlerSlot()(parent, text);
        return;
    }
    // The box runs its own event loop; windows closed meanwhile must outlive it.
    NestedEventScope scope;
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Velmo"), text,
                                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("MessageBox"));
    box->exec();
    delete box.data();
}

MessageBoxHandler installMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return previous;
}

} // namespace ui
