#include "content/ui/PageViewAccessible.h"

#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
QAccessibleInterface* PageViewFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("PageView") && object && object->isWidgetType())
        return new PageViewAccessible(static_cast<QTextEdit*>(object));
    return nullptr;
}

// Offsets stay those of the document: each mark becomes one line end.
QString Readable(QString text)
{
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if (code == 0xFDD0 || code == 0xFDD1 || code == QChar::ParagraphSeparator || code == QChar::LineSeparator)
            c = QLatin1Char('\n');
        else if (code == QChar::Nbsp || code == QChar::ObjectReplacementCharacter)
            c = QLatin1Char(' ');
    }
    return text;
}
}

PageViewAccessible::PageViewAccessible(QTextEdit* view) : QAccessibleWidget(view, QAccessible::EditableText)
{}

void PageViewAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(PageViewFactory);
        return true;
    }();
    (void)installed;
}

QTextEdit* PageViewAccessible::View() const
{
    return static_cast<QTextEdit*>(widget());
}

void* PageViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : QAccessibleWidget::interface_cast(type);
}

QAccessible::State PageViewAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString PageViewAccessible::text(int startOffset, int endOffset) const
{
    QTextCursor cursor(View()->document());
    cursor.setPosition(std::clamp(startOffset, 0, characterCount()));
    cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
    return Readable(cursor.selectedText());
}

int PageViewAccessible::characterCount() const
{
    return std::max(View()->document()->characterCount() - 1, 0);
}

int PageViewAccessible::cursorPosition() const
{
    return View()->textCursor().position();
}

void PageViewAccessible::setCursorPosition(int position)
{
    QTextCursor cursor = View()->textCursor();
    cursor.setPosition(std::clamp(position, 0, characterCount()));
    View()->setTextCursor(cursor);
}

void PageViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor cursor = View()->textCursor();
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && cursor.hasSelection()) {
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
}

int PageViewAccessible::selectionCount() const
{
    return View()->textCursor().hasSelection() ? 1 : 0;
}

// The pages keep their text unselected.
void PageViewAccessible::addSelection(int, int)
{}
void PageViewAccessible::removeSelection(int)
{}
void PageViewAccessible::setSelection(int, int, int)
{}

QRect PageViewAccessible::characterRect(int offset) const
{
    QTextCursor cursor(View()->document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    const QRect place = View()->cursorRect(cursor);
    const QPoint origin = View()->viewport()->mapToGlobal(QPoint(0, 0));
    return place.translated(origin);
}

int PageViewAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = View()->viewport()->mapFromGlobal(point);
    return View()->cursorForPosition(local).position();
}

void PageViewAccessible::scrollToSubstring(int startIndex, int)
{
    QTextCursor cursor(View()->document());
    cursor.setPosition(std::clamp(startIndex, 0, characterCount()));
    View()->setTextCursor(cursor);
    View()->ensureCursorVisible();
}

QString PageViewAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
