#pragma once

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

// Reads lines of at most 329 bytes. An "Email:" line adds a contact with the last
// "Name:" seen (the name carries over); other lines are skipped. A missing or
// unreadable file gives an empty list.
std::vector<Contact> ReadContacts(const std::string& path);
std::string ContactsFileText(const std::vector<Contact>& contacts);
// Replaces the file atomically; false when it could not be written.
bool WriteContacts(const std::string& path, const std::vector<Contact>& contacts);

// The attachment's size as shown beside "Size:": bytes below 1024 ("512B"), else whole
// kilobytes rounded down ("1KB"); "unknown" when the size cannot be read.
std::string SizeText(std::optional<unsigned long long> bytes);
std::string FileSizeText(const std::string& path);

// ".jpg", ".gif", ".bmp", ".png" or ".tif" as the last four characters, any case.
bool HasPictureExtension(const std::string& name);
// A path counts as a picture when it has at least 5 characters and a picture extension.
bool IsPicturePath(const std::string& path);

// Recipients as typed: split at every ";", nothing trimmed; a final ";" leaves an
// empty last recipient.
std::vector<std::string> SplitRecipients(const std::string& toText);

// The copy button: true when the address already appears in toText anywhere (as a
// substring); else appends it, after a ";" when toText is not empty.
bool AddressAlreadyInToList(const std::string& toText, const std::string& address);
std::string AppendAddress(const std::string& toText, const std::string& address);
