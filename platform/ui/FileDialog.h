#pragma once

#include <QString>
#include <optional>

// The open and save dialogs. Both restore InstallDir as the working directory
// afterwards. Tests choose a file (or cancel with an empty name) in advance with
// setNextFileName; the dialog is then not shown.
class FileDialog {
public:
    // Asks before overwriting; returns the chosen path, empty when cancelled.
    static QString getSaveFileName(const QString& title, const QString& filter, const QString& folder,
                                   const QString& defaultSuffix);
    // The chosen file must exist; empty when cancelled.
    static QString getOpenFileName(const QString& title, const QString& filter, const QString& folder);

    static void setNextFileName(const QString& path);

    // The folder the last dialog was started in, and its title (for tests).
    static QString lastFolder();
    static QString lastTitle();

private:
    static std::optional<QString> takeNext(const QString& title, const QString& folder);
};
