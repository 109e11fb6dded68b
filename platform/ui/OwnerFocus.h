#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// Gives the focus back to the window a dialog came from when the dialog closes.
// Left to itself the window manager falls back to the most recently focused window
// it still finds focusable; when a message box and its dialog close together, that
// can be a side window such as the Quick Tip line, and the user's next key is lost.
class OwnerFocus : public QObject {
    Q_OBJECT
public:
    // Watches every window of the running application.
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    void Opened(QWidget* window);
    void Closed(QWidget* window);

    // The window each open window came from: its parent's, or for a window without
    // a parent the one that was active when it opened.
    QHash<QWidget*, QPointer<QWidget>> openers;
    QPointer<QWidget> justDeactivated;
};
