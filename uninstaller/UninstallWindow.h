#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Uninstall Moravel": asks once; Yes hands the removal to a copy of "delete"
// started from the temporary folder.
class UninstallWindow : public QDialog {
    Q_OBJECT
public:
    explicit UninstallWindow(QWidget* parent = nullptr);

    QPushButton* yesButton;
    QPushButton* noButton;
    QLineEdit* questionField;

private:
    void OnYes();
};
