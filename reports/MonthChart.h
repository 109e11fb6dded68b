#pragma once

#include "reports/MonthView.h"

#include <QImage>
#include <QSizeF>
#include <QString>

#include <string>
#include <vector>

class QPainter;

// What the month chart shows: the days of its range and the chosen one.
struct MonthChart {
    MonthRange range;
    std::vector<MonthDay> days;
    std::string title;
    int chosen = -1;  // index into days, -1 for none
};

inline constexpr int MonthPictureWidth = 780;
inline constexpr int MonthPictureHeight = 550;

// Draws the chart into (0, 0, size): the five readings as curves in the report's bar
// colours, the scale, the dates with good and bad days marked, the chosen day and
// its values, the legend.
void DrawMonthChart(QPainter& painter, const QSizeF& size, const MonthChart& chart,
                    const QString& fontFace = QStringLiteral("Verdana"));

// The chart as a 780 x 550 picture.
QImage ComposeMonthPicture(const MonthChart& chart);

// The chart for a profile: `days` days around `chosen`; without a profile, no days.
MonthChart MonthChartOf(const ProfileRecord* profile, const Date& chosen, int days);
