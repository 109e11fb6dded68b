#pragma once

#include "uninstaller/Remover.h"

#include <QDialog>

#include "platform/ui/CaptionLabel.h"
class QPushButton;

// "Uninstall Moravel": asks; when profiles, contacts or saved reports exist, a second
// box counts them and asks again. Yes hands the removal to a copy of "delete"
// started from a private folder in the temporary folder.
class UninstallWindow : public QDialog {
    Q_OBJECT
public:
    explicit UninstallWindow(QWidget* parent = nullptr);

    QPushButton* yesButton;
    QPushButton* noButton;
    CaptionLabel* questionField;

    static QString PersonalDataQuestion(const PersonalData& data);
    // The launcher: says at once when Moravel runs (exit code 1) and asks nothing;
    // else shows the window (0).
    static int Run();

private:
    void OnYes();
};
