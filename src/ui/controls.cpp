#include "ui/controls.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>

namespace ui {

QFont fixedFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(9);
    return font;
}

CommandButton::CommandButton(const QString &name, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAccessibleName(name);
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        emit escapePressed();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        click();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

TextBox::TextBox(const QString &name, QWidget *parent) : QLineEdit(parent) {
    setObjectName(name);
    setAccessibleName(name);
}

void TextBox::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    if (!caretToEnd_)
        return;
    deselect();
    setCursorPosition(text().size());
}

void TextBox::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit enterPressed();
        return;
    case Qt::Key_Escape:
        event->accept();
        emit escapePressed();
        return;
    case Qt::Key_Up:
        emit upPressed();
        QLineEdit::keyPressEvent(event);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

Label::Label(const QString &name, const QString &caption, QWidget *parent)
    : QLabel(caption, parent) {
    setObjectName(name);
}

void Label::setWrapAnywhere(bool on) {
    wrapAnywhere_ = on;
    update();
}

QString Label::shownText() const {
    QString shown = text();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

int Label::drawFlags() const {
    int flags = QStyle::visualAlignment(layoutDirection(), alignment());
    if (wrapAnywhere_)
        flags |= Qt::TextWrapAnywhere;
    else if (wordWrap())
        flags |= Qt::TextWordWrap;
    return flags;
}

void Label::paintEvent(QPaintEvent *event) {
    const QString caption = text();
    const bool richText = textFormat() == Qt::RichText ||
                          (textFormat() == Qt::AutoText && Qt::mightBeRichText(caption));
    if (richText || (!wrapAnywhere_ && !caption.contains(QLatin1Char('\r')))) {
        QLabel::paintEvent(event);
        return;
    }
    // The toolkit draws a lone carriage return as a blank, and wraps only
    // between words.
    QPainter painter(this);
    drawFrame(&painter);
    const int m = margin();
    const QRect area = contentsRect().adjusted(m, m, -m, -m);
    style()->drawItemText(&painter, area, drawFlags(), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

QGroupBox *frame(const QString &name, const QString &caption, QWidget *parent) {
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    coverWhatLiesUnder(box);
    return box;
}

void coverWhatLiesUnder(QWidget *panel) {
    panel->setAutoFillBackground(true);
}

Label *label(const QString &name, const QString &caption, QWidget *parent) {
    return new Label(name, caption, parent);
}

QListWidget *listBox(const QString &name, QWidget *parent) {
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFont(fixedFont());
    return list;
}

QRadioButton *option(const QString &name, const QString &caption, QWidget *parent) {
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(name);
    return button;
}

QString indexedName(const QString &name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void focusIfReachable(QWidget *control) {
    if (control && control->isVisible() && control->isEnabled())
        control->setFocus();
}

namespace {

// Hands the focus of a hiding control over to its window.
class FocusKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Hide || !watched->isWidgetType())
            return false;
        auto *hidden = static_cast<QWidget *>(watched);
        if (hidden->isWindow())
            return false;
        QWidget *window = hidden->window();
        QWidget *focus = window->focusWidget();
        // A window that hides as a whole keeps its focus for when it returns.
        if (focus && window->isVisible() && (focus == hidden || hidden->isAncestorOf(focus)))
            window->setFocus(Qt::OtherFocusReason);
        return false;
    }
};

} // namespace

void keepFocusOnVisibleControls() {
    static FocusKeeper *keeper = nullptr;
    if (keeper || !QCoreApplication::instance())
        return;
    keeper = new FocusKeeper(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(keeper);
}

QStringList listItems(const QListWidget *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace ui
