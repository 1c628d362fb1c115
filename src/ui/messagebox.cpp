#include "ui/messagebox.h"

#include "ui/pump.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace ui {

namespace {
MessageBoxHandler &handlerSlot() {
    static MessageBoxHandler handler;
    return handler;
}
QuestionHandler &questionSlot() {
    static QuestionHandler handler;
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

bool questionBox(QWidget *parent, const QString &text, const QString &yes, const QString &no) {
    if (questionSlot())
        return questionSlot()(parent, text);
    if (handlerSlot()) {
        handlerSlot()(parent, text);
        return true;
    }
    NestedEventScope scope;
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::Question, QStringLiteral("Velmo"), text, {}, parent);
    box->setObjectName(QStringLiteral("MessageBox"));
    QPushButton *yesButton = box->addButton(yes, QMessageBox::YesRole);
    QPushButton *noButton = box->addButton(no, QMessageBox::NoRole);
    box->setDefaultButton(noButton);
    box->setEscapeButton(noButton);
    box->exec();
    const bool answeredYes = box && box->clickedButton() == yesButton;
    delete box.data();
    return answeredYes;
}

QuestionHandler installQuestionHandler(QuestionHandler handler) {
    QuestionHandler previous = std::move(questionSlot());
    questionSlot() = std::move(handler);
    return previous;
}

MessageBoxHandler installMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return previous;
}

} // namespace ui
