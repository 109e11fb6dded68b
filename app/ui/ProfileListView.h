#pragma once

#include "profiles/ProfileFiles.h"

#include <vector>

class QTreeWidget;
class QWidget;

// The main window's profile list "profileList": one row for each index entry, in
// index order, with the selection kept visible when the list loses the focus.
class ProfileListView {
public:
    ProfileListView() = default;
    explicit ProfileListView(QWidget* parent);

    QTreeWidget* Tree() const { return tree; }
    // True while the list changes its own rows or selection: no user click.
    bool Updating() const { return updating; }

    void SetRows(const std::vector<ProfileIndexEntry>& entries);
    void AddRow(const ProfileIndexEntry& entry);
    void SetRow(int row, const ProfileIndexEntry& entry);
    void RemoveRow(int row);
    std::vector<int> SelectedRows() const;
    // Selects `row` alone and shows it; a row outside the list leaves none selected.
    void SelectOnly(int row);

private:
    QTreeWidget* tree = nullptr;
    bool updating = false;
};
