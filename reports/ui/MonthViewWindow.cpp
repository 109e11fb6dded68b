#include "reports/ui/MonthViewWindow.h"

#include "platform/Paths.h"
#include "platform/ImageEncoder.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "reports/ui/MonthChartView.h"
#include "reports/ui/Printing.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
constexpr int ButtonY = MonthPictureHeight + 8;
constexpr int ButtonHeight = 30;
}

MonthViewWindow::MonthViewWindow(const std::string& path, const Date& date, QWidget* parent, int dayCount)
    : QDialog(parent),
      profile(path.empty() ? std::nullopt : std::optional<ProfileRecord>(ReadProfileFile(path))),
      chosen(date),
      days(dayCount),
      chart(new MonthChartView(this))
{
    setFixedSize(MonthPictureWidth, ButtonY + ButtonHeight + 10);
    move(CentreX(width()), CentreY(height()));
    chart->setGeometry(0, 0, MonthPictureWidth, MonthPictureHeight);

    auto* prev = MakeButton(QStringLiteral("Prev Month"), QStringLiteral("prevMonth"), this,
                            QRect(12, ButtonY, 120, ButtonHeight), QStringLiteral("the month before (Page Up)"));
    auto* next = MakeButton(QStringLiteral("Next Month"), QStringLiteral("nextMonth"), this,
                            QRect(138, ButtonY, 120, ButtonHeight), QStringLiteral("the month after (Page Down)"));
    auto* open =
        MakeButton(QStringLiteral("Open Day"), QStringLiteral("openDay"), this, QRect(330, ButtonY, 120, ButtonHeight),
                   QStringLiteral("daily report of the chosen day (Return)"));
    auto* print = MakeButton(QStringLiteral("Print"), QStringLiteral("print"), this,
                             QRect(width() - 12 - 70 - 6 - 70, ButtonY, 70, ButtonHeight),
                             QStringLiteral("print the month chart"));
    auto* save =
        MakeButton(QStringLiteral("Save"), QStringLiteral("save"), this,
                   QRect(width() - 12 - 70, ButtonY, 70, ButtonHeight), QStringLiteral("save the month chart"));
    for (QPushButton* button : {prev, next, open, print, save})
        button->setAutoDefault(false);
    connect(prev, &QPushButton::clicked, this, &MonthViewWindow::PrevMonth);
    connect(next, &QPushButton::clicked, this, &MonthViewWindow::NextMonth);
    connect(open, &QPushButton::clicked, this, &MonthViewWindow::OpenChosen);
    connect(print, &QPushButton::clicked, this, &MonthViewWindow::Print);
    connect(save, &QPushButton::clicked, this, &MonthViewWindow::Save);

    const auto chooseIndex = [this](int index) { Choose(DateInRange(Chart().range, index)); };
    connect(chart, &MonthChartView::dayHovered, this, chooseIndex);
    connect(chart, &MonthChartView::dayClicked, this, [this, chooseIndex](int index) {
        chooseIndex(index);
        OpenChosen();
    });
    connect(chart, &MonthChartView::daysStepped, this, &MonthViewWindow::StepDays);
    connect(chart, &MonthChartView::monthStepped, this, [this](int delta) { delta < 0 ? PrevMonth() : NextMonth(); });
    connect(chart, &MonthChartView::chosenOpened, this, &MonthViewWindow::OpenChosen);

    Show(chosen, true);
    chart->setFocus();
}

const MonthChart& MonthViewWindow::Chart() const
{
    return chart->Chart();
}

QString MonthViewWindow::DayText() const
{
    return chart->accessibleName();
}

void MonthViewWindow::Show(const Date& date, bool recentre)
{
    chosen = date;
    MonthChart shown = recentre ? MonthChartOf(profile ? &*profile : nullptr, chosen, days) : Chart();
    shown.chosen = IndexInRange(shown.range, chosen);
    chart->SetChart(shown);
    setWindowTitle(QString::fromStdString(shown.title));
}

void MonthViewWindow::Choose(const Date& date)
{
    Show(date, IndexInRange(Chart().range, date) < 0);
}

void MonthViewWindow::StepDays(int delta)
{
    const Date next = DayStep(chosen, delta);
    if (IndexInRange(Chart().range, next) >= 0) {
        Show(next, false);
        return;
    }
    // Past an end the range moves on by the day, so the chosen day stays at its edge.
    MonthChart shown;
    shown.range = {DayStep(Chart().range.first, delta), Chart().range.days};
    if (profile)
        shown.days = MonthDays(*profile, shown.range.first, shown.range.days);
    shown.title = MonthTitle(shown.range, profile ? profile->fullName : std::string());
    chart->SetChart(shown);
    Show(next, false);
}

void MonthViewWindow::PrevMonth()
{
    Show(MonthStep(chosen, -1), true);
}

void MonthViewWindow::NextMonth()
{
    Show(MonthStep(chosen, 1), true);
}

void MonthViewWindow::OpenChosen()
{
    emit dayChosen(chosen);
}

void MonthViewWindow::Save()
{
    const QString path = FileDialog::getSaveFileName(QStringLiteral("Save Month"),
                                                     QStringLiteral("PNG Picture (*.png);;JPEG Picture (*.jpg *.jpeg)"),
                                                     QString::fromStdString(ReportsDir()), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    const QString lower = path.toLower();
    const QByteArray mime = lower.endsWith(QStringLiteral(".jpg")) || lower.endsWith(QStringLiteral(".jpeg"))
                                ? QByteArrayLiteral("image/jpeg")
                                : QByteArrayLiteral("image/png");
    bool saved = false;
    {
        const WaitCursor wait;
        saved = SaveImage(ComposeMonthPicture(Chart()), path, mime);
    }
    if (saved)
        MessageBox::information(QStringLiteral("The month chart was saved."));
    else
        MessageBox::stop(QStringLiteral("Unable to save the month chart."));
}

void MonthViewWindow::Print()
{
    PrintMonthChart(Chart());
}

void MonthViewWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier && event->key() == Qt::Key_S)
        Save();
    else if (event->modifiers() & Qt::ControlModifier && event->key() == Qt::Key_P)
        Print();
    else if (event->key() == Qt::Key_PageUp)
        PrevMonth();
    else if (event->key() == Qt::Key_PageDown)
        NextMonth();
    else
        QDialog::keyPressEvent(event);
}
