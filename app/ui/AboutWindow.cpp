#include "app/ui/AboutWindow.h"

#include "platform/ui/Look.h"

#include <QLabel>
#include <QPushButton>

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Moravel 2005"));
    setFixedSize(420, 120);
    // Face and every control black, text yellow.
    QPalette palette;
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        palette.setColor(role, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, QColor(255, 255, 0));
    setPalette(palette);
    setAutoFillBackground(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramPicture(48));
    icon->setGeometry(16, 16, 48, 48);

    auto* line = new QLabel(QStringLiteral("Moravel 2005, Version 1.0 - released March 2005"), this);
    line->setObjectName(QStringLiteral("aboutLine"));
    line->setFont(ControlFont());
    line->setGeometry(76, 16, 330, 48);
    line->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setFont(ControlFont());
    ok->setGeometry(330, 78, 76, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
