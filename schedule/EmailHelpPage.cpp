#include "schedule/EmailHelpPage.h"

PagePair EmailHelpPagePair()
{
    std::string text = PageHeading("E-mail Help - Please Read!");
    const char* const paragraphs[] = {
        "Moravel sends e-mail through your system's sendmail program. Nobody is at the computer to approve the "
        "Daily Analysis Report when it is sent at its scheduled time, so the mail program must send without asking.",
        "Install any sendmail-compatible program, such as msmtp (package msmtp-mta), nullmailer, postfix or exim4, "
        "and enter your mail account in its settings (for msmtp, the file .msmtprc in your home folder).",
        "Without one, the Email button of the daily report opens your desktop's default mail client with the report "
        "attached, and you send it from there. Choose the default mail client in your desktop's settings.",
        "The daily delivery cannot be sent through the mail client: it needs the sendmail-compatible program.",
        "Where your desktop runs a systemd user session, the delivery is a user timer: a report that falls due while "
        "the computer is off or asleep is sent when you next log in. Where it runs under cron instead, the computer "
        "must be switched on and connected to the Internet at the scheduled time.",
        "A delivery can also show the report as a desktop notification, alone or beside the e-mail. A notification "
        "alone needs no e-mail address and no mail program.",
        "You can still use any mail client for all your ordinary e-mail.",
    };
    for (const char* paragraph : paragraphs)
        text += PageParagraph(paragraph);

    PagePair pair;
    pair.entryName = "email_e.htm";
    pair.contentName = "email_r.htm";
    pair.bodyTag = PageBody::Scrolling;
    pair.text = text;
    // This page closes its table before the print link.
    pair.printRow =
        R"html(</td></tr></table></center><p><A HREF="javascript:window.print()"><font color="navy" size="4" face="Arial"><b>Print</b></font></A>)html";
    pair.closing = "<p><br></body></html>";
    return pair;
}
