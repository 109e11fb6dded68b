#include "app/ui/CommandWindows.h"

#include "content/ui/ContentPageWindows.h"
#include "content/ui/HelpWizard.h"
#include "engine/ui/CompanionWindow.h"
#include "mail/ui/EmailReport.h"
#include "mail/ui/ModalRun.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "reports/ui/ReportViewWindow.h"
#include "schedule/ui/CurrentScheduleWindow.h"
#include "schedule/DailySchedule.h"
#include "schedule/TaskFile.h"
#include "schedule/ui/ScheduleWindow.h"

void CommandWindows::OpenDailyAnalysis(QWidget* parent, const std::string& profilePath, const Date& date)
{
    DailyAnalysisWindow window(parent);
    ConnectEmailCommand(window);
    QObject::connect(&window, &DailyAnalysisWindow::dayWindowRequested, &window,
                     [profilePath](const Date& day, QWidget* over) { OpenDailyAnalysis(over, profilePath, day); });
    window.SetProfileFile(profilePath);
    window.SetBaseDate(date);
    window.SetShownDate(date);
    window.exec();
}

bool CommandWindows::OpenCurrentlyScheduled(QWidget* parent)
{
    CurrentScheduleWindow window(parent);
    return window.exec() == QDialog::Accepted;
}

void CommandWindows::OpenScheduleWindow(QWidget* parent, const std::string& profilePath)
{
    ScheduleWindow window(parent);
    window.SetProfilePath(profilePath);
    window.SetForm(FormOfTask(ReadTaskFile()));
    window.exec();
}

void CommandWindows::OpenReportViewer(QWidget* parent, const QString& path, const QString& fileName)
{
    ReportViewWindow viewer(path, fileName, parent);
    RunModal(viewer);
}

void CommandWindows::OpenCompanionWindow(QWidget* parent, const std::string& firstPath, const std::string& secondPath)
{
    CompanionWindow window(parent);
    window.Analyse(firstPath, secondPath);
    window.exec();
}

void CommandWindows::OpenDreamPage(QWidget* parent, const std::string& profilePath, const Date& date)
{
    ShowDreamPage(profilePath, date.month, date.day, date.year, parent);
}

void CommandWindows::OpenHelpWizard(QWidget* parent)
{
    HelpWizard wizard(parent);
    wizard.exec();
}
