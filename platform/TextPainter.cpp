#include "platform/TextPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

TextPainter::TextPainter(QPainter& painter, const QPaintDevice* metricsDevice)
    : painter(painter)
    , metricsDevice(metricsDevice)
{
    SetFont(painter.font());
}

void TextPainter::SetFont(const QFont& font)
{
    painter.setFont(font);
    ascent = metricsDevice ? QFontMetricsF(font, metricsDevice).ascent() : QFontMetricsF(font).ascent();
}

void TextPainter::Draw(const QString& text, double x, double y, const QColor& colour)
{
    painter.setPen(colour);
    painter.drawText(QPointF(x, y + ascent), text);
}

void SetDrawingQuality(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}
