#pragma once

#include <string>

struct InstallOptions {
    bool desktopShortcuts = true;
    bool launchAfterInstall = true;
};

// Everything after the options window: menu entries, the private library check,
// the first start of Moravel (or the success message) and the graphics check window.
void FinishInstallation(const std::string& systemName, const InstallOptions& options);

// The whole installer: the options window, then FinishInstallation. Needs a QApplication.
int RunInstaller();
