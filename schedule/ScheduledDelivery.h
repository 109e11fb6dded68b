#pragma once

#include "schedule/TaskFile.h"
#include "schedule/UnattendedRun.h"

// The scheduled run: today's reading mailed and/or shown as a desktop notification,
// as the task chooses. An e-mail that cannot go out (no mail program) is shown on
// the desktop instead, silently. Waits at most ten minutes for the notification's
// "Open" or its close. Needs a QCoreApplication; when DrawsPicture, a QGuiApplication
// (offscreen) and writePicture, without which the text is mailed. Gives the exit
// status: 1, with one line on standard error, when the profile cannot be read.
int RunScheduledDelivery(const TaskFileContents& task, ReportPictureWriter writePicture = nullptr);

// Whether the run mails the report picture, which needs Qt's GUI module to draw;
// the plain text and the notification need neither it nor a display.
bool DrawsPicture(const TaskFileContents& task);
