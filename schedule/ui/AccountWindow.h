#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// "Set Security Attributes": the login account a scheduled run starts under, on
// schedulers that need one. The password is only handed on, never stored.
class AccountWindow : public QDialog {
    Q_OBJECT
public:
    // The user ID starts as the login name and cannot be edited then.
    explicit AccountWindow(QWidget* parent = nullptr);
    // As above with a given login name; an empty name leaves the field editable.
    AccountWindow(const QString& loginName, QWidget* parent);

    QString UserId() const { return userId; }
    QString Password() const { return password; }

    // The name of the logged-in user; empty when the system does not know it.
    static QString LoginUserName();

protected:
    void reject() override;

private:
    void UseMyAccount();

    QLineEdit* passwordEdit = nullptr;
    QLineEdit* userIdEdit = nullptr;
    QPushButton* useMyAccountButton = nullptr;
    QPushButton* useDefaultsButton = nullptr;
    QString userId;
    QString password;
};
