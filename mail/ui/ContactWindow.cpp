#include "mail/ui/ContactWindow.h"

#include "platform/DataFile.h"
#include "platform/ui/FieldChecks.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int NameLimit = 100;
constexpr int EmailLimit = 100;
}

ContactWindow::ContactWindow(const QString& name, const QString& email, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Contact Information"));
    setFixedSize(420, 160);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(10, 8, 400, 92);

    CaptionLabel* nameLabel = MakeLabel(QStringLiteral("Name:"), LabelColour::Green, this);
    nameLabel->setGeometry(20, 20, 70, 26);
    CaptionLabel* emailLabel = MakeLabel(QStringLiteral("Email:"), LabelColour::Yellow, this);
    emailLabel->setGeometry(20, 60, 70, 26);

    nameField = new QLineEdit(name, this);
    nameField->setGeometry(95, 18, 305, 28);
    emailField = new QLineEdit(email, this);
    emailField->setGeometry(95, 58, 305, 28);
    nameLabel->setBuddy(nameField);
    emailLabel->setBuddy(emailField);

    saveButton = new QPushButton(QStringLiteral("Save"), this);
    saveButton->setGeometry(110, 114, 95, 32);
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setGeometry(215, 114, 95, 32);
    saveButton->setDefault(true);

    for (QWidget* control : std::initializer_list<QWidget*>{nameField, emailField, saveButton, closeButton})
        control->setFont(ControlFont());
    setTabOrder(nameField, emailField);
    setTabOrder(emailField, saveButton);
    setTabOrder(saveButton, closeButton);

    connect(saveButton, &QPushButton::clicked, this, &ContactWindow::SaveClicked);
    connect(closeButton, &QPushButton::clicked, this, &ContactWindow::reject);
    nameField->setFocus();
}

QString ContactWindow::Name() const
{
    return nameField->text();
}

QString ContactWindow::Email() const
{
    return emailField->text();
}

void ContactWindow::SaveClicked()
{
    const QString name = Name();
    const QString email = Email();
    // Each value is one line of the address book; a line break would start forged contacts.
    if (FieldsPass({
            {name, FieldTests::Filled, QStringLiteral("Please enter Contact's Name first.    "), nameField},
            {name, FieldTests::AtMost(NameLimit),
             QStringLiteral("Contact's Name is too long. Maximum size is 100 characters.    "), nameField},
            {name, IsOneLineValue, QStringLiteral("Contact's Name is not valid.     "), nameField},
            {email, FieldTests::Filled, QStringLiteral("Please enter Contact's Email first.     "), emailField},
            {email, FieldTests::AtMost(EmailLimit),
             QStringLiteral("Contact's Email is too long. Maximum size is 100 characters.    "), emailField},
            {email, FieldTests::EmailAddress, QStringLiteral("Contact's Email is not valid.     "), emailField},
        }))
        accept();
}

void ContactWindow::reject()
{
    nameField->clear();
    emailField->clear();
    QDialog::reject();
}
