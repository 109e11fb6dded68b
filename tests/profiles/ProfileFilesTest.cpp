#include "platform/DataFile.h"
#include "profiles/ProfileFiles.h"
#include "support/TempEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace {
std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteRaw(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

const std::string minimal = "Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n";
}

TEST(ProfileFiles, ReadingOddFiles)
{
    TempEnvironment env;
    struct Case {
        const char* what;
        std::string text;
        std::function<void(const ProfileRecord&)> check;
    };
    const std::string longName(494, 'x');
    const Case cases[] = {
        {"only the birthday: automatic, no parents", minimal,
         [](const ProfileRecord& r) {
             EXPECT_EQ(r.description, "Anna");
             EXPECT_EQ(r.fullName, "Anna Lee");
             EXPECT_EQ(r.birthday, (Date{8, 15, 1966}));
             EXPECT_FALSE(r.hasMother || r.hasFather || r.manualCalibration);
         }},
        {"a group without its month line sets no flag",
         minimal + "MotherDate:3\nMotherYear:1940\nFatherMonth:\nBadDate:1\n",
         [](const ProfileRecord& r) {
             EXPECT_FALSE(r.hasMother || r.hasFather || r.manualCalibration);
             EXPECT_EQ(r.motherBirthday, (Date{1, 3, 1940}));
         }},
        {"the month line alone sets the flag", minimal + "BadMonth:4\nFatherMonth:x\n",
         [](const ProfileRecord& r) {
             EXPECT_TRUE(r.manualCalibration);
             EXPECT_EQ(r.badDay, (Date{4, 1, 1900}));
             EXPECT_TRUE(r.hasFather);
             EXPECT_EQ(r.fatherBirthday.month, 0);
         }},
        {"empty value, letters, letters after a number, sign and blanks",
         "YourYear:\nYourMonth:abc\nYourDate:12th\nGoodYear: -7\nGoodMonth:+3x\n",
         [](const ProfileRecord& r) {
             EXPECT_EQ(r.birthday, (Date{0, 12, 1900}));
             EXPECT_EQ(r.goodDay, (Date{3, 1, -7}));
         }},
        {"keys in another case and with a leading blank are ignored",
         "name:bob\nyourYear:1999\n YourYear:1998\nProfile :x\n",
         [](const ProfileRecord& r) {
             EXPECT_EQ(r.fullName, "");
             EXPECT_EQ(r.description, "");
             EXPECT_EQ(r.birthday.year, 1900);
         }},
        {"CR LF line ends", "Profile:Anna\r\nName:Anna Lee\r\nYourYear:1966\r\n",
         [](const ProfileRecord& r) {
             EXPECT_EQ(r.description, "Anna");
             EXPECT_EQ(r.fullName, "Anna Lee");
             EXPECT_EQ(r.birthday.year, 1966);
         }},
        {"a key twice takes the last", minimal + "Name:Second\nYourYear:2001\nName:Third\n",
         [](const ProfileRecord& r) {
             EXPECT_EQ(r.fullName, "Third");
             EXPECT_EQ(r.birthday.year, 2001);
         }},
        // 499 bytes a read: the name stops after 494 characters and the next piece,
        // starting with a key, counts as a line of its own.
        {"a 1200-character line", "Name:" + longName + "YourYear:1999" + std::string(1200 - 499 - 13, 'y') + "\n",
         [longName](const ProfileRecord& r) {
             EXPECT_EQ(r.fullName, longName);
             EXPECT_EQ(r.birthday.year, 1999);
         }},
        {"binary noise", std::string("\0YourYear:5\n\xff\xfe:\n", 17),
         [](const ProfileRecord& r) { EXPECT_EQ(r.birthday.year, 1900); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteRaw(env.InstallDir() + "odd.ini", c.text);
        c.check(LoadProfile("odd"));
        c.check(ReadProfileFile(env.InstallDir() + "odd.ini"));
    }

    const ProfileRecord missing = LoadProfile("nobody");
    EXPECT_EQ(missing.birthday, (Date{1, 1, 1900}));
    EXPECT_EQ(missing.fullName, "");
}

TEST(ProfileFiles, WritingOrderAndRoundTrip)
{
    TempEnvironment env;
    ProfileRecord full;
    full.description = "Anna";
    full.fullName = "Anna Lee";
    full.birthday = {8, 15, 1966};
    full.hasMother = true;
    full.motherBirthday = {2, 29, 1940};
    full.hasFather = true;
    full.fatherBirthday = {12, 1, 1938};
    full.manualCalibration = true;
    full.goodDay = {1, 2, 2003};
    full.badDay = {3, 4, 2004};
    EXPECT_EQ(FormatProfile(full),
              "Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n"
              "MotherMonth:2\nMotherDate:29\nMotherYear:1940\nFatherMonth:12\nFatherDate:1\nFatherYear:1938\n"
              "BadMonth:3\nBadDate:4\nBadYear:2004\nGoodMonth:1\nGoodDate:2\nGoodYear:2003\n");

    // Groups whose flag is off are not written, whatever their dates hold.
    ProfileRecord plain = full;
    plain.hasMother = plain.hasFather = plain.manualCalibration = false;
    EXPECT_EQ(FormatProfile(plain), minimal);

    for (const ProfileRecord& record : {full, plain}) {
        ASSERT_TRUE(SaveProfile(record));
        EXPECT_EQ(ReadAll(env.InstallDir() + "Anna.ini"), FormatProfile(record));
        const ProfileRecord back = LoadProfile("Anna");
        EXPECT_EQ(FormatProfile(back), FormatProfile(record));
        EXPECT_EQ(back.hasMother, record.hasMother);
        EXPECT_EQ(back.manualCalibration, record.manualCalibration);
    }
}

TEST(ProfileFiles, UnsafeDescriptionsAreNeverWritten)
{
    TempEnvironment env;
    ProfileRecord record;
    record.fullName = "x";
    for (const std::string& bad :
         {std::string(), std::string("."), std::string(".."), std::string("../escape"), std::string("a/b"),
          std::string("line\nbreak"), std::string("nul\0x", 5), std::string("mv"), std::string("contacts")}) {
        record.description = bad;
        EXPECT_FALSE(IsValidProfileFileName(bad)) << bad;
        EXPECT_FALSE(SaveProfile(record)) << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(env.Root() + "/data/escape.ini"));
    EXPECT_TRUE(IsValidProfileFileName("Anna Lee (2) \xc3\xa9.x"));
    // Only the exact names of the index and the address book are reserved.
    for (const char* good : {"MV", "Mv", "contact", "Contacts", "mv2"})
        EXPECT_TRUE(IsValidProfileFileName(good)) << good;

    // A profile called "contacts" can neither be saved nor delete the address book.
    WriteRaw(env.InstallDir() + "contacts.ini", "Name:A\nEmail:a@b\n");
    DeleteProfileFile("contacts");
    EXPECT_TRUE(std::filesystem::exists(env.InstallDir() + "contacts.ini"));

    // Deleting by such a name touches nothing outside InstallDir.
    WriteRaw(env.Root() + "/data/outside.ini", "x");
    DeleteProfileFile("../outside");
    EXPECT_TRUE(std::filesystem::exists(env.Root() + "/data/outside.ini"));

    // A write that fails (no InstallDir) reports it.
    record.description = "Anna";
    std::filesystem::remove_all(env.InstallDir());
    EXPECT_FALSE(SaveProfile(record));
}

TEST(ProfileFiles, DeleteMakesWritableFirst)
{
    TempEnvironment env;
    const std::string path = env.InstallDir() + "Anna.ini";
    WriteRaw(path, minimal);
    ::chmod(path.c_str(), 0444);
    DeleteProfileFile("Anna");
    EXPECT_FALSE(std::filesystem::exists(path));
    DeleteProfileFile("Anna");  // a missing file is not an error
}

TEST(ProfileIndex, RecordsCarryOverAndNeedTheirAdjustmentLine)
{
    TempEnvironment env;
    EXPECT_FALSE(IndexExists(env.InstallDir()));
    std::vector<ProfileIndexEntry> list;
    LoadProfileIndex(list);
    EXPECT_TRUE(list.empty());

    // The second record lacks "Description:", the last one its "Adjustment:" line.
    WriteRaw(env.InstallDir() + "mv.ini", "Profile:Anna Lee\r\nDescription:Anna\r\nAdjustment:Automatic\r\n"
                                          "Profile:Bob Stone\nAdjustment:Manual\n"
                                          "ignored line\nprofile:lower\n"
                                          "Profile:Carl\nDescription:Carl\n");
    LoadProfileIndex(list);
    const std::vector<ProfileIndexEntry> expected = {
        {"Anna Lee", "Anna", "Automatic"},
        {"Bob Stone", "Anna", "Manual"},
    };
    EXPECT_EQ(list, expected);
    EXPECT_TRUE(IndexExists(env.InstallDir()));
}

TEST(ProfileIndex, WritesInListOrderAndRoundTrips)
{
    TempEnvironment env;
    const std::vector<ProfileIndexEntry> list = {
        {"Zoe", "zoe", "Manual"},
        {"Anna Lee", "Anna", "Automatic"},
    };
    ASSERT_TRUE(SaveProfileIndex(list));
    EXPECT_EQ(ReadAll(env.InstallDir() + "mv.ini"), "Profile:Zoe\nDescription:zoe\nAdjustment:Manual\n"
                                                    "Profile:Anna Lee\nDescription:Anna\nAdjustment:Automatic\n");
    std::vector<ProfileIndexEntry> back;
    LoadProfileIndex(back);
    EXPECT_EQ(back, list);

    ASSERT_TRUE(SaveProfileIndex({}));
    EXPECT_EQ(ReadAll(env.InstallDir() + "mv.ini"), "");
    EXPECT_TRUE(IndexExists(env.InstallDir()));
}
