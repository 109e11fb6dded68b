#include "app/ui/MainWindow.h"

#include "app/LastProfile.h"
#include "app/ui/AboutWindow.h"
#include "app/ui/CommandWindows.h"
#include "content/PageWriter.h"
#include "platform/AsciiText.h"
#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "platform/FileMessages.h"
#include "platform/Paths.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameWatch.h"
#include "platform/ui/KeyPressWatch.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TextLine.h"
#include "profiles/ProfileChecks.h"
#include "profiles/ProfileIndexEdits.h"
#include "profiles/ui/ProfileEditorWindow.h"
#include "schedule/SchedulerLink.h"
#include "schedule/TaskFile.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <utility>

namespace {

constexpr int kWidth = 780;
constexpr int kHeight = 520;
}

MainWindow::MainWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Moravel 2005  -  For entertainment purposes only"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ApplicationIcon());
    setFixedSize(kWidth, kHeight + tip.OwnerExtra());
    today = Today();

    ui = MainWindowControls::Create(this);
    ConnectControls();
    LoadList();
    dates.Select(today);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        Help();
        FollowWhenFree();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectControls()
{
    // A request that waited while a command's window was open is followed after it.
    const auto command = [this](void (MainWindow::*run)()) {
        return [this, run] {
            (this->*run)();
            FollowWhenFree();
        };
    };
    connect(ui.list.Tree(), &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!ui.list.Updating())
            SelectionChanged();
    });
    connect(ui.list.Tree(), &QTreeWidget::itemDoubleClicked, this, command(&MainWindow::EditProfile));
    dates.Attach(this, ui.monthList, ui.dayList, ui.yearList, [this] { UpdateButtonsAfterDate(); });
    connect(ui.addButton, &QPushButton::clicked, this, command(&MainWindow::AddProfile));
    connect(ui.editButton, &QPushButton::clicked, this, command(&MainWindow::EditProfile));
    connect(ui.deleteButton, &QPushButton::clicked, this, command(&MainWindow::DeleteProfile));
    connect(ui.analyzeButton, &QPushButton::clicked, this, command(&MainWindow::AnalyzeDay));
    connect(ui.scheduleButton, &QPushButton::clicked, this, command(&MainWindow::Schedule));
    connect(ui.openReportButton, &QPushButton::clicked, this, command(&MainWindow::OpenReport));
    connect(ui.companionButton, &QPushButton::clicked, this, command(&MainWindow::Companion));
    connect(ui.dreamsButton, &QPushButton::clicked, this, command(&MainWindow::Dreams));
    connect(ui.helpButton, &QPushButton::clicked, this, command(&MainWindow::Help));
}

void MainWindow::LoadList()
{
    // The list starts empty; the index stays as it is until it can be read.
    if (LoadProfileIndex(profiles) == FileState::Unreadable)
        MessageBox::stop(CannotReadMessage(ProfileIndexPath()));
    ui.list.SetRows(profiles);
    if (!profiles.empty()) {
        for (QPushButton* button : {ui.editButton, ui.deleteButton, ui.analyzeButton, ui.scheduleButton})
            button->setEnabled(true);
        firstSelected = 0;
        firstDescription = profiles[0].description;
        ui.list.SelectOnly(0);
        ui.list.Tree()->setFocus();
    }
}

// Replaces the row, or adds one at the end for the row after the last.
void MainWindow::PutRow(std::size_t row, const ProfileIndexEntry& entry)
{
    if (row < profiles.size()) {
        profiles[row] = entry;
        ui.list.SetRow(static_cast<int>(row), entry);
    } else {
        profiles.push_back(entry);
        ui.list.AddRow(entry);
    }
    indexDirty = true;
    indexFailureShown = false;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (opened)
        return;
    opened = true;
    const QRect placed = PlaceWindow();
    // Placed again from the frame's size once the window manager has framed the
    // window, and the tip line goes right under the frame.
    FrameWatch::WhenFramed(this, [this] {
        const QRect outer = PlaceWindow();
        tip.Place(outer);
    });
    tip.Enable(placed);
    if (!startRequest.Empty())
        QTimer::singleShot(0, this, &MainWindow::FollowStartRequest);
    if (profiles.empty()) {
        ShowTip(ListTip(0));
    } else {
        // The dreams check picks the tip and the focus: one page load at start.
        UpdateDreams();
    }
}

// The tip line travels with the main window when the user moves it.
void MainWindow::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    if (opened)
        tip.FollowOwner();
}

QRect MainWindow::PlaceWindow()
{
    const QScreen* screen = this->screen();
    const QSize area = screen ? screen->geometry().size() : QSize(1024, 768);
    const QSize outer = FrameWatch::OuterSize(this);
    const WindowPlace place = CentredWithTip(area.width(), area.height(), outer.width(), outer.height(),
                                             QuickTipLine::kHeight - tip.OwnerExtra());
    FrameWatch::MoveFrame(this, {place.left, place.top});
    return {place.left, place.top, outer.width(), outer.height()};
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // The desktop owns the title bar's menu, so the About item lives on the window face.
    QMenu menu(this);
    menu.addSeparator();
    menu.addAction(QStringLiteral("&About Moravel"), this, &MainWindow::ShowAbout);
    menu.exec(event->globalPos());
    FollowWhenFree();
}

void MainWindow::ShowAbout()
{
    AboutWindow about(this);
    about.exec();
}

// --- Date lists -------------------------------------------------------------

void MainWindow::UpdateButtonsAfterDate()
{
    UpdateButtons();
    // A list closed under the arrow keys changes without a word from the reader.
    if (auto* list = qobject_cast<QComboBox*>(focusWidget()); list && KeyPressWatch::Handling())
        Announce(list, list->currentText());
}

// The profile's row is selected as a click would select it, and a date opens the
// Daily Analysis window as Analyze Day does, refusals included.
void MainWindow::FollowStartRequest()
{
    const StartRequest request = std::exchange(startRequest, StartRequest{});
    if (request.date) {
        dates.Select(*request.date);
        UpdateButtons();
    }
    const std::size_t row = ProfileRow(profiles, request.profile);
    if (request.profile.empty() || row == profiles.size())
        return;
    ui.list.SelectOnly(static_cast<int>(row));
    SelectionChanged();
    if (request.date)
        AnalyzeDay();
    // One that came while that window was open.
    FollowWhenFree();
}

void MainWindow::FollowRequest(const StartRequest& request)
{
    startRequest = request;
    FollowWhenFree();
}

// A request waits while another of our windows is open above this one, since that
// window's question comes first; it is followed once this window is on top again.
void MainWindow::FollowWhenFree()
{
    const auto free = [this] {
        const QWidget* top = QApplication::activeModalWidget();
        return opened && !closing && !startRequest.Empty() && (!top || top == this);
    };
    if (!free())
        return;
    QTimer::singleShot(0, this, [this, free] {
        if (free())
            FollowStartRequest();
    });
}

// --- Selection and buttons --------------------------------------------------

void MainWindow::SelectionChanged()
{
    const std::vector<int> selected = ui.list.SelectedRows();
    if (selected.empty()) {
        // A click on empty space never leaves the list without a selection; the
        // buttons and the tip follow the one row selected again.
        ui.list.SelectOnly(firstSelected);
        secondSelected = -1;
        secondDescription.clear();
        tooManySelected = false;
        UpdateButtons();
        ui.list.Tree()->setFocus();
        return;
    }
    const SelectionPick pick = PickSelection(selected);
    firstSelected = pick.first;
    firstDescription = profiles[static_cast<std::size_t>(pick.first)].description;
    RememberSelectedProfile(firstDescription);
    secondSelected = pick.second;
    secondDescription = pick.second >= 0 ? profiles[static_cast<std::size_t>(pick.second)].description : std::string();
    tooManySelected = pick.tooMany;
    UpdateButtons();
}

void MainWindow::UpdateButtons()
{
    const MainButtons buttons =
        ButtonsForSelection(ui.list.SelectedRows().size(), profiles.size(), today, dates.Selected());
    ui.editButton->setEnabled(buttons.edit);
    ui.deleteButton->setEnabled(buttons.remove);
    ui.analyzeButton->setEnabled(buttons.analyze);
    ui.scheduleButton->setEnabled(buttons.schedule);
    ui.companionButton->setEnabled(buttons.companion);
    ui.dreamsButton->setEnabled(buttons.dreams);
    if (buttons.openReport)
        ui.openReportButton->setEnabled(*buttons.openReport);
    ShowTip(buttons.tip);
}

void MainWindow::UpdateDreams()
{
    const bool allowed = DreamsAllowed(today, dates.Selected());
    ui.dreamsButton->setEnabled(allowed);
    ShowTip(OneProfileTip(allowed));
}

// The tip goes to the Quick Tip line; its control takes the focus, shown or not, unless
// the change came from a key in a list: the keyboard user goes on in the list, where a
// focus jump (and back) would lose the place and say nothing.
void MainWindow::ShowTip(MainTipFocus shown)
{
    tip.Show(QString::fromUtf8(MainTipText(shown.tip)));
    if (KeyPressWatch::Handling())
        return;
    QPushButton* const focus[] = {ui.addButton, ui.analyzeButton, ui.companionButton, ui.dreamsButton, ui.helpButton};
    focus[static_cast<int>(shown.focus)]->setFocus();
}

void MainWindow::ShowListTip()
{
    ShowTip(ListTip(profiles.size()));
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
    ShowTip({MainTip::NewProfile, MainFocus::Help});
    ProfileEditorWindow editor(this);
    if (editor.RunNew()) {
        const ProfileIndexEntry entry = IndexEntryOf(editor.Record());
        PutRow(ProfileRow(profiles, entry.description), entry);
        // At once: a crash before the next command would leave the new file without its row.
        SaveIndexIfDirty();
    }
    ShowListTip();
}

void MainWindow::EditProfile()
{
    const std::vector<int> selected = ui.list.SelectedRows();
    if (selected.empty()) {
        ui.list.SelectOnly(firstSelected);
        return;
    }
    for (int row : selected) {
        firstSelected = row;
        firstDescription = profiles[static_cast<std::size_t>(row)].description;
        ShowTip({MainTip::EditProfile, MainFocus::Help});
        ProfileEditorWindow editor(this);
        if (editor.RunEdit(firstDescription)) {
            PutRow(static_cast<std::size_t>(row), IndexEntryOf(editor.Record()));
            SaveIndexIfDirty();
            ShowTip({MainTip::Analyze, MainFocus::Analyze});
        }
    }
}

// Asks, ends the daily delivery the profile is used for, and deletes its file;
// true when the row is to go.
bool MainWindow::DeleteRow(int row)
{
    const std::string description = profiles[static_cast<std::size_t>(row)].description;
    const std::string path = ProfilePath(description);
    // One click must not remove a person's data: No leaves this profile as it is.
    DeleteStep step = DeleteStep::Confirm;
    while (step != DeleteStep::RemoveRow && step != DeleteStep::KeepRow) {
        bool outcome = true;
        switch (step) {
        case DeleteStep::Confirm:
            outcome = MessageBox::question(
                QStringLiteral("Delete the profile \"%1\"?    ").arg(QString::fromStdString(description)));
            break;
        case DeleteStep::CheckScheduled:
            outcome = IsProfileScheduled(path);
            break;
        case DeleteStep::ConfirmEndSchedule:
            outcome = MessageBox::question(QStringLiteral("This profile is used for daily email delivery.    \n"
                                                          "If you delete it, daily email delivery will end too.    \n\n"
                                                          "Do you want to continue?    "));
            break;
        case DeleteStep::EndSchedule:
            // Editing the crontab needs no daemon: a line left behind would start a
            // run without its task every day.
            SchedulerLink::EnsureSchedulerRunning();
            SchedulerLink::DeleteWorkItem();
            DeleteTaskFile();
            break;
        case DeleteStep::DeleteFile:
            outcome = DeleteProfileFile(description);
            break;
        case DeleteStep::TellNotDeleted:
            MessageBox::stop(CannotDeleteMessage(path));
            break;
        case DeleteStep::RemoveRow:
        case DeleteStep::KeepRow:
            break;
        }
        step = NextDeleteStep(step, outcome);
    }
    return step == DeleteStep::RemoveRow;
}

void MainWindow::DeleteProfile()
{
    std::vector<int> selected = ui.list.SelectedRows();
    // From the last row up, so that the rows still to delete keep their places.
    std::sort(selected.rbegin(), selected.rend());
    int current = -1;
    bool deletedAny = false;
    for (int row : selected) {
        if (!DeleteRow(row))
            continue;
        ui.list.RemoveRow(row);
        profiles.erase(profiles.begin() + row);
        current = RowAfterDelete(row, profiles.size());
        deletedAny = true;
        indexDirty = true;
        indexFailureShown = false;
    }
    if (deletedAny) {
        ui.list.SelectOnly(current);
        firstSelected = current;
        firstDescription = current >= 0 ? profiles[static_cast<std::size_t>(current)].description : std::string();
        secondSelected = -1;
        secondDescription.clear();
        if (current >= 0)
            ui.list.Tree()->setFocus();
    }
    UpdateButtons();
}

void MainWindow::AnalyzeDay()
{
    for (int row : ui.list.SelectedRows()) {
        SaveIndexIfDirty();
        const std::string path = ProfilePath(profiles[static_cast<std::size_t>(row)].description);
        const ProfileRecord record = ReadProfileFile(path);
        const Date& date = dates.Selected();
        const std::string refusal = BeforeBirthMessage(record.birthday, date);
        if (refusal.empty())
            CommandWindows::OpenDailyAnalysis(this, path, date);
        else
            RefuseDate(refusal);
    }
}

// The message is about the date: the keyboard goes back to its lists, where the year is
// what a date before the birthday most often gets wrong.
void MainWindow::RefuseDate(const std::string& refusal)
{
    MessageBox::stop(QString::fromStdString(refusal));
    ui.yearList->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Schedule()
{
    for (int row : ui.list.SelectedRows()) {
        SaveIndexIfDirty();
        ShowTip({MainTip::Schedule, MainFocus::Help});
        const std::string path = ProfilePath(profiles[static_cast<std::size_t>(row)].description);
        if (FileExists(TaskFilePath())) {
            if (SchedulerLink::EnsureSchedulerRunning()) {
                if (SchedulerLink::WorkItemExists()) {
                    if (CommandWindows::OpenCurrentlyScheduled(this))
                        CommandWindows::OpenScheduleWindow(this, path);
                } else {
                    CommandWindows::OpenScheduleWindow(this, path);
                }
            } else {
                DeleteTaskFile();
                CommandWindows::OpenScheduleWindow(this, path);
            }
        } else {
            CommandWindows::OpenScheduleWindow(this, path);
        }
        ShowTip({MainTip::Analyze, MainFocus::Analyze});
    }
}

void MainWindow::OpenReport()
{
    ShowTip({MainTip::OpenReport, MainFocus::Help});
    const QString path =
        FileDialog::getOpenFileName(QStringLiteral("Select Daily Report"), QStringLiteral("Daily Reports (*.jpg)"),
                                    QString::fromStdString(ReportsDir()));
    if (!path.isEmpty())
        CommandWindows::OpenReportViewer(this, path, QFileInfo(path).fileName());
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
    CommandWindows::OpenCompanionWindow(this, ProfilePath(firstDescription), ProfilePath(secondDescription));
}

void MainWindow::Dreams()
{
    const std::vector<int> selected = ui.list.SelectedRows();
    if (selected.empty())
        return;
    SaveIndexIfDirty();
    const std::string path = ProfilePath(profiles[static_cast<std::size_t>(selected.front())].description);
    const ProfileRecord record = ReadProfileFile(path);
    const Date& date = dates.Selected();
    const std::string refusal = BeforeBirthMessage(record.birthday, date);
    if (!refusal.empty()) {
        RefuseDate(refusal);
        return;
    }
    CommandWindows::OpenDreamPage(this, path, date);
}

void MainWindow::Help()
{
    ShowTip({MainTip::Help, MainFocus::Help});
    CommandWindows::OpenHelpWizard(this);
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
    tip.Close();
    RemoveWorkingPages();
    QDialog::reject();
}
