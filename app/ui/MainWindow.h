#pragma once

#include "app/StartRequest.h"
#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <QDialog>
#include <string>
#include <vector>

class PageWindow;
class QComboBox;
class QFrame;
class QPushButton;
class QTreeWidget;

// The program's main dialog: the profile list, the date to analyse, the command
// buttons, and the Quick Tip line below it.
class MainWindow : public QDialog {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Read back by tests and by the commands.
    Date SelectedDate() const { return selectedDate; }
    bool IndexDirty() const { return indexDirty; }
    const std::vector<ProfileIndexEntry>& Profiles() const { return profiles; }
    PageWindow* TipWindow() const { return tipWindow; }
    QString CurrentTip() const { return currentTip; }

    // What to show once the window is open (the open command).
    void SetStartRequest(const StartRequest& request) { startRequest = request; }

    // Escape and the close box.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateControls();
    void LoadList();
    void AddRow(const ProfileIndexEntry& entry);
    void SetRow(int row, const ProfileIndexEntry& entry);
    std::vector<int> SelectedRows() const;
    void SelectOnly(int row);
    // Returns the frame's rectangle.
    QRect PlaceWindow();
    void PlaceTip(const QRect& outer);

    // Date lists.
    void MonthChanged();
    void DayChanged();
    void YearChanged();

    void SelectionChanged();
    void UpdateButtons();
    void UpdateButtonsAfterDate();
    void UpdateDreams();
    void ShowTip(const QString& text);
    void ShowListTip();
    void SaveIndexIfDirty();
    void SelectDate(const Date& date);
    void FollowStartRequest();

    // Commands.
    void AddProfile();
    void EditProfile();
    void DeleteProfile();
    void AnalyzeDay();
    void Schedule();
    void OpenReport();
    void Companion();
    void Dreams();
    void Help();
    void Close();
    void ShowAbout();

    // Windows that other parts of the program provide.
    void OpenDailyAnalysis(const std::string& profilePath, const Date& date);
    bool OpenCurrentlyScheduled();
    void OpenScheduleWindow(const std::string& profilePath);
    void OpenReportViewer(const QString& path, const QString& fileName);
    void OpenCompanionWindow(const std::string& firstPath, const std::string& secondPath);
    void OpenDreamPage(const std::string& profilePath, const Date& date);
    void OpenHelpWizard();

    QFrame* frame = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* editButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QTreeWidget* list = nullptr;
    QComboBox* monthList = nullptr;
    QComboBox* dayList = nullptr;
    QComboBox* yearList = nullptr;
    QPushButton* analyzeButton = nullptr;
    QPushButton* scheduleButton = nullptr;
    QPushButton* openReportButton = nullptr;
    QPushButton* companionButton = nullptr;
    QPushButton* dreamsButton = nullptr;
    QPushButton* helpButton = nullptr;

    std::vector<ProfileIndexEntry> profiles;  // the list's rows, in list order
    bool indexDirty = false;
    bool indexFailureShown = false;  // the last failed write of the index was told
    int firstSelected = -1;
    int secondSelected = -1;
    std::string firstDescription;
    std::string secondDescription;
    bool tooManySelected = false;
    Date today;
    Date selectedDate;
    bool tipsEnabled = false;
    PageWindow* tipWindow = nullptr;
    QString currentTip;
    bool updatingList = false;  // our own selection changes are not user clicks
    StartRequest startRequest;
    bool opened = false;
    bool closing = false;
};
