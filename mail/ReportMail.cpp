#include "mail/ReportMail.h"

#include "mail/Contacts.h"
#include "mail/MapiMailer.h"

void FillReportMail(MapiMailer& mailer, const ReportMail& mail, const std::string& savedReportPath)
{
    for (const std::string& recipient : SplitRecipients(mail.toText))
        mailer.AddRecipient(recipient);
    mailer.SetOriginatorName("");
    mailer.SetSubject(mail.subject);
    mailer.AddAttachment(mail.resized ? mail.attachmentPath : savedReportPath);
    mailer.noteText = mail.message.empty() ? NoMessageNote : mail.message;
}
