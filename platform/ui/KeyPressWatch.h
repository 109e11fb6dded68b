#pragma once

#include <QObject>

class QWidget;

// Tells whether a change comes from the keyboard: some windows move the focus on
// after a choice made with the mouse, which would stop a user who walks a list
// with the arrow keys.
class KeyPressWatch : public QObject {
    Q_OBJECT
public:
    // Watches the key presses given to `widget`.
    static void Watch(QWidget* widget);
    // True while a watched widget handles a key press (until the event loop runs again).
    static bool Handling();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static KeyPressWatch* Shared();
};
