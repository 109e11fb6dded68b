#pragma once

#include "reports/MonthChart.h"

#include <QDialog>

#include <optional>

class MonthChartView;
class QPushButton;

// The month at a glance for one profile: the five readings over a run of days around
// a chosen day, stepped by the month, the chosen day opened as a daily report.
class MonthViewWindow : public QDialog {
    Q_OBJECT
public:
    MonthViewWindow(const std::string& profilePath, const Date& chosen, QWidget* parent = nullptr,
                    int days = MonthViewDefaultDays);

    const MonthChart& Chart() const;
    const Date& Chosen() const { return chosen; }
    // The chosen day's date and readings, as the chart shows and names them.
    QString DayText() const;

    // The commands behind the buttons and keys.
    void PrevMonth();
    void NextMonth();
    void Choose(const Date& date);
    void OpenChosen();
    void Save();
    void Print();

signals:
    // The user asked for this day's daily report.
    void dayChosen(const Date& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows `date` chosen, drawing the range around it when it lies outside the one shown.
    void Show(const Date& date, bool recentre);
    void StepDays(int delta);

    // Read once when the window opens; none for an empty path.
    std::optional<ProfileRecord> profile;
    Date chosen;
    int days;
    MonthChartView* chart;
};
