#include "profiles/ProfileIndexEdits.h"

#include <gtest/gtest.h>
#include <map>

TEST(ProfileIndexEdits, ASavedProfileReplacesTheRowOfItsDescriptionOrGoesLast)
{
    const std::vector<ProfileIndexEntry> rows = {
        {"Anna Lee", "Anna", "Automatic"}, {"Bob Stone", "Bob", "Manual"}, {"Ann", "anna", "Automatic"}};
    EXPECT_EQ(ProfileRow(rows, "Anna"), 0u);
    EXPECT_EQ(ProfileRow(rows, "anna"), 2u);  // descriptions are file names: letter case counts
    EXPECT_EQ(ProfileRow(rows, "Cy"), 3u);
    EXPECT_EQ(ProfileRow({}, "Anna"), 0u);

    ProfileRecord record;
    record.fullName = "Bob Stone Jr";
    record.description = "Bob";
    EXPECT_EQ(IndexEntryOf(record), (ProfileIndexEntry{"Bob Stone Jr", "Bob", "Automatic"}));
    record.manualCalibration = true;
    EXPECT_EQ(IndexEntryOf(record).calibrationLabel, "Manual");
}

TEST(ProfileIndexEdits, DeleteStepsFollowTheAnswersAndKeepARowWhoseFileStays)
{
    using S = DeleteStep;
    struct Case {
        const char* what;
        std::map<S, bool> outcomes;  // a step not listed succeeds
        std::vector<S> expected;     // the steps taken, the last one final
    };
    const Case cases[] = {
        {"declined", {{S::Confirm, false}}, {S::Confirm, S::KeepRow}},
        {"not scheduled", {{S::CheckScheduled, false}}, {S::Confirm, S::CheckScheduled, S::DeleteFile, S::RemoveRow}},
        {"scheduled, delivery kept",
         {{S::ConfirmEndSchedule, false}},
         {S::Confirm, S::CheckScheduled, S::ConfirmEndSchedule, S::KeepRow}},
        {"scheduled, delivery ended",
         {},
         {S::Confirm, S::CheckScheduled, S::ConfirmEndSchedule, S::EndSchedule, S::DeleteFile, S::RemoveRow}},
        {"file stays",
         {{S::CheckScheduled, false}, {S::DeleteFile, false}},
         {S::Confirm, S::CheckScheduled, S::DeleteFile, S::TellNotDeleted, S::KeepRow}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<S> taken{S::Confirm};
        while (taken.back() != S::RemoveRow && taken.back() != S::KeepRow && taken.size() < 10) {
            const auto outcome = c.outcomes.find(taken.back());
            taken.push_back(NextDeleteStep(taken.back(), outcome == c.outcomes.end() || outcome->second));
        }
        EXPECT_EQ(taken, c.expected);
    }
    // The final steps stay final.
    EXPECT_EQ(NextDeleteStep(S::RemoveRow, false), S::RemoveRow);
    EXPECT_EQ(NextDeleteStep(S::KeepRow, true), S::KeepRow);
}

TEST(ProfileIndexEdits, TheRowAboveTheDeletedOneIsSelectedNext)
{
    EXPECT_EQ(RowAfterDelete(3, 5), 2);
    EXPECT_EQ(RowAfterDelete(1, 1), 0);
    EXPECT_EQ(RowAfterDelete(0, 2), 0);   // the first row: the new first row
    EXPECT_EQ(RowAfterDelete(0, 0), -1);  // the last profile: nothing
}
