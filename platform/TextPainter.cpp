#include "platform/TextPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

TextPainter::TextPainter(QPainter& painter, const QPaintDevice* metricsDevice)
    : painter(painter),
      metricsDevice(metricsDevice)
{
    SetFont(painter.font());
}

void TextPainter::SetFont(const QFont& font)
{
    painter.setFont(font);
    const QFontMetricsF metrics = metricsDevice ? QFontMetricsF(font, metricsDevice) : QFontMetricsF(font);
    ascent = metrics.ascent();
    capHeight = metrics.capHeight();
}

void TextPainter::Draw(const QString& text, double x, double y, const QColor& colour)
{
    painter.setPen(colour);
    painter.drawText(QPointF(x, y + ascent), text);
}

void TextPainter::DrawOnLine(const QString& text, double x, double lineY, const QColor& colour)
{
    painter.setPen(colour);
    painter.drawText(QPointF(x, lineY + capHeight / 2), text);
}

void SetDrawingQuality(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}
