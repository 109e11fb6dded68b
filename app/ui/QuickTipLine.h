#pragma once

#include <QString>

class PageWindow;
class QRect;
class QWidget;

// The Quick Tip line: a page window that stands right under its owner's frame, as
// wide, and shows one tip at a time. It opens with the first tip shown once tips
// are enabled, and the user cannot close it.
class QuickTipLine {
public:
    static constexpr int kHeight = 85;

    explicit QuickTipLine(QWidget* owner) : owner(owner) {}
    ~QuickTipLine();
    QuickTipLine(const QuickTipLine&) = delete;
    QuickTipLine& operator=(const QuickTipLine&) = delete;

    // Tips shown before this are dropped: the owner is not open yet.
    void Enable() { enabled = true; }
    void Show(const QString& text);
    // Under the owner's frame `outer`, above the owner and never above a window opened from it.
    void Place(const QRect& outer);
    // Follows the owner that moved, without raising the line.
    void FollowOwner();
    void Close();

    PageWindow* Window() const { return window; }
    QString Current() const { return current; }

private:
    QWidget* owner;
    PageWindow* window = nullptr;
    QString current;
    bool enabled = false;
};
