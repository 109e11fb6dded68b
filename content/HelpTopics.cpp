#include "content/HelpTopics.h"

#include "content/PageWriter.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <array>

namespace {
struct Topic {
    const char* name;
    const char* text;
};

const std::array<Topic, HelpTopicCount> topics{{
    {"Moravel in a Nutshell",
     "Moravel 2005 is one of a kind Numerology, Astrology and Biorhythms Daily Analyzer and Companion Reader. It is "
     "a daily analyzer calibrated to your personal profile, so the readings it gives are yours alone, and you can "
     "verify them against your past, your present and your future."
     "<p>All readings are combined in one daily report built from numerology, astrology and biorhythm data. You need "
     "no prior knowledge of any of these arts: enter your name and your birthday, and Moravel does the rest."},
    {"Profiles In and Out",
     "To receive a daily analysis you need to create at least one profile first. Click on the Add Profile button, "
     "enter your full name, your birth date and a description of the profile, add your parents' birth dates if you "
     "know them, and click on Save."
     "<p>Moravel calibrates a profile automatically from the birthdays and the name. If you prefer manual "
     "calibration, tick the option \"Use Personal Data For Calculations\" and choose one good date and one bad date "
     "from your past; your readings are then tuned to those two days."
     "<p>You may keep as many profiles as you like, for yourself, your family and your friends, and compare any two "
     "of them."},
    {"Readings Top to Bottom",
     "To receive a daily analysis select the desired profile and click on the Analyze Day button. The report opens "
     "for the date chosen in the main window; the Prev Day and Next Day buttons show the day before and the day "
     "after (from 1 January 1900 to 31 December 2099)."
     "<p>The daily report shows your zodiac sign, your soul number, the day reading, the evil eye reading and your "
     "lottery numbers, followed by the Emotional, Physical, Intellectual, Intuition and Fortune readings. The E, P, "
     "B, I and F buttons spread each of these readings over the day, hour by hour. Explain tells you what the "
     "readings mean, and the report can be printed, saved as a picture or sent by e-mail."
     "<p>For a companion analysis select one profile, hold down Ctrl and click on a second profile, then click on "
     "the Companion button. Moravel compares the two people for love, friendship and business; it is not meant for "
     "two profiles of the same person."
     "<p>To learn whether a dream deserves interpretation, select a profile and the date of the dream and click on "
     "the Dreams button. The date cannot lie before the birth date of the profile."},
    {"How do I schedule Daily Reports?",
     "You can schedule Daily Reports to be delivered to you automatically every day at a certain time. Click on the "
     "Schedule button, enter your e-mail address, choose the delivery time and a plain text or a full colour report, "
     "and click on Save. No password is needed."
     "<p>Under Deliver you choose an e-mail, a desktop notification, or both; a notification alone needs no e-mail "
     "address. A report that falls due while your computer is off is sent when you next log in, where your "
     "desktop keeps the delivery as a user timer; under cron the computer must be on at the delivery time."
     "<p>The Schedule window has its own e-mail help; read it to make sure your mail program is ready for "
     "unattended delivery."},
    {"How do I open saved Daily Reports?",
     "You can open any saved Daily Reports by clicking on the Open Report button and selecting the desired report. "
     "You "
     "would also be able to print it in full color."},
    {"How do I uninstall Moravel?",
     "To uninstall Moravel open your application menu and choose Uninstall Moravel."
     "<p>You can also run the program uninstall in Moravel's folder, usually ~/.local/share/moravel."
     "<p>Either way, all components of Moravel are removed from your computer."},
    {"Tips",
     "In most cases entering your name, your birthday and your parents birthdays is all you need. If you want to "
     "fine-tune your readings, experiment with several profiles of yourself and keep the one that fits you best."
     "<p>Check each profile against days you remember well: when the readings of your past are right, you can "
     "trust them to show you the days ahead."
     "<p>Try these variants: your own birthday alone; your birthday with your mother's; your birthday with your "
     "father's; your birthday with both; and any of them with manual instead of automatic calibration."
     "<p>Do not stop at the daily report: look at the other day readings hour by hour to find the best time of the "
     "day for a meeting, a phone call or a rest, and plan your day around it."},
    {"Frequently Asked Questions",
     "<font color=\"red\">Can I schedule email delivery reports for multiple profiles?<p><font color=\"black\">No. "
     "Scheduled delivery serves a single profile only: the profile chosen in the Schedule window receives its Daily "
     "Report every day at the set time."},
    {"For Professional Reviewers",
     "Do you write reviews for online or print publications? Thank you for taking the time to look at Moravel."
     "<p>The best way to judge the accuracy of the readings is to create a profile of your own and to check the "
     "reports of days you remember well, good and bad alike, before you look ahead."
     "<p>Give the program a week or two: compare the hourly readings with how your days actually went, and try the "
     "manual calibration with a good and a bad day from your past."
     "<p>Moravel is made for entertainment, and we welcome every honest opinion, whatever your verdict."},
}};
}

std::string HelpTopicName(int index)
{
    return index >= 0 && index < HelpTopicCount ? topics[static_cast<std::size_t>(index)].name : "";
}

std::string HelpTopicText(int index)
{
    return index >= 0 && index < HelpTopicCount ? topics[static_cast<std::size_t>(index)].text : "";
}

std::string HelpPageBytes(const std::string& topicText)
{
    std::string page = "<html><head><title>2005</title></head>";
    page += "<body bgcolor=\"white\" text=\"white\" link=\"white\" vlink=\"white\" alink=\"white\" scroll=\"no\" "
            "oncontextmenu=\"return false\">";
    if (!topicText.empty()) {
        page += "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">";
        page += "<tr><td><font color=\"black\" size=\"2\" face=\"Verdana\"><b>";
        page += topicText;
        page += "</b></font>";
        page += "</td></tr></table><p>";
        page += "<A HREF=\"javascript:window.print()\"><font color=\"green\" size=\"4\" "
                "face=\"Arial\"><b>Print</b></font></A>";
    } else {
        page += "<center><table border=\"0\" bordercolor=\"black\" cellpadding=\"0\" cellspacing=\"0\" "
                "height=\"100%\" width=\"100%\">";
        page += "<tr><td align=\"center\"><font color=\"black\" size=\"5\" face=\"Verdana\"><b>Help "
                "Wizard</b></font></td></tr></table></center>";
    }
    page += "</body></html>";
    return ToWindows1252(page);
}

std::string HelpPagePath()
{
    return InstallDir() + "help.htm";
}

bool WriteHelpPage(const std::string& topicText)
{
    return WriteFileAtomically(HelpPagePath(), HelpPageBytes(topicText), Durable::No);
}
