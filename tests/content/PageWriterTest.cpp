#include "content/PageWriter.h"
#include "support/TempEnvironment.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string kComment = "<!-- Moravel 2005: page written by the program on every use -->";
const std::string kAntiSelect =
    "<script language=\"JavaScript1.2\"> function disableselect(e) { return false; }"
    "function reEnable() { return true; } document.onselectstart=new Function (\"return false\");"
    "if (window.sidebar){ document.onmousedown=disableselect; document.onclick=reEnable; } </script>";
}

TEST(PageWriter, PagePairBytesAndRefreshAddress)
{
    TempEnvironment env;
    PagePair pair{"dream_e.htm",          "dream_r.htm",
                  PageBody::Scrolling,    "It\xE2\x80\x99s <b>caf\xC3\xA9</b>",
                  PagePrintRow::Standard, PageClosing::Paragraph};
    ASSERT_TRUE(WritePagePair(pair));

    const std::string entry = ReadAll(env.InstallDir() + "dream_e.htm");
    EXPECT_EQ(entry, "<html>" + kComment + "<HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=file://" +
                         env.InstallDir() +
                         "dream_r.htm\"><TITLE></TITLE></HEAD>"
                         "<body bgcolor=\"gray\" link=\"white\" vlink=\"white\" alink=\"white\" scroll=\"no\">"
                         "</body></html>");

    const std::string content = ReadAll(env.InstallDir() + "dream_r.htm");
    EXPECT_EQ(content,
              "<html>" + kComment +
                  "<HEAD><META http-equiv=\"Page-Enter\" CONTENT=\"RevealTrans(Duration=3,Transition=5)\">"
                  "<TITLE></TITLE></HEAD>"
                  "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\">"
                  "<center>" +
                  kAntiSelect +
                  "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\"><tr><td>"
                  "It\x92s <b>caf\xE9</b>"
                  "</td></tr><tr><td><A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" "
                  "face=\"Arial\"><b>Print</b></font></A>"
                  "</td></tr></table><p><br></center></body></html>");
}

TEST(PageWriter, TipPageBytes)
{
    TempEnvironment env;
    ASSERT_TRUE(WriteTipPage("Use <font color=\"white\">NOT<font color=\"yellow\"> now."));
    EXPECT_EQ(ReadAll(env.InstallDir() + "tip_e.htm"),
              "<html>" + kComment +
                  "<HEAD><META http-equiv=\"Page-Enter\" CONTENT=\"RevealTrans(Duration=2,Transition=5)\">"
                  "<TITLE></TITLE></HEAD>"
                  "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\" "
                  "scroll=\"no\"><center>" +
                  kAntiSelect +
                  "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">"
                  "<tr><td align=\"center\"><font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>"
                  "Use <font color=\"white\">NOT<font color=\"yellow\"> now."
                  "</b></font></td></tr></table></center></body></html>");
}

TEST(PageWriter, UnwritableContentPageIsReported)
{
    TempEnvironment env;
    std::filesystem::remove_all(env.InstallDir());
    PagePair pair{"a_e.htm", "a_r.htm", PageBody::Fixed, "x", PagePrintRow::None, PageClosing::Plain};
    EXPECT_FALSE(WritePagePair(pair));
    EXPECT_FALSE(WriteTipPage("x"));
}

TEST(PageWriter, Windows1252AndEscaping)
{
    EXPECT_EQ(ToWindows1252("\xE2\x82\xAC \xE2\x80\x94 \xC5\xB8 \xC3\xBF"), "\x80 \x97 \x9F \xFF");
    // Characters outside the code page survive as references.
    EXPECT_EQ(ToWindows1252("\xE2\x99\x88 \xF0\x9F\x98\x80"), "&#9800; &#128512;");
    // A stray byte never swallows the text after it.
    EXPECT_EQ(ToWindows1252(std::string("a\xC3") + "b"), "a&#65533;b");
    EXPECT_EQ(HtmlEscape("<Tom & \"Jerry\">"), "&lt;Tom &amp; &quot;Jerry&quot;&gt;");
    // An odd folder name cannot break out of the refresh attribute, nor lose a byte to
    // the page's encoding.
    EXPECT_NE(EntryPageBytes("/home/a\"b/caf\xe9 \xe2\x82\xac#%/reading.htm")
                  .find("URL=file:///home/a%22b/caf%E9%20%E2%82%AC%23%25/reading.htm\""),
              std::string::npos);
}

TEST(PageWriter, NavigationFilter)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"javascript:window.print()", true},
        {"/home/u/.local/share/moravel/reading.htm", true},
        {"/home/u/.local/share/moravel/OTHER.HTM", true},
        {"file:///x/Page.Htm", true},
        {"/home/u/.local/share/moravel/notes.txt", false},
        {"/home/u/page.html", false},
        {"javascript:alert(1)", false},
        {"htm", false},
        {"https://example.com/", false},
    };
    for (const auto& [address, allowed] : cases)
        EXPECT_EQ(IsAllowedNavigation(address), allowed) << address;
}
