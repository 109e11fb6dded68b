#include "platform/ui/OwnerFocus.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
bool IsOwnWindow(const QWidget* widget)
{
    if (!widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}
}

void OwnerFocus::Install()
{
    static QPointer<OwnerFocus> watch;
    if (!watch) {
        watch = new OwnerFocus(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watch);
    }
}

bool OwnerFocus::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
        // Some platforms take the focus from a window as it hides, before its hide
        // event; this remembers that it had it.
        justDeactivated = static_cast<QWidget*>(watched);
        QTimer::singleShot(0, this, [this] { justDeactivated = nullptr; });
        return false;
    }
    // Minimising and restoring are the window manager's own doing.
    if ((type == QEvent::Show || type == QEvent::Hide) && !event->spontaneous() && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (IsOwnWindow(widget)) {
            if (type == QEvent::Show)
                Opened(widget);
            else
                Closed(widget);
        }
    }
    return false;
}

void OwnerFocus::Opened(QWidget* window)
{
    QWidget* opener = window->parentWidget() ? window->parentWidget()->window() : QApplication::activeWindow();
    openers.insert(window, opener != window ? opener : nullptr);
}

void OwnerFocus::Closed(QWidget* window)
{
    const QPointer<QWidget> opener = openers.take(window);
    // Only the window that had the focus hands it on; closing a window in the
    // background leaves the focus where the user put it.
    const bool hadFocus = QApplication::activeWindow() == window || justDeactivated == window;
    if (!opener || !hadFocus)
        return;
    // Decided once the closing command has run: it may close the opener too, or
    // open the next window, which then takes the focus.
    QTimer::singleShot(0, this, [this, opener] {
        QWidget* target = QApplication::activeModalWidget();
        for (QWidget* candidate = opener; !target && candidate; candidate = openers.value(candidate))
            if (candidate->isVisible())
                target = candidate;
        if (target && QApplication::activeWindow() != target)
            target->activateWindow();
    });
}
