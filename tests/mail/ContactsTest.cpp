#include "mail/Contacts.h"
#include "support/TempEnvironment.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {
void WriteRaw(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
}

TEST(Contacts, ReadCarriesTheNameOverAndSkipsOtherLines)
{
    TempEnvironment env;
    const std::string path = ContactsPath();
    EXPECT_EQ(path, env.InstallDir() + "contacts.ini");
    EXPECT_TRUE(ReadContacts(path).empty());  // missing file

    WriteRaw(path, "Name:Ann\r\nEmail:ann@x.org\r\nnoise\nEmail:ann@work.org\n"
                   "name:lower\nName:Bob\nEmail:bob@y.org\nName:Orphan\n");
    const auto contacts = ReadContacts(path);
    ASSERT_EQ(contacts.size(), 3u);
    EXPECT_EQ(contacts[0].name, "Ann");
    EXPECT_EQ(contacts[0].email, "ann@x.org");
    EXPECT_EQ(contacts[1].name, "Ann");  // no new Name: line, so the last name repeats
    EXPECT_EQ(contacts[1].email, "ann@work.org");
    EXPECT_EQ(contacts[2].name, "Bob");
}

TEST(Contacts, LongLinesKeepTheirFirst408BytesAndAddNoContact)
{
    TempEnvironment env;
    const std::string path = ContactsPath();
    // Text past the buffer that looks like a key is still part of its line, never a contact.
    WriteRaw(path, "Name:" + std::string(403, 'n') + "Email:tail@x\nEmail:real@x\n");
    const auto contacts = ReadContacts(path);
    ASSERT_EQ(contacts.size(), 1u);
    EXPECT_EQ(contacts[0].name, std::string(403, 'n'));
    EXPECT_EQ(contacts[0].email, "real@x");
}

// The longest values the contact window accepts: 100 characters of four bytes each.
TEST(Contacts, LongestValuesComeBackWhole)
{
    TempEnvironment env;
    std::string name, email;
    for (int i = 0; i < 100; ++i) {
        name += "\xF0\x9F\x98\x80";   // U+1F600
        email += "\xF0\x9F\x8C\x8D";  // U+1F30D
    }
    const std::vector<Contact> contacts = {{name, email}, {"Bob", "b@y"}};
    ASSERT_TRUE(WriteContacts(ContactsPath(), contacts));
    for (int round = 0; round < 2; ++round) {  // saved back what was read: still whole
        const auto back = ReadContacts(ContactsPath());
        ASSERT_EQ(back.size(), 2u);
        EXPECT_EQ(back[0].name, name);
        EXPECT_EQ(back[0].email, email);
        EXPECT_EQ(back[1].name, "Bob");
        ASSERT_TRUE(WriteContacts(ContactsPath(), back));
    }
    // Written by hand with CR LF line ends, too.
    WriteRaw(ContactsPath(), "Name:" + name + "\r\nEmail:" + email + "\r\n");
    const auto crlf = ReadContacts(ContactsPath());
    ASSERT_EQ(crlf.size(), 1u);
    EXPECT_EQ(crlf[0].email, email);
}

TEST(Contacts, WriteRoundTripsAndFailsWithoutAFolder)
{
    TempEnvironment env;
    const std::vector<Contact> contacts = {{"Ann Lee", "ann@x.org"}, {"Ann Lee", "a2@x.org"}, {"Bob", "b@y"}};
    ASSERT_TRUE(WriteContacts(ContactsPath(), contacts));
    std::ifstream in(ContactsPath(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "Name:Ann Lee\nEmail:ann@x.org\nName:Ann Lee\nEmail:a2@x.org\nName:Bob\nEmail:b@y\n");
    const auto back = ReadContacts(ContactsPath());
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[1].email, "a2@x.org");
    EXPECT_FALSE(WriteContacts(env.Root() + "/no/such/contacts.ini", contacts));
}

TEST(Attachment, SizeTextIsBytesThenWholeKilobytes)
{
    const std::pair<std::optional<unsigned long long>, std::string> cases[] = {
        {0, "0B"},     {512, "512B"}, {1023, "1023B"},     {1024, "1KB"},
        {2047, "1KB"}, {2048, "2KB"}, {5000000, "4882KB"}, {std::nullopt, "unknown"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(SizeText(bytes), text);

    TempEnvironment env;
    const std::string path = env.InstallDir() + "a.jpg";
    WriteRaw(path, std::string(1023, 'x'));
    EXPECT_EQ(FileSizeText(path), "1023B");
    EXPECT_EQ(FileSizeText(env.InstallDir() + "missing.jpg"), "unknown");
}

TEST(Attachment, PictureTestLooksAtTheLastFourCharacters)
{
    const std::pair<std::string, bool> cases[] = {
        {"/r/report.jpg", true}, {"/r/REPORT.JPG", true}, {"/r/a.Gif", true},   {"/r/a.bmp", true},
        {"/r/a.png", true},      {"/r/a.TIF", true},      {"/r/a.jpeg", false}, {"/r/a.tiff", false},
        {"/r/a.txt", false},     {".jpg", false},         {"x.jpg", true},      {"", false},
    };
    for (const auto& [path, picture] : cases)
        EXPECT_EQ(IsPicturePath(path), picture) << path;
    EXPECT_TRUE(HasPictureExtension(".jpg"));  // names need no fifth character
}

TEST(Recipients, SplitKeepsBlanksAndTheEmptyLastOne)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitRecipients("a@x"), V({"a@x"}));
    EXPECT_EQ(SplitRecipients("a@x; b@y"), V({"a@x", " b@y"}));
    EXPECT_EQ(SplitRecipients("a@x;b@y;"), V({"a@x", "b@y", ""}));
    EXPECT_EQ(SplitRecipients(";;"), V({"", "", ""}));
    EXPECT_EQ(SplitRecipients("a@x, b@y;c@z"), V({"a@x", " b@y", "c@z"}));
}

TEST(Recipients, CopyButtonUsesASubstringTest)
{
    EXPECT_TRUE(AddressAlreadyInToList("joann@x.org", "ann@x.org"));  // part of a longer address
    EXPECT_FALSE(AddressAlreadyInToList("ann@x.or", "ann@x.org"));
    EXPECT_EQ(AppendAddress("", "ann@x.org"), "ann@x.org");
    EXPECT_EQ(AppendAddress("b@y", "ann@x.org"), "b@y;ann@x.org");
}
