#include "mail/MapiMailer.h"

#include "mail/Contacts.h"
#include "mail/MimeMessage.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/Process.h"

#include <new>
#include <sys/stat.h>

namespace {

std::optional<std::vector<std::string>> fallbackOverride;
std::optional<std::string> searchPathOverride;

std::string SearchPath()
{
    return searchPathOverride ? *searchPathOverride : EnvironmentSearchPath();
}

std::vector<std::string> FallbackPaths()
{
    if (fallbackOverride)
        return *fallbackOverride;
    return {"/usr/sbin/sendmail", "/usr/lib/sendmail"};
}

// Something is there (even a dangling link or a file without the run bit), but
// not something that can be run.
bool IsPresent(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool PresentOnPath(const std::string& name)
{
    for (const std::string& folder : SearchFolders(SearchPath())) {
        if (IsPresent(folder + "/" + name))
            return true;
    }
    return false;
}

// A report picture is a few hundred kilobytes; a resized one less.
constexpr std::size_t MaxAttachmentSize = 16 * 1024 * 1024;

// Regular files only: a FIFO or a device named as an attachment never blocks the send.
bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    return ReadRegularFile(path, MaxAttachmentSize, bytes) == FileState::Readable;
}

// A mail program that hangs (a dead relay, a client waiting for input) is given up.
constexpr int MailTimeLimitMs = 60 * 1000;

}  // namespace

void MapiMailer::SetFallbackPathsForTesting(std::optional<std::vector<std::string>> paths)
{
    fallbackOverride = std::move(paths);
}

void MapiMailer::SetSearchPathForTesting(std::optional<std::string> folders)
{
    searchPathOverride = std::move(folders);
}

MapiMailer::MapiMailer(Delivery delivery)
{
    sendmailPath = FindOnPath("sendmail", SearchPath());
    if (!sendmailPath.empty())
        return;
    bool present = PresentOnPath("sendmail");
    for (const std::string& candidate : FallbackPaths()) {
        if (IsRunnableFile(candidate)) {
            sendmailPath = candidate;
            return;
        }
        present = present || IsPresent(candidate);
    }
    if (delivery == Delivery::SendmailOrMailClient) {
        mailClientPath = FindOnPath("xdg-email", SearchPath());
        if (!mailClientPath.empty())
            return;
    }
    lastError = present ? 2 : 1;
}

int MapiMailer::TakeError()
{
    const int error = lastError;
    lastError = 0;
    return error;
}

bool MapiMailer::AddRecipient(const std::string& address)
{
    try {
        recipients.push_back(address);
    } catch (const std::bad_alloc&) {
        lastError = 3;
        return false;
    }
    return true;
}

void MapiMailer::SetOriginatorName(const std::string& name)
{
    originatorName = name;
}

void MapiMailer::SetSubject(const std::string& text)
{
    subject = text;
}

bool MapiMailer::AddAttachment(const std::string& path, const std::string& displayName)
{
    try {
        attachments.push_back({path, displayName, 0});
    } catch (const std::bad_alloc&) {
        lastError = 5;
        return false;
    }
    return true;
}

std::string MapiMailer::AttachmentName(const Attachment& file)
{
    return file.displayName.empty() ? LastPathPart(file.path) : file.displayName;
}

bool MapiMailer::ReadAttachments(std::vector<std::pair<std::string, std::string>>& files) const
{
    for (const Attachment& file : attachments) {
        std::string bytes;
        if (!ReadWholeFile(file.path, bytes))
            return false;
        files.emplace_back(AttachmentName(file), std::move(bytes));
    }
    return true;
}

std::string MapiMailer::ComposeMessage() const
{
    MimeMessage parts{recipients, subject, noteText + std::string(attachments.size(), ' '), {}};
    if (!ReadAttachments(parts.files))
        return {};
    return ComposeMime(parts);
}

bool MapiMailer::Send(unsigned long)
{
    // Whatever happens, the next message starts from empty lists.
    struct ClearLists {
        MapiMailer& mailer;
        ~ClearLists()
        {
            mailer.recipients.clear();
            mailer.attachments.clear();
        }
    } clear{*this};

    if ((sendmailPath.empty() && mailClientPath.empty()) || recipients.empty())
        return false;
    // A line break in a header value would let it write headers of its own.
    if (HoldsLineBreak(subject) || HoldsLineBreak(originatorName))
        return false;
    for (const std::string& recipient : recipients) {
        if (HoldsLineBreak(recipient))
            return false;
    }
    for (const Attachment& file : attachments) {
        if (HoldsLineBreak(AttachmentName(file)))
            return false;
    }

    const std::string note = noteText;
    const std::size_t length = noteText.size();
    for (std::size_t i = 0; i < attachments.size(); ++i) {
        noteText += ' ';
        attachments[i].position = length + i;
    }
    const ProgramRunner run =
        programRunner ? programRunner : [](Program, const std::vector<std::string>& argv, const std::string& input) {
            return RunProcess(argv, input, false, {}, MailTimeLimitMs);
        };
    if (!mailClientPath.empty()) {
        // Addresses go on the client's command line: none may read as an option or
        // as a mail link with parts (attachments, copies) of its own.
        for (const std::string& recipient : recipients) {
            if (!IsSafeRecipient(recipient))
                return false;
        }
        // The client's compose window takes the parts; the user sends from there.
        std::vector<std::string> argv = {mailClientPath, "--utf8"};
        if (!subject.empty())
            argv.insert(argv.end(), {"--subject", subject});
        if (!note.empty())
            argv.insert(argv.end(), {"--body", note});
        for (const Attachment& file : attachments)
            argv.insert(argv.end(), {"--attach", file.path});
        for (const std::string& recipient : recipients) {
            const std::size_t first = recipient.find_first_not_of(" \t");
            if (first != std::string::npos)
                argv.push_back(recipient.substr(first, recipient.find_last_not_of(" \t") + 1 - first));
        }
        const ProcessResult result = run(Program::MailClient, argv, {});
        return result.started && result.exitCode == 0;
    }

    MimeMessage parts{recipients, subject, noteText, {}};
    if (!ReadAttachments(parts.files))
        return false;  // an attachment that cannot be read is not silently left out

    std::vector<std::string> argv = {sendmailPath, "-i", "-t"};
    if (!originatorName.empty()) {
        argv.push_back("-F");
        argv.push_back(originatorName);
    }
    const ProcessResult result = run(Program::Sendmail, argv, ComposeMime(parts));
    return result.started && result.exitCode == 0;
}
