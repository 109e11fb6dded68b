#include "mail/ui/MailProgramRun.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QSocketNotifier>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {
constexpr int DefaultTimeLimit = 60 * 1000;
int timeLimit = DefaultTimeLimit;
// xdg-email that cannot start a client says so at once; one still running after this
// has started it and waits for the user's compose window.
constexpr int HandOverTime = 2000;

// Calls `ended` once the started program has ended: when its process descriptor
// turns readable, or (on kernels without them) at the checks of a slow timer.
// The watch goes with `context`.
void WhenEnded(int pid, QObject* context, std::function<void()> ended)
{
    const int descriptor = ProcessEndDescriptor(pid);
    if (descriptor >= 0) {
        // The descriptor is closed with the connection, when the notifier goes.
        const std::shared_ptr<int> held(new int(descriptor), [](int* fd) {
            ::close(*fd);
            delete fd;
        });
        auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, context);
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, held, ended] {
            notifier->setEnabled(false);
            notifier->deleteLater();
            ended();
        });
        return;
    }
    auto* check = new QTimer(context);
    QObject::connect(check, &QTimer::timeout, check, [check, ended] {
        check->deleteLater();
        ended();
    });
    check->start(1000);
}

// A client left running is reaped when it ends; one running when we quit is the
// system's to reap.
void ReapWhenEnded(int pid)
{
    WhenEnded(pid, qApp, [pid] {
        if (!EndedWithStatus(pid))
            ReapWhenEnded(pid);
    });
}

// Starts xdg-email in a session of its own, so that neither a Moravel that quits nor
// one that waits holds the client; the result is known when it ends, or after the
// hand-over time.
ProcessResult HandToMailClient(const std::vector<std::string>& argv)
{
    ProcessResult result;
    const int pid = StartInOwnSession(argv);
    if (pid < 0)
        return result;
    result.started = true;
    QEventLoop loop;
    QObject watch;
    bool ended = false;
    WhenEnded(pid, &watch, [&] {
        if (const std::optional<int> status = EndedWithStatus(pid)) {
            ended = true;
            result.exitCode = *status;
            loop.quit();
        }
    });
    QTimer::singleShot(HandOverTime, &loop, &QEventLoop::quit);
    loop.exec();
    if (!ended) {
        result.exitCode = 0;
        ReapWhenEnded(pid);
    }
    return result;
}
}

void SetMailTimeLimitForTesting(int milliseconds)
{
    timeLimit = milliseconds > 0 ? milliseconds : DefaultTimeLimit;
}

ProcessResult RunMailProgram(QWidget* owner, MapiMailer::Program program, const std::vector<std::string>& argv,
                             const std::string& input)
{
    ProcessResult result;
    if (argv.empty())
        return result;

    // Every window of the application refuses input while the program runs.
    QList<QPointer<QWidget>> disabled;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isEnabled()) {
            window->setEnabled(false);
            disabled.append(window);
        }
    }
    QPointer<QWidget> ownerWindow = owner ? owner->window() : nullptr;
    const auto giveBackInput = [&] {
        for (const QPointer<QWidget>& window : disabled) {
            if (window)
                window->setEnabled(true);
        }
        if (ownerWindow) {
            ownerWindow->activateWindow();
            ownerWindow->setFocus();
        }
    };
    if (program == MapiMailer::Program::MailClient) {
        result = HandToMailClient(argv);
        giveBackInput();
        return result;
    }

    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setChildProcessModifier(CloseInheritedDescriptorsAtExec);
    QStringList arguments;
    for (std::size_t i = 1; i < argv.size(); ++i)
        arguments << QString::fromStdString(argv[i]);

    QEventLoop loop;
    bool timedOut = false;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });

    process->start(QString::fromStdString(argv[0]), arguments);
    if (process->waitForStarted(-1)) {
        process->write(input.data(), static_cast<qint64>(input.size()));
        process->closeWriteChannel();
        limit.start(timeLimit);
        if (process->state() != QProcess::NotRunning)
            loop.exec();
    }

    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(-1);
    } else if (process->error() != QProcess::FailedToStart) {
        result.started = true;
        result.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    }
    if (timedOut)
        result.exitCode = -1;
    delete process;

    giveBackInput();
    return result;
}
