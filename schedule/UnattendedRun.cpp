#include "schedule/UnattendedRun.h"

#include "mail/MapiMailer.h"
#include "platform/Paths.h"
#include "schedule/PlainReport.h"

namespace {

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

std::string UnattendedPicturePath()
{
    return ReportsDir() + "report.jpg";
}

void SendReportImage(const std::string& email)
{
    SendReport(email, "Daily Report", UnattendedPicturePath());
}

void SendReportText(const std::string& email, const std::string& text)
{
    SendReport(email, text, {});
}

void RunUnattended(const DailyReadingSet& set, const std::string& email, int fullColour,
                   ReportPictureWriter writePicture)
{
    if (fullColour == 1 && writePicture && writePicture(set)) {
        SendReportImage(email);
        return;
    }
    const std::string text = PlainReportText(set);
    if (!text.empty())
        SendReportText(email, text);
}
