#include "reports/ReportPicture.h"

#include "platform/Drawing.h"
#include "platform/ReportBars.h"
#include "platform/TextPainter.h"
#include "reports/ReadingLines.h"

#include <QPainter>
#include <algorithm>

namespace {

using namespace DrawColour;
static_assert(ReportBars.size() == CycleCount);

constexpr int Width = 780;
constexpr int Height = 550;
constexpr int BarBase = 497;
constexpr int PixelsPerPoint = 3;

// Qt fills a picture of 24-bit pixels row by row through its blender, and hands more
// than 96 rows at once to worker threads that it then waits for; in bands of 64 rows a
// fill stays on this thread.
void FillRect(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    constexpr qreal band = 64;
    for (qreal top = rect.top(); top < rect.bottom(); top += band)
        painter.fillRect(QRectF(rect.left(), top, rect.width(), std::min(band, rect.bottom() - top)), colour);
}

// The picture's lines end flat, meet in sharp corners and lie on whole pixels, so each
// is filled as the rectangle it covers: the pixels of the stroked line, without the
// antialiasing rasterizer.
void FillLine(QPainter& painter, QPointF from, QPointF to, int width, const QColor& colour)
{
    const qreal half = width / 2.0;
    const QPointF across = from.x() == to.x() ? QPointF(half, 0) : QPointF(0, half);
    FillRect(painter, QRectF(from - across, to + across).normalized(), colour);
}

void FillFrame(QPainter& painter, const QRectF& frame, int width, const QColor& colour)
{
    const QRectF outer = frame.adjusted(-width / 2.0, -width / 2.0, width / 2.0, width / 2.0);
    FillRect(painter, QRectF(outer.left(), outer.top(), outer.width(), width), colour);
    FillRect(painter, QRectF(outer.left(), outer.bottom() - width, outer.width(), width), colour);
    FillRect(painter, QRectF(outer.left(), outer.top(), width, outer.height()), colour);
    FillRect(painter, QRectF(outer.right() - width, outer.top(), width, outer.height()), colour);
}

}  // namespace

QImage ComposeReportPicture(const DailyReadingSet& set, ReportVariant variant)
{
    QImage image(Width, Height, QImage::Format_RGB888);
    image.fill(Grey);
    // The picture's text for those who cannot see it: kept in the file (a JPEG comment, a PNG
    // text chunk) and read out by the report viewer.
    image.setText(QStringLiteral("Description"), QString::fromStdString(ReadingSummary(set.title, ReadingLines(set))));

    QPainter painter(&image);
    SetDrawingQuality(painter);
    painter.setFont(ReportFont(12));
    TextPainter text(painter);

    FillFrame(painter, QRectF(1, 1, 777, 547), 2, Black);

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

    FillLine(painter, QPointF(130, 199), QPointF(130, 499), 4, Black);
    FillLine(painter, QPointF(130, 499), QPointF(700, 499), 4, Black);

    for (int kind = 0; kind < CycleCount; ++kind) {
        const ReportBar& bar = ReportBars[static_cast<std::size_t>(kind)];
        const bool movedLabel = variant == ReportVariant::Unattended && kind == static_cast<int>(CycleKind::Intuition);
        text.Draw(QString::fromLatin1(bar.label), movedLabel ? 484 : bar.labelX, 509, Black);
        const int top = BarBase - PixelsPerPoint * set.readings[static_cast<std::size_t>(kind)];
        FillLine(painter, QPointF(bar.barX, BarBase), QPointF(bar.barX, top), 40, bar.colour);
    }
    painter.end();
    return image;
}
