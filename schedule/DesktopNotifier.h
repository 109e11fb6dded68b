#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

class QEventLoop;

// One notification through the session bus's org.freedesktop.Notifications,
// whose default action "Open" starts a program.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    // Shown with the application id as its icon name and desktop entry. False when
    // there is no session bus or no notification service on it.
    bool Show(const QString& summary, const QString& body, const QString& applicationId,
              const std::vector<std::string>& openCommand);
    // Returns when the notification was clicked or closed, at the latest after limitMs.
    void Wait(int limitMs);

private slots:
    void ActionInvoked(uint notification, const QString& action);
    void NotificationClosed(uint notification, uint reason);

private:
    void Finish();

    uint id = 0;
    bool finished = false;
    std::vector<std::string> command;
    QEventLoop* loop = nullptr;
};
