#pragma once

#include <optional>
#include <string>
#include <vector>

// One outgoing message and its sending through the system's sendmail program.
// Calling order: construct; TakeError (non-zero: unusable); AddRecipient per
// address; SetOriginatorName; SetSubject; AddAttachment; noteText; Send.
class MapiMailer {
public:
    MapiMailer();

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
    bool Send(unsigned long flags = 0);

    // The message Send would write (Date and Message-ID included), for tests.
    std::string ComposeMessage() const;

    std::size_t RecipientCount() const { return recipients.size(); }
    std::size_t AttachmentCount() const { return attachments.size(); }

    // The folders searched after PATH ("/usr/sbin/sendmail", "/usr/lib/sendmail");
    // tests replace them to stand for a system without a mail program; nullopt restores.
    static void SetFallbackPathsForTesting(std::optional<std::vector<std::string>> paths);

private:
    struct Attachment {
        std::string path;
        std::string displayName;
        std::size_t position = 0;
    };
    std::string sendmailPath;
    int lastError = 0;
    std::vector<std::string> recipients;
    std::string originatorName;
    std::string subject;
    std::vector<Attachment> attachments;
};
