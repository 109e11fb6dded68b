#include "installer/ui/InstallOptionsWindow.h"

#include "installer/DesktopEntries.h"
#include "installer/Emblem.h"
#include "platform/Paths.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QCheckBox* MakeCheckBox(const QString& text, bool whiteText, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setFont(ControlFont());
    box->setChecked(true);
    if (whiteText) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, LabelColour::White);
        palette.setColor(QPalette::Button, QColor(128, 128, 128));
        box->setPalette(palette);
    }
    return box;
}
}

InstallOptionsWindow::InstallOptionsWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Installation Options"));
    setWindowIcon(MoravelIcon());
    setFixedSize(DluX(300), DluY(160));

    auto* frame = new QGroupBox(this);
    frame->setGeometry(DluX(6), DluY(4), DluX(288), DluY(122));

    uninstallBox = MakeCheckBox(QStringLiteral("Create Uninstall icons and shortcuts"), false, this);
    uninstallBox->setEnabled(false);
    groupBox = MakeCheckBox(QStringLiteral("Create Program Group icons and shortcuts"), false, this);
    groupBox->setEnabled(false);
    desktopBox = MakeCheckBox(QStringLiteral("Create Desktop icons and shortcuts"), true, this);
    launchBox = MakeCheckBox(QStringLiteral("Launch Moravel 2005"), true, this);
    int y = 14;
    for (QCheckBox* box : {uninstallBox, groupBox, desktopBox, launchBox}) {
        box->setGeometry(DluX(52), DluY(y), DluX(236), DluY(14));
        y += 16;
    }
    connect(desktopBox, &QCheckBox::clicked, this, [this] { desktop = !desktop; });
    connect(launchBox, &QCheckBox::clicked, this, [this] { launch = !launch; });

    QString folder = QString::fromStdString(InstallDir());
    folder.chop(1);
    locationField = MakeLabel(QStringLiteral("Install Location: ") + folder, LabelColour::Black, this, 250);
    locationField->setGeometry(DluX(14), DluY(84), DluX(272), DluY(14));

    installButton = new QPushButton(QStringLiteral("Install Moravel 2005"), this);
    installButton->setFont(ControlFont());
    installButton->setDefault(true);
    installButton->setGeometry(DluX(95), DluY(132), DluX(110), DluY(20));
    connect(installButton, &QPushButton::clicked, this, &QDialog::accept);

    systemField = MakeLabel(QString::fromStdString(SystemLine()), LabelColour::Yellow, this, 100);
    systemField->setGeometry(DluX(14), DluY(104), DluX(272), DluY(14));

    auto* picture = new QLabel(this);
    picture->setPixmap(MoravelEmblem(DluX(32)));
    picture->setGeometry(DluX(14), DluY(16), DluX(32), DluX(32));

    move(CentreX(width()), CentreY(height()));
}
