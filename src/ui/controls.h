#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

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
// as a line feed does; the text itself is kept as it was given. A label told
// to wrap anywhere breaks a line that does not fit at any character, so that
// a long bar of "I" characters goes on on the next line.
//
// A screen reader hears a label's text; while a label shows nothing it hears
// the caption the label is named by, if any, and never the caption of the
// frame around it (the toolkit's own fallback).
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString &name, const QString &caption, QWidget *parent);

    void setWrapAnywhere(bool on);
    bool wrapsAnywhere() const { return wrapAnywhere_; }
    // The text as it is drawn: carriage returns as line breaks.
    QString shownText() const;
    // The flags the text is drawn with.
    int drawFlags() const;

    // Names a value label by the caption beside it that says what it shows,
    // followed by the column's heading where one caption heads several values.
    void setNameLabel(const QLabel *caption, const QString &column = QString());
    const QLabel *nameLabel() const { return nameLabel_; }
    // What a screen reader calls the label while it shows nothing.
    QString nameWhileEmpty() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool wrapAnywhere_ = false;
    QPointer<const QLabel> nameLabel_;
    QString column_;
};

// A frame (panel) with its object name set. Frames overlap one another and
// paint their own background, so nothing under a shown panel shows through.
QGroupBox *frame(const QString &name, const QString &caption, QWidget *parent);
// Makes a panel built elsewhere cover what lies under it, as frame() does.
void coverWhatLiesUnder(QWidget *panel);

// A list box. A line is chosen by a click on it, or by Enter or Space on
// the current line, so that what a click on a line does the keyboard does too.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(const QString &name, QWidget *parent);

signals:
    void itemChosen(QListWidgetItem *item);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Labels, lists and options with their object names set.
Label *label(const QString &name, const QString &caption, QWidget *parent);
ListBox *listBox(const QString &name, QWidget *parent);
QRadioButton *option(const QString &name, const QString &caption, QWidget *parent);
// Members of a control array are named like "Option2(3)".
QString indexedName(const QString &name, int index);

// Lets a control that acts on a click (a picture) take the focus and act on
// Enter or Space as well.
void pressableByKeyboard(QWidget *control, std::function<void()> press);

// Moves the focus to a control only when the user can reach it.
void focusIfReachable(QWidget *control);

// The texts of a list, in order.
QStringList listItems(const QListWidget *list);

} // namespace ui
