#pragma once

#include "reports/DailyReadingSet.h"

struct MonthChart;

#include <QString>

// Prints the daily report in black and white through the print service: the
// title line, the readings and texts, the drawing face. Each print's job is named
// after what it prints.
void PrintDailyReport(const QString& title, const DailyReadingSet& set, const QString& fontFace);
// Prints InstallDir + "hourly.jpg" with the print options; `title` is the hourly chart's.
void PrintHourlyReport(const QString& title);
// Prints a saved report picture in colour with the print options; sourceName names it in the options title.
void PrintReportImage(const QString& imagePath, const QString& sourceName);
// Prints the month chart in colour within the printable area, named after its title.
void PrintMonthChart(const MonthChart& chart);
