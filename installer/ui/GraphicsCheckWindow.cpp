#include "installer/ui/GraphicsCheckWindow.h"

#include "installer/Emblem.h"
#include "platform/Paths.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/Look.h"

#include <QGroupBox>
#include <QLineEdit>

GraphicsCheckWindow::GraphicsCheckWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Moravel Installer was unable to verify your GDI+ setup  [ For Windows XP only ]"));
    setWindowIcon(MoravelIcon());
    setFixedSize(DluX(330), DluY(60));

    auto* frame = new QGroupBox(this);
    frame->setGeometry(DluX(6), DluY(4), DluX(318), DluY(50));

    textField = MakeLabel(QString::fromStdString("If you have Windows XP, delete: " + InstallDir() + "gdiplus.dll"),
                          LabelColour::Yellow, this, 300);
    textField->setAlignment(Qt::AlignCenter);
    textField->setGeometry(DluX(12), DluY(22), DluX(306), DluY(14));

    move(CentreX(width()), CentreY(height()));
}
