#pragma once

#include "platform/DataFile.h"

#include <optional>
#include <string>
#include <vector>

// The address book "contacts.ini" in InstallDir: one "Name:"/"Email:" line pair per
// contact, in list order.
struct Contact {
    std::string name;
    std::string email;
};

std::string ContactsPath();

// Reads lines up to the buffer's size; the rest of a longer line is dropped, so one
// line never yields two keys. An "Email:" line adds a contact with the last "Name:"
// seen (the name carries over); other lines are skipped. A missing or unreadable
// file gives an empty list; the state tells them apart.
std::vector<Contact> ReadContacts(const std::string& path);
FileState ReadContacts(const std::string& path, std::vector<Contact>& contacts);
std::string ContactsFileText(const std::vector<Contact>& contacts);
// Replaces the file atomically; false when it could not be written, and when a name
// or address does not fit on one line.
bool WriteContacts(const std::string& path, const std::vector<Contact>& contacts);

// A recipient that a mail program can take only as an address: after its outer
// blanks, no leading "-" (an option), no "mailto:", "?" or "&" (parts of a mail
// link), no blank inside, no line break or NUL. An empty recipient passes.
bool IsSafeRecipient(const std::string& recipient);

// The attachment's size as shown beside "Size:": bytes below 1024 ("512B"), else whole
// kilobytes rounded down ("1KB"); "unknown" when the size cannot be read.
std::string SizeText(std::optional<unsigned long long> bytes);
std::string FileSizeText(const std::string& path);

// ".jpg", ".gif", ".bmp", ".png" or ".tif" as the last four characters, any case.
bool HasPictureExtension(const std::string& name);
// A path counts as a picture when it has at least 5 characters and a picture extension.
bool IsPicturePath(const std::string& path);

// Recipients as typed: split at every ";" or "," (as other mail programs take them),
// nothing trimmed; a final separator leaves an empty last recipient.
std::vector<std::string> SplitRecipients(const std::string& toText);

// The copy button: true when the address already appears in toText anywhere (as a
// substring); else appends it, after a ";" when toText is not empty.
bool AddressAlreadyInToList(const std::string& toText, const std::string& address);
std::string AppendAddress(const std::string& toText, const std::string& address);
