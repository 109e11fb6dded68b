#include "mail/MapiMailer.h"
#include "mail/ReportMail.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

TEST(ReportMail, FillsRecipientsAttachmentAndNote)
{
    TempEnvironment env;
    ReportMail mail;
    mail.toText = "a@x; b@y;";
    mail.subject = "Today";
    MapiMailer mailer;
    mailer.TakeError();
    FillReportMail(mailer, mail, "/r/saved.jpg");
    EXPECT_EQ(mailer.RecipientCount(), 3u);
    EXPECT_EQ(mailer.AttachmentCount(), 1u);
    EXPECT_EQ(mailer.noteText, NoMessageNote);

    mail.message = "Hello";
    MapiMailer second;
    second.TakeError();
    FillReportMail(second, mail, "/r/saved.jpg");
    EXPECT_EQ(second.noteText, "Hello");
}
