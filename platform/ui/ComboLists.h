#pragma once

#include "platform/Calendar.h"

#include <QString>

class QComboBox;
class QRect;
class QWidget;

// A choice list in the control font, twelve entries high when open.
QComboBox* MakeChoiceList(const QString& name, QWidget* parent, const QRect& place, const QString& tip = {});

// "100%" down to "1%", the first selected. Emits no change signals.
void FillPercentages(QComboBox* list);

// The date choosers shared by the main window and the profile editor: months
// "1".."12", years "2099" down to "1900" (entry i is year 2099 - i), and days
// "1" to the month's last day.
namespace DateLists {
constexpr int NewestYear = NewestListedYear;
constexpr int OldestYear = OldestListedYear;

void FillMonths(QComboBox* months);
void FillYears(QComboBox* years);
// Refills the day list for the month and year and selects wantedDay, or the
// last day when the month is shorter. Emits no change signals.
void FillDays(QComboBox* days, int month, int year, int wantedDay);

// The year list entry of a year; -1 when the list does not offer it.
int YearEntry(int year);
int YearOfEntry(int entry);
}
