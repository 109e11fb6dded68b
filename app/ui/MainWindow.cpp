#include "app/ui/MainWindow.h"

#include "app/ui/AboutWindow.h"
#include "content/PageWriter.h"
#include "content/ui/ContentPageWindows.h"
#include "content/ui/HelpWizard.h"
#include "content/ui/PageWindow.h"
#include "engine/ui/CompanionWindow.h"
#include "mail/ui/EmailReport.h"
#include "mail/ui/ModalRun.h"
#include "platform/AsciiText.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/FileMessages.h"
#include "platform/Paths.h"
#include "platform/ui/ComboLists.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameWatch.h"
#include "platform/ui/KeyPressWatch.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "profiles/ui/ProfileEditorWindow.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "reports/ui/ReportViewWindow.h"
#include "schedule/SchedulerLink.h"
#include "schedule/TaskFile.h"
#include "schedule/ui/CurrentScheduleWindow.h"
#include "schedule/ui/ScheduleWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <utility>

namespace {
const QString kTipAddProfile = QStringLiteral("Click on the Add Profile button to create your unique profile.");
const QString kTipAnalyze = QStringLiteral("Click on the Analyze Day button to get your full Daily Analysis.");
const QString kTipAnalyzeOrDreams = QStringLiteral("Click on the Analyze Day button or click on the Dreams button.");
const QString kTipSelect =
    QStringLiteral("Select any profile and click on the Analyze Day button to get your full Daily Analysis.");
const QString kTipCompanion =
    QStringLiteral("Click on the Companion button to get full Companion Analysis: business, friendship and love.");
const QString kTipOnlyTwo = QStringLiteral("Select only 2 (two) profiles to get full Companion Analysis.");
const QString kTipNewProfile = QStringLiteral(
    "In most cases you should <font color=\"white\">NOT<font color=\"yellow\"> use \"Personal Data For Calculation\" "
    "right away.");
const QString kTipEditProfile = QStringLiteral("Use Personal Data for calculation if you want to try manual calibration.");
const QString kTipSchedule = QStringLiteral("Schedule Daily Analysis to be delivered to you automatically via E-mail.");
const QString kTipOpenReport = QStringLiteral("Select and view any Daily Analysis Report you previously saved.");
const QString kTipHelp = QStringLiteral("Make sure that you read ALL help topics.");

const QString kBeforeBirth = QStringLiteral("You can't analyze a date before your birth date.     ");

constexpr int kWidth = 780;
constexpr int kHeight = 520;
constexpr int kTipHeight = 85;

QString CalibrationLabel(bool manual)
{
    return manual ? QStringLiteral("Manual") : QStringLiteral("Automatic");
}

}

MainWindow::MainWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Moravel 2005  -  For entertainment purposes only"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(ProgramPicture()));
    setFixedSize(kWidth, kHeight);
    today = Today();
    selectedDate = today;

    CreateControls();
    LoadList();

    DateLists::FillMonths(monthList);
    DateLists::FillYears(yearList);
    SelectDate(selectedDate);

    for (QComboBox* combo : {monthList, dayList, yearList})
        KeyPressWatch::Watch(combo);
    connect(monthList, &QComboBox::currentIndexChanged, this, &MainWindow::MonthChanged);
    connect(dayList, &QComboBox::currentIndexChanged, this, &MainWindow::DayChanged);
    connect(yearList, &QComboBox::currentIndexChanged, this, &MainWindow::YearChanged);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &MainWindow::Help);
}

MainWindow::~MainWindow()
{
    delete tipWindow;
}

void MainWindow::CreateControls()
{
    frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(10, 4, 760, 378);

    addButton = MakeButton(QStringLiteral("Add Profile"), QStringLiteral("addProfile"), this, {28, 24, 150, 34},
                           QStringLiteral("add new profile"));
    editButton = MakeButton(QStringLiteral("Edit Profile"), QStringLiteral("editProfile"), this, {188, 24, 150, 34},
                            QStringLiteral("edit existing profile"));
    deleteButton = MakeButton(QStringLiteral("Delete Profile"), QStringLiteral("deleteProfile"), this, {348, 24, 150, 34},
                              QStringLiteral("delete existing profile"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramPicture(48));
    icon->setGeometry(706, 14, 48, 48);

    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("profileList"));
    list->setGeometry(28, 68, 726, 302);
    list->setFont(ControlFont());
    list->setToolTip(QStringLiteral("all profiles"));
    list->setColumnCount(3);
    list->setHeaderLabels({QStringLiteral("Full Name"), QStringLiteral("Description"), QStringLiteral("Calibration")});
    list->header()->setFont(ControlFont());
    list->header()->setSectionsMovable(false);
    list->header()->setSortIndicatorShown(false);
    list->header()->setStretchLastSection(false);
    list->setColumnWidth(0, 250);
    list->setColumnWidth(1, 300);
    list->setColumnWidth(2, 100);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, QColor(128, 128, 128));
    palette.setColor(QPalette::AlternateBase, QColor(128, 128, 128));
    palette.setColor(QPalette::Text, Qt::black);
    // The selection stays visible when the list loses the focus.
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    list->setPalette(palette);
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!updatingList)
            SelectionChanged();
    });
    KeyPressWatch::Watch(list);
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { EditProfile(); });

    MakeLabel(QStringLiteral("Analyze Date:"), LabelColour::Blue, this, 50)->setGeometry(12, 394, 118, 28);
    monthList = MakeChoiceList(QStringLiteral("month"), this, {132, 392, 56, 32}, QStringLiteral("select month"));
    dayList = MakeChoiceList(QStringLiteral("day"), this, {192, 392, 56, 32}, QStringLiteral("select date"));
    yearList = MakeChoiceList(QStringLiteral("year"), this, {252, 392, 76, 32}, QStringLiteral("select year"));
    MakeLabel(QStringLiteral("Select any date from your past, present or future."), LabelColour::White, this, 100)
        ->setGeometry(334, 394, 436, 28);

    // The lower band: the twelve sign pictures.
    static const char* const signs[] = {"aries", "taurus", "gemini", "cancer", "leo", "virgo",
                                        "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};
    for (int i = 0; i < 12; ++i) {
        auto* picture = new QLabel(this);
        picture->setPixmap(QPixmap::fromImage(ReadPictureByName(QStringLiteral(":/pictures/%1.gif").arg(QLatin1String(signs[i])))));
        picture->setGeometry(kWidth / 2 - 12 * 40 / 2 + i * 40 + 6, 434, 28, 28);
    }

    analyzeButton = MakeButton(QStringLiteral("Analyze Day"), QStringLiteral("analyzeDay"), this, {10, 474, 120, 36},
                               QStringLiteral("full daily analysis"));
    scheduleButton = MakeButton(QStringLiteral("Schedule"), QStringLiteral("schedule"), this, {138, 474, 120, 36},
                                QStringLiteral("schedule daily report delivery"));
    openReportButton = MakeButton(QStringLiteral("Open Report"), QStringLiteral("openReport"), this, {266, 474, 120, 36},
                                  QStringLiteral("open any saved daily report"));
    companionButton = MakeButton(QStringLiteral("Companion"), QStringLiteral("companion"), this, {394, 474, 120, 36},
                                 QStringLiteral("companion analysis"));
    dreamsButton = MakeButton(QStringLiteral("Dreams"), QStringLiteral("dreams"), this, {522, 474, 120, 36},
                              QStringLiteral("dream interpretation"));
    helpButton = MakeButton(QStringLiteral("Help"), QStringLiteral("help"), this, {650, 474, 120, 36},
                            QStringLiteral("help wizard"));
    analyzeButton->setDefault(true);

    connect(addButton, &QPushButton::clicked, this, &MainWindow::AddProfile);
    connect(editButton, &QPushButton::clicked, this, &MainWindow::EditProfile);
    connect(deleteButton, &QPushButton::clicked, this, &MainWindow::DeleteProfile);
    connect(analyzeButton, &QPushButton::clicked, this, &MainWindow::AnalyzeDay);
    connect(scheduleButton, &QPushButton::clicked, this, &MainWindow::Schedule);
    connect(openReportButton, &QPushButton::clicked, this, &MainWindow::OpenReport);
    connect(companionButton, &QPushButton::clicked, this, &MainWindow::Companion);
    connect(dreamsButton, &QPushButton::clicked, this, &MainWindow::Dreams);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::Help);

    for (QPushButton* button : {editButton, deleteButton, analyzeButton, companionButton, scheduleButton, dreamsButton})
        button->setEnabled(false);
}

void MainWindow::LoadList()
{
    // The list starts empty; the index stays as it is until it can be read.
    if (LoadProfileIndex(profiles) == FileState::Unreadable)
        MessageBox::stop(CannotReadMessage(ProfileIndexPath()));
    const QScopedValueRollback<bool> guard(updatingList, true);
    for (const ProfileIndexEntry& entry : profiles) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, QString::fromStdString(entry.fullName));
        item->setText(1, QString::fromStdString(entry.description));
        item->setText(2, QString::fromStdString(entry.calibrationLabel));
    }
    if (!profiles.empty()) {
        for (QPushButton* button : {editButton, deleteButton, analyzeButton, scheduleButton})
            button->setEnabled(true);
        firstSelected = 0;
        firstDescription = profiles[0].description;
        SelectOnly(0);
        list->setFocus();
    }
}

void MainWindow::AddRow(const ProfileIndexEntry& entry)
{
    profiles.push_back(entry);
    auto* item = new QTreeWidgetItem(list);
    item->setText(0, QString::fromStdString(entry.fullName));
    item->setText(1, QString::fromStdString(entry.description));
    item->setText(2, QString::fromStdString(entry.calibrationLabel));
}

void MainWindow::SetRow(int row, const ProfileIndexEntry& entry)
{
    profiles[static_cast<std::size_t>(row)] = entry;
    QTreeWidgetItem* item = list->topLevelItem(row);
    item->setText(0, QString::fromStdString(entry.fullName));
    item->setText(1, QString::fromStdString(entry.description));
    item->setText(2, QString::fromStdString(entry.calibrationLabel));
}

std::vector<int> MainWindow::SelectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        if (list->topLevelItem(row)->isSelected())
            rows.push_back(row);
    return rows;
}

void MainWindow::SelectOnly(int row)
{
    const QScopedValueRollback<bool> guard(updatingList, true);
    list->clearSelection();
    if (row < 0 || row >= list->topLevelItemCount())
        return;
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    item->setSelected(true);
    list->scrollToItem(item);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (opened)
        return;
    opened = true;
    PlaceWindow();
    // Placed again from the frame's size once the window manager has framed the
    // window, and the tip line goes right under the frame.
    FrameWatch::WhenFramed(this, [this] {
        const QRect outer = PlaceWindow();
        if (tipWindow)
            PlaceTip(outer);
    });
    tipsEnabled = true;
    if (!startRequest.Empty())
        QTimer::singleShot(0, this, &MainWindow::FollowStartRequest);
    if (profiles.empty()) {
        ShowTip(kTipAddProfile);
        addButton->setFocus();
    } else {
        // The dreams check picks the tip and the focus: one page load at start.
        UpdateDreams();
    }
}

// The tip line stands right under the main window's frame, as wide, above the windows it would hide under.
void MainWindow::PlaceTip(const QRect& outer)
{
    tipWindow->setMinimumSize(0, 0);
    tipWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    tipWindow->SetSize(outer.width(), kTipHeight);
    tipWindow->setFixedSize(tipWindow->size());
    tipWindow->SetPosition(outer.left(), outer.top() + outer.height());
    // Above the main window, never above a window opened from it.
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == this)
        tipWindow->raise();
}

// The tip line travels with the main window when the user moves it.
void MainWindow::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    // Only moved: raising it here would put it over a window opened from the main window.
    if (tipWindow && opened)
        tipWindow->SetPosition(frameGeometry().left(), frameGeometry().top() + FrameWatch::OuterSize(this).height());
}

QRect MainWindow::PlaceWindow()
{
    const QScreen* screen = this->screen();
    const QSize area = screen ? screen->geometry().size() : QSize(1024, 768);
    const QSize outer = FrameWatch::OuterSize(this);
    const int w = outer.width();
    const int h = outer.height();
    const int left = (area.width() - w) / 2 > 0 ? (area.width() - w) / 2 : area.width() - w;
    const int top = (area.height() - (h + kTipHeight)) / 2 > 0 ? (area.height() - (h + kTipHeight)) / 2
                                                                 : area.height() - (h + kTipHeight);
    FrameWatch::MoveFrame(this, {left, top});
    return {left, top, w, h};
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // The desktop owns the title bar's menu, so the About item lives on the window face.
    QMenu menu(this);
    menu.addSeparator();
    menu.addAction(QStringLiteral("&About Moravel"), this, &MainWindow::ShowAbout);
    menu.exec(event->globalPos());
}

void MainWindow::ShowAbout()
{
    AboutWindow about(this);
    about.exec();
}

// --- Date lists -------------------------------------------------------------

void MainWindow::SelectDate(const Date& date)
{
    selectedDate = date;
    const QSignalBlocker month(monthList), year(yearList), day(dayList);
    monthList->setCurrentIndex(date.month >= 1 && date.month <= 12 ? date.month - 1 : -1);
    // A year the list does not offer leaves it without a selection; the date stays.
    yearList->setCurrentIndex(DateLists::YearEntry(date.year));
    DateLists::FillDays(dayList, date.month, date.year, date.day);
}

void MainWindow::MonthChanged()
{
    selectedDate.month = monthList->currentIndex() + 1;
    DateLists::FillDays(dayList, selectedDate.month, selectedDate.year, selectedDate.day);
    selectedDate.day = dayList->currentIndex() + 1;
    UpdateButtonsAfterDate();
}

void MainWindow::DayChanged()
{
    selectedDate.day = dayList->currentIndex() + 1;
    UpdateButtonsAfterDate();
}

void MainWindow::UpdateButtonsAfterDate()
{
    QWidget* focused = focusWidget();
    UpdateButtons();
    // A date walked with the arrow keys keeps the focus in its list.
    if (KeyPressWatch::Handling() && focused)
        focused->setFocus();
}

void MainWindow::YearChanged()
{
    if (yearList->currentIndex() < 0)
        return;
    selectedDate.year = DateLists::YearOfEntry(yearList->currentIndex());
    MonthChanged();
}

// The profile's row is selected as a click would select it, and a date opens the
// Daily Analysis window as Analyze Day does, refusals included.
void MainWindow::FollowStartRequest()
{
    const StartRequest request = std::exchange(startRequest, StartRequest{});
    if (request.date) {
        SelectDate(*request.date);
        UpdateButtons();
    }
    const auto row = std::find_if(profiles.begin(), profiles.end(),
                                  [&](const ProfileIndexEntry& entry) { return entry.description == request.profile; });
    if (request.profile.empty() || row == profiles.end())
        return;
    SelectOnly(static_cast<int>(row - profiles.begin()));
    SelectionChanged();
    if (request.date)
        AnalyzeDay();
}

// --- Selection and buttons --------------------------------------------------

void MainWindow::SelectionChanged()
{
    const std::vector<int> selected = SelectedRows();
    if (selected.empty()) {
        // A click on empty space never leaves the list without a selection; the
        // buttons and the tip follow the one row selected again.
        SelectOnly(firstSelected);
        secondSelected = -1;
        secondDescription.clear();
        tooManySelected = false;
        UpdateButtons();
        list->setFocus();
        return;
    }
    tooManySelected = false;
    for (std::size_t i = 0; i < selected.size(); ++i) {
        const int row = selected[i];
        if (i == 0) {
            firstSelected = row;
            firstDescription = profiles[static_cast<std::size_t>(row)].description;
            secondSelected = -1;
            secondDescription.clear();
        } else if (i == 1) {
            secondSelected = row;
            secondDescription = profiles[static_cast<std::size_t>(row)].description;
        } else {
            tooManySelected = true;
            break;
        }
    }
    UpdateButtons();
    // The buttons take the focus after a click; the arrow keys go on moving in the list.
    if (KeyPressWatch::Handling())
        list->setFocus();
}

void MainWindow::UpdateButtons()
{
    const std::size_t count = SelectedRows().size();
    if (count >= 3) {
        for (QPushButton* b : {editButton, deleteButton, analyzeButton, companionButton, scheduleButton, dreamsButton})
            b->setEnabled(false);
        ShowTip(kTipOnlyTwo);
        helpButton->setFocus();
    } else if (count == 1) {
        companionButton->setEnabled(false);
        for (QPushButton* b : {editButton, deleteButton, analyzeButton, scheduleButton, openReportButton})
            b->setEnabled(true);
        UpdateDreams();
    } else if (count == 2) {
        companionButton->setEnabled(true);
        for (QPushButton* b : {editButton, deleteButton, analyzeButton, scheduleButton, openReportButton, dreamsButton})
            b->setEnabled(false);
        ShowTip(kTipCompanion);
        companionButton->setFocus();
    } else {
        for (QPushButton* b : {editButton, deleteButton, analyzeButton, companionButton, scheduleButton, dreamsButton})
            b->setEnabled(false);
        if (profiles.empty()) {
            ShowTip(kTipAddProfile);
            addButton->setFocus();
        } else {
            ShowTip(kTipSelect);
            helpButton->setFocus();
        }
    }
}

void MainWindow::UpdateDreams()
{
    const bool onOrBeforeToday = IsOnOrAfter(today.year, today.month, today.day, selectedDate.year,
                                             selectedDate.month, selectedDate.day);
    dreamsButton->setEnabled(onOrBeforeToday);
    if (onOrBeforeToday) {
        ShowTip(kTipAnalyzeOrDreams);
        dreamsButton->setFocus();
    } else {
        ShowTip(kTipAnalyze);
        analyzeButton->setFocus();
    }
}

void MainWindow::ShowTip(const QString& text)
{
    if (!tipsEnabled)
        return;
    currentTip = text;
    WriteTipPage(text.toStdString());
    const QString page = QString::fromStdString(InstallDir() + "tip_e.htm");
    if (!tipWindow) {
        tipWindow = new PageWindow(this);
        tipWindow->SetTitle(QStringLiteral("Quick Tip"));
        // A fixed line under the main window: no maximise, no resizing.
        tipWindow->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        tipWindow->setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
        PlaceTip(frameGeometry());
        tipWindow->SetRefuseClose(true);
        tipWindow->SetPage(page);
        tipWindow->ShowModeless();
    } else {
        tipWindow->Navigate(page);
    }
}

void MainWindow::ShowListTip()
{
    if (profiles.empty()) {
        ShowTip(kTipAddProfile);
        addButton->setFocus();
    } else {
        ShowTip(kTipSelect);
        helpButton->setFocus();
    }
}

void MainWindow::SaveIndexIfDirty()
{
    // Once the list has changed it is written at each of these points until the window closes.
    if (!indexDirty)
        return;
    // A failed write is told once for each change of the list, not at every command.
    if (SaveProfileIndex(profiles))
        indexFailureShown = false;
    else if (!indexFailureShown) {
        indexFailureShown = true;
        MessageBox::stop(CannotSaveMessage(ProfileIndexPath()));
    }
}

// --- Commands ---------------------------------------------------------------

void MainWindow::AddProfile()
{
    ShowTip(kTipNewProfile);
    helpButton->setFocus();
    ProfileEditorWindow editor(this);
    if (editor.RunNew()) {
        const ProfileRecord& record = editor.Record();
        const ProfileIndexEntry entry{record.fullName, record.description,
                                      CalibrationLabel(record.manualCalibration).toStdString()};
        // A replaced profile file keeps its one row.
        const auto same = std::find_if(profiles.begin(), profiles.end(), [&](const ProfileIndexEntry& row) {
            return row.description == record.description;
        });
        if (same != profiles.end())
            SetRow(static_cast<int>(same - profiles.begin()), entry);
        else
            AddRow(entry);
        indexDirty = true;
        indexFailureShown = false;
    }
    ShowListTip();
}

void MainWindow::EditProfile()
{
    const std::vector<int> selected = SelectedRows();
    if (selected.empty()) {
        SelectOnly(firstSelected);
        return;
    }
    for (int row : selected) {
        firstSelected = row;
        firstDescription = profiles[static_cast<std::size_t>(row)].description;
        ShowTip(kTipEditProfile);
        helpButton->setFocus();
        ProfileEditorWindow editor(this);
        if (editor.RunEdit(firstDescription)) {
            const ProfileRecord& record = editor.Record();
            SetRow(row, {record.fullName, record.description,
                         CalibrationLabel(record.manualCalibration).toStdString()});
            indexDirty = true;
            indexFailureShown = false;
            ShowTip(kTipAnalyze);
            analyzeButton->setFocus();
        }
    }
}

void MainWindow::DeleteProfile()
{
    std::vector<int> selected = SelectedRows();
    // From the last row up, so that the rows still to delete keep their places.
    std::sort(selected.rbegin(), selected.rend());
    int current = -1;
    bool deletedAny = false;
    for (int row : selected) {
        const std::string description = profiles[static_cast<std::size_t>(row)].description;
        const std::string path = ProfilePath(description);
        // One click must not remove a person's data: No leaves this profile as it is.
        if (!MessageBox::question(QStringLiteral("Delete the profile \"%1\"?    ")
                                      .arg(QString::fromStdString(description))))
            continue;
        if (IsProfileScheduled(path)) {
            if (!MessageBox::question(QStringLiteral("This profile is used for daily email delivery.    \n"
                                                     "If you delete it, daily email delivery will end too.    \n\n"
                                                     "Do you want to continue?    ")))
                continue;
            // Editing the crontab needs no daemon: a line left behind would start a
            // run without its task every day.
            SchedulerLink::EnsureSchedulerRunning();
            SchedulerLink::DeleteWorkItem();
            DeleteTaskFile();
        }
        // A row without its file is gone; a file without its row would be lost to the user.
        if (!DeleteProfileFile(description)) {
            MessageBox::stop(CannotDeleteMessage(path));
            continue;
        }

        {
            const QScopedValueRollback<bool> guard(updatingList, true);
            delete list->takeTopLevelItem(row);
        }
        profiles.erase(profiles.begin() + row);
        current = row > 0 ? row - 1 : (profiles.empty() ? -1 : 0);
        deletedAny = true;
        indexDirty = true;
        indexFailureShown = false;
    }
    if (deletedAny) {
        SelectOnly(current);
        firstSelected = current;
        firstDescription = current >= 0 ? profiles[static_cast<std::size_t>(current)].description : std::string();
        secondSelected = -1;
        secondDescription.clear();
        if (current >= 0)
            list->setFocus();
    }
    UpdateButtons();
}

void MainWindow::AnalyzeDay()
{
    for (int row : SelectedRows()) {
        SaveIndexIfDirty();
        const std::string path = ProfilePath(profiles[static_cast<std::size_t>(row)].description);
        const ProfileRecord record = ReadProfileFile(path);
        const Date& birth = record.birthday;
        if (IsOnOrAfter(selectedDate.year, selectedDate.month, selectedDate.day, birth.year, birth.month, birth.day))
            OpenDailyAnalysis(path, selectedDate);
        else
            MessageBox::stop(kBeforeBirth);
    }
}

void MainWindow::Schedule()
{
    for (int row : SelectedRows()) {
        SaveIndexIfDirty();
        ShowTip(kTipSchedule);
        helpButton->setFocus();
        const std::string path = ProfilePath(profiles[static_cast<std::size_t>(row)].description);
        if (FileExists(TaskFilePath())) {
            if (SchedulerLink::EnsureSchedulerRunning()) {
                if (SchedulerLink::WorkItemExists()) {
                    if (OpenCurrentlyScheduled())
                        OpenScheduleWindow(path);
                } else {
                    OpenScheduleWindow(path);
                }
            } else {
                DeleteTaskFile();
                OpenScheduleWindow(path);
            }
        } else {
            OpenScheduleWindow(path);
        }
        ShowTip(kTipAnalyze);
        analyzeButton->setFocus();
    }
}

void MainWindow::OpenReport()
{
    ShowTip(kTipOpenReport);
    helpButton->setFocus();
    const QString path = FileDialog::getOpenFileName(QStringLiteral("Select Daily Report"),
                                                     QStringLiteral("Daily Reports (*.jpg)"),
                                                     QString::fromStdString(ReportsDir()));
    if (!path.isEmpty())
        OpenReportViewer(path, QFileInfo(path).fileName());
    ShowListTip();
}

void MainWindow::Companion()
{
    if (firstDescription.empty() || secondDescription.empty())
        return;
    SaveIndexIfDirty();
    const ProfileRecord first = LoadProfile(firstDescription);
    const ProfileRecord second = LoadProfile(secondDescription);
    const QString firstName = QString::fromStdString(first.fullName).toLower();
    const QString secondName = QString::fromStdString(second.fullName).toLower();
    if (firstName == secondName && first.birthday == second.birthday) {
        MessageBox::information(firstName + QStringLiteral(" and ") + secondName +
                                QStringLiteral(" - same name/birthdays.   \n"
                                               "Companion analysis is designed for two different people only.     "));
        return;
    }
    OpenCompanionWindow(ProfilePath(firstDescription), ProfilePath(secondDescription));
}

void MainWindow::Dreams()
{
    const std::vector<int> selected = SelectedRows();
    if (selected.empty())
        return;
    SaveIndexIfDirty();
    const std::string path = ProfilePath(profiles[static_cast<std::size_t>(selected.front())].description);
    const ProfileRecord record = ReadProfileFile(path);
    const Date& birth = record.birthday;
    if (!IsOnOrAfter(selectedDate.year, selectedDate.month, selectedDate.day, birth.year, birth.month, birth.day)) {
        MessageBox::stop(kBeforeBirth);
        return;
    }
    OpenDreamPage(path, selectedDate);
}

void MainWindow::Help()
{
    ShowTip(kTipHelp);
    helpButton->setFocus();
    OpenHelpWizard();
    ShowListTip();
}

void MainWindow::reject()
{
    Close();
}

void MainWindow::Close()
{
    if (closing)
        return;
    closing = true;
    SaveIndexIfDirty();
    delete tipWindow;
    tipWindow = nullptr;
    // Generated pages are working files; none outlives the window.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(InstallDir(), error)) {
        const std::string name = entry.path().filename().string();
        if (EndsWithLowerAscii(name, ".htm") && !entry.is_directory(error))
            MakeWritableAndDelete(entry.path().string());
    }
    QDialog::reject();
}

// --- Windows that other parts of the program provide ------------------------

void MainWindow::OpenDailyAnalysis(const std::string& profilePath, const Date& date)
{
    DailyAnalysisWindow window(this);
    ConnectEmailCommand(window);
    window.SetProfileFile(profilePath);
    window.SetBaseDate(date);
    window.SetShownDate(date);
    window.exec();
}

bool MainWindow::OpenCurrentlyScheduled()
{
    CurrentScheduleWindow window(this);
    return window.exec() == QDialog::Accepted;
}

void MainWindow::OpenScheduleWindow(const std::string& profilePath)
{
    ScheduleWindow window(this);
    window.SetProfilePath(profilePath);
    window.exec();
}

void MainWindow::OpenReportViewer(const QString& path, const QString& fileName)
{
    ReportViewWindow viewer(path, fileName, this);
    RunModal(viewer);
}

void MainWindow::OpenCompanionWindow(const std::string& firstPath, const std::string& secondPath)
{
    CompanionWindow window(this);
    window.Analyse(firstPath, secondPath);
    window.exec();
}

void MainWindow::OpenDreamPage(const std::string& profilePath, const Date& date)
{
    ShowDreamPage(profilePath, date.month, date.day, date.year, this);
}

void MainWindow::OpenHelpWizard()
{
    HelpWizard wizard(this);
    wizard.exec();
}
