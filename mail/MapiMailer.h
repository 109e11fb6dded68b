#pragma once

#include "platform/Process.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One outgoing message and its sending through the system's sendmail program.
// Calling order: construct; TakeError (non-zero: unusable); AddRecipient per
// address; SetOriginatorName; SetSubject; AddAttachment; noteText; Send.
class MapiMailer {
public:
    // Which program takes the message. The desktop's mail client (xdg-email)
    // stands in only when asked for and no sendmail-compatible program exists.
    enum class Delivery { SendmailOnly, SendmailOrMailClient };
    enum class Program { Sendmail, MailClient };
    // Runs a mail program with `input` on its standard input; the default waits
    // for it with RunProcess.
    using ProgramRunner =
        std::function<ProcessResult(Program, const std::vector<std::string>& argv, const std::string& input)>;

    explicit MapiMailer(Delivery delivery = Delivery::SendmailOnly);

    // Returns the error code and resets it: 0 none, 1 no sendmail program,
    // 2 sendmail found but not executable, 3/5 a list could not grow.
    int TakeError();

    bool AddRecipient(const std::string& address);
    void SetOriginatorName(const std::string& name);
    void SetSubject(const std::string& subject);
    bool AddAttachment(const std::string& path, const std::string& displayName = {});

    // The body; Send appends one blank per attachment.
    std::string noteText;

    // Writes one RFC 5322 message to `sendmail -i -t`; true exactly when it exits 0.
    // False, without running anything, when a header value holds CR or LF.
    // With the mail client it runs `xdg-email` with the message's parts instead
    // (the recipients that are not blank, no blanks appended to the note).
    bool Send(unsigned long flags = 0);

    bool UsesMailClient() const { return !mailClientPath.empty(); }
    void SetProgramRunner(ProgramRunner runner) { programRunner = std::move(runner); }

    // The message Send would write (Date and Message-ID included), for tests.
    std::string ComposeMessage() const;

    std::size_t RecipientCount() const { return recipients.size(); }
    std::size_t AttachmentCount() const { return attachments.size(); }

    // The folders searched after PATH ("/usr/sbin/sendmail", "/usr/lib/sendmail");
    // tests replace them to stand for a system without a mail program; nullopt restores.
    static void SetFallbackPathsForTesting(std::optional<std::vector<std::string>> paths);
    // The folders searched instead of PATH for sendmail and xdg-email; nullopt restores.
    static void SetSearchPathForTesting(std::optional<std::string> folders);

private:
    struct Attachment {
        std::string path;
        std::string displayName;
        std::size_t position = 0;
    };
    static std::string AttachmentName(const Attachment& file);
    // Each attachment's name and bytes; false when one cannot be read.
    bool ReadAttachments(std::vector<std::pair<std::string, std::string>>& files) const;

    std::string sendmailPath;
    std::string mailClientPath;
    ProgramRunner programRunner;
    int lastError = 0;
    std::vector<std::string> recipients;
    std::string originatorName;
    std::string subject;
    std::vector<Attachment> attachments;
};
