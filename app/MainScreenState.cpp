#include "app/MainScreenState.h"

#include "platform/Calendar.h"
#include "platform/Centring.h"

const char* MainTipText(MainTip tip)
{
    switch (tip) {
    case MainTip::AddProfile:
        return "Click on the Add Profile button to create your unique profile.";
    case MainTip::Analyze:
        return "Click on the Analyze Day button to get your full Daily Analysis.";
    case MainTip::AnalyzeOrDreams:
        return "Click on the Analyze Day button or click on the Dreams button.";
    case MainTip::Select:
        return "Select any profile and click on the Analyze Day button to get your full Daily Analysis.";
    case MainTip::Companion:
        return "Click on the Companion button to get full Companion Analysis: business, friendship and love.";
    case MainTip::OnlyTwo:
        return "Select only 2 (two) profiles to get full Companion Analysis.";
    case MainTip::NewProfile:
        return "In most cases you should <font color=\"white\">NOT<font color=\"yellow\"> use \"Personal Data For "
               "Calculation\" right away.";
    case MainTip::EditProfile:
        return "Use Personal Data for calculation if you want to try manual calibration.";
    case MainTip::Schedule:
        return "Schedule Daily Analysis to be delivered to you automatically via E-mail.";
    case MainTip::OpenReport:
        return "Select and view any Daily Analysis Report you previously saved.";
    case MainTip::Help:
        return "Make sure that you read ALL help topics.";
    }
    return "";
}

bool DreamsAllowed(const Date& today, const Date& date)
{
    return IsOnOrAfter(today.year, today.month, today.day, date.year, date.month, date.day);
}

MainTipFocus OneProfileTip(bool dreamsAllowed)
{
    if (dreamsAllowed)
        return {MainTip::AnalyzeOrDreams, MainFocus::Dreams};
    return {MainTip::Analyze, MainFocus::Analyze};
}

MainTipFocus ListTip(std::size_t profileCount)
{
    if (profileCount == 0)
        return {MainTip::AddProfile, MainFocus::AddProfile};
    return {MainTip::Select, MainFocus::Help};
}

MainButtons ButtonsForSelection(std::size_t selected, std::size_t profileCount, const Date& today, const Date& date)
{
    MainButtons buttons;
    if (selected >= 3) {
        buttons.tip = {MainTip::OnlyTwo, MainFocus::Help};
    } else if (selected == 2) {
        buttons.companion = true;
        buttons.openReport = false;
        buttons.tip = {MainTip::Companion, MainFocus::Companion};
    } else if (selected == 1) {
        buttons.edit = buttons.remove = buttons.analyze = buttons.schedule = true;
        buttons.openReport = true;
        buttons.dreams = DreamsAllowed(today, date);
        buttons.tip = OneProfileTip(buttons.dreams);
    } else {
        buttons.tip = ListTip(profileCount);
    }
    return buttons;
}

SelectionPick PickSelection(const std::vector<int>& selected)
{
    SelectionPick pick;
    if (!selected.empty())
        pick.first = selected[0];
    if (selected.size() >= 2)
        pick.second = selected[1];
    pick.tooMany = selected.size() >= 3;
    return pick;
}

WindowPlace CentredWithTip(int screenWidth, int screenHeight, int width, int height, int tipHeight)
{
    return {CentredOrOverhang(screenWidth, width), TopOnScreen(CentredOrOverhang(screenHeight, height + tipHeight))};
}
