#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// Edits one address-book entry. Save checks the fields and closes with OK; Close
// empties them and closes with Cancel.
class ContactWindow : public QDialog {
    Q_OBJECT
public:
    explicit ContactWindow(const QString& name = {}, const QString& email = {}, QWidget* parent = nullptr);

    QString Name() const;
    QString Email() const;

    QLineEdit* NameField() const { return nameField; }
    QLineEdit* EmailField() const { return emailField; }
    QPushButton* SaveButton() const { return saveButton; }
    QPushButton* CloseButton() const { return closeButton; }

public slots:
    void reject() override;

private:
    void SaveClicked();

    QLineEdit* nameField = nullptr;
    QLineEdit* emailField = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;
};
