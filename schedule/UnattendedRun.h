#pragma once

#include "reports/DailyReadingSet.h"

#include <string>

// Draws today's report picture (readings unlimited) into UnattendedPicturePath();
// false when it cannot. Only a run with Qt's GUI module has one to give.
using ReportPictureWriter = bool (*)(const DailyReadingSet& unlimitedSet);

// The scheduled mail of today's report to `email`: the picture when fullColour is 1
// and writePicture draws it, the plain text otherwise. Shows nothing.
void RunUnattended(const DailyReadingSet& unlimitedSet, const std::string& email, int fullColour,
                   ReportPictureWriter writePicture);

// ReportsDir + "report.jpg", the picture a scheduled mail attaches.
std::string UnattendedPicturePath();

// One message "Daily Report" from "Moravel": the picture attached, or the text as body.
void SendReportImage(const std::string& email);
void SendReportText(const std::string& email, const std::string& text);
