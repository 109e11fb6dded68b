// Any "contacts.ini": the reader, and what it read written back and read again.
#include "mail/Contacts.h"
#include "tests/fuzz/FuzzFile.h"

namespace {
// A line the reader takes whole: key, value and LF within its 408 bytes, no CR.
bool FitsOneLine(const std::string& key, const std::string& value)
{
    return key.size() + value.size() + 1 <= 408 && value.find('\r') == std::string::npos;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string path = FuzzInstallDir() + "contacts.ini";
    WriteFuzzFile(path, data, size);
    const std::vector<Contact> contacts = ReadContacts(path);
    // One "Email:" line in the file is one contact at most, however long the lines.
    const std::string raw(reinterpret_cast<const char*>(data), size);
    std::size_t emailLines = raw.compare(0, 6, "Email:") == 0 ? 1 : 0;
    for (std::size_t at = raw.find("\nEmail:"); at != std::string::npos; at = raw.find("\nEmail:", at + 1))
        ++emailLines;
    if (contacts.size() > emailLines)
        std::abort();
    if (!WriteContacts(path, contacts))
        std::abort();
    const std::vector<Contact> back = ReadContacts(path);
    // Whatever the window could have written comes back as it was.
    bool allFit = true;
    for (const Contact& contact : contacts)
        allFit = allFit && FitsOneLine("Name:", contact.name) && FitsOneLine("Email:", contact.email);
    if (allFit) {
        if (back.size() != contacts.size())
            std::abort();
        for (std::size_t i = 0; i < back.size(); ++i)
            if (back[i].name != contacts[i].name || back[i].email != contacts[i].email)
                std::abort();
    }
    return 0;
}
