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

} // namespace ui
