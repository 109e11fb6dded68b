#pragma once

#include "platform/Date.h"

#include <string>

class QString;
class QWidget;

// The windows other parts of the program provide, as the main window's commands
// open them: each runs modal over `parent` and returns when it closes.
class CommandWindows {
public:
    static void OpenDailyAnalysis(QWidget* parent, const std::string& profilePath, const Date& date);
    // True when the user goes on to change the schedule.
    static bool OpenCurrentlyScheduled(QWidget* parent);
    static void OpenScheduleWindow(QWidget* parent, const std::string& profilePath);
    static void OpenReportViewer(QWidget* parent, const QString& path, const QString& fileName);
    static void OpenCompanionWindow(QWidget* parent, const std::string& firstPath, const std::string& secondPath);
    static void OpenDreamPage(QWidget* parent, const std::string& profilePath, const Date& date);
    static void OpenHelpWizard(QWidget* parent);
};
