#include "mail/ui/MailProgramRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int DefaultTimeLimit = 60 * 1000;
int timeLimit = DefaultTimeLimit;
// xdg-email that cannot start a client says so at once; one still running after this
// has started it and waits for the user's compose window.
constexpr int HandOverTime = 2000;
constexpr int PollInterval = 20;

// A client left running is reaped when it ends; one running when we quit is the
// system's to reap.
void ReapWhenEnded(int pid)
{
    auto* reaper = new QTimer(qApp);
    QObject::connect(reaper, &QTimer::timeout, reaper, [reaper, pid] {
        if (EndedWithStatus(pid))
            reaper->deleteLater();
    });
    reaper->start(1000);
}

// Starts xdg-email in a session of its own, so that neither a Moravel that quits nor
// one that waits holds the client; the result is known after the hand-over time.
ProcessResult HandToMailClient(const std::vector<std::string>& argv)
{
    ProcessResult result;
    const int pid = StartInOwnSession(argv);
    if (pid < 0)
        return result;
    result.started = true;
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer elapsed;
    elapsed.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (const std::optional<int> status = EndedWithStatus(pid)) {
            result.exitCode = *status;
            loop.quit();
        } else if (elapsed.hasExpired(HandOverTime)) {
            result.exitCode = 0;
            ReapWhenEnded(pid);
            loop.quit();
        }
    });
    poll.start(PollInterval);
    loop.exec();
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
