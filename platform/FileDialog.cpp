#include "platform/FileDialog.h"

#include "platform/Paths.h"

#include <QFileDialog>
#include <QQueue>

namespace {
QQueue<QString> nextFileNames;
QString lastDialogFolder;
QString lastDialogTitle;
}

std::optional<QString> FileDialog::takeNext(const QString& title, const QString& folder)
{
    lastDialogFolder = folder;
    lastDialogTitle = title;
    if (nextFileNames.isEmpty())
        return std::nullopt;
    return nextFileNames.dequeue();
}

QString FileDialog::getSaveFileName(const QString& title, const QString& filter, const QString& folder,
                                    const QString& defaultSuffix)
{
    QString chosen;
    if (auto next = takeNext(title, folder)) {
        chosen = *next;
    } else {
        QFileDialog dialog(nullptr, title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constLast();
    }
    EnterInstallDir();
    return chosen;
}

QString FileDialog::getOpenFileName(const QString& title, const QString& filter, const QString& folder)
{
    QString chosen;
    if (auto next = takeNext(title, folder)) {
        chosen = *next;
    } else {
        QFileDialog dialog(nullptr, title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    EnterInstallDir();
    return chosen;
}

void FileDialog::setNextFileName(const QString& path)
{
    nextFileNames.enqueue(path);
}

QString FileDialog::lastFolder()
{
    return lastDialogFolder;
}

QString FileDialog::lastTitle()
{
    return lastDialogTitle;
}
