#include "mail/Contacts.h"

#include "platform/AsciiText.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <sys/stat.h>

namespace {
const std::string NameKey = "Name:";
const std::string EmailKey = "Email:";
// Big enough for any line the contact window writes: the longer key, 100 characters
// of up to four bytes, CR LF and the terminating NUL. Longer hand-made lines split.
constexpr std::size_t lineBuffer = 6 + 100 * 4 + 2 + 1;
}

std::string ContactsPath()
{
    return InstallDir() + "contacts.ini";
}

std::vector<Contact> ReadContacts(const std::string& path)
{
    std::vector<Contact> contacts;
    ReadContacts(path, contacts);
    return contacts;
}

FileState ReadContacts(const std::string& path, std::vector<Contact>& contacts)
{
    std::vector<std::string> lines;
    contacts.clear();
    const FileState state = ReadDataLines(path, lineBuffer, lines, true);
    std::string name;
    for (const std::string& line : lines) {
        if (line.compare(0, NameKey.size(), NameKey) == 0)
            name = line.substr(NameKey.size());
        else if (line.compare(0, EmailKey.size(), EmailKey) == 0)
            contacts.push_back({name, line.substr(EmailKey.size())});
    }
    return state;
}

std::string ContactsFileText(const std::vector<Contact>& contacts)
{
    std::string text;
    for (const Contact& contact : contacts)
        text += NameKey + contact.name + "\n" + EmailKey + contact.email + "\n";
    return text;
}

bool WriteContacts(const std::string& path, const std::vector<Contact>& contacts)
{
    for (const Contact& contact : contacts) {
        if (!FitsOnOneLine(contact.name) || !FitsOnOneLine(contact.email))
            return false;
    }
    return WriteFileAtomically(path, ContactsFileText(contacts));
}

bool IsSafeRecipient(const std::string& recipient)
{
    const std::size_t first = recipient.find_first_not_of(" \t");
    if (first == std::string::npos)
        return IsOneLineValue(recipient);
    const std::string address = recipient.substr(first, recipient.find_last_not_of(" \t") + 1 - first);
    return IsOneLineValue(address) && address.front() != '-' &&
           LowerAscii(address).find("mailto:") == std::string::npos &&
           address.find_first_of("?& \t") == std::string::npos;
}

std::string SizeText(std::optional<unsigned long long> bytes)
{
    if (!bytes)
        return "unknown";
    if (*bytes < 1024)
        return std::to_string(*bytes) + "B";
    return std::to_string(*bytes / 1024) + "KB";
}

std::string FileSizeText(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return SizeText(std::nullopt);
    return SizeText(static_cast<unsigned long long>(info.st_size));
}

bool HasPictureExtension(const std::string& name)
{
    if (name.size() < 4)
        return false;
    const std::string ending = LowerAscii(name.substr(name.size() - 4));
    return ending == ".jpg" || ending == ".gif" || ending == ".bmp" || ending == ".png" || ending == ".tif";
}

bool IsPicturePath(const std::string& path)
{
    return path.size() >= 5 && HasPictureExtension(path);
}

std::vector<std::string> SplitRecipients(const std::string& toText)
{
    std::vector<std::string> recipients;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = toText.find_first_of(";,", start);
        if (semicolon == std::string::npos) {
            recipients.push_back(toText.substr(start));
            return recipients;
        }
        recipients.push_back(toText.substr(start, semicolon - start));
        start = semicolon + 1;
    }
}

bool AddressAlreadyInToList(const std::string& toText, const std::string& address)
{
    return toText.find(address) != std::string::npos;
}

std::string AppendAddress(const std::string& toText, const std::string& address)
{
    return toText.empty() ? address : toText + ";" + address;
}
