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

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString text;
};

// Places `lines` after `last` in the Tab order, in their own order. Lines made after the
// window's controls: made first, they would take the window's first focus.
void ChainAfter(QWidget* last, const std::vector<TextLine*>& lines);

// Says `text` through the control that has the focus: its description changes, which screen
// readers speak for the focused control. A control without focus stays as it is.
void Announce(QWidget* focused, const QString& text);
