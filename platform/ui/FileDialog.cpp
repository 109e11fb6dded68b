#include "platform/ui/FileDialog.h"

#include "platform/Paths.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QQueue>
#include <QTreeView>

namespace {
QQueue<QString> nextFileNames;
QString lastDialogFolder;
QString lastDialogTitle;

// The detail columns are as wide as their text (size, type and date are cut short
// otherwise in the program's large bold font), and the window wide enough for them.
void FitColumns(QFileDialog& dialog)
{
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(860, 480);
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!view || !model)
        return;
    view->header()->setStretchLastSection(false);
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view, [view] {
        for (int column = 0; column < view->header()->count(); ++column)
            view->resizeColumnToContents(column);
    });
}
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
        FitColumns(dialog);
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
        FitColumns(dialog);
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
