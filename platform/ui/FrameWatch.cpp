#include "platform/ui/FrameWatch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {
QMargins Margins(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}
}

FrameWatch::FrameWatch(QWidget* window, std::function<void()> action, bool needsFrame)
    : QObject(window),
      window(window),
      action(std::move(action)),
      needsFrame(needsFrame)
{
    window->installEventFilter(this);
    Attach();
}

void FrameWatch::WhenFramed(QWidget* window, std::function<void()> action)
{
    if (window)
        new FrameWatch(window, std::move(action), true);
}

void FrameWatch::WhenExposed(QWidget* window, std::function<void()> action)
{
    if (window)
        new FrameWatch(window, std::move(action), false);
}

void FrameWatch::ShowAboveOwner(QWidget* window)
{
    QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!owner || QGuiApplication::platformName() != QLatin1String("wayland")) {
        window->show();
        return;
    }
    QWindow* ownerHandle = owner->windowHandle();
    if (!ownerHandle || !ownerHandle->isExposed()) {
        WhenExposed(owner, [child = QPointer<QWidget>(window)] {
            if (child)
                ShowAboveOwner(child);
        });
        return;
    }
    window->winId();
    window->windowHandle()->setTransientParent(ownerHandle);
    window->show();
}

QSize FrameWatch::OuterSize(const QWidget* window)
{
    return window->size().grownBy(Margins(window));
}

QSize FrameWatch::InnerSizeFor(const QWidget* window, int width, int height)
{
    return QSize(width, height).shrunkBy(Margins(window));
}

QSize FrameWatch::ExpectedInnerSizeFor(const QWidget* window, int width, int height)
{
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (window->isVisible() || !window->isWindow() || !owner)
        return InnerSizeFor(window, width, height);
    return QSize(width, height).shrunkBy(Margins(owner));
}

void FrameWatch::MoveFrame(QWidget* window, QPoint place)
{
    // QWidget::move() goes by the frame Qt last noted, which may be none yet. A move
    // to where the frame already is would still have the window drawn again.
    if (QWindow* handle = window->windowHandle()) {
        if (handle->framePosition() != place)
            handle->setFramePosition(place);
    } else
        window->move(place);
}

void FrameWatch::Attach()
{
    QWindow* current = window ? window->windowHandle() : nullptr;
    if (current == handle)
        return;
    if (handle)
        handle->removeEventFilter(this);
    handle = current;
    if (handle)
        handle->installEventFilter(this);
}

bool FrameWatch::eventFilter(QObject* watched, QEvent* event)
{
    // A window that gets an OpenGL child (the page view) gets a new native window.
    if (watched == window && event->type() == QEvent::WinIdChange) {
        Attach();
        return false;
    }
    // The frame is known for sure once the window is on the screen; its place
    // settles then too.
    if (watched != handle || event->type() != QEvent::Expose || done)
        return false;
    if (!handle->isExposed() || (needsFrame && handle->frameMargins().isNull()))
        return false;
    done = true;
    handle->removeEventFilter(this);
    window->removeEventFilter(this);
    deleteLater();
    action();
    return false;
}
