#include "content/Superstitions.h"

#include <gtest/gtest.h>

TEST(Superstitions, ParagraphsPerDay)
{
    int total = 0;
    for (int day = 1; day <= 31; ++day) {
        const bool two = day == 1 || day == 5 || day == 10 || day == 15 || day == 20;
        EXPECT_EQ(SuperstitionCount(day), two ? 2 : 1) << day;
        // Every paragraph is one yellow topic fragment.
        const std::string text = SuperstitionText(day);
        std::size_t fragments = 0;
        for (auto at = text.find("<font color=\"yellow\""); at != std::string::npos;
             at = text.find("<font color=\"yellow\"", at + 1))
            ++fragments;
        EXPECT_EQ(fragments, two ? 2u : 1u) << day;
        total += SuperstitionCount(day);
    }
    EXPECT_EQ(total, 36);
    for (int day : {0, -1, 32, 100}) {
        EXPECT_EQ(SuperstitionText(day), "") << day;
        EXPECT_EQ(SuperstitionCount(day), 0) << day;
    }
}

TEST(Superstitions, FragmentsStayOpenAndJoinInOrder)
{
    EXPECT_EQ(SuperstitionText(14), "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>mirror<p><font "
                                    "color=\"black\">Breaking a mirror brings bad luck for seven years.<p>");
    const std::string first = SuperstitionText(1);
    EXPECT_EQ(first.rfind("<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>cats<p><font color=\"black\">If a "
                          "black cat walks towards you, it brings good fortune",
                          0),
              0u);
    EXPECT_NE(
        first.find("<p><font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>kiss<p><font "
                   "color=\"black\">Don\u2019t kiss over a gate or doorstep, you will have a serious quarrel.<p>"),
        std::string::npos);
    EXPECT_EQ(first.find("</font>"), std::string::npos);
    EXPECT_EQ(first.find("</b>"), std::string::npos);
    const std::string twentieth = SuperstitionText(20);
    EXPECT_LT(twentieth.find("<b>bird<p>"), twentieth.find("<b>seven<p>"));
    EXPECT_NE(SuperstitionText(31).find("<b>itching<p>"), std::string::npos);

    const PagePair page = SuperstitionPage(29);
    EXPECT_EQ(page.entryName, "super_e.htm");
    EXPECT_EQ(page.contentName, "super_r.htm");
    EXPECT_EQ(page.bodyTag, PageBody::FixedUncentred);
    EXPECT_EQ(page.printRow, PagePrintRow::Standard);
    EXPECT_EQ(page.closing, PageClosing::Uncentred);
    EXPECT_EQ(page.text, SuperstitionText(29));
}

#include "platform/Paths.h"
#include "support/TempEnvironment.h"

#include <fstream>
#include <iterator>

namespace {
std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}

TEST(Superstitions, WrittenPageCarriesWindows1252Apostrophes)
{
    TempEnvironment env;
    for (int day : {1, 29}) {
        ASSERT_TRUE(WritePagePair(SuperstitionPage(day))) << day;
        const std::string page = ReadBytes(InstallDir() + "super_r.htm");
        EXPECT_NE(page.find(day == 1 ? "Don\x92t kiss" : "you\x92ll have"), std::string::npos) << day;
        EXPECT_EQ(page.find("\xE2\x80\x99"), std::string::npos) << "no UTF-8 left";
        EXPECT_NE(page.find(PageBody::FixedUncentred), std::string::npos);
        EXPECT_EQ(page.substr(page.size() - PageClosing::Uncentred.size()), PageClosing::Uncentred);
    }
    const std::string entry = ReadBytes(InstallDir() + "super_e.htm");
    EXPECT_NE(entry.find("URL=" + FileUrlOf(InstallDir() + "super_r.htm")), std::string::npos);
}
