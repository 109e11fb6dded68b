#include "reports/ui/DailyAnalysisWindow.h"

#include "content/PageWriter.h"
#include "content/ui/ContentPageWindows.h"
#include "content/ui/PageWindow.h"
#include "engine/HourlyCurve.h"
#include "engine/ui/HourlyWindow.h"
#include "engine/ZodiacSigns.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/ImageEncoder.h"
#include "platform/Paths.h"
#include "platform/ReportBars.h"
#include "platform/TextPainter.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameWatch.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TextLine.h"
#include "platform/ui/WaitCursor.h"
#include "profiles/ProfileFiles.h"
#include "reports/ReportPicture.h"
#include "reports/ui/MonthViewWindow.h"
#include "reports/ui/Printing.h"

#include <QEvent>
#include <algorithm>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <utility>

namespace {
using namespace DrawColour;

// The part of the window a new date repaints.
const QRect ReportRect(QPoint(82, 10), QPoint(710, 530));

constexpr int ColumnPicture = 36;  // zodiac column along the left edge
constexpr int RowPicture = 15;     // small pictures along the bottom
constexpr int ButtonRowY = 536;
constexpr int ButtonRowHeight = 30;

static_assert(ReportBars.size() == CycleCount);

void DrawReport(QPainter& painter, double top, const DailyReadingSet& set, const QString& fontFace)
{
    TextPainter text(painter);
    text.SetFont(ReportFont(12, fontFace));
    text.Draw(QString::fromStdString(set.zodiacText), 90, top, Black);
    text.Draw(QString::fromStdString(set.soulNumberText), 90, top + 25, DarkRed);
    text.Draw(QString::fromStdString(set.dayReadingText), 90, top + 50, White);
    text.Draw(QString::fromStdString(set.evilEyeText), 90, top + 75, Blue);
    text.Draw(QString::fromStdString(set.lotteryText), 90, top + 100, Yellow);
    text.Draw(QStringLiteral("Other Day Readings"), 90, top + 130, Black);
    // Each label sits on the line of its value, where a bar of that value ends.
    text.DrawOnLine(QStringLiteral("100"), 86, top + 160, Black);
    for (int i = 1; i <= 9; ++i)
        text.DrawOnLine(QString::number(100 - 10 * i), 94, top + 160 + 30 * i, Black);
    text.DrawOnLine(QStringLiteral("0"), 102, top + 460, Black);
    for (const ReportBar& bar : ReportBars)
        text.Draw(QString::fromLatin1(bar.label), bar.labelX, top + 470, Black);

    painter.setPen(QPen(Black, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(130, top + 160), QPointF(130, top + 460));
    painter.drawLine(QPointF(130, top + 460), QPointF(700, top + 460));

    for (int i = 0; i < CycleCount; ++i) {
        const ReportBar& bar = ReportBars[static_cast<std::size_t>(i)];
        painter.setPen(QPen(bar.colour, 40, Qt::SolidLine, Qt::FlatCap));
        const int reading = set.readings[static_cast<std::size_t>(i)];
        painter.drawLine(QPointF(bar.barX, top + 458), QPointF(bar.barX, top + 458 - 3.0 * reading));
    }
}

std::string ExplanationText()
{
    return PageHeading("Daily Report Analysis Explained") +
           PageParagraph("Zodiac Sign and Soul Number readings are explained in the Profiles section. They come from "
                         "your birthday and your full name, so they stay the same from day to day.") +
           PageParagraph(
               "Day Reading falls into three categories: normal, good and bad. A good day favours new starts and "
               "important decisions; on a bad day take things slowly and put off what can wait; a normal day "
               "asks for nothing special.") +
           PageParagraph(
               "The fear of the Evil Eye is universal: many cultures believe that envy and ill will can bring bad "
               "luck. The Evil Eye reading tells you how strongly it may touch your day and when to be careful.") +
           PageParagraph(
               "Lottery numbers are unique daily lucky numbers. They are drawn from your profile and the date, "
               "so each day brings six new numbers of your own.") +
           PageParagraph(
               "Other Day Readings graph your emotional, physical, intellectual, intuition and fortune highs and "
               "lows for you. The taller the bar, the stronger that side of you is today. Press E, P, B, I or F to "
               "see how a reading rises and falls hour by hour.");
}
}

DailyAnalysisWindow::DailyAnalysisWindow(QWidget* parent) : QDialog(parent), baseDate(Today()), shownDate(Today())
{
    setFixedSize(DluX(520), DluY(354));
    move(CentreX(width()), CentreY(height()));

    const auto makeButton = [this](const char* caption) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        buttons.push_back(button);
        return button;
    };
    const char* hourlyCaptions[] = {"E", "P", "B", "I", "F"};
    for (int i = 0; i < 5; ++i) {
        hourlyButtons[i] = makeButton(hourlyCaptions[i]);
        connect(hourlyButtons[i], &QPushButton::clicked, this, [this, i] { OpenHourly(i + 1); });
    }
    superstitionButton = makeButton("S");
    printButton = makeButton("Print");
    emailButton = makeButton("Email");
    prevButton = makeButton("Prev Day");
    nowButton = makeButton("Now");
    nextButton = makeButton("Next Day");
    saveButton = makeButton("Save");
    explainButton = makeButton("Explain");
    monthButton = makeButton("M");

    const int columnX = width() - 12 - 44;
    for (int i = 0; i < 6; ++i)
        buttons[static_cast<std::size_t>(i)]->setGeometry(columnX, 12 + 40 * i, 44, 32);
    // The month view's button closes the column of letters, its key is its letter.
    monthButton->setGeometry(columnX, 12 + 40 * 6, 44, 32);
    monthButton->setShortcut(Qt::Key_M);
    monthButton->setAccessibleName(QStringLiteral("Month at a glance"));
    printButton->setGeometry(12, ButtonRowY, 70, ButtonRowHeight);
    emailButton->setGeometry(88, ButtonRowY, 70, ButtonRowHeight);
    prevButton->setGeometry(253, ButtonRowY, 96, ButtonRowHeight);
    nowButton->setGeometry(355, ButtonRowY, 70, ButtonRowHeight);
    nextButton->setGeometry(431, ButtonRowY, 96, ButtonRowHeight);
    saveButton->setGeometry(622, ButtonRowY, 70, ButtonRowHeight);
    explainButton->setGeometry(698, ButtonRowY, 70, ButtonRowHeight);
    printButton->setDefault(true);
    for (std::size_t i = 1; i < buttons.size(); ++i)
        setTabOrder(buttons[i - 1], buttons[i]);
    // The lines come after the buttons, so the first focus stays where it was.
    readingLines.Create(this, buttons.back());
    const char* names[] = {"Emotional hour by hour", "Physical hour by hour", "Intellectual hour by hour",
                           "Intuition hour by hour", "Fortune hour by hour",  "Superstition"};
    for (int i = 0; i < 6; ++i)
        buttons[static_cast<std::size_t>(i)]->setAccessibleName(QString::fromLatin1(names[i]));
    for (QPushButton* button : {prevButton, nowButton, nextButton})
        button->installEventFilter(this);
    AddKeys();

    connect(superstitionButton, &QPushButton::clicked, this, &DailyAnalysisWindow::ShowSuperstitions);
    connect(printButton, &QPushButton::clicked, this, &DailyAnalysisWindow::Print);
    connect(emailButton, &QPushButton::clicked, this, &DailyAnalysisWindow::Email);
    connect(prevButton, &QPushButton::clicked, this, &DailyAnalysisWindow::PrevDay);
    connect(nowButton, &QPushButton::clicked, this, &DailyAnalysisWindow::Now);
    connect(nextButton, &QPushButton::clicked, this, &DailyAnalysisWindow::NextDay);
    connect(saveButton, &QPushButton::clicked, this, &DailyAnalysisWindow::Save);
    connect(explainButton, &QPushButton::clicked, this, &DailyAnalysisWindow::Explain);
    connect(monthButton, &QPushButton::clicked, this, &DailyAnalysisWindow::OpenMonthView);

    LoadPictures();
}

void DailyAnalysisWindow::AddKeys()
{
    const auto press = [this](QKeySequence keys, QPushButton* button) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, button] {
            if (!button->isEnabled())
                return;
            pressedByKey = true;
            button->click();
        });
    };
    press(QKeySequence::Print, printButton);
    press(QKeySequence::Save, saveButton);
    press(QKeySequence(Qt::Key_PageUp), prevButton);
    press(QKeySequence(Qt::Key_PageDown), nextButton);
}

bool DailyAnalysisWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        pressedByKey = true;
        break;
    case QEvent::MouseButtonPress:
        pressedByKey = false;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

QPushButton* DailyAnalysisWindow::Button(const QString& caption) const
{
    for (QPushButton* button : buttons)
        if (button->text() == caption)
            return button;
    return nullptr;
}

void DailyAnalysisWindow::LoadPictures()
{
    // Decoration only: a missing picture leaves its place empty.
    const QString folder = QString::fromStdString(InstallDir());
    for (int i = 0; i < 12; ++i) {
        const QPixmap picture(folder + QString::fromStdString(SignPictureFile(static_cast<ZodiacSign>(i))));
        if (picture.isNull()) {
            columnPictures.emplace_back();
            rowPictures.emplace_back();
            continue;
        }
        columnPictures.push_back(
            picture.scaled(ColumnPicture, ColumnPicture, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        rowPictures.push_back(picture.scaled(RowPicture, RowPicture, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

void DailyAnalysisWindow::showEvent(QShowEvent* event)
{
    if (!initialised) {
        initialised = true;
        Initialise();
    }
    QDialog::showEvent(event);
}

void DailyAnalysisWindow::Initialise()
{
    for (QPushButton* button : buttons)
        button->setFont(ControlFont());
    ShowDay(shownDate, false);
    paintReady = true;
    windowHeight = frameGeometry().height();
    // The frame comes later under a window manager: the outer height is its height.
    FrameWatch::WhenFramed(this, [this] {
        windowHeight = FrameWatch::OuterSize(this).height();
        readingLines.Place(ReportTop());
        update();
    });
    readingLines.Place(ReportTop());
    SetStepping(true, true, false, true);

    const char* tips[] = {"emotional reading hourly", "physical reading hourly", "intellectual reading hourly",
                          "intuition reading hourly", "fortune reading hourly",  "superstitions"};
    for (int i = 0; i < 6; ++i)
        buttons[static_cast<std::size_t>(i)]->setToolTip(QString::fromLatin1(tips[i]));
    printButton->setToolTip(QStringLiteral("print daily report"));
    emailButton->setToolTip(QStringLiteral("email daily report"));
    saveButton->setToolTip(QStringLiteral("save daily report"));
    explainButton->setToolTip(QStringLiteral("explain all readings"));
    monthButton->setToolTip(QStringLiteral("the month at a glance (M)"));
}

double DailyAnalysisWindow::ReportTop() const
{
    if (windowHeight <= 0)
        return 12.0;
    const double top = (windowHeight - 576) * 0.5;
    return top <= 0.0 ? 12.0 : top;
}

void DailyAnalysisWindow::ShowDay(const Date& date, bool repaintNow)
{
    shownDate = date;
    ComputeDailyReadingSet(readingSet, profileFile, shownDate.year, shownDate.month, shownDate.day);
    setWindowTitle(QString::fromStdString(readingSet.title));
    const QString spoken = readingLines.Show(readingSet);
    if (repaintNow) {
        repaint(ReportRect);
        stepAnnouncement = spoken;
    }
}

void DailyAnalysisWindow::SetStepping(bool prev, bool next, bool now, bool hourly)
{
    // Stepping ends where the date lists end.
    prev = prev && !(baseDate == FirstListedDay);
    next = next && !(baseDate == LastListedDay);
    // A step disables the button that made it. After a click the dialog moves the focus on as
    // it always has; after a key it goes to the button that leads back, so the keyboard
    // user stays among the day buttons.
    QWidget* focused = focusWidget();
    const bool losesFocus =
        (focused == prevButton && !prev) || (focused == nextButton && !next) || (focused == nowButton && !now) ||
        (!hourly && std::find(std::begin(hourlyButtons), std::end(hourlyButtons), focused) != std::end(hourlyButtons));
    if (pressedByKey && losesFocus) {
        QPushButton* back = focused == nowButton ? (lastStep ? lastStep : nextButton) : nowButton;
        if ((back == prevButton && prev) || (back == nextButton && next) || (back == nowButton && now)) {
            back->setEnabled(true);
            back->setFocus(Qt::OtherFocusReason);
        }
    }
    prevButton->setEnabled(prev);
    nextButton->setEnabled(next);
    nowButton->setEnabled(now);
    for (QPushButton* button : hourlyButtons)
        button->setEnabled(hourly);
    if (!stepAnnouncement.isEmpty())
        Announce(focusWidget(), std::exchange(stepAnnouncement, QString()));
}

void DailyAnalysisWindow::PrevDay()
{
    if (baseDate == FirstListedDay)
        return;
    ShowDay(DayBefore(baseDate), true);
    lastStep = prevButton;
    SetStepping(false, true, true, false);
}

void DailyAnalysisWindow::NextDay()
{
    if (baseDate == LastListedDay)
        return;
    ShowDay(DayAfter(baseDate), true);
    lastStep = nextButton;
    SetStepping(true, false, true, false);
}

void DailyAnalysisWindow::Now()
{
    ShowDay(baseDate, true);
    SetStepping(true, true, false, true);
}

int DailyAnalysisWindow::HourlyDayValue(int kind, const Date& date, QString& title) const
{
    if (profileFile.empty())
        return HourlyDay().value;
    const HourlyDay day = HourlyDayOf(ReadProfileFile(profileFile), kind, shownDate, date);
    title = QString::fromStdString(day.title);
    return day.value;
}

void DailyAnalysisWindow::OpenHourly(int kind)
{
    QString title;
    HourlyValues values;
    values.previousValue = HourlyDayValue(kind, DayBefore(baseDate), title);
    values.nextValue = HourlyDayValue(kind, DayAfter(baseDate), title);
    values.dayValue = HourlyDayValue(kind, baseDate, title);
    {
        HourlyWindow hourly(values, title, QString::fromStdString(HourlyChartHeading(kind)), this);
        connect(&hourly, &HourlyWindow::printSavedImage, &hourly,
                [&hourly] { PrintHourlyReport(hourly.windowTitle()); });
        hourly.exec();
    }
    Now();
}

void DailyAnalysisWindow::Print()
{
    PrintDailyReport(windowTitle(), readingSet, fontFace);
}

void DailyAnalysisWindow::Save()
{
    // The dialog puts the working directory back to InstallDir itself.
    const QString chosen =
        FileDialog::getSaveFileName(QStringLiteral("Save Report"), QStringLiteral("Daily Report (*.jpg)"),
                                    QString::fromStdString(ReportsDir()), QStringLiteral("jpg"));
    if (chosen.isEmpty())
        return;
    // Email attaches savedReportPath, so it only ever names a picture that was written.
    if (!HasEncoder("image/jpeg"))
        return;
    bool saved = false;
    {
        const WaitCursor wait;
        DailyReadingSet shown = readingSet;
        shown.title = windowTitle().toStdString();
        saved = SaveImage(ComposeReportPicture(shown, ReportVariant::Window), chosen);
    }
    if (saved) {
        savedReportPath = chosen;
        MessageBox::information(QStringLiteral("Your Daily Report was saved successfully.     "));
    } else {
        MessageBox::stop(QStringLiteral("Unable to save Daily Report.    "));
    }
}

void DailyAnalysisWindow::Explain()
{
    PagePair pair;
    pair.entryName = "effects.htm";
    pair.contentName = "reading.htm";
    pair.bodyTag = PageBody::Scrolling;
    pair.text = ExplanationText();
    pair.printRow = PagePrintRow::Standard;
    pair.closing = PageClosing::Paragraph;
    if (!WritePagePair(pair))
        return;
    PageWindow::ShowPage(QStringLiteral(" Daily Analysis - How To Use"),
                         QString::fromStdString(InstallDir() + pair.entryName), 700, 480, this);
}

void DailyAnalysisWindow::ShowSuperstitions()
{
    ::ShowSuperstitions(shownDate, this);
}

void DailyAnalysisWindow::OpenMonthView()
{
    MonthViewWindow month(profileFile, shownDate, this);
    connect(&month, &MonthViewWindow::dayChosen, this,
            [this, &month](const Date& date) { emit dayWindowRequested(date, &month); });
    month.exec();
}

void DailyAnalysisWindow::Email()
{
    emit emailRequested();
}

void DailyAnalysisWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    SetDrawingQuality(painter);

    // The zodiac column along the left edge and the small pictures beside the centre buttons.
    for (int i = 0; i < 12; ++i) {
        const QPixmap& picture = columnPictures[static_cast<std::size_t>(i)];
        if (!picture.isNull())
            painter.drawPixmap(24 + (ColumnPicture - picture.width()) / 2,
                               8 + 42 * i + (ColumnPicture - picture.height()) / 2, picture);
    }
    const int rowY = ButtonRowY + (ButtonRowHeight - RowPicture) / 2;
    for (int i = 0; i < 10; ++i) {
        const QPixmap& picture = rowPictures[static_cast<std::size_t>(i)];
        const int x = i < 5 ? 162 + 18 * i : 531 + 18 * (i - 5);
        if (!picture.isNull())
            painter.drawPixmap(x + (RowPicture - picture.width()) / 2, rowY + (RowPicture - picture.height()) / 2,
                               picture);
    }

    if (paintReady)
        DrawReport(painter, ReportTop(), readingSet, fontFace);
}
