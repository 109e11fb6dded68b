#include "content/CompanionPage.h"

PagePair CompanionExplainPage()
{
    return PagePair{"effects.htm",
                    "reading.htm",
                    PageBody::Fixed,
                    "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Companion Analysis Explained</b></font><p>"
                    "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>This reading is based on matching Zodiac "
                    "Signs and Soul Numbers in three categories: Love, Friendship and Business.</b></font><p>",
                    PagePrintRow::Standard,
                    PageClosing::Plain};
}
