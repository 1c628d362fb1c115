#include "ui/controls.h"

#include <QAccessibleWidget>
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

namespace {

// A label as the toolkit announces it (rich text as plain, a buddy's key
// mark left out), except that an empty label falls back on its name label
// instead of on the frame around it.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const Label *label = shown();
        if (!label->accessibleName().isEmpty())
            return label->accessibleName();
        QString text = label->text();
        if (label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument document;
            document.setHtml(text);
            text = document.toPlainText();
        }
        if (label->buddy())
            text = withoutKeyMark(text);
        return text.isEmpty() ? label->nameWhileEmpty() : text;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        // Only the name label labels it, not the frame it stands in.
        found.removeIf([](const auto &relation) { return relation.second == QAccessible::Label; });
        const Label *label = shown();
        if ((match & QAccessible::Label) && label->nameLabel())
            found.append(
                {QAccessible::queryAccessibleInterface(const_cast<QLabel *>(label->nameLabel())),
                 QAccessible::Label});
        if ((match & QAccessible::Labelled) && label->buddy())
            found.append(
                {QAccessible::queryAccessibleInterface(label->buddy()), QAccessible::Labelled});
        return found;
    }

private:
    const Label *shown() const { return static_cast<const Label *>(widget()); }

    // "&&" draws one ampersand; a lone "&" marks the buddy's key.
    static QString withoutKeyMark(const QString &text) {
        QString plain;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != QLatin1Char('&'))
                plain += text[i];
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                plain += text[++i];
        }
        return plain;
    }
};

QAccessibleInterface *labelAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String(Label::staticMetaObject.className()))
        return new LabelAccessible(static_cast<Label *>(object));
    return nullptr;
}

} // namespace

Label::Label(const QString &name, const QString &caption, QWidget *parent)
    : QLabel(caption, parent) {
    setObjectName(name);
    static const bool announced = [] {
        QAccessible::installFactory(labelAccessible);
        return true;
    }();
    Q_UNUSED(announced)
}

void Label::setNameLabel(const QLabel *caption, const QString &column) {
    nameLabel_ = caption;
    column_ = column;
}

QString Label::nameWhileEmpty() const {
    if (!nameLabel_)
        return QString();
    const QString caption = nameLabel_->text().simplified();
    return column_.isEmpty() ? caption : caption + QLatin1Char(' ') + column_;
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
