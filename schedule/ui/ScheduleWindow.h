#pragma once

#include "schedule/DailySchedule.h"
#include "schedule/TaskFile.h"

#include <QDialog>
#include <QString>
#include <string>

class QComboBox;
#include "platform/ui/CaptionLabel.h"
class QLineEdit;
class QPushButton;

// "Schedule Daily Analysis Report via Email Delivery": time, address and report
// form of the daily delivery of one profile; Save writes the task file and
// registers the work item.
class ScheduleWindow : public QDialog {
    Q_OBJECT
public:
    explicit ScheduleWindow(QWidget* parent = nullptr);

    // The profile's full path; set before the window opens.
    void SetProfilePath(const std::string& path);
    // The settings shown when the window opens (the current delivery's).
    void SetForm(const ScheduleForm& form);

    int Hour() const { return hour; }
    int Minute() const { return minute; }
    int FullColour() const { return fullColour; }
    Delivery DeliveryChoice() const { return delivery; }
    QString AmPm() const { return amPm; }

    // The text shown after a successful Save.
    static QString SuccessText(const std::string& profilePath, const QString& email, int fullColour,
                               Delivery delivery = Delivery::Email);

protected:
    void reject() override;

private:
    void HourChanged(int position);
    void ShowClockTime();
    void DeliveryChanged(int position);
    void Save();
    void ShowHelp();

    QComboBox* hourList = nullptr;
    QComboBox* minuteList = nullptr;
    QLineEdit* emailEdit = nullptr;
    QComboBox* formList = nullptr;
    QComboBox* deliveryList = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* closeButton = nullptr;
    CaptionLabel* profileLabel = nullptr;
    CaptionLabel* amPmLabel = nullptr;

    std::string profilePath;
    QString email;
    int hour = 6;
    int minute = 0;
    int fullColour = 0;
    Delivery delivery = Delivery::Email;
    QString amPm = QStringLiteral("AM");
};
