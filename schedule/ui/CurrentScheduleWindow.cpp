#include "schedule/ui/CurrentScheduleWindow.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"
#include "schedule/TaskFile.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

CurrentScheduleWindow::CurrentScheduleWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Currently Scheduled Daily Report"));
    setFont(ControlFont());
    const int width = 520;
    const int height = 310;
    setFixedSize(width, height);
    move(CentreX(width), CentreY(height));

    const TaskFileContents task = ReadTaskFile();
    taskFound = task.IsPresent();
    profileName = QString::fromStdString(FileNameOfPath(task.profilePath));
    email = QString::fromStdString(task.email);
    timeText = QStringLiteral("Deliver daily at: ");
    for (const std::string& time : task.times)
        timeText += QString::fromStdString(DisplayTaskTime(time));
    static const char* const deliveries[] = {"Deliver by e-mail", "Show a desktop notification",
                                             "Deliver by e-mail and show a desktop notification"};
    if (taskFound)
        deliveryText = QString::fromLatin1(deliveries[static_cast<int>(task.DeliveryChoice())]);
    if (!task.type.empty())
        formText = ParseLeadingInt(task.type) != 0 ? QStringLiteral("Deliver report in full colors")
                                                   : QStringLiteral("Deliver report in plain text");

    auto* frame = new QGroupBox(this);
    frame->setGeometry(10, 5, width - 20, 245);

    auto* changeButton = new QPushButton(QStringLiteral("Change"), this);
    changeButton->setObjectName(QStringLiteral("change"));
    changeButton->setDefault(true);
    changeButton->setGeometry(width / 2 - 130, 263, 110, 34);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("close"));
    closeButton->setGeometry(width / 2 + 20, 263, 110, 34);

    MakeLabel(QStringLiteral("Profile:"), LabelColour::Green, this)->setGeometry(25, 25, 110, 28);
    CaptionLabel* profile = MakeLabel(profileName, LabelColour::Black, this, 100);
    profile->setObjectName(QStringLiteral("profile"));
    profile->setGeometry(140, 25, 355, 28);
    MakeLabel(QStringLiteral("Email To:"), LabelColour::Yellow, this)->setGeometry(25, 65, 110, 28);
    CaptionLabel* address = MakeLabel(email, LabelColour::Black, this, 100);
    address->setObjectName(QStringLiteral("email"));
    address->setGeometry(140, 65, 355, 28);
    CaptionLabel* time = MakeLabel(timeText, LabelColour::Blue, this, 50);
    time->setObjectName(QStringLiteral("time"));
    time->setGeometry(25, 115, 470, 28);
    CaptionLabel* form = MakeLabel(formText, LabelColour::White, this, 100);
    form->setObjectName(QStringLiteral("form"));
    form->setGeometry(25, 155, 470, 28);
    CaptionLabel* deliveryLine = MakeLabel(deliveryText, LabelColour::Yellow, this, 100);
    deliveryLine->setObjectName(QStringLiteral("delivery"));
    deliveryLine->setGeometry(25, 195, 470, 28);

    connect(changeButton, &QPushButton::clicked, this, &CurrentScheduleWindow::Change);
    connect(closeButton, &QPushButton::clicked, this, &CurrentScheduleWindow::reject);
    changeButton->setFocus();
}

// The delivery stays as it is until the Schedule window saves a new one.
void CurrentScheduleWindow::Change()
{
    accept();
}
