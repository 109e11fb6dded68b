#include "content/ReferencePages.h"

#include "content/ReferenceTexts.h"

namespace {
const char* const yellowOpen = "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>";
const char* const close = "</b></font><p>";

PagePair EffectsPage(std::string text, std::string printRow, std::string closing)
{
    return PagePair{"effects.htm",   "reading.htm",       PageBody::Scrolling,
                    std::move(text), std::move(printRow), std::move(closing)};
}
}

std::string SignPageText(int month, int day)
{
    return yellowOpen + SignText(month, day) + BirthstoneLine(month, day) + ZodiacAttraction() + close;
}

std::string NumberPageText(int month, int day, int year)
{
    const int number = SoulNumberOf(month, day, year);
    return "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>Your soul number is: <font color=\"yellow\">" +
           std::to_string(number) +
           "</b></font><p><font color=\"black\" size=\"2\" face=\"Verdana\"><b>Soul number stays with an individual "
           "for life. Soul mates have mutual completing numbers. Mutual completing numbers are either numbers which "
           "are the same or their sum must be equal to number 7. <p>MUTUALLY COMPLETING SOUL NUMBERS<p>0 and 7<br>1 "
           "and 6<br>2 and 5<br>3 and 4<br>4 and 3<br>5 and 2<br>6 and 1<br>7 and 0<br>8 and 8<br>9 and "
           "7</b></font><p>" +
           SoulNumberText(number) + close;
}

std::string YearPageText(int year)
{
    return std::string(yellowOpen) + "<font color=\"yellow\">" + std::to_string(year) + " - " + YearAnimalText(year) +
           close;
}

PagePair SignPage(int month, int day)
{
    return EffectsPage(SignPageText(month, day), PagePrintRow::Standard, PageClosing::Paragraph);
}

PagePair NumberPage(int month, int day, int year)
{
    return EffectsPage(NumberPageText(month, day, year), PagePrintRow::Standard + "<p><br>", PageClosing::Plain);
}

PagePair YearPage(int year)
{
    return EffectsPage(YearPageText(year), PagePrintRow::Standard + "<p><br>", PageClosing::Plain);
}
