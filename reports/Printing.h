#pragma once

#include <QString>

class DailyAnalysisWindow;

// Prints the daily report in black and white through the print service.
void PrintDailyReport(const DailyAnalysisWindow& window);
// Prints InstallDir + "hourly.jpg" with the print options.
void PrintHourlyReport();
// Prints a saved report picture in colour with the print options; sourceName names it in the options title.
void PrintReportImage(const QString& imagePath, const QString& sourceName);
