#include "content/DreamPage.h"

#include "engine/DailyRecord.h"
#include "platform/Calendar.h"

int DreamEmotionalReading(const std::string& profilePath, int month, int day, int year)
{
    if (profilePath.empty())
        return 0;
    const DailyRecord record = ComputeDailyRecord(ReadProfileFile(profilePath), {month, day, year});
    return record.limited[static_cast<std::size_t>(CycleKind::Emotional)];
}

std::string DreamVerdict(int emotionalReading, int month, int day, int year)
{
    std::string text = "Your Emotional Reading on " + MonthName(month) + std::to_string(day) + ", " +
                       std::to_string(year) + " is " + std::to_string(emotionalReading) + "%";
    if (emotionalReading >= EmotionalHighThreshold)
        text += ", an Emotional High. A dream of that night coincides with your Emotional High Reading and is "
                "worth interpreting.";
    else
        text += ", below the Emotional High of " + std::to_string(EmotionalHighThreshold) +
                "%. A dream of that night needs no interpretation.";
    return "<font color=\"white\" size=\"2\" face=\"Verdana\"><b>" + text + "</b></font><p>";
}

std::string DreamPageText(int emotionalReading, int month, int day, int year)
{
    return std::string(
               "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Dream Interpretation - The Usual "
               "Suspects</b></font><p>"
               "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>In most cases dreams can be easily explained "
               "and in 99% of all cases they do not mean anything. Ask yourself three questions. First, was the "
               "subject of your dream something you discovered or learned about just before you fell asleep? "
               "Second, was the dream about your past, and have you dreamt about it before? Third, did the dream "
               "have many parts, of which you remember only bits and pieces? If the answer to any of these "
               "questions is \"Yes\", your dream is simply your mind sorting through the day and the years behind "
               "it, and it needs no interpretation. Most important it is NOT a bad thing!</b></font><p>"
               "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Dream Interpretation - The Message "
               "Inside</b></font><p>"
               "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>Less than 1% of all dreams fall in this "
               "category. Such a dream carries a message and shows at least one of four signs: you meet a person "
               "who has passed away; you see an object that has a special meaning for you; you find yourself in a "
               "place you recognise but have never visited; or you meet a person you recognise but have never met. "
               "If your dream has any of the above, go ahead and get an interpretation.</b></font><p>"
               "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Dream Interpretation - Timing</b></font><p>"
               "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>The timing of your dream MUST coincide with "
               "your Emotional High Reading on that day. Moravel will verify that for you automatically. If your "
               "Emotional Reading is not high enough, no interpretation is necessary.</b></font><p>") +
           DreamVerdict(emotionalReading, month, day, year);
}

PagePair DreamPage(int emotionalReading, int month, int day, int year)
{
    return PagePair{"dream_e.htm",          "dream_r.htm",
                    PageBody::Scrolling,    DreamPageText(emotionalReading, month, day, year),
                    PagePrintRow::Standard, PageClosing::Paragraph};
}
