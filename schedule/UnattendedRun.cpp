#include "schedule/UnattendedRun.h"

#include "reports/DailyReadingSet.h"
#include "mail/MapiMailer.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/ImageEncoder.h"
#include "platform/Paths.h"
#include "reports/ReportPicture.h"
#include "schedule/PlainReport.h"

#include <QGuiApplication>

namespace {

DailyReadingSet TodaysSet(const std::string& profilePath)
{
    const Date today = Today();
    DailyReadingSet set;
    ComputeDailyReadingSet(set, profilePath, today.year, today.month, today.day, ReadingRange::Unlimited);
    return set;
}

std::string ReportPicturePath()
{
    return ReportsDir() + "report.jpg";
}

void SendReport(const std::string& email, const std::string& note, const std::string& attachment)
{
    MapiMailer mailer;
    if (mailer.TakeError() != 0)
        return;
    mailer.AddRecipient(email);
    mailer.SetOriginatorName("Moravel");
    mailer.SetSubject("Daily Report");
    if (!attachment.empty())
        mailer.AddAttachment(attachment);
    mailer.noteText = note;
    mailer.Send(0);
}

}  // namespace

std::string ComposePlainReport(const std::string& profilePath)
{
    return PlainReportText(TodaysSet(profilePath));
}

bool RenderReportFile(const std::string& profilePath)
{
    const std::string path = ReportPicturePath();
    if (FileExists(path))
        MakeWritableAndDelete(path);
    const DailyReadingSet set = TodaysSet(profilePath);
    // Drawing text needs the application's font database.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || !HasEncoder("image/jpeg"))
        return false;
    return SaveImage(ComposeReportPicture(set, ReportVariant::Unattended), QString::fromStdString(path));
}

void SendReportImage(const std::string& email)
{
    SendReport(email, "Daily Report", ReportPicturePath());
}

void SendReportText(const std::string& email, const std::string& text)
{
    SendReport(email, text, {});
}

void RunUnattended(const std::string& profilePath, const std::string& email, int fullColour)
{
    if (fullColour == 1 && RenderReportFile(profilePath)) {
        SendReportImage(email);
        return;
    }
    const std::string text = ComposePlainReport(profilePath);
    if (!text.empty())
        SendReportText(email, text);
}
