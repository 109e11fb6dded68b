#include "schedule/EmailHelpPage.h"

PagePair EmailHelpPagePair()
{
    std::string text = PageHeading("E-mail Help - Please Read!");
    const char* const paragraphs[] = {
        "This applies to Outlook 2003, Outlook 2002 (SP1, SP2 and SP3), Outlook 2000 SP1 + SR1 and Outlook 2000 SP2. "
        "These versions of Outlook ask you to approve every program that tries to send e-mail through them. "
        "Nobody is at the computer to approve the Daily Analysis Report when it is sent at its scheduled time, "
        "so the report is never delivered.",
        "The remedy is to send the reports through Outlook Express. In Outlook Express, on the 'Tools' menu, click "
        "'Options'. On the 'Security' tab, clear the check box 'Warn me when other applications try to send mail as me' "
        "and click OK.",
        "Then make Outlook Express your default mail program: On the 'Tools' menu, click 'Options'. On the 'General' "
        "tab, click 'Make Default' next to 'This application is the default mail handler'. Click OK.",
        "You can still use Outlook for all your ordinary e-mail. Outlook Express is only needed to send the daily "
        "reports.",
        "At the scheduled time your computer must be switched on and connected to the Internet, or the report cannot "
        "be sent.",
        "A mail account must be set up in Outlook Express, and Outlook Express must stay your default mail program. "
        "If another program makes itself the default mail handler later, make Outlook Express the default again.",
        "On Linux, the daily delivery and direct sending go through the system's sendmail program: install any "
        "sendmail-compatible program, such as msmtp (package msmtp-mta), nullmailer, postfix or exim4, and enter your "
        "mail account in its settings (for msmtp, the file .msmtprc in your home folder). Without one, the Email "
        "button of the daily report opens your desktop's mail client with the report attached, and you send it from "
        "there; the daily delivery cannot be sent without one.",
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
