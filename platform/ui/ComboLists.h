#pragma once

#include "platform/Calendar.h"

#include <QComboBox>
#include <QString>

class QRect;
class QWidget;

// A choice list whose open list is made the first time it opens (or something asks for
// it), not with the list: a window full of lists opens without making every one. The
// open list always shows the list's font.
class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Key presses in the list and in its open list count as keyboard use (KeyPressWatch).
    void WatchKeys();

protected:
    void changeEvent(QEvent* event) override;

private:
    mutable bool sized = false;  // a size was asked for, and kept by the list
    bool watchKeys = false;
};

// A choice list in the control font, twelve entries high when open.
ChoiceList* MakeChoiceList(const QString& name, QWidget* parent, const QRect& place, const QString& tip = {});

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
