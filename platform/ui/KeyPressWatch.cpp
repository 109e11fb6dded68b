#include "platform/ui/KeyPressWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
bool handling = false;
}

KeyPressWatch* KeyPressWatch::Shared()
{
    static QPointer<KeyPressWatch> watch;
    if (!watch)
        watch = new KeyPressWatch(QCoreApplication::instance());
    return watch;
}

void KeyPressWatch::Watch(QWidget* widget)
{
    widget->installEventFilter(Shared());
}

bool KeyPressWatch::Handling()
{
    return handling;
}

bool KeyPressWatch::eventFilter(QObject*, QEvent* event)
{
    // The widget handles the key right after this filter; whatever it changes
    // meanwhile is the key's doing.
    if (event->type() == QEvent::KeyPress && !handling) {
        handling = true;
        QTimer::singleShot(0, this, [] { handling = false; });
    }
    return false;
}
