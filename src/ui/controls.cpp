#include "ui/controls.h"

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
}

void TextBox::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    if (!caretToEnd_)
        return;
    deselect();
    setCursorPosition(static_cast<int>(text().size()));
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

ListBox::ListBox(const QString &name, QWidget *parent) : QListWidget(parent) {
    setObjectName(name);
    setFont(fixedFont());
    connect(this, &QListWidget::itemClicked, this, &ListBox::itemChosen);
}

void ListBox::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && currentItem()) {
        event->accept();
        emit itemChosen(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

ListBox *listBox(const QString &name, QWidget *parent) {
    return new ListBox(name, parent);
}

QRadioButton *option(const QString &name, const QString &caption, QWidget *parent) {
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QString indexedName(const QString &name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

namespace {
class KeyboardPress : public QObject {
public:
    KeyboardPress(QWidget *control, std::function<void()> press)
        : QObject(control), press_(std::move(press)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        press_();
        return true;
    }

private:
    std::function<void()> press_;
};
} // namespace

void pressableByKeyboard(QWidget *control, std::function<void()> press) {
    // By Tab only: a click acts as it always has and leaves the focus where it was.
    control->setFocusPolicy(Qt::TabFocus);
    control->installEventFilter(new KeyboardPress(control, std::move(press)));
}

void focusIfReachable(QWidget *control) {
    if (control && control->isVisible() && control->isEnabled())
        control->setFocus();
}

QStringList listItems(const QListWidget *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace ui
