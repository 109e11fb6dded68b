#include "platform/ui/PrintService.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
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

bool PrintService::choosePrinter(QPrinter& printer, QWidget* owner)
{
    ++dialogs;
    if (!nextOutputs.isEmpty()) {
        const QString output = nextOutputs.dequeue();
        if (output.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        return true;
    }
    QPrintDialog dialog(&printer, dialogOwner(owner));
    return dialog.exec() == QDialog::Accepted;
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
