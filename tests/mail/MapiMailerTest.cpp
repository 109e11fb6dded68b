#include "mail/MapiMailer.h"
#include "support/TempEnvironment.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/stat.h>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& content, mode_t mode = 0644)
{
    std::ofstream(path, std::ios::binary) << content;
    ::chmod(path.c_str(), mode);
}

// A sendmail stand-in on PATH that keeps its arguments and its standard input,
// and exits with the status found in "exit" (0 when absent).
class MailerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bin = env.Root() + "/bin/";
        std::filesystem::create_directories(bin);
        const char* path = std::getenv("PATH");
        oldPath = path ? path : "";
        ::setenv("PATH", (bin + ":" + oldPath).c_str(), 1);
        MapiMailer::SetFallbackPathsForTesting(std::vector<std::string>{});
    }
    void TearDown() override
    {
        ::setenv("PATH", oldPath.c_str(), 1);
        MapiMailer::SetFallbackPathsForTesting(std::nullopt);
    }
    void InstallStub(int exitStatus = 0)
    {
        WriteFile(bin + "sendmail",
                  "#!/bin/sh\n"
                  "PATH=/usr/bin:/bin\n"
                  "dir=$(dirname \"$0\")\n"
                  "printf '%s\\n' \"$@\" > \"$dir/args\"\n"
                  "cat > \"$dir/message\"\n"
                  "exit " +
                      std::to_string(exitStatus) + "\n",
                  0755);
    }
    bool StubRan() const { return std::filesystem::exists(bin + "message"); }
    std::string Message() const { return ReadFile(bin + "message"); }
    std::string Args() const { return ReadFile(bin + "args"); }

    TempEnvironment env;
    std::string bin;
    std::string oldPath;
};

std::string HeaderBlock(const std::string& message)
{
    return message.substr(0, message.find("\n\n") + 1);
}

}  // namespace

TEST_F(MailerTest, ReportWithAttachmentGoesOutAsOneMimeMessage)
{
    InstallStub();
    const std::string picture = env.InstallDir() + "Reports/report.jpg";
    WriteFile(picture, std::string("\x00\xff\x10"
                                   "abc",
                                   6));

    MapiMailer mailer;
    ASSERT_EQ(mailer.TakeError(), 0);
    // "a@example.com; b@example.com;" split at ";" as the e-mail window does.
    for (const char* to : {"a@example.com", " b@example.com", ""})
        ASSERT_TRUE(mailer.AddRecipient(to));
    mailer.SetOriginatorName("Moravel");
    mailer.SetSubject("Daily Report");
    ASSERT_TRUE(mailer.AddAttachment(picture));
    mailer.noteText = "Daily Report";
    ASSERT_TRUE(mailer.Send(0));

    EXPECT_EQ(mailer.noteText, "Daily Report ");
    EXPECT_EQ(mailer.RecipientCount(), 0u);
    EXPECT_EQ(mailer.AttachmentCount(), 0u);
    EXPECT_EQ(Args(), "-i\n-t\n-F\nMoravel\n");

    const std::string message = Message();
    const std::string headers = HeaderBlock(message);
    EXPECT_NE(headers.find("To: a@example.com,  b@example.com, \n"), std::string::npos) << headers;
    EXPECT_NE(headers.find("Subject: Daily Report\n"), std::string::npos);
    EXPECT_NE(headers.find("MIME-Version: 1.0\n"), std::string::npos);
    EXPECT_EQ(headers.find("From:"), std::string::npos);  // left to sendmail and -F
    EXPECT_TRUE(std::regex_search(headers, std::regex("\nDate: (Mon|Tue|Wed|Thu|Fri|Sat|Sun), \\d\\d "
                                                      "[A-Z][a-z][a-z] \\d{4} \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}\n")));
    EXPECT_TRUE(std::regex_search(headers, std::regex("\nMessage-ID: <[^<>@ ]+@[^<>@ ]+>\n")));

    std::smatch boundary;
    ASSERT_TRUE(std::regex_search(headers, boundary, std::regex("multipart/mixed; boundary=\"([^\"]+)\"")));
    const std::string b = boundary[1];
    // The note with its blank (quoted-printable keeps the trailing blank safe).
    EXPECT_NE(message.find("--" + b +
                           "\nContent-Type: text/plain; charset=UTF-8\n"
                           "Content-Transfer-Encoding: quoted-printable\n\nDaily Report=20\n"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("--" + b +
                           "\nContent-Type: image/jpeg; name=\"report.jpg\"\n"
                           "Content-Transfer-Encoding: base64\n"
                           "Content-Disposition: attachment; filename=\"report.jpg\"\n\nAP8QYWJj\n"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("\n--" + b + "--\n"), std::string::npos);
}

TEST_F(MailerTest, PlainTextMessageKeepsItsNoteAndNeedsNoName)
{
    InstallStub();
    MapiMailer mailer;
    mailer.AddRecipient("a@example.com");
    mailer.SetSubject("Daily Report");
    mailer.noteText = "Line one\nLottery Numbers: 8  17 \nTäglich ok=yes\n";
    ASSERT_TRUE(mailer.Send(0));
    EXPECT_EQ(mailer.noteText, "Line one\nLottery Numbers: 8  17 \nTäglich ok=yes\n");
    EXPECT_EQ(Args(), "-i\n-t\n");
    const std::string message = Message();
    EXPECT_EQ(message.find("multipart"), std::string::npos);
    EXPECT_NE(message.find("Content-Type: text/plain; charset=UTF-8\nContent-Transfer-Encoding: quoted-printable\n\n"
                           "Line one\nLottery Numbers: 8  17=20\nT=C3=A4glich ok=3Dyes\n"),
              std::string::npos)
        << message;
}

TEST_F(MailerTest, LongLinesAndForeignSubjectsStayWithinMailLimits)
{
    InstallStub();
    MapiMailer mailer;
    mailer.AddRecipient("a@example.com");
    // 30 two-byte letters: more than one encoded word, none split inside a letter.
    std::string subject;
    for (int i = 0; i < 30; ++i)
        subject += "ü";
    mailer.SetSubject(subject);
    mailer.noteText = std::string(300, 'x');
    // 200 bytes of 0xff: three full lines of 76 "/" and the padded rest.
    const std::string picture = env.InstallDir() + "Reports/long.jpg";
    WriteFile(picture, std::string(200, '\xff'));
    ASSERT_TRUE(mailer.AddAttachment(picture));
    ASSERT_TRUE(mailer.Send(0));
    const std::string message = Message();
    EXPECT_NE(message.find("\n\n" + std::string(76, '/') + "\n" + std::string(76, '/') + "\n" + std::string(76, '/') +
                           "\n" + std::string(36, '/') + "//8=\n"),
              std::string::npos);
    EXPECT_NE(message.find("Subject: =?UTF-8?B?"), std::string::npos);
    std::istringstream lines(message);
    std::string line;
    std::vector<std::size_t> wordBytes;
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 78u) << line;
        for (std::size_t at = line.find("=?UTF-8?B?"); at != std::string::npos; at = line.find("=?UTF-8?B?", at + 1)) {
            const std::size_t end = line.find("?=", at + 10);
            ASSERT_NE(end, std::string::npos);
            EXPECT_LE(end + 2 - at, 75u);
            const std::string payload = line.substr(at + 10, end - at - 10);
            const auto padding = static_cast<std::size_t>(std::count(payload.begin(), payload.end(), '='));
            wordBytes.push_back(payload.size() / 4 * 3 - padding);
        }
    }
    // Two words, each holding whole two-byte letters.
    ASSERT_EQ(wordBytes.size(), 2u);
    EXPECT_EQ(wordBytes[0] + wordBytes[1], 60u);
    EXPECT_EQ(wordBytes[0] % 2, 0u);
}

TEST_F(MailerTest, MissingOrUnusableSendmailIsReportedOnce)
{
    ::setenv("PATH", bin.c_str(), 1);
    {
        MapiMailer mailer;
        EXPECT_EQ(mailer.TakeError(), 1);
        EXPECT_EQ(mailer.TakeError(), 0);
        mailer.AddRecipient("a@example.com");
        EXPECT_FALSE(mailer.Send(0));
        EXPECT_EQ(mailer.RecipientCount(), 0u);
    }
    WriteFile(bin + "sendmail", "#!/bin/sh\nexit 0\n", 0644);
    {
        MapiMailer mailer;
        EXPECT_EQ(mailer.TakeError(), 2);
    }
    // Found in the fixed places when PATH has none.
    std::filesystem::remove(bin + "sendmail");
    const std::string elsewhere = env.Root() + "/sbin-sendmail";
    WriteFile(elsewhere, "#!/bin/sh\n/bin/cat > \"" + bin + "message\"\n", 0755);
    MapiMailer::SetFallbackPathsForTesting(std::vector<std::string>{env.Root() + "/nothing", elsewhere});
    {
        MapiMailer mailer;
        EXPECT_EQ(mailer.TakeError(), 0);
        mailer.AddRecipient("a@example.com");
        EXPECT_TRUE(mailer.Send(0));
        EXPECT_TRUE(StubRan());
    }
}

// The desktop's mail client stands in for a missing sendmail only where asked
// for (the interactive send); the daily run never opens a compose window.
TEST_F(MailerTest, TheMailClientStandsInOnlyWhenAskedFor)
{
    ::setenv("PATH", bin.c_str(), 1);
    WriteFile(bin + "xdg-email", "#!/bin/sh\nexit 0\n", 0755);
    MapiMailer daily;
    EXPECT_EQ(daily.TakeError(), 1);
    EXPECT_FALSE(daily.UsesMailClient());

    MapiMailer interactive(MapiMailer::Delivery::SendmailOrMailClient);
    EXPECT_EQ(interactive.TakeError(), 0);
    EXPECT_TRUE(interactive.UsesMailClient());
    InstallStub();
    MapiMailer withSendmail(MapiMailer::Delivery::SendmailOrMailClient);
    EXPECT_FALSE(withSendmail.UsesMailClient());
}

TEST_F(MailerTest, FailuresOfSendmailOrAttachmentGiveFalse)
{
    InstallStub(1);
    {
        MapiMailer mailer;
        mailer.AddRecipient("a@example.com");
        mailer.noteText = "x";
        EXPECT_FALSE(mailer.Send(0));
        EXPECT_TRUE(StubRan());
    }
    InstallStub(0);
    std::filesystem::remove(bin + "message");
    MapiMailer mailer;
    mailer.AddRecipient("a@example.com");
    mailer.AddAttachment(env.InstallDir() + "Reports/gone.jpg");
    EXPECT_FALSE(mailer.Send(0));
    EXPECT_FALSE(StubRan());
    // The lists start again from empty.
    mailer.AddRecipient("b@example.com");
    ASSERT_TRUE(mailer.Send(0));
    EXPECT_NE(Message().find("To: b@example.com\n"), std::string::npos);
    EXPECT_EQ(Message().find("gone.jpg"), std::string::npos);
}

TEST_F(MailerTest, LineBreaksInHeaderValuesAreRefused)
{
    InstallStub();
    const std::string picture = env.InstallDir() + "Reports/report.jpg";
    WriteFile(picture, "jpg");
    const auto attempt = [&](const std::string& to, const std::string& subject, const std::string& name,
                             const std::string& displayName) {
        MapiMailer mailer;
        mailer.AddRecipient("a@example.com");
        mailer.AddRecipient(to);
        mailer.SetOriginatorName(name);
        mailer.SetSubject(subject);
        mailer.AddAttachment(picture, displayName);
        mailer.noteText = "line\r\nbreaks in the body are fine";
        const bool sent = mailer.Send(0);
        EXPECT_EQ(mailer.RecipientCount(), 0u);
        return sent;
    };
    EXPECT_FALSE(attempt("b@example.com\nBcc: c@example.com", "s", "", ""));
    EXPECT_FALSE(attempt("b@example.com", "s\r\nBcc: c@example.com", "", ""));
    EXPECT_FALSE(attempt("b@example.com", "s", "Moravel\rX", ""));
    EXPECT_FALSE(attempt("b@example.com", "s", "", "a\nb.jpg"));
    EXPECT_FALSE(StubRan());
    EXPECT_TRUE(attempt("b@example.com", "s", "", "a b.jpg"));
    EXPECT_NE(Message().find("filename=\"a b.jpg\""), std::string::npos);
}
