#include "schedule/DesktopNotifier.h"

#include "platform/Paths.h"
#include "platform/Process.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QEventLoop>
#include <QTimer>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int kCallTimeoutMs = 10000;
}

bool DesktopNotifier::Show(const QString& summary, const QString& body, const QString& applicationId,
                           const std::vector<std::string>& openCommand)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    command = openCommand;
    // Listening before the call, so that a quick answer is not missed.
    bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this, SLOT(ActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                SLOT(NotificationClosed(uint, uint)));

    // The icon by its theme name, and the desktop entry of the same name, so the
    // notification server shows Moravel's icon and groups it under Moravel.
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << QStringLiteral("Moravel") << uint(0) << applicationId << summary << body
         << QStringList{QStringLiteral("default"), QStringLiteral("Open")}
         << QVariantMap{{QStringLiteral("desktop-entry"), applicationId}} << int(-1);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    id = reply.arguments().constFirst().toUInt();
    return true;
}

void DesktopNotifier::Wait(int limitMs)
{
    if (finished)
        return;
    QEventLoop waiting;
    loop = &waiting;
    QTimer::singleShot(limitMs, &waiting, &QEventLoop::quit);
    waiting.exec();
    loop = nullptr;
}

void DesktopNotifier::ActionInvoked(uint notification, const QString& action)
{
    if (notification != id || action != QStringLiteral("default"))
        return;
    if (!command.empty())
        StartDetached(command, InstallDir());
    Finish();
}

void DesktopNotifier::NotificationClosed(uint notification, uint)
{
    if (notification == id)
        Finish();
}

void DesktopNotifier::Finish()
{
    finished = true;
    if (loop)
        loop->quit();
}
