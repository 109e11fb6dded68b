#include "platform/ui/PrintService.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintJob.h"

#include <QApplication>
#include <QWidget>
#include <QQueue>

namespace {
// An empty entry means "cancel".
QQueue<QString> nextOutputs;
int dialogs = 0;
}

QWidget* PrintService::dialogOwner(QWidget* owner)
{
    if (owner)
        return owner->window();
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

bool PrintService::choosePrinter(PrintJob& job, QWidget* owner)
{
    ++dialogs;
    if (!job.Printer()) {
        MessageBox::stop(QStringLiteral("Moravel cannot print: ") + PrintJob::Unavailable());
        return false;
    }
    if (!nextOutputs.isEmpty()) {
        const QString output = nextOutputs.dequeue();
        if (output.isEmpty())
            return false;
        job.SetPdfOutput(output);
        return true;
    }
    return job.Choose(dialogOwner(owner));
}

QString PrintService::jobName(const QString& title)
{
    QString name;
    for (const QChar c : title)
        name += c == QLatin1Char('/') ? QLatin1Char('-') : c.category() == QChar::Other_Control ? QLatin1Char(' ') : c;
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Moravel") : name;
}

void PrintService::setNextPdfOutput(const QString& path)
{
    nextOutputs.enqueue(path);
}

void PrintService::setNextCancel()
{
    nextOutputs.enqueue(QString());
}

int PrintService::dialogCount()
{
    return dialogs;
}
