#include "platform/ui/AlertRole.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {
const char* const AlertProperty = "moravelAlert";

QAccessibleInterface* AlertFactory(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->property(AlertProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}
}

void ShowAsAlert(QWidget* window)
{
    static const bool installed = [] {
        QAccessible::installFactory(AlertFactory);
        return true;
    }();
    (void)installed;
    window->setProperty(AlertProperty, true);
}
