#pragma once

#include "app/MainScreenState.h"
#include "app/StartRequest.h"
#include "app/ui/AnalyzeDateLists.h"
#include "app/ui/MainWindowControls.h"
#include "app/ui/QuickTipLine.h"
#include "platform/Date.h"
#include "profiles/ProfileFiles.h"

#include <QDialog>
#include <string>
#include <vector>

class PageWindow;

// The program's main dialog: the profile list, the date to analyse, the command
// buttons, and the Quick Tip line below it.
class MainWindow : public QDialog {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Read back by tests and by the commands.
    Date SelectedDate() const { return dates.Selected(); }
    bool IndexDirty() const { return indexDirty; }
    const std::vector<ProfileIndexEntry>& Profiles() const { return profiles; }
    PageWindow* TipWindow() const { return tip.Window(); }
    QString CurrentTip() const { return tip.Current(); }

    // What to show once the window is open (the open command).
    void SetStartRequest(const StartRequest& request) { startRequest = request; }
    // The same from a later start while this one runs: followed at once, or once the
    // window open above this one has closed.
    void FollowRequest(const StartRequest& request);

    // Escape and the close box.
    void reject() override;
    // Saves, removes the working pages and closes (also on an ending signal).
    void Close();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ConnectControls();
    void LoadList();
    void PutRow(std::size_t row, const ProfileIndexEntry& entry);
    // Returns the frame's rectangle.
    QRect PlaceWindow();

    void SelectionChanged();
    void UpdateButtons();
    void UpdateButtonsAfterDate();
    void UpdateDreams();
    void ShowTip(MainTipFocus shown);
    void ShowListTip();
    bool DeleteRow(int row);
    void SaveIndexIfDirty();
    void FollowStartRequest();
    void FollowWhenFree();

    // Commands.
    void AddProfile();
    void EditProfile();
    void DeleteProfile();
    void RefuseDate(const std::string& refusal);
    void AnalyzeDay();
    void Schedule();
    void OpenReport();
    void Companion();
    void Dreams();
    void Help();
    void ShowAbout();

    MainWindowControls ui;

    std::vector<ProfileIndexEntry> profiles;  // the list's rows, in list order
    bool indexDirty = false;
    bool indexFailureShown = false;  // the last failed write of the index was told
    int firstSelected = -1;
    int secondSelected = -1;
    std::string firstDescription;
    std::string secondDescription;
    bool tooManySelected = false;
    Date today;
    AnalyzeDateLists dates;
    QuickTipLine tip{this};
    StartRequest startRequest;
    bool opened = false;
    bool closing = false;
};
