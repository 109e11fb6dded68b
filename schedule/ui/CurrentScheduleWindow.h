#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// "Currently Scheduled Daily Report": the delivery the task file describes.
// Change gives it up (the task file goes); Close leaves everything as it is.
class CurrentScheduleWindow : public QDialog {
    Q_OBJECT
public:
    explicit CurrentScheduleWindow(QWidget* parent = nullptr);

    bool TaskFound() const { return taskFound; }

private:
    void Change();

    QString profileName;
    QString email;
    QString timeText;
    QString formText;
    QString deliveryText;
    bool taskFound = false;
};
