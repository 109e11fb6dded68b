#include "platform/ui/Look.h"

#include "platform/FontFamilies.h"
#include "platform/Installation.h"
#include "platform/ui/CaptionLabel.h"
#include "platform/ui/SharedPaletteStyle.h"

#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QPalette>
#include <QStyleFactory>

void ApplyLook(QApplication& app)
{
    app.setStyle(new SharedPaletteStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QPalette palette;
    const QColor grey(128, 128, 128);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase})
        palette.setColor(role, grey);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(64, 64, 64));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(64, 64, 64));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 64, 64));
    // The style draws the keyboard focus in the highlight colour: yellow stands out on the grey.
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(255, 255, 0));
    palette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::black);
    app.setPalette(palette);
    // The default font names its family as installed (the same face): every window with
    // text of its own then finds its font at once. Set on every desktop alike, so a
    // desktop font change is followed at the next start everywhere (the page views lend
    // the default font for a moment, which would otherwise pin it only on some).
    QApplication::setFont(WithInstalledFamily(QApplication::font()));
    // One name for every window of the four programs: X11's window class and
    // Wayland's app id, so the desktop matches each window to Moravel's menu entry.
    QCoreApplication::setApplicationName(QString::fromStdString(ApplicationId));
    QGuiApplication::setDesktopFileName(QString::fromStdString(ApplicationId));
    // Every window and message box carries the program's icon, not the desktop's generic one.
    app.setWindowIcon(ApplicationIcon());
}

QIcon ApplicationIcon()
{
    // The theme's icon by name; the built-in picture where no theme has it.
    return QIcon::fromTheme(QString::fromStdString(ApplicationId), QIcon(ProgramPicture()));
}

QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* parent, const QRect& place,
                        const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(ControlFont());
    button->setGeometry(place);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

CaptionLabel* MakeLabel(const QString& text, const QColor& colour, QWidget* parent, int maxLength)
{
    return new CaptionLabel(text, colour, parent, maxLength);
}
