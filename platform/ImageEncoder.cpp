#include "platform/ImageEncoder.h"

#include "platform/DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QImageIOPlugin>
#include <QImageReader>
#include <QBuffer>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An encoder found by MIME type: a plugin's format, or one of Qt's built-in
// formats (PNG, BMP, ...) when `plugin` is null; no encoder when `format` is empty.
struct Encoder {
    QImageIOPlugin* plugin = nullptr;
    QByteArray format;
};

// Plugins are matched through the MIME types their metadata lists, and only the
// match is loaded. Qt's own writer loads every image plugin installed (with
// libtiff, libwebp and more behind them) to choose one, which cost each
// scheduled run several milliseconds and 1.5 MB.
Encoder PluginEncoder(const QByteArray& mimeType)
{
    // The plugin named after the format is asked first (libqjpeg.so for image/jpeg):
    // reading a plugin's metadata opens its file. Any other may still answer.
    const QString subtype = QString::fromLatin1(mimeType.mid(mimeType.indexOf('/') + 1));
    for (const QString& root : QCoreApplication::libraryPaths()) {
        const QDir dir(root + QStringLiteral("/imageformats"));
        QStringList names = dir.entryList(QDir::Files, QDir::Name);
        std::stable_partition(names.begin(), names.end(),
                              [&](const QString& name) { return name.contains(subtype, Qt::CaseInsensitive); });
        for (const QString& name : names) {
            QPluginLoader loader(dir.filePath(name));
            const QJsonObject meta = loader.metaData().value(QStringLiteral("MetaData")).toObject();
            const QJsonArray mimeTypes = meta.value(QStringLiteral("MimeTypes")).toArray();
            const QJsonArray keys = meta.value(QStringLiteral("Keys")).toArray();
            for (qsizetype i = 0; i < std::min(mimeTypes.size(), keys.size()); ++i) {
                if (mimeTypes.at(i).toString().toLatin1() != mimeType)
                    continue;
                const QByteArray key = keys.at(i).toString().toLatin1();
                auto* plugin = qobject_cast<QImageIOPlugin*>(loader.instance());
                if (plugin && plugin->capabilities(nullptr, key).testFlag(QImageIOPlugin::CanWrite))
                    return {plugin, key};
            }
        }
    }
    return {};
}

Encoder FindEncoder(const QByteArray& mimeType)
{
    if (Encoder encoder = PluginEncoder(mimeType); encoder.plugin)
        return encoder;
    // The first encoder of Qt's list whose MIME type matches exactly.
    if (!QImageWriter::supportedMimeTypes().contains(mimeType))
        return {};
    const QList<QByteArray> formats = QImageWriter::imageFormatsForMimeType(mimeType);
    return formats.isEmpty() ? Encoder{} : Encoder{nullptr, formats.first()};
}

// Plugins stay loaded for the life of the program, so an answer holds.
Encoder EncoderFor(const QByteArray& mimeType)
{
    static QHash<QByteArray, Encoder> found;
    const auto known = found.constFind(mimeType);
    return known != found.cend() ? *known : *found.insert(mimeType, FindEncoder(mimeType));
}

bool Encode(const Encoder& encoder, const QImage& image, QIODevice& device)
{
    if (!encoder.plugin) {
        QImageWriter writer(&device, encoder.format);
        // For PNG, quality 100 would mean no compression.
        if (encoder.format != "png")
            writer.setQuality(100);
        return writer.write(image);
    }
    const std::unique_ptr<QImageIOHandler> handler(encoder.plugin->create(&device, encoder.format));
    if (!handler)
        return false;
    if (handler->supportsOption(QImageIOHandler::Quality))
        handler->setOption(QImageIOHandler::Quality, 100);
    // A plugin's handler takes the picture's description as an option (a JPEG comment).
    const QString description = image.text(QStringLiteral("Description"));
    if (!description.isEmpty() && handler->supportsOption(QImageIOHandler::Description))
        handler->setOption(QImageIOHandler::Description, description);
    return handler->write(image);
}

}  // namespace

bool HasEncoder(const QByteArray& mimeType)
{
    return !EncoderFor(mimeType).format.isEmpty();
}

bool SaveImage(const QImage& image, const QString& path, const QByteArray& mimeType)
{
    const Encoder encoder = EncoderFor(mimeType);
    if (encoder.format.isEmpty() || image.isNull())
        return false;
    // A link in the picture's place is removed, never written through: it could point
    // anywhere, and a saved file would follow it.
    const QByteArray local = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(local.constData(), &info) == 0 && S_ISLNK(info.st_mode) && ::unlink(local.constData()) != 0)
        return false;
    // Written beside the target and renamed over it, so a failed save never
    // leaves half a picture behind.
    const bool replaces = ::stat(local.constData(), &info) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A reading of a person is private as every data file: a new picture is 0600, a
    // replaced one keeps its mode.
    if (!replaces && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    if (!Encode(encoder, image, file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QImage ReadPicture(const QString& path)
{
    constexpr std::size_t MaxPictureSize = 64 * 1024 * 1024;
    std::string bytes;
    if (ReadRegularFile(QFile::encodeName(path).toStdString(), MaxPictureSize, bytes) != FileState::Readable)
        return {};
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    return reader.read();
}
