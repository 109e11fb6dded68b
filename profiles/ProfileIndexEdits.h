#pragma once

#include "profiles/ProfileFiles.h"

#include <cstddef>
#include <string>
#include <vector>

// The index row of a saved profile.
ProfileIndexEntry IndexEntryOf(const ProfileRecord& record);

// The row of the profile named `description`, or rows.size() when none has it. A
// saved profile replaces the row of its description (its file was replaced too) and
// is added at the end otherwise.
std::size_t ProfileRow(const std::vector<ProfileIndexEntry>& rows, const std::string& description);

// Deleting one profile, step by step: each step's outcome picks the next.
enum class DeleteStep {
    Confirm,             // asks the user; outcome: yes
    CheckScheduled,      // outcome: the profile is the one of the daily delivery
    ConfirmEndSchedule,  // asks whether ending the delivery is wanted; outcome: yes
    EndSchedule,         // removes the scheduler's entry and the task file
    DeleteFile,          // outcome: the file is gone
    TellNotDeleted,      // says the file could not be deleted
    RemoveRow,           // done: the row goes
    KeepRow,             // done: the profile stays as it is
};

// The step after `step` with its outcome. A row without its file is gone; a file
// without its row would be lost to the user, so the row stays when the file does.
DeleteStep NextDeleteStep(DeleteStep step, bool outcome);

// The row selected after `row` was deleted and `rowsLeft` remain: the row above,
// else the new first row, else none (-1).
int RowAfterDelete(int row, std::size_t rowsLeft);
