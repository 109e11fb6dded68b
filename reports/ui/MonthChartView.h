#pragma once

#include "reports/MonthChart.h"

#include <QWidget>

// The month chart on screen. It follows the mouse and takes the keys; what a key
// or a click means is the window's to decide.
class MonthChartView : public QWidget {
    Q_OBJECT
public:
    explicit MonthChartView(QWidget* parent = nullptr);

    void SetChart(const MonthChart& chart);
    const MonthChart& Chart() const { return chart; }

signals:
    void dayHovered(int index);
    void dayClicked(int index);
    void daysStepped(int delta);   // Left / Right
    void monthStepped(int delta);  // Page Up / Page Down
    void chosenOpened();           // Return

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int DayUnder(const QPointF& at) const;

    MonthChart chart;
};
