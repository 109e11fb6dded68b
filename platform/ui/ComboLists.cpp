#include "platform/ui/ComboLists.h"

#include "platform/ui/KeyPressWatch.h"
#include "platform/ui/Look.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>

void ChoiceList::showPopup()
{
    // The open list is a window of its own: it takes no font from the list by itself.
    QWidget* popup = view()->window();
    if (popup->font() != font()) {
        popup->setFont(font());
        view()->doItemsLayout();
    }
    if (watchKeys)
        KeyPressWatch::Watch(view());
    QComboBox::showPopup();
}

QSize ChoiceList::sizeHint() const
{
    sized = true;
    return QComboBox::sizeHint();
}

QSize ChoiceList::minimumSizeHint() const
{
    sized = true;
    return QComboBox::minimumSizeHint();
}

void ChoiceList::WatchKeys()
{
    KeyPressWatch::Watch(this);
    watchKeys = true;
}

void ChoiceList::changeEvent(QEvent* event)
{
    // A font given before any size was asked for changes no size the list keeps, and the
    // open list takes it when it opens; the list's own handling would make the open list now.
    if (event->type() == QEvent::FontChange && !sized) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

ChoiceList* MakeChoiceList(const QString& name, QWidget* parent, const QRect& place, const QString& tip)
{
    auto* combo = new ChoiceList(parent);
    combo->setObjectName(name);
    combo->setFont(ControlFont());
    combo->setGeometry(place);
    if (!tip.isEmpty())
        combo->setToolTip(tip);
    combo->setMaxVisibleItems(12);
    return combo;
}

void FillPercentages(QComboBox* list)
{
    const QSignalBlocker blocker(list);
    list->clear();
    QStringList items;
    for (int percent = 100; percent >= 1; --percent)
        items.append(QString::number(percent) + QLatin1Char('%'));
    list->addItems(items);
    list->setCurrentIndex(0);
}

namespace DateLists {

void FillMonths(QComboBox* months)
{
    const QSignalBlocker blocker(months);
    months->clear();
    QStringList items;
    for (int month = 1; month <= 12; ++month)
        items.append(QString::number(month));
    months->addItems(items);
}

void FillYears(QComboBox* years)
{
    const QSignalBlocker blocker(years);
    years->clear();
    // In one insertion: row by row, the list would be told of each of the 200 years.
    QStringList items;
    for (int year = NewestYear; year >= OldestYear; --year)
        items.append(QString::number(year));
    years->addItems(items);
}

void FillDays(QComboBox* days, int month, int year, int wantedDay)
{
    const QSignalBlocker blocker(days);
    days->clear();
    const int last = DaysInMonth(month, year);
    QStringList items;
    for (int day = 1; day <= last; ++day)
        items.append(QString::number(day));
    days->addItems(items);
    days->setCurrentIndex(wantedDay > days->count() ? days->count() - 1 : std::max(wantedDay, 1) - 1);
}

int YearEntry(int year)
{
    return year >= OldestYear && year <= NewestYear ? NewestYear - year : -1;
}

int YearOfEntry(int entry)
{
    return NewestYear - entry;
}

}
