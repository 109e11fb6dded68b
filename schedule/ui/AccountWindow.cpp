#include "schedule/ui/AccountWindow.h"

#include "platform/ui/CharacterLimit.h"
#include "platform/ui/FieldChecks.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <pwd.h>
#include <unistd.h>

namespace {
constexpr int kFieldLimit = 50;
}

AccountWindow::AccountWindow(QWidget* parent) : AccountWindow(LoginUserName(), parent)
{}

AccountWindow::AccountWindow(const QString& loginName, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Set Security Attributes"));
    setFont(ControlFont());
    const int width = 480;
    const int height = 230;
    setFixedSize(width, height);
    move(CentreX(width), CentreY(height));

    auto* frame = new QGroupBox(this);
    frame->setGeometry(10, 5, width - 20, 170);

    // Tab order: password, the two buttons, user ID.
    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("password"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    CharacterLimit::Apply(passwordEdit, kFieldLimit);
    passwordEdit->setGeometry(230, 95, 225, 26);

    useMyAccountButton = new QPushButton(QStringLiteral("Use My Account"), this);
    useMyAccountButton->setObjectName(QStringLiteral("useMyAccount"));
    useMyAccountButton->setDefault(true);
    useMyAccountButton->setGeometry(70, 185, 160, 32);
    useDefaultsButton = new QPushButton(QStringLiteral("Use Defaults"), this);
    useDefaultsButton->setObjectName(QStringLiteral("useDefaults"));
    useDefaultsButton->setGeometry(250, 185, 160, 32);

    userIdEdit = new QLineEdit(this);
    userIdEdit->setObjectName(QStringLiteral("userId"));
    userIdEdit->setGeometry(230, 55, 225, 26);

    CaptionLabel* userId = MakeLabel(QStringLiteral("Your Login User ID:"), LabelColour::Green, this);
    userId->setGeometry(25, 55, 200, 26);
    userId->setBuddy(userIdEdit);
    CaptionLabel* password = MakeLabel(QStringLiteral("Your Login Password:"), LabelColour::Yellow, this);
    password->setGeometry(25, 95, 200, 26);
    password->setBuddy(passwordEdit);
    CaptionLabel* hint =
        MakeLabel(QStringLiteral("Enter Password and click on the Use My Account"), LabelColour::White, this);
    hint->setAlignment(Qt::AlignCenter);
    hint->setGeometry(20, 135, width - 40, 26);

    if (!loginName.isEmpty()) {
        // The system's name goes in whole, so that the length check can still see it.
        userIdEdit->setText(loginName);
        userIdEdit->setEnabled(false);
    } else {
        CharacterLimit::Apply(userIdEdit, kFieldLimit);
    }
    setTabOrder(passwordEdit, useMyAccountButton);
    setTabOrder(useMyAccountButton, useDefaultsButton);
    setTabOrder(useDefaultsButton, userIdEdit);

    connect(useMyAccountButton, &QPushButton::clicked, this, &AccountWindow::UseMyAccount);
    connect(useDefaultsButton, &QPushButton::clicked, this, &AccountWindow::reject);
}

QString AccountWindow::LoginUserName()
{
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return {};
}

void AccountWindow::UseMyAccount()
{
    userId = userIdEdit->text();
    password = passwordEdit->text();
    if (FieldsPass({
            {userId, FieldTests::AtMost(kFieldLimit),
             QStringLiteral("User ID is too long. Maximum size is 50 characters.    "), userIdEdit},
            {password, FieldTests::AtMost(kFieldLimit),
             QStringLiteral("Password is too long. Maximum size is 50 characters.    "), passwordEdit},
            {userId, FieldTests::Filled, QStringLiteral("Please enter the User ID you use to login to your PC.    "),
             userIdEdit},
            {password, FieldTests::Filled,
             QStringLiteral("Please enter the Password you use to login to your PC.     "), passwordEdit},
        }))
        accept();
}

// Use Defaults, Esc and the close box.
void AccountWindow::reject()
{
    if (!MessageBox::question(
            QStringLiteral("Default User ID and Password can be used to schedule daily reports.    \n"
                           "However, your PC security settings may not allow normal program execution.    \n\n"
                           "It is highly recommended that you use your Windows Login ID and Password instead.     \n"
                           "Are you sure that you still want to use Default User ID and Password?")))
        return;
    userId.clear();
    password.clear();
    userIdEdit->clear();
    passwordEdit->clear();
    QDialog::reject();
}
