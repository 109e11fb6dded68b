#pragma once

#include "engine/HourlyCurve.h"

#include <QDialog>
#include <QString>

#include <vector>

class QPainter;
class QPushButton;
class TextLine;

// One cycle reading spread over the 24 hours of a day, from the day before to the
// day after. Print (or F2) saves the chart as "hourly.jpg" and asks the owner to
// print it; the file is removed when the window closes.
class HourlyWindow : public QDialog {
    Q_OBJECT
public:
    HourlyWindow(const HourlyValues& values, const QString& hourlyTitle, const QString& chartHeading,
                 QWidget* parent = nullptr);

    // Writes InstallDir + "hourly.jpg" (800 x 480); false, after its message, on failure.
    bool SaveHourlyImage();
    // The Print button and F2: save, then ask for the saved picture to be printed.
    void PrintHourly();

    const HourlyValues& Values() const { return values; }
    const QString& ChartHeading() const { return chartHeading; }
    double ChartTop() const;
    QPushButton* PrintButton() const { return printButton; }
    const std::vector<TextLine*>& Lines() const { return lines; }

    // The chart (axes, hour bars, labels and phase words) with its vertical origin at chartTop.
    static void DrawChart(QPainter& painter, double chartTop, const HourlyCurve& curve, const QString& fontFace);

    void done(int result) override;

signals:
    // InstallDir + "hourly.jpg" holds the chart and is to be printed now.
    void printSavedImage();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PlaceLines();

    QPushButton* printButton;
    // The heading, the advice, the phases and the hours as text for a screen reader.
    std::vector<TextLine*> lines;
    QString fontFace = QStringLiteral("Verdana");
    QString hourlyTitle;
    QString chartHeading;
    HourlyValues values;
    int windowHeight = 0;
    bool initialised = false;
};
