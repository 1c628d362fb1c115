#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace ui {

// The fixed-pitch face of lists and progress bars.
QFont fixedFont();

// A command button. Enter presses it like Space does; Escape is reported
// separately, for Exit buttons that close their window on Escape.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString &name, const QString &caption, QWidget *parent);

signals:
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A single-line entry box: the caret goes after the last character when the
// box receives the focus (unless the box is told not to); Enter and Escape are
// reported as signals, and so is the Up arrow (which then goes on to the box's
// usual handling).
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString &name, QWidget *parent);

    // Whether receiving the focus puts the caret after the last character.
    void setCaretToEndOnFocus(bool on) { caretToEnd_ = on; }
    bool caretToEndOnFocus() const { return caretToEnd_; }

signals:
    void enterPressed();
    void escapePressed();
    void upPressed();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool caretToEnd_ = true;
};

// A label. A carriage return (character 13) in its text starts a new line,
// as a line feed does; the text itself is kept as it was given.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString &name, const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Frames, labels, lists and options with their object names set.
QGroupBox *frame(const QString &name, const QString &caption, QWidget *parent);
QLabel *label(const QString &name, const QString &caption, QWidget *parent);
QListWidget *listBox(const QString &name, QWidget *parent);
QRadioButton *option(const QString &name, const QString &caption, QWidget *parent);
// Members of a control array are named like "Option2(3)".
QString indexedName(const QString &name, int index);

// Moves the focus to a control only when the user can reach it.
void focusIfReachable(QWidget *control);

// The texts of a list, in order.
QStringList listItems(const QListWidget *list);

} // namespace ui
