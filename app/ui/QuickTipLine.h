#pragma once

#include <QRect>
#include <QString>

class PageWindow;
class QWidget;

// The Quick Tip line: a page window that stands right under its owner's frame, as
// wide, and shows one tip at a time. It opens with the first tip shown once tips
// are enabled, and the user cannot close it.
//
// Where the compositor places every window (Wayland), a window of its own would be put
// anywhere, over its owner or over a window opened from it: there the line is docked,
// a strip along the bottom of the owner's own surface, which grows by the line's height.
class QuickTipLine {
public:
    static constexpr int kHeight = 85;

    explicit QuickTipLine(QWidget* owner, bool docked = PlacedByCompositor()) : owner(owner), docked(docked) {}
    ~QuickTipLine();
    QuickTipLine(const QuickTipLine&) = delete;
    QuickTipLine& operator=(const QuickTipLine&) = delete;

    // Tips shown before this are dropped: the owner is not open yet. `ownerFrame` is
    // where the owner's frame was just put, which its widget learns only later.
    void Enable(const QRect& ownerFrame);
    void Show(const QString& text);
    // Under the owner's frame `outer`, above the owner and never above a window opened from it.
    void Place(const QRect& outer);
    // Follows the owner that moved, without raising the line.
    void FollowOwner();
    void Close();

    // Whether the window system, not the program, decides where windows go.
    static bool PlacedByCompositor();
    bool Docked() const { return docked; }
    // What the line adds to its owner's height: the strip's, when docked.
    int OwnerExtra() const { return docked ? kHeight : 0; }

    PageWindow* Window() const { return window; }
    QString Current() const { return current; }

private:
    QWidget* owner;
    bool docked;
    PageWindow* window = nullptr;
    QString current;
    bool enabled = false;
    QRect placedOwner;
};
