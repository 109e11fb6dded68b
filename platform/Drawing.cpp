#include "platform/Drawing.h"

#include "platform/Centring.h"
#include "platform/FontFamilies.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QResource>
#include <QScreen>
#include <cstring>

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

QImage BuiltInPixels(const QString& name)
{
    const QResource resource(name);
    const qint64 size = resource.size();
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression || size < 12 ||
        std::memcmp(resource.data(), "MRVP", 4) != 0)
        return {};
    quint32 side[2];
    std::memcpy(side, resource.data() + 4, sizeof side);
    if ((size - 12) / 4 < qint64(side[0]) * side[1])
        return {};
    return QImage(resource.data() + 12, int(side[0]), int(side[1]), int(side[0]) * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

QPixmap ProgramPicture()
{
    static const QImage picture = BuiltInPixels(QStringLiteral(":/pixels/moravel.pixels"));
    return QPixmap::fromImage(picture);
}

QPixmap ProgramPicture(int size)
{
    return ProgramPicture().scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QFont ControlFont()
{
    QFont font(InstalledFamily(QStringLiteral("Arial")));
    font.setPixelSize(16);
    font.setWeight(QFont::Bold);
    return font;
}

QFont ReportFont(int pixels, const QString& face)
{
    QFont font(InstalledFamily(face));
    font.setPixelSize(pixels);
    font.setWeight(QFont::Bold);
    return font;
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
    return Centred(ScreenSize().width(), width);
}

int CentreY(int height)
{
    return Centred(ScreenSize().height(), height);
}
