#include "mail/MimeMessage.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <random>
#include <unistd.h>

namespace {

bool IsPlainAscii(const std::string& text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c > 0x7e)
            return false;
    }
    return true;
}

std::string Base64(const std::string& bytes, std::size_t lineLength)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    // Written in place, then cut into lines: a mailed picture is a few hundred
    // kilobytes, and appending it character by character was a tenth of the run.
    std::string plain((bytes.size() + 2) / 3 * 4, '\0');
    char* next = plain.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3, next += 4) {
        const unsigned v = in[i] << 16 | in[i + 1] << 8 | in[i + 2];
        next[0] = alphabet[v >> 18];
        next[1] = alphabet[(v >> 12) & 63];
        next[2] = alphabet[(v >> 6) & 63];
        next[3] = alphabet[v & 63];
    }
    if (i < bytes.size()) {
        const bool two = i + 1 < bytes.size();
        const unsigned v = in[i] << 16 | (two ? in[i + 1] << 8 : 0);
        next[0] = alphabet[v >> 18];
        next[1] = alphabet[(v >> 12) & 63];
        next[2] = two ? alphabet[(v >> 6) & 63] : '=';
        next[3] = '=';
    }
    if (!lineLength || plain.size() <= lineLength)
        return plain;
    std::string out;
    out.reserve(plain.size() + plain.size() / lineLength);
    for (std::size_t at = 0; at < plain.size(); at += lineLength) {
        if (at)
            out += '\n';
        out.append(plain, at, lineLength);
    }
    return out;
}

// RFC 2047 encoded words, never splitting a UTF-8 sequence; words are folded
// onto continuation lines that stay within 78 characters.
std::string EncodedWords(const std::string& text)
{
    constexpr std::size_t maxBytes = 39;  // 52 base64 characters + 12 of framing
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = std::min(text.size(), start + maxBytes);
        while (end < text.size() && end > start + 1 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
            --end;
        if (!out.empty())
            out += "\n ";
        out += "=?UTF-8?B?" + Base64(text.substr(start, end - start), 0) + "?=";
        start = end;
    }
    return out;
}

std::string SubjectValue(const std::string& subject)
{
    const bool plain = IsPlainAscii(subject) && subject.find("=?") == std::string::npos && subject.size() < 900;
    return plain ? subject : EncodedWords(subject);
}

std::string QuotedPrintable(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        const bool last = lineEnd == std::string::npos;
        if (last)
            lineEnd = text.size();
        std::size_t contentEnd = lineEnd;
        if (!last && contentEnd > lineStart && text[contentEnd - 1] == '\r')
            --contentEnd;  // CR LF is a line break like LF

        std::size_t column = 0;
        for (std::size_t i = lineStart; i < contentEnd; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            const bool lastOfLine = i + 1 == contentEnd;
            std::string piece;
            if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !lastOfLine))
                piece = static_cast<char>(c);
            else
                piece = {'=', hex[c >> 4], hex[c & 15]};
            // Soft break: lines stay within 76 characters, the "=" included.
            if (column + piece.size() > 75) {
                out += "=\n";
                column = 0;
            }
            out += piece;
            column += piece.size();
        }
        if (last)
            break;
        out += '\n';
        lineStart = lineEnd + 1;
    }
    return out;
}

std::string QuotedParameter(const std::string& value)
{
    std::string out = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

// name="..." for Content-Type and filename for Content-Disposition; names that
// are not plain ASCII use the encodings mail readers understand.
std::string NameParameter(const char* key, const std::string& name, bool extended)
{
    if (IsPlainAscii(name))
        return std::string(key) + "=" + QuotedParameter(name);
    if (!extended)
        return std::string(key) + "=\"" + EncodedWords(name) + "\"";
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : name) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
            c == '_')
            encoded += static_cast<char>(c);
        else
            encoded += {'%', hex[c >> 4], hex[c & 15]};
    }
    return std::string(key) + "*=UTF-8''" + encoded;
}

std::string ContentTypeOf(const std::string& fileName)
{
    const std::size_t dot = fileName.rfind('.');
    const std::string extension = LowerAscii(dot == std::string::npos ? "" : fileName.substr(dot + 1));
    static const std::pair<const char*, const char*> types[] = {
        {"jpg", "image/jpeg"}, {"jpeg", "image/jpeg"},     {"jpe", "image/jpeg"}, {"png", "image/png"},
        {"gif", "image/gif"},  {"bmp", "image/bmp"},       {"tif", "image/tiff"}, {"tiff", "image/tiff"},
        {"txt", "text/plain"}, {"htm", "text/html"},       {"html", "text/html"}, {"pdf", "application/pdf"},
        {"ini", "text/plain"}, {"zip", "application/zip"},
    };
    for (const auto& [ext, type] : types) {
        if (extension == ext)
            return type;
    }
    return "application/octet-stream";
}

std::string HostName()
{
    char buffer[256] = {};
    std::string host;
    if (::gethostname(buffer, sizeof buffer - 1) == 0)
        host = buffer;
    for (char c : host) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-')
            return "localhost";
    }
    return host.empty() ? "localhost" : host;
}

// RFC 5322 date in local time; names from fixed tables, not the locale.
std::string DateValue(std::time_t now)
{
    static const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm local{};
    ::localtime_r(&now, &local);
    long offset = local.tm_gmtoff / 60;
    const char sign = offset < 0 ? '-' : '+';
    if (offset < 0)
        offset = -offset;
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld", days[local.tm_wday % 7],
                  local.tm_mday, months[local.tm_mon % 12], local.tm_year + 1900, local.tm_hour, local.tm_min,
                  local.tm_sec, sign, offset / 60, offset % 60);
    return text;
}

std::string RandomToken()
{
    static std::mt19937_64 generator{std::random_device{}() ^ (static_cast<unsigned long long>(::getpid()) << 32)};
    char text[32];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

std::string ToHeader(const std::vector<std::string>& recipients)
{
    std::string line = "To: ";
    std::size_t column = line.size();
    for (std::size_t i = 0; i < recipients.size(); ++i) {
        std::string piece = recipients[i] + (i + 1 < recipients.size() ? "," : "");
        if (i > 0) {
            // Fold long lists after a comma; unfolding gives ", " back.
            if (column + 1 + piece.size() > 78) {
                line += "\n";
                column = 0;
            }
            line += " ";
            ++column;
        }
        line += piece;
        column += piece.size();
    }
    return line + "\n";
}

}  // namespace

bool HoldsLineBreak(const std::string& value)
{
    return value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

std::string ComposeMime(const MimeMessage& parts)
{
    std::string message = ToHeader(parts.recipients);
    message += "Subject: " + SubjectValue(parts.subject) + "\n";
    message += "Date: " + DateValue(std::time(nullptr)) + "\n";
    message += "Message-ID: <" + std::to_string(std::time(nullptr)) + "." + std::to_string(::getpid()) + "." +
               RandomToken() + "@" + HostName() + ">\n";
    message += "MIME-Version: 1.0\n";
    const std::string textHeaders = "Content-Type: text/plain; charset=UTF-8\n"
                                    "Content-Transfer-Encoding: quoted-printable\n";
    const std::string body = QuotedPrintable(parts.body);
    if (parts.files.empty()) {
        // A note without a final line break ends in a soft break, so that the
        // reader gets it exactly, its trailing blanks included.
        const bool open = !body.empty() && body.back() != '\n';
        return message + textHeaders + "\n" + body + (open ? "=\n" : "");
    }

    // "=_" cannot occur in quoted-printable or base64 text.
    const std::string boundary = "=_Moravel_" + RandomToken();
    message += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\n\n";
    message += "This is a message in MIME format.\n";
    message += "\n--" + boundary + "\n" + textHeaders + "\n" + body;
    for (const auto& [name, bytes] : parts.files) {
        const std::string fold = IsPlainAscii(name) && name.size() < 40 ? " " : "\n ";
        message += "\n--" + boundary + "\n";
        message += "Content-Type: " + ContentTypeOf(name) + ";" + fold + NameParameter("name", name, false) + "\n";
        message += "Content-Transfer-Encoding: base64\n";
        message += "Content-Disposition: attachment;" + fold + NameParameter("filename", name, true) + "\n\n";
        message += Base64(bytes, 76) + "\n";
    }
    message += "\n--" + boundary + "--\n";
    return message;
}
