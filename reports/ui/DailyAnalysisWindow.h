#pragma once

#include "reports/DailyReadingSet.h"
#include "platform/Date.h"
#include "reports/ui/DailyReadingLines.h"

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <string>
#include <vector>

class QPushButton;

// The daily report of one profile for one date: reading lines, the bar chart, day
// stepping around the date it was opened for, hourly charts, print, save, e-mail.
class DailyAnalysisWindow : public QDialog {
    Q_OBJECT
public:
    explicit DailyAnalysisWindow(QWidget* parent = nullptr);

    // Set by the main window before the window runs.
    void SetProfileFile(const std::string& path) { profileFile = path; }
    void SetBaseDate(const Date& date) { baseDate = date; }
    void SetShownDate(const Date& date) { shownDate = date; }

    const std::string& ProfileFile() const { return profileFile; }
    const Date& BaseDate() const { return baseDate; }
    const Date& ShownDate() const { return shownDate; }
    const DailyReadingSet& ReadingSet() const { return readingSet; }
    const QString& FontFace() const { return fontFace; }
    const QString& SavedReportPath() const { return savedReportPath; }
    // The top of the report on screen, from the window's outer height.
    double ReportTop() const;

    // The commands behind the buttons.
    void PrevDay();
    void NextDay();
    void Now();
    void OpenHourly(int kind);  // 1 Emotional .. 5 Fortune
    void Save();
    void Explain();
    void Print();
    void ShowSuperstitions();
    // The month at a glance around the shown day.
    void OpenMonthView();
    // Asks whoever mails reports (the e-mail command) through emailRequested.
    void Email();

    // The value of a cycle on a date for the hourly chart (3 when there is no
    // profile or the value is 0 or less); `title` receives the hourly window's title.
    int HourlyDayValue(int kind, const Date& date, QString& title) const;

    QPushButton* Button(const QString& caption) const;
    const DailyReadingLines& ReadingLines() const { return readingLines; }

signals:
    void emailRequested();
    // A day chosen in the month view, to be opened as a daily report over `over`.
    void dayWindowRequested(const Date& date, QWidget* over);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Initialise();
    void ShowDay(const Date& date, bool repaint);
    void SetStepping(bool prev, bool next, bool now, bool hourly);
    void AddKeys();
    void LoadPictures();

    std::string profileFile;
    Date baseDate;
    Date shownDate;
    DailyReadingSet readingSet;
    QString fontFace = QStringLiteral("Verdana");
    QString savedReportPath;
    bool paintReady = false;
    int windowHeight = 0;
    bool initialised = false;
    // The last button press came from the keyboard; the step then keeps the focus on the buttons.
    bool pressedByKey = false;
    QPushButton* lastStep = nullptr;
    QString stepAnnouncement;

    DailyReadingLines readingLines;

    std::vector<QPushButton*> buttons;
    QPushButton* printButton;
    QPushButton* emailButton;
    QPushButton* prevButton;
    QPushButton* nowButton;
    QPushButton* nextButton;
    QPushButton* saveButton;
    QPushButton* explainButton;
    QPushButton* hourlyButtons[5];
    QPushButton* superstitionButton;
    QPushButton* monthButton;

    std::vector<QPixmap> columnPictures;  // the twelve signs, Aries first
    std::vector<QPixmap> rowPictures;
};
