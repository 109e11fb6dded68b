#include "platform/ui/TextLine.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <vector>

namespace {

class TextLineAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextLineAccessible(TextLine* line) : QAccessibleWidget(line, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return Line()->IsNotification() ? QAccessible::Notification : QAccessible::StaticText;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? Line()->Text() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return Line()->Text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Line()->Text().size()); }
    int cursorPosition() const override { return caret; }
    void setCursorPosition(int position) override { caret = position; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int offset) const override
    {
        // Characters share the line's box evenly: enough for a reader's magnifier to follow.
        const QRect box = rect();
        const int count = std::max(characterCount(), 1);
        const int width = box.width() / count;
        return {box.x() + width * offset, box.y(), width, box.height()};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QRect box = rect();
        if (!box.contains(point))
            return -1;
        return (point.x() - box.x()) * characterCount() / std::max(box.width(), 1);
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    TextLine* Line() const { return static_cast<TextLine*>(widget()); }
    int caret = 0;
};

QAccessibleInterface* TextLineFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TextLine") && object && object->isWidgetType())
        return new TextLineAccessible(static_cast<TextLine*>(object));
    return nullptr;
}
}

TextLine::TextLine(const QRect& place, QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(TextLineFactory);
        return true;
    }();
    (void)installed;
    setGeometry(place);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);  // an empty line is no stop
}

void TextLine::SetText(const QString& newText)
{
    if (newText == text)
        return;
    text = newText;
    setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

void TextLine::paintEvent(QPaintEvent*)
{
    // The window has drawn the text; a keyboard user sees where the focus is (the style
    // shows the frame only after a focus change by key).
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TextLine::keyPressEvent(QKeyEvent* event)
{
    const bool down = event->key() == Qt::Key_Down;
    if (!down && event->key() != Qt::Key_Up) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The next stop in the Tab order, when it is a line; the buttons around them are not.
    QWidget* next = this;
    do
        next = down ? next->nextInFocusChain() : next->previousInFocusChain();
    while (next != this && !(next->focusPolicy() & Qt::TabFocus));
    if (auto* line = qobject_cast<TextLine*>(next); line && line != this)
        line->setFocus(down ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void ChainAfter(QWidget* last, const std::vector<TextLine*>& lines)
{
    // The Tab order leaves out controls that take no focus, as an empty line does for now.
    for (TextLine* line : lines) {
        const Qt::FocusPolicy policy = line->focusPolicy();
        line->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(last, line);
        line->setFocusPolicy(policy);
        last = line;
    }
}

void Announce(QWidget* focused, const QString& text)
{
    if (!focused)
        return;
    // The announcement stays until the focus moves on; then the control reads as before.
    static QPointer<QWidget> announcing;
    static const bool watching = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget*) {
            if (announcing && old == announcing) {
                announcing->setAccessibleDescription(QString());
                announcing = nullptr;
            }
        });
        return true;
    }();
    (void)watching;
    announcing = focused;
    // The same text twice in a row is no change: a blank keeps it a change that gets spoken.
    focused->setAccessibleDescription(focused->accessibleDescription() == text ? text + QLatin1Char(' ') : text);

    // Readers drop a description change whose event carries no text, as this toolkit's
    // bridge sends it; a notification that shows is spoken whole.
    QWidget* window = focused->window();
    auto* notice = window->findChild<TextLine*>(QStringLiteral("announcement"), Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new TextLine({0, 0, 1, 1}, window);
        notice->setObjectName(QStringLiteral("announcement"));
        notice->MakeNotification();
    }
    notice->hide();
    notice->SetText(text);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->show();
}
