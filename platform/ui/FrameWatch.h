#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <functional>

class QWidget;

// A window manager frames a window only after it is shown: until then Qt knows the
// window's inner size alone. FrameWatch runs an action once, as soon as the frame
// of a shown top-level window is known, for the rules that need the outer size.
// Without a frame (no window manager) the action never runs, so it only corrects
// what was set up from the inner size.
class FrameWatch : public QObject {
    Q_OBJECT
public:
    // Call when the window is shown (its native window exists).
    static void WhenFramed(QWidget* window, std::function<void()> action);
    // Runs the action once the shown window is on the screen, framed or not.
    static void WhenExposed(QWidget* window, std::function<void()> action);
    // Shows a window that has an owner. On Wayland, where the compositor places
    // windows, only a transient child stays above its owner, and a child needs its
    // owner's surface first: the window then waits until its owner is on the screen.
    static void ShowAboveOwner(QWidget* window);

    // The window's size with its frame, as far as the frame is known. Unlike
    // QWidget::frameGeometry(), which Qt updates only when the window moves or
    // changes size, it asks the window system's window.
    static QSize OuterSize(const QWidget* window);
    // The size that makes the window's frame `width` x `height`.
    static QSize InnerSizeFor(const QWidget* window, int width, int height);
    // The same before `window` is shown: by its owner's frame, which the desktop
    // draws alike for both, so that being framed does not resize it again.
    static QSize ExpectedInnerSizeFor(const QWidget* window, int width, int height);
    // Puts the frame's top-left corner at `place`, before or after the frame is known.
    static void MoveFrame(QWidget* window, QPoint place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrameWatch(QWidget* window, std::function<void()> action, bool needsFrame);
    void Attach();

    QPointer<QWidget> window;
    QPointer<QWindow> handle;
    std::function<void()> action;
    bool needsFrame = true;
    bool done = false;
};
