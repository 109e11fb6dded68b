#pragma once

#include <string>

struct InstallOptions {
    bool desktopShortcuts = true;
    bool launchAfterInstall = true;
};

// Everything after the options window: menu entries, then the first start of
// Moravel or the success message.
void FinishInstallation(const InstallOptions& options);

// The whole installer: the options window, then FinishInstallation. Needs a QApplication.
int RunInstaller();
