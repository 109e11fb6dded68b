#pragma once

#include <QDialog>

class QCheckBox;
#include "platform/ui/CaptionLabel.h"
class QLineEdit;
class QPushButton;

// "Installation Options": which entries to make and whether to start Moravel.
// However it is closed (button or Esc), the options stand as they then are.
class InstallOptionsWindow : public QDialog {
    Q_OBJECT
public:
    explicit InstallOptionsWindow(QWidget* parent = nullptr);

    bool desktopShortcuts() const { return desktop; }
    bool launchAfterInstall() const { return launch; }

    QCheckBox* uninstallBox;
    QCheckBox* groupBox;
    QCheckBox* desktopBox;
    QCheckBox* launchBox;
    CaptionLabel* locationField;
    QPushButton* installButton;
    CaptionLabel* systemField;

private:
    bool desktop = true;
    bool launch = true;
};
