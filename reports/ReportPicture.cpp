#include "reports/ReportPicture.h"

#include "platform/Look.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QHash>
#include <QImageIOPlugin>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>
#include <QPluginLoader>
#include <QSaveFile>
#include <algorithm>
#include <memory>

namespace {

using namespace DrawColour;

constexpr int Width = 780;
constexpr int Height = 550;
constexpr int BarBase = 497;
constexpr int PixelsPerPoint = 3;

struct Bar {
    const char* label;
    int labelX;
    int barX;
    QColor colour;
};

// Lines end flat and meet in sharp corners, as the picture's geometry assumes.
QPen Pen(const QColor& colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

class TextPainter {
public:
    TextPainter(QPainter& painter) : painter(painter), ascent(QFontMetricsF(painter.font()).ascent()) {}

    // The point is the text's top-left corner.
    void Draw(const QString& text, int x, int y, const QColor& colour)
    {
        painter.setPen(colour);
        painter.drawText(QPointF(x, y + ascent), text);
    }

private:
    QPainter& painter;
    qreal ascent;
};

}  // namespace

QImage ComposeReportPicture(const DailyReadingSet& set, ReportVariant variant)
{
    QImage image(Width, Height, QImage::Format_RGB888);
    image.fill(Grey);

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setFont(ReportFont(12));
    TextPainter text(painter);

    painter.setPen(Pen(Black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, 777, 547));

    text.Draw(QString::fromStdString(set.title), 90, 14, Black);
    text.Draw(QString::fromStdString(set.zodiacText), 90, 39, Blue);
    text.Draw(QString::fromStdString(set.soulNumberText), 90, 64, DarkRed);
    text.Draw(QString::fromStdString(set.dayReadingText), 90, 89, White);
    text.Draw(QString::fromStdString(set.evilEyeText), 90, 114, White);
    text.Draw(QString::fromStdString(set.lotteryText), 90, 139, Yellow);

    text.Draw(QStringLiteral("Other Day Readings"), 90, 169, Black);
    text.Draw(QStringLiteral("100"), 86, 199, Black);
    for (int step = 9; step >= 1; --step)
        text.Draw(QString::number(step * 10), 94, 199 + (10 - step) * 30, Black);
    text.Draw(QStringLiteral("0"), 102, 499, Black);

    painter.setPen(Pen(Black, 4));
    painter.drawLine(QPointF(130, 199), QPointF(130, 499));
    painter.drawLine(QPointF(130, 499), QPointF(700, 499));

    const Bar bars[CycleCount] = {
        {"Emotional", 154, 185, Blue},
        {"Physical", 264, 290, Red},
        {"Intellectual", 364, 400, White},
        {"Intuition", variant == ReportVariant::Window ? 476 : 484, 506, Green},
        {"Fortune", 594, 620, Yellow},
    };
    for (int kind = 0; kind < CycleCount; ++kind) {
        const Bar& bar = bars[kind];
        text.Draw(QString::fromLatin1(bar.label), bar.labelX, 509, Black);
        painter.setPen(Pen(bar.colour, 40));
        const int top = BarBase - PixelsPerPoint * set.readings[static_cast<std::size_t>(kind)];
        painter.drawLine(QPointF(bar.barX, BarBase), QPointF(bar.barX, top));
    }
    painter.end();
    return image;
}

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
    for (const QString& root : QCoreApplication::libraryPaths()) {
        const QDir dir(root + QStringLiteral("/imageformats"));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
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
        writer.setQuality(100);
        return writer.write(image);
    }
    const std::unique_ptr<QImageIOHandler> handler(encoder.plugin->create(&device, encoder.format));
    if (!handler)
        return false;
    if (handler->supportsOption(QImageIOHandler::Quality))
        handler->setOption(QImageIOHandler::Quality, 100);
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
    // Written beside the target and renamed over it, so a failed save never
    // leaves half a picture behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!Encode(encoder, image, file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
