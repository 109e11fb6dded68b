#pragma once

#include "app/ui/ProfileListView.h"

class QComboBox;
class QDialog;
class QFrame;
class QPushButton;

// The main window's controls, made in their Tab order: the profile commands and
// list in a frame, the date lists, the sign pictures, and the command row. The
// buttons that need a selection start disabled; the date lists are filled.
class MainWindowControls {
public:
    static MainWindowControls Create(QDialog* window);

    QFrame* frame = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* editButton = nullptr;
    QPushButton* deleteButton = nullptr;
    ProfileListView list;
    QComboBox* monthList = nullptr;
    QComboBox* dayList = nullptr;
    QComboBox* yearList = nullptr;
    QPushButton* analyzeButton = nullptr;
    QPushButton* scheduleButton = nullptr;
    QPushButton* openReportButton = nullptr;
    QPushButton* companionButton = nullptr;
    QPushButton* dreamsButton = nullptr;
    QPushButton* helpButton = nullptr;
};
