#pragma once

#include <QString>
#include <QWidget>

// A line that a window draws itself (a reading, a chart value), given to screen readers as
// text: it paints nothing, lets the mouse through, and is reached with Tab and the arrow keys.
// Up and Down move between the lines of one window.
class TextLine : public QWidget {
    Q_OBJECT
public:
    TextLine(const QRect& place, QWidget* parent);

    void SetText(const QString& text);
    const QString& Text() const { return text; }
    // A notification: a screen reader speaks its text each time it is shown.
    void MakeNotification() { notification = true; }
    bool IsNotification() const { return notification; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString text;
    bool notification = false;
};

// Places `lines` after `last` in the Tab order, in their own order. Lines made after the
// window's controls: made first, they would take the window's first focus.
void ChainAfter(QWidget* last, const std::vector<TextLine*>& lines);

// Says `text` where the focus is: as the focused control's description until the focus moves
// on, and as a notification of its window, which screen readers speak at once.
void Announce(QWidget* focused, const QString& text);
