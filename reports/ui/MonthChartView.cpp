#include "reports/ui/MonthChartView.h"

#include "platform/TextPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

MonthChartView::MonthChartView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonthChartView::SetChart(const MonthChart& shown)
{
    chart = shown;
    // A screen reader names the chart by its chosen day, and reads it as its table of
    // days and readings.
    QString table;
    for (const MonthDay& day : chart.days)
        table += QString::fromStdString(MonthDayLine(day)) + QLatin1Char('\n');
    const bool chosen = chart.chosen >= 0 && chart.chosen < static_cast<int>(chart.days.size());
    setAccessibleName(chosen ? QString::fromStdString(MonthDayLine(chart.days[static_cast<std::size_t>(chart.chosen)]))
                             : QString::fromStdString(chart.title));
    setAccessibleDescription(table.trimmed());
    update();
}

int MonthChartView::DayUnder(const QPointF& at) const
{
    const MonthChartLayout layout = LayoutMonthChart(width(), height(), static_cast<int>(chart.days.size()));
    if (at.y() < layout.top || at.y() > height())
        return -1;
    return layout.DayAt(at.x());
}

void MonthChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    SetDrawingQuality(painter);
    DrawMonthChart(painter, QSizeF(size()), chart);
}

void MonthChartView::mouseMoveEvent(QMouseEvent* event)
{
    const int day = DayUnder(event->position());
    if (day >= 0 && day != chart.chosen)
        emit dayHovered(day);
}

void MonthChartView::mousePressEvent(QMouseEvent* event)
{
    const int day = DayUnder(event->position());
    if (event->button() == Qt::LeftButton && day >= 0)
        emit dayClicked(day);
    else
        QWidget::mousePressEvent(event);
}

void MonthChartView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        emit daysStepped(-1);
        break;
    case Qt::Key_Right:
        emit daysStepped(1);
        break;
    case Qt::Key_PageUp:
        emit monthStepped(-1);
        break;
    case Qt::Key_PageDown:
        emit monthStepped(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosenOpened();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}
