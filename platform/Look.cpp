#include "platform/Look.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>

void ApplyLook(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
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
    // Every window and message box carries the program's icon, not the desktop's generic one.
    app.setWindowIcon(QIcon(ProgramPicture()));
}

QImage ReadPictureByName(QIODevice* device, const QString& name)
{
    // Qt's default first asks every image plugin installed whether it can read the
    // picture, loading each (and its libraries): a start pays milliseconds for it.
    QImageReader reader(device, QFileInfo(name).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage ReadPictureByName(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReadPictureByName(&file, path);
}

QPixmap ProgramPicture()
{
    static const QImage picture = ReadPictureByName(QStringLiteral(":/pictures/moravel.png"));
    return QPixmap::fromImage(picture);
}

QPixmap ProgramPicture(int size)
{
    return ProgramPicture().scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QFont ControlFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setWeight(QFont::Bold);
    return font;
}

QFont ReportFont(int pixels, const QString& face)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setWeight(QFont::Bold);
    return font;
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

QLineEdit* MakeLabel(const QString& text, const QColor& colour, QWidget* parent, int maxLength)
{
    auto* label = new QLineEdit(parent);
    label->setMaxLength(maxLength);
    label->setText(text);
    label->setReadOnly(true);
    label->setFrame(false);
    label->setFocusPolicy(Qt::NoFocus);
    label->setFont(ControlFont());
    label->setCursorPosition(0);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Base, QColor(128, 128, 128));
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::Disabled, QPalette::Text, colour);
    label->setPalette(palette);
    return label;
}

namespace {
QSize ScreenSize()
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return {1024, 768};
}
}

int CentreX(int width)
{
    const int screen = ScreenSize().width();
    return screen > width ? (screen - width) / 2 : 0;
}

int CentreY(int height)
{
    const int screen = ScreenSize().height();
    return screen > height ? (screen - height) / 2 : 0;
}
