#include "reports/ReportPicture.h"

#include "platform/Drawing.h"
#include "platform/ReportBars.h"
#include "platform/TextPainter.h"
#include "reports/ReadingLines.h"

#include <QPainter>

namespace {

using namespace DrawColour;
static_assert(ReportBars.size() == CycleCount);

constexpr int Width = 780;
constexpr int Height = 550;
constexpr int BarBase = 497;
constexpr int PixelsPerPoint = 3;

// Lines end flat and meet in sharp corners, as the picture's geometry assumes.
QPen Pen(const QColor& colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
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

    for (int kind = 0; kind < CycleCount; ++kind) {
        const ReportBar& bar = ReportBars[static_cast<std::size_t>(kind)];
        const bool movedLabel = variant == ReportVariant::Unattended && kind == static_cast<int>(CycleKind::Intuition);
        text.Draw(QString::fromLatin1(bar.label), movedLabel ? 484 : bar.labelX, 509, Black);
        painter.setPen(Pen(bar.colour, 40));
        const int top = BarBase - PixelsPerPoint * set.readings[static_cast<std::size_t>(kind)];
        painter.drawLine(QPointF(bar.barX, BarBase), QPointF(bar.barX, top));
    }
    painter.end();
    return image;
}
