#include "reports/MonthChart.h"

#include "platform/Calendar.h"
#include "platform/Drawing.h"
#include "platform/ReportBars.h"
#include "platform/TextPainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <vector>

namespace {
using namespace DrawColour;

const QColor GridGrey{112, 112, 112};
const QColor ChosenBand{160, 160, 160};
const char* const ShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Days from `date` to the first of the next month.
int GregorianDaysLeft(const Date& date)
{
    return GregorianDaysInMonth(date.month, date.year) - date.day + 1;
}

// A small triangle pointing up at (x, y): the mark of a good or bad day.
void DayMark(QPainter& painter, double x, double y, const QColor& colour)
{
    const QPointF corners[] = {{x, y}, {x - 4.5, y + 8}, {x + 4.5, y + 8}};
    painter.setPen(QPen(Black, 1.0));
    painter.setBrush(colour);
    painter.drawPolygon(corners, 3);
    painter.setBrush(Qt::NoBrush);
}

void DrawLegend(QPainter& painter, TextPainter& text, const QFontMetricsF& metrics, double x, double y)
{
    for (const ReportBar& bar : ReportBars) {
        painter.fillRect(QRectF(x, y + metrics.height() / 2 - 1.5, 18, 3), bar.colour);
        const QString label = QString::fromLatin1(bar.label);
        text.Draw(label, x + 22, y, Black);
        x += 22 + metrics.horizontalAdvance(label) + 14;
    }
    DayMark(painter, x + 5, y + 3, Green);
    text.Draw(QStringLiteral("Good Day"), x + 14, y, Black);
    x += 14 + metrics.horizontalAdvance(QStringLiteral("Good Day")) + 12;
    DayMark(painter, x + 5, y + 3, Red);
    text.Draw(QStringLiteral("Bad Day"), x + 14, y, Black);
}
}

void DrawMonthChart(QPainter& painter, const QSizeF& size, const MonthChart& chart, const QString& fontFace)
{
    const MonthChartLayout layout = LayoutMonthChart(size.width(), size.height(), static_cast<int>(chart.days.size()));
    const QFont font = ReportFont(12, fontFace);
    const QFontMetricsF metrics(font);
    TextPainter text(painter);
    text.SetFont(font);

    // Straight lines along the axes need no smoothing, and are cheaper without it.
    const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double w = size.width();
    const double h = size.height();
    painter.fillRect(QRectF(0, 0, w, h), Grey);
    for (const QRectF& edge : {QRectF(0, 0, w, 2), QRectF(0, h - 2, w, 2), QRectF(0, 0, 2, h), QRectF(w - 2, 0, 2, h)})
        painter.fillRect(edge, Black);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    text.Draw(QString::fromStdString(chart.title), layout.left, 14, Black);
    DrawLegend(painter, text, metrics, layout.left, 40);

    const double columnWidth = (layout.right - layout.left) / layout.days;
    if (chart.chosen >= 0 && chart.chosen < layout.days)
        painter.fillRect(
            QRectF(layout.DayX(chart.chosen) - columnWidth / 2, layout.top, columnWidth, layout.bottom - layout.top),
            ChosenBand);

    // The scale: a line every ten points, labelled every twenty, each label centred on its line.
    for (int value = 0; value <= 100; value += 10) {
        const double y = layout.ValueY(value);
        if (value > 0)
            painter.fillRect(QRectF(layout.left, std::round(y), layout.right - layout.left, 1),
                             value % 50 == 0 ? GridGrey : GridGrey.lighter(115));
        if (value % 20 == 0) {
            const QString label = QString::number(value);
            text.DrawOnLine(label, layout.left - 6 - metrics.horizontalAdvance(label), y, Black);
        }
    }

    // Curves in cycle order, so the Fortune curve lies on top as its bar stands last.
    // A curve is two smoothed hairlines side by side, across each segment's direction:
    // a wider pen's outline costs ten times as much to fill.
    std::vector<QLineF> segments;
    for (int kind = 0; kind < CycleCount; ++kind) {
        segments.clear();
        for (std::size_t i = 1; i < chart.days.size(); ++i) {
            const QPointF from(layout.DayX(static_cast<int>(i - 1)),
                               layout.ValueY(chart.days[i - 1].readings[static_cast<std::size_t>(kind)]));
            const QPointF to(layout.DayX(static_cast<int>(i)),
                             layout.ValueY(chart.days[i].readings[static_cast<std::size_t>(kind)]));
            const QPointF across =
                std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y()) ? QPointF(0, 0.5) : QPointF(0.5, 0);
            segments.emplace_back(from - across, to - across);
            segments.emplace_back(from + across, to + across);
        }
        painter.setPen(QPen(ReportBars[static_cast<std::size_t>(kind)].colour, 1.0));
        painter.drawLines(segments.data(), static_cast<int>(segments.size()));
    }

    painter.fillRect(QRectF(layout.left - 1, layout.top, 2, layout.bottom - layout.top + 1), Black);
    painter.fillRect(QRectF(layout.left - 1, layout.bottom - 1, layout.right - layout.left + 1, 2), Black);

    // The date axis: day numbers where they fit, the month's name under its first day
    // and under the first of the range, the good and bad days marked above the dates.
    const int every = layout.LabelEvery(metrics.horizontalAdvance(QStringLiteral("00")) + 6);
    for (std::size_t i = 0; i < chart.days.size(); ++i) {
        const MonthDay& day = chart.days[i];
        const double x = layout.DayX(static_cast<int>(i));
        if (day.kind != DayReading::Normal)
            DayMark(painter, x, layout.bottom + 3, day.kind == DayReading::Good ? Green : Red);
        const bool chosen = static_cast<int>(i) == chart.chosen;
        if (i % static_cast<std::size_t>(every) == 0 || chosen) {
            const QString number = QString::number(day.date.day);
            text.Draw(number, x - metrics.horizontalAdvance(number) / 2, layout.bottom + 13, chosen ? White : Black);
        }
    }
    // The month's name under its first day, and under the range's first day when the
    // next first of a month leaves room for it; the year beside the first name shown
    // and beside every January.
    double roomUntil = 0.0;
    bool yearShown = false;
    for (std::size_t i = 0; i < chart.days.size(); ++i) {
        const Date& date = chart.days[i].date;
        if (i != 0 && date.day != 1)
            continue;
        const double x = layout.DayX(static_cast<int>(i)) - columnWidth / 2;
        const bool withYear = !yearShown || date.month == 1;
        const QString name = QString::fromLatin1(ShortMonths[(date.month - 1) % 12]) +
                             (withYear ? QStringLiteral(" %1").arg(date.year) : QString());
        if (i == 0) {
            const int untilFirst = GregorianDaysLeft(date);
            if (untilFirst < layout.days && untilFirst * columnWidth < metrics.horizontalAdvance(name) + 8)
                continue;
        }
        if (x < roomUntil)
            continue;
        text.Draw(name, x, layout.bottom + 30, Black);
        roomUntil = x + metrics.horizontalAdvance(name) + 8;
        yearShown = true;
    }

    if (chart.chosen >= 0 && chart.chosen < static_cast<int>(chart.days.size())) {
        const double x = layout.DayX(chart.chosen);
        painter.fillRect(QRectF(x - 0.75, layout.top, 1.5, layout.bottom - layout.top), Black);
        text.Draw(QString::fromStdString(MonthDayLine(chart.days[static_cast<std::size_t>(chart.chosen)])), layout.left,
                  size.height() - 30, Black);
    }
}

QImage ComposeMonthPicture(const MonthChart& chart)
{
    QImage image(MonthPictureWidth, MonthPictureHeight, QImage::Format_RGB888);
    QPainter painter(&image);
    SetDrawingQuality(painter);
    DrawMonthChart(painter, QSizeF(image.size()), chart);
    painter.end();
    return image;
}

MonthChart MonthChartOf(const ProfileRecord* profile, const Date& chosen, int days)
{
    MonthChart chart;
    chart.range = RangeAround(chosen, days);
    if (profile)
        chart.days = MonthDays(*profile, chart.range.first, chart.range.days);
    chart.title = MonthTitle(chart.range, profile ? profile->fullName : std::string());
    chart.chosen = IndexInRange(chart.range, chosen);
    return chart;
}
