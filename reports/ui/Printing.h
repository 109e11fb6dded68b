#pragma once

#include "engine/DailyReadingSet.h"

#include <QString>

// Prints the daily report in black and white through the print service: the
// title line, the readings and texts, the drawing face.
void PrintDailyReport(const QString& title, const DailyReadingSet& set, const QString& fontFace);
// Prints InstallDir + "hourly.jpg" with the print options.
void PrintHourlyReport();
// Prints a saved report picture in colour with the print options; sourceName names it in the options title.
void PrintReportImage(const QString& imagePath, const QString& sourceName);
