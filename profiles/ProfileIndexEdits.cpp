#include "profiles/ProfileIndexEdits.h"

#include <algorithm>

ProfileIndexEntry IndexEntryOf(const ProfileRecord& record)
{
    return {record.fullName, record.description, record.manualCalibration ? "Manual" : "Automatic"};
}

std::size_t ProfileRow(const std::vector<ProfileIndexEntry>& rows, const std::string& description)
{
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const ProfileIndexEntry& entry) { return entry.description == description; });
    return static_cast<std::size_t>(row - rows.begin());
}

DeleteStep NextDeleteStep(DeleteStep step, bool outcome)
{
    switch (step) {
    case DeleteStep::Confirm:
        return outcome ? DeleteStep::CheckScheduled : DeleteStep::KeepRow;
    case DeleteStep::CheckScheduled:
        return outcome ? DeleteStep::ConfirmEndSchedule : DeleteStep::DeleteFile;
    case DeleteStep::ConfirmEndSchedule:
        return outcome ? DeleteStep::EndSchedule : DeleteStep::KeepRow;
    case DeleteStep::EndSchedule:
        return DeleteStep::DeleteFile;
    case DeleteStep::DeleteFile:
        return outcome ? DeleteStep::RemoveRow : DeleteStep::TellNotDeleted;
    case DeleteStep::TellNotDeleted:
    case DeleteStep::KeepRow:
        return DeleteStep::KeepRow;
    case DeleteStep::RemoveRow:
        return DeleteStep::RemoveRow;
    }
    return DeleteStep::KeepRow;
}

int RowAfterDelete(int row, std::size_t rowsLeft)
{
    if (row > 0)
        return row - 1;
    return rowsLeft == 0 ? -1 : 0;
}
