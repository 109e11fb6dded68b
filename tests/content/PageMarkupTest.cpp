#include "content/PageMarkup.h"

#include <gtest/gtest.h>

TEST(PageMarkup, Windows1252BytesBecomeTheirCharacters)
{
    EXPECT_EQ(FromWindows1252("Don\x92t \x80 caf\xE9"), "Don\xE2\x80\x99t \xE2\x82\xAC caf\xC3\xA9");
    EXPECT_EQ(FromWindows1252("\x81\x9D"), "\xC2\x81\xC2\x9D");  // unused bytes are not lost
}

TEST(PageMarkup, RefreshCharsetAndScrolling)
{
    struct Row {
        const char* html;
        bool present;
        int seconds;
        const char* address;
    };
    const Row rows[] = {
        {R"(<HEAD><META HTTP-EQUIV="Refresh" Content="1; URL=/home/a b/reading.htm"><TITLE>)", true, 1,
         "/home/a b/reading.htm"},
        {R"(<meta http-equiv='refresh' content='0;url="next.htm"'>)", true, 0, "next.htm"},
        {R"(<META HTTP-EQUIV=REFRESH CONTENT="5">)", true, 5, ""},
        // The writer escapes the path for its attribute; the address is the path again.
        {R"(<META HTTP-EQUIV="Refresh" Content="1; URL=/x/a&quot;b&amp;c#d/r.htm">)", true, 1, "/x/a\"b&c#d/r.htm"},
        {R"(<metadata http-equiv="refresh" content="1; URL=x.htm">)", false, 0, ""},
        {R"~(<META http-equiv="Page-Enter" CONTENT="RevealTrans(Duration=3,Transition=5)">)~", false, 0, ""},
        {R"(<meta http-equiv="refresh" content="soon">)", false, 0, ""},
    };
    for (const Row& row : rows) {
        const MetaRefresh refresh = FindMetaRefresh(row.html);
        EXPECT_EQ(refresh.present, row.present) << row.html;
        EXPECT_EQ(refresh.seconds, row.seconds) << row.html;
        EXPECT_EQ(refresh.address, row.address) << row.html;
    }

    EXPECT_EQ(PageCharset("<html><body>no charset</body>"), "");
    EXPECT_EQ(PageCharset(R"(<meta http-equiv="Content-Type" content="text/html; charset=UTF-8">)"), "utf-8");
    EXPECT_EQ(PageCharset(R"(<meta charset="ISO-8859-1">)"), "iso-8859-1");

    EXPECT_TRUE(PageRefusesScrolling(R"(<body bgcolor="gray" oncontextmenu="return false" scroll="no"><center>)"));
    EXPECT_FALSE(PageRefusesScrolling(R"(<body bgcolor="gray" oncontextmenu="return false"><center>)"));
    EXPECT_FALSE(PageRefusesScrolling(R"(<bodyx scroll="no">)"));
}

TEST(PageMarkup, FormattingRunsOnAcrossParagraphsAsInThePagesBrowsers)
{
    const std::pair<const char*, const char*> rows[] = {
        // The colour opened in one paragraph runs on into the next ones.
        {R"(<font color="yellow"><b>Leo<p><font color="black">dates<p>text<p>more)",
         R"(<font color="yellow"><b>Leo<p><font color="black">dates<p><font color="black">text<p><font color="black">more)"},
        // Closed formatting, or formatting from before the paragraph, is not repeated.
        {R"(<p><b>a</b><p>b)", R"(<p><b>a</b><p>b)"},
        {R"(<font color="black"><b>a</b></font><p><font>b</font><p>c)",
         R"(<font color="black"><b>a</b></font><p><font>b</font><p>c)"},
        // An end tag of formatting from outside ends the paragraph, and a cell ends it.
        {R"(<b><p><i>x</b><p>y)", R"(<b><p><i>x</b><p>y)"},
        {R"(<p><i>x</td><td><p>y)", R"(<p><i>x</td><td><p>y)"},
        // Tags in comments and scripts are no tags.
        {R"(<p><b><!-- <p> --><script>a<p>b</script>)", R"(<p><b><!-- <p> --><script>a<p>b</script>)"},
    };
    for (const auto& [html, expected] : rows)
        EXPECT_EQ(CarryFormattingIntoParagraphs(html), expected) << html;

    EXPECT_EQ(CellHeights(R"(<tr><td align="center">a</td><td height="15" bgcolor="gray"></td><td height="100%">)"),
              (std::vector<int>{0, 15, 0}));
}
