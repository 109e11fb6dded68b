#pragma once

class QComboBox;

// The date choosers shared by the main window and the profile editor: months
// "1".."12", years "2005" down to "1900" (entry i is year 2005 - i), and days
// "1" to the month's last day.
namespace DateLists {
constexpr int NewestYear = 2005;
constexpr int OldestYear = 1900;

void FillMonths(QComboBox* months);
void FillYears(QComboBox* years);
// Refills the day list for the month and year and selects wantedDay, or the
// last day when the month is shorter. Emits no change signals.
void FillDays(QComboBox* days, int month, int year, int wantedDay);

// The year list entry of a year; -1 when the list does not offer it.
int YearEntry(int year);
int YearOfEntry(int entry);
}
