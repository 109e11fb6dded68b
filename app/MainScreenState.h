#pragma once

#include "platform/Date.h"

#include <cstddef>
#include <optional>
#include <vector>

// The Quick Tip lines of the main window.
enum class MainTip {
    AddProfile,
    Analyze,
    AnalyzeOrDreams,
    Select,
    Companion,
    OnlyTwo,
    NewProfile,
    EditProfile,
    Schedule,
    OpenReport,
    Help,
};

// The control that takes the focus as a tip is shown.
enum class MainFocus { AddProfile, Analyze, Companion, Dreams, Help };

struct MainTipFocus {
    MainTip tip = MainTip::Select;
    MainFocus focus = MainFocus::Help;

    friend bool operator==(const MainTipFocus&, const MainTipFocus&) = default;
};

// The command buttons that follow the selection. Add Profile and Help are always
// enabled; Open Report is left as it is where openReport is empty.
struct MainButtons {
    bool edit = false;
    bool remove = false;
    bool analyze = false;
    bool schedule = false;
    bool companion = false;
    bool dreams = false;
    std::optional<bool> openReport;
    MainTipFocus tip;

    friend bool operator==(const MainButtons&, const MainButtons&) = default;
};

// The line's text; some lines carry HTML colour tags.
const char* MainTipText(MainTip tip);

// Dreams are read for today and the days before it, never for a day to come.
bool DreamsAllowed(const Date& today, const Date& date);
// One profile selected: Dreams is offered when it may be read.
MainTipFocus OneProfileTip(bool dreamsAllowed);
// Nothing to work on: the first profile to add, or a profile to select.
MainTipFocus ListTip(std::size_t profileCount);
// The buttons for `selected` rows of `profileCount`, with `date` chosen on `today`.
MainButtons ButtonsForSelection(std::size_t selected, std::size_t profileCount, const Date& today, const Date& date);

struct SelectionPick {
    int first = -1;
    int second = -1;  // -1: one row selected
    bool tooMany = false;

    friend bool operator==(const SelectionPick&, const SelectionPick&) = default;
};

// The first two of the selected rows, in list order; a third one makes too many.
SelectionPick PickSelection(const std::vector<int>& selected);

struct WindowPlace {
    int left = 0;
    int top = 0;

    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The main window, `width` by `height` with its frame, and the tip line of
// `tipHeight` under it, centred together on a screen of the given size; a screen
// too small for them gets them flush with its right edge, and at its top so that the
// title bar stays on it.
WindowPlace CentredWithTip(int screenWidth, int screenHeight, int width, int height, int tipHeight);
