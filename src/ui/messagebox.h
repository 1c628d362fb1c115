#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// A message box with the text and an OK button; returns when it is answered.
void messageBox(QWidget *parent, const QString &text);

// Tests answer message boxes without a modal loop: the handler receives the
// text instead of a box being shown. Empty restores the real box.
using MessageBoxHandler = std::function<void(QWidget *parent, const QString &text)>;
MessageBoxHandler installMessageBoxHandler(MessageBoxHandler handler);

// A question with two buttons, captioned `yes` and `no`; true when it is
// answered `yes`. No means no: Escape and the close box answer it too.
bool questionBox(QWidget *parent, const QString &text, const QString &yes, const QString &no);

// Tests answer questions without a modal loop. With no question handler
// but a message box handler, the message box handler receives the text and
// the answer is yes.
using QuestionHandler = std::function<bool(QWidget *parent, const QString &text)>;
QuestionHandler installQuestionHandler(QuestionHandler handler);

} // namespace ui
