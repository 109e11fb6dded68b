#include "schedule/ui/ScheduleWindow.h"

#include "content/ui/PageWindow.h"
#include "engine/ZodiacSigns.h"
#include "mail/MapiMailer.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/ui/CharacterLimit.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "schedule/DailySchedule.h"
#include "schedule/EmailHelpPage.h"
#include "schedule/SchedulerLink.h"
#include "schedule/TaskFile.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {
constexpr int kWidth = 600;
constexpr int kHeight = 330;
}

ScheduleWindow::ScheduleWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Schedule Daily Analysis Report via Email Delivery"));
    setFont(ControlFont());
    setFixedSize(kWidth, kHeight);
    move(CentreX(kWidth), CentreY(kHeight));

    auto* frame = new QGroupBox(this);
    frame->setGeometry(10, 5, kWidth - 20, 265);

    hourList = new QComboBox(this);
    hourList->setObjectName(QStringLiteral("hour"));
    for (int h = 1; h <= 23; ++h)
        hourList->addItem(QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')));
    hourList->setGeometry(300, 25, 70, 28);

    minuteList = new QComboBox(this);
    minuteList->setObjectName(QStringLiteral("minute"));
    for (int m = 0; m <= 59; ++m)
        minuteList->addItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    minuteList->setMaxVisibleItems(12);
    minuteList->setGeometry(380, 25, 70, 28);

    emailEdit = new QLineEdit(this);
    emailEdit->setObjectName(QStringLiteral("email"));
    CharacterLimit::Apply(emailEdit, kAddressLimit);
    emailEdit->setGeometry(140, 105, 435, 28);

    formList = new QComboBox(this);
    formList->setObjectName(QStringLiteral("form"));
    formList->addItem(QStringLiteral("deliver report in plain text"));
    formList->addItem(QStringLiteral("deliver report in full colors"));
    formList->setGeometry(160, 145, 300, 28);

    // In the order of Delivery.
    deliveryList = new QComboBox(this);
    deliveryList->setObjectName(QStringLiteral("delivery"));
    deliveryList->addItem(QStringLiteral("deliver report by e-mail"));
    deliveryList->addItem(QStringLiteral("show a desktop notification"));
    deliveryList->addItem(QStringLiteral("e-mail and desktop notification"));
    deliveryList->setGeometry(160, 182, 360, 28);

    saveButton = new QPushButton(QStringLiteral("Save"), this);
    saveButton->setObjectName(QStringLiteral("save"));
    saveButton->setDefault(true);
    helpButton = new QPushButton(QStringLiteral("Help"), this);
    helpButton->setObjectName(QStringLiteral("help"));
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("close"));
    const int buttonWidth = 110;
    const int gap = 20;
    int x = (kWidth - 3 * buttonWidth - 2 * gap) / 2;
    for (QPushButton* button : {saveButton, helpButton, closeButton}) {
        button->setGeometry(x, 283, buttonWidth, 34);
        x += buttonWidth + gap;
    }

    CaptionLabel* at = MakeLabel(QStringLiteral("Schedule to email report at: "), LabelColour::White, this);
    at->setGeometry(25, 25, 270, 28);
    at->setBuddy(hourList);
    NameField(hourList, QStringLiteral("Schedule to email report at: hour"));
    NameField(minuteList, QStringLiteral("Schedule to email report at: minute"));
    MakeLabel(QStringLiteral("Profile:"), LabelColour::Green, this)->setGeometry(25, 65, 110, 28);
    profileLabel = MakeLabel(QString(), LabelColour::Blue, this, 300);
    profileLabel->setObjectName(QStringLiteral("profile"));
    profileLabel->setGeometry(140, 65, 435, 28);
    CaptionLabel* to = MakeLabel(QStringLiteral("Email To:"), LabelColour::Yellow, this);
    to->setGeometry(25, 105, 110, 28);
    to->setBuddy(emailEdit);
    amPmLabel = MakeLabel(amPm, LabelColour::White, this, 10);
    amPmLabel->setObjectName(QStringLiteral("amPm"));
    amPmLabel->setGeometry(460, 25, 60, 28);
    CaptionLabel* type = MakeLabel(QStringLiteral("Report Type:"), LabelColour::Blue, this);
    type->setGeometry(25, 145, 130, 28);
    type->setBuddy(formList);
    CaptionLabel* deliver = MakeLabel(QStringLiteral("Deliver:"), LabelColour::Green, this);
    deliver->setGeometry(25, 182, 130, 28);
    deliver->setBuddy(deliveryList);

    // A row of the twelve sign pictures under the report form list.
    const int picture = 30;
    const int step = (kWidth - 50) / 12;
    for (int sign = 0; sign < 12; ++sign) {
        auto* image = new QLabel(this);
        image->setGeometry(25 + sign * step + (step - picture) / 2, 222, picture, picture);
        image->setAlignment(Qt::AlignCenter);
        const QPixmap pixmap(QString::fromStdString(PictureFolder() + SignPictureFile(static_cast<ZodiacSign>(sign))));
        if (!pixmap.isNull())
            image->setPixmap(pixmap.scaled(picture, picture, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    setTabOrder(hourList, minuteList);
    setTabOrder(minuteList, emailEdit);
    setTabOrder(emailEdit, formList);
    setTabOrder(formList, deliveryList);
    setTabOrder(deliveryList, saveButton);
    setTabOrder(saveButton, helpButton);
    setTabOrder(helpButton, closeButton);

    hourList->setCurrentIndex(6);
    minuteList->setCurrentIndex(0);
    formList->setCurrentIndex(0);
    connect(hourList, &QComboBox::currentIndexChanged, this, &ScheduleWindow::HourChanged);
    connect(minuteList, &QComboBox::currentIndexChanged, this, [this](int position) { minute = position; });
    connect(formList, &QComboBox::currentIndexChanged, this, [this](int position) { fullColour = position; });
    connect(deliveryList, &QComboBox::currentIndexChanged, this, &ScheduleWindow::DeliveryChanged);
    connect(saveButton, &QPushButton::clicked, this, &ScheduleWindow::Save);
    connect(helpButton, &QPushButton::clicked, this, &ScheduleWindow::ShowHelp);
    connect(closeButton, &QPushButton::clicked, this, &ScheduleWindow::reject);
    emailEdit->setFocus();
}

void ScheduleWindow::SetProfilePath(const std::string& path)
{
    profilePath = path;
    profileLabel->setText(QString::fromStdString(path));
}

void ScheduleWindow::SetForm(const ScheduleForm& form)
{
    hourList->setCurrentIndex(form.hour - 1);
    minuteList->setCurrentIndex(form.minute);
    formList->setCurrentIndex(form.fullColour);
    deliveryList->setCurrentIndex(static_cast<int>(form.delivery));
    email = QString::fromStdString(form.email);
    emailEdit->setText(email);
}

void ScheduleWindow::HourChanged(int position)
{
    hour = position + 1;
    amPm = hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
    amPmLabel->setText(amPm);
}

// Only an e-mail delivery needs an address and a report type.
void ScheduleWindow::DeliveryChanged(int position)
{
    delivery = static_cast<Delivery>(position);
    emailEdit->setEnabled(delivery != Delivery::Notification);
    formList->setEnabled(delivery != Delivery::Notification);
}

QString ScheduleWindow::SuccessText(const std::string& profilePath, const QString& email, int fullColour,
                                    Delivery delivery)
{
    QString text = QStringLiteral("Daily Analysis Report was scheduled successfully.     \nProfile: ") +
                   QString::fromStdString(FileNameOfPath(profilePath)) + QStringLiteral("    ");
    if (delivery != Delivery::Notification)
        text += QStringLiteral("\nEmail To: ") + email + QStringLiteral("     ") +
                (fullColour ? QStringLiteral("\nDeliver report in full colors.     ")
                            : QStringLiteral("\nDeliver report in plain text.     "));
    if (delivery != Delivery::Email)
        text += QStringLiteral("\nShow a desktop notification.     ");
    return text;
}

void ScheduleWindow::Save()
{
    delivery = static_cast<Delivery>(deliveryList->currentIndex());
    const bool mails = NeedsAddress(delivery);
    // A notification alone keeps no address.
    email = mails ? emailEdit->text() : QString();
    if (const std::string message = mails ? AddressMessage(email.toStdString()) : std::string(); !message.empty()) {
        MessageBox::stop(QString::fromStdString(message));
        emailEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    hour = hourList->currentIndex() + 1;
    minute = minuteList->currentIndex();
    fullColour = formList->currentIndex();

    TaskFile task;
    task.profilePath = profilePath;
    task.email = email.toStdString();
    task.hour = hour;
    task.minute = minute;
    task.fullColour = fullColour;
    task.delivery = delivery;
    if (const std::string failure = RunScheduleSteps(ScheduleSteps(task)); !failure.empty()) {
        MessageBox::stop(QString::fromStdString(failure));
        return;
    }
    MessageBox::information(SuccessText(profilePath, email, fullColour, delivery));
    // The daily run mails through sendmail only; a desktop mail client cannot take it.
    if (MapiMailer probe; mails && probe.TakeError() != 0)
        MessageBox::information(QStringLiteral("Daily delivery needs a mail transfer program such as msmtp-mta. "
                                               "Without one, no daily report can be sent.    "));
    accept();
}

void ScheduleWindow::ShowHelp()
{
    if (!WritePagePair(EmailHelpPagePair()))
        return;
    PageWindow::ShowPage(QString::fromLatin1(kEmailHelpTitle),
                         QString::fromStdString(InstallDir() + EmailHelpPagePair().entryName), kEmailHelpWidth,
                         kEmailHelpHeight, this);
}

// Close, Esc and the close box.
void ScheduleWindow::reject()
{
    hour = 6;
    minute = 0;
    fullColour = 0;
    QDialog::reject();
}
