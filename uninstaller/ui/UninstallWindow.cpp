#include "uninstaller/ui/UninstallWindow.h"

#include "installer/Emblem.h"
#include "platform/ui/AlertRole.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "uninstaller/DeleteCopy.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

UninstallWindow::UninstallWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Uninstall Moravel"));
    setWindowIcon(MoravelIcon());
    setFixedSize(DluX(280), DluY(90));

    auto* frame = new QGroupBox(this);
    frame->setGeometry(DluX(6), DluY(4), DluX(268), DluY(54));

    questionField = MakeLabel(QStringLiteral("Do you want to uninstall Moravel 2005? "), LabelColour::White, this, 150);
    questionField->setAlignment(Qt::AlignCenter);
    questionField->setGeometry(DluX(42), DluY(24), DluX(228), DluY(14));

    auto* picture = new QLabel(this);
    picture->setPixmap(MoravelEmblem(DluX(24)));
    picture->setGeometry(DluX(14), DluY(18), DluX(24), DluX(24));

    yesButton = new QPushButton(QStringLiteral("&Yes"), this);
    yesButton->setFont(ControlFont());
    yesButton->setDefault(true);
    yesButton->setGeometry(DluX(80), DluY(64), DluX(50), DluY(18));
    noButton = new QPushButton(QStringLiteral("&No"), this);
    noButton->setFont(ControlFont());
    noButton->setGeometry(DluX(150), DluY(64), DluX(50), DluY(18));
    connect(yesButton, &QPushButton::clicked, this, &UninstallWindow::OnYes);
    connect(noButton, &QPushButton::clicked, this, &QDialog::reject);

    move(CentreX(width()), CentreY(height()));
    ShowAsAlert(this);
    setAccessibleDescription(questionField->text());
}

namespace {
QString Counted(int count, const char* what)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(what) + (count == 1 ? "" : "s");
}
}

QString UninstallWindow::PersonalDataQuestion(const PersonalData& data)
{
    return QStringLiteral("Uninstalling Moravel 2005 also deletes ") + Counted(data.profiles, "profile") +
           QStringLiteral(", ") + Counted(data.contacts, "contact") + QStringLiteral(" and ") +
           Counted(data.reports, "saved report") +
           QStringLiteral(".    \nThey cannot be restored.    \n\nDo you want to continue?    ");
}

int UninstallWindow::Run()
{
    // A running Moravel would stop the removal after both questions: it is said first.
    if (MainProgramRunning()) {
        MessageBox::information(QString::fromUtf8(CloseMoravelFirst));
        return 1;
    }
    UninstallWindow window;
    window.exec();
    return 0;
}

void UninstallWindow::OnYes()
{
    // One Yes to a general question is not enough to lose what the user made.
    if (const PersonalData data = CountPersonalData();
        data.Any() && !MessageBox::questionDefaultNo(PersonalDataQuestion(data))) {
        reject();
        return;
    }
    if (!StartDeleteCopy())
        MessageBox::stop(QStringLiteral("Unable to start the uninstaller.    \nMoravel 2005 was not removed.    "));
    accept();
}
