#pragma once

#include <string>

// The scheduled delivery: today's report of the task's profile mailed to the
// task's address, as a picture (fullColour 1) or as plain text. Shows nothing.
// Needs a Q(Gui)Application (offscreen) for the picture.
void RunUnattended(const std::string& profilePath, const std::string& email, int fullColour);

// Today's report as nine lines of text, the readings unlimited (a peak shows 100).
std::string ComposePlainReport(const std::string& profilePath);

// Today's report picture written to ReportsDir + "report.jpg"; false when there is
// no JPEG encoder or the file could not be written.
bool RenderReportFile(const std::string& profilePath);

// One message "Daily Report" from "Moravel": the picture attached, or the text as body.
void SendReportImage(const std::string& email);
void SendReportText(const std::string& email, const std::string& text);
