#include "app/MainScreenState.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(MainScreenState, ButtonsTipAndFocusFollowTheSelectionAndTheDate)
{
    const Date today{3, 1, 2100};
    struct Case {
        const char* what;
        std::size_t selected;
        std::size_t profiles;
        Date date;
        MainButtons expected;
    };
    // Nothing to work on: only Add Profile, Open Report (as it was) and Help.
    const auto idle = [](MainTipFocus tip) { return MainButtons{false, false, false, false, false, false, {}, tip}; };
    const Case cases[] = {
        {"empty list", 0, 0, today, idle({MainTip::AddProfile, MainFocus::AddProfile})},
        {"nothing selected", 0, 4, today, idle({MainTip::Select, MainFocus::Help})},
        {"one, today",
         1,
         4,
         today,
         {true, true, true, true, false, true, true, {MainTip::AnalyzeOrDreams, MainFocus::Dreams}}},
        {"one, the day before (across a month of a non-leap century)",
         1,
         4,
         {2, 28, 2100},
         {true, true, true, true, false, true, true, {MainTip::AnalyzeOrDreams, MainFocus::Dreams}}},
        {"one, tomorrow",
         1,
         4,
         {3, 2, 2100},
         {true, true, true, true, false, false, true, {MainTip::Analyze, MainFocus::Analyze}}},
        {"one, an earlier month of a later year",
         1,
         4,
         {1, 1, 2101},
         {true, true, true, true, false, false, true, {MainTip::Analyze, MainFocus::Analyze}}},
        {"two",
         2,
         4,
         {1, 1, 2101},
         {false, false, false, false, true, false, false, {MainTip::Companion, MainFocus::Companion}}},
        {"three leave Open Report as it is", 3, 4, today, idle({MainTip::OnlyTwo, MainFocus::Help})},
        {"all", 4, 4, today, idle({MainTip::OnlyTwo, MainFocus::Help})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ButtonsForSelection(c.selected, c.profiles, today, c.date), c.expected);
    }
}

TEST(MainScreenState, SelectionPicksTheFirstTwoRows)
{
    struct Case {
        std::vector<int> selected;
        SelectionPick expected;
    };
    const Case cases[] = {
        {{}, {-1, -1, false}},
        {{3}, {3, -1, false}},
        {{0, 5}, {0, 5, false}},
        {{1, 2, 4}, {1, 2, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PickSelection(c.selected), c.expected) << c.selected.size() << " rows";
}

TEST(MainScreenState, WindowAndTipLineAreCentredOrFlushWithTheScreenEdge)
{
    struct Case {
        const char* what;
        int screenWidth, screenHeight, width, height;
        WindowPlace expected;
    };
    const Case cases[] = {
        {"room to spare", 1024, 768, 780, 520, {122, 81}},
        {"one pixel spare", 781, 606, 780, 520, {1, 1}},
        {"exact fit", 780, 605, 780, 520, {0, 0}},
        {"screen too small: the title bar stays on it", 640, 480, 780, 520, {-140, 0}},
        {"scale 2 on 1600 x 1000", 800, 500, 780, 520, {10, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CentredWithTip(c.screenWidth, c.screenHeight, c.width, c.height, 85), c.expected);
    }
}

TEST(MainScreenState, EveryTipHasItsOwnLine)
{
    std::set<std::string> lines;
    for (int tip = 0; tip <= static_cast<int>(MainTip::Help); ++tip)
        EXPECT_TRUE(lines.insert(MainTipText(static_cast<MainTip>(tip))).second) << tip;
    EXPECT_FALSE(lines.count(""));
}
