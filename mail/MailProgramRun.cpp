#include "mail/MailProgramRun.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int DefaultTimeLimit = 60 * 1000;
int timeLimit = DefaultTimeLimit;
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

    if (timedOut && program == MapiMailer::Program::MailClient) {
        // Started without its client running, xdg-email lasts as long as the client.
        result.started = true;
        result.exitCode = 0;
        process->setParent(qApp);
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    } else {
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
    }

    for (const QPointer<QWidget>& window : disabled) {
        if (window)
            window->setEnabled(true);
    }
    if (ownerWindow) {
        ownerWindow->activateWindow();
        ownerWindow->setFocus();
    }
    return result;
}
