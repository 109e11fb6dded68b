#include "content/DreamPage.h"
#include "content/HelpTopics.h"
#include "platform/Paths.h"
#include "support/TempEnvironment.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

TEST(DreamPage, VerdictTurnsAtTheEmotionalHigh)
{
    const std::string worth = "is worth interpreting.";
    const std::string none = "needs no interpretation.";
    const std::pair<int, bool> readings[] = {{3, false}, {78, false}, {84, false}, {85, true}, {93, true}, {99, true}};
    for (const auto& [reading, high] : readings) {
        const std::string verdict = DreamVerdict(reading, 3, 15, 2004);
        EXPECT_EQ(verdict.rfind("<font color=\"white\" size=\"2\" face=\"Verdana\"><b>Your Emotional Reading on "
                                "March 15, 2004 is " +
                                    std::to_string(reading) + "%",
                                0),
                  0u);
        EXPECT_EQ(verdict.find(worth) != std::string::npos, high) << reading;
        EXPECT_EQ(verdict.find(none) != std::string::npos, !high) << reading;
        EXPECT_EQ(verdict.substr(verdict.size() - 14), "</b></font><p>");
    }
}

TEST(DreamPage, SectionsInOrderThenTheVerdict)
{
    const std::string text = DreamPageText(50, 1, 2, 2003);
    const std::string pieces[] = {
        "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Dream Interpretation - The Usual Suspects</b></font><p>",
        "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>In most cases dreams can be easily explained and in 99% "
        "of all cases they do not mean anything.",
        "Most important it is NOT a bad thing!</b></font><p>",
        "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Dream Interpretation - The Message Inside</b></font><p>",
        "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>Less than 1% of all dreams fall in this category.",
        "If your dream has any of the above, go ahead and get an interpretation.</b></font><p>",
        "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Dream Interpretation - Timing</b></font><p>",
        "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>The timing of your dream MUST coincide with your "
        "Emotional "
        "High Reading on that day. Moravel will verify that for you automatically. If your Emotional Reading is not "
        "high enough, no interpretation is necessary.</b></font><p>",
        DreamVerdict(50, 1, 2, 2003),
    };
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
        const auto found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << piece;
        at = found + piece.size();
    }
    EXPECT_EQ(at, text.size());
    const PagePair page = DreamPage(50, 1, 2, 2003);
    EXPECT_EQ(page.entryName, "dream_e.htm");
    EXPECT_EQ(page.contentName, "dream_r.htm");
    EXPECT_EQ(page.bodyTag, PageBody::Scrolling);
    EXPECT_EQ(page.closing, PageClosing::Paragraph);
}

TEST(HelpTopics, NineTopicsInOrder)
{
    const char* names[] = {"Moravel in a Nutshell",
                           "Profiles In and Out",
                           "Readings Top to Bottom",
                           "How do I schedule Daily Reports?",
                           "How do I open saved Daily Reports?",
                           "How do I uninstall Moravel?",
                           "Tips",
                           "Frequently Asked Questions",
                           "For Professional Reviewers"};
    const int paragraphs[] = {2, 3, 4, 3, 1, 3, 4, 2, 4};
    for (int i = 0; i < HelpTopicCount; ++i) {
        EXPECT_EQ(HelpTopicName(i), names[i]);
        const std::string text = HelpTopicText(i);
        int count = 1;
        for (auto at = text.find("<p>"); at != std::string::npos; at = text.find("<p>", at + 1))
            ++count;
        EXPECT_EQ(count, paragraphs[i]) << names[i];
    }
    EXPECT_EQ(HelpTopicText(4), "You can open any saved Daily Reports by clicking on the Open Report button and "
                                "selecting the desired report. You would also be able to print it in full color.");
    // The topics speak of this desktop: its menu, its buttons by their labels, no Windows steps.
    for (int i = 0; i < HelpTopicCount; ++i)
        for (const char* windowsWord : {"Start,", "Control Panel", "Windows", "Analyze button", "Open button"})
            EXPECT_EQ(HelpTopicText(i).find(windowsWord), std::string::npos) << HelpTopicName(i) << ": " << windowsWord;
    EXPECT_NE(HelpTopicText(5).find("Uninstall Moravel"), std::string::npos);
    EXPECT_EQ(HelpTopicText(7).rfind("<font color=\"red\">Can I schedule email delivery reports for multiple "
                                     "profiles?<p><font color=\"black\">",
                                     0),
              0u);
    EXPECT_EQ(HelpTopicName(9), "");
    EXPECT_EQ(HelpTopicText(-1), "");
}

TEST(HelpTopics, HelpPageBytes)
{
    TempEnvironment env;
    ASSERT_TRUE(WriteHelpPage("Tips<p>More"));
    std::ifstream in(InstallDir() + "help.htm", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(
        bytes,
        "<html><head><title>2005</title></head>"
        "<body bgcolor=\"white\" text=\"white\" link=\"white\" vlink=\"white\" alink=\"white\" scroll=\"no\" "
        "oncontextmenu=\"return false\">"
        "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">"
        "<tr><td><font color=\"black\" size=\"2\" face=\"Verdana\"><b>Tips<p>More</b></font>"
        "</td></tr></table><p>"
        "<A HREF=\"javascript:window.print()\"><font color=\"green\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>"
        "</body></html>");
    EXPECT_EQ(HelpPageBytes(""),
              "<html><head><title>2005</title></head>"
              "<body bgcolor=\"white\" text=\"white\" link=\"white\" vlink=\"white\" alink=\"white\" scroll=\"no\" "
              "oncontextmenu=\"return false\">"
              "<center><table border=\"0\" bordercolor=\"black\" cellpadding=\"0\" cellspacing=\"0\" height=\"100%\" "
              "width=\"100%\"><tr><td align=\"center\"><font color=\"black\" size=\"5\" face=\"Verdana\"><b>Help "
              "Wizard</b></font></td></tr></table></center>"
              "</body></html>");
    // Rewritten whole: a shorter text leaves nothing of the longer one behind.
    ASSERT_TRUE(WriteHelpPage(""));
    std::ifstream again(InstallDir() + "help.htm", std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()),
              HelpPageBytes(""));
}
