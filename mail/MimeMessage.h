#pragma once

#include <string>
#include <utility>
#include <vector>

// One mail message as text, ready for `sendmail -t`: the headers, the note in
// quoted-printable and the attachments in base64. Nothing here reads files or
// runs programs.
struct MimeMessage {
    std::vector<std::string> recipients;
    std::string subject;
    std::string body;
    std::vector<std::pair<std::string, std::string>> files;  // shown name, bytes
};

// The whole message, Date and Message-ID included. No From header: sendmail
// writes it with the user's own address and the display name given by -F.
std::string ComposeMime(const MimeMessage& parts);

// True when a header value holds CR, LF or NUL, with which it could write
// headers of its own.
bool HoldsLineBreak(const std::string& value);
