#pragma once

#include <string>

// What the page view reads from a page's markup before it lays the page out.
// Tags and attribute names are matched without regard to case, as browsers do.

// Windows-1252 bytes to UTF-8; the five unused bytes keep their own code points.
std::string FromWindows1252(const std::string& bytes);

// The charset a page names in a META tag, in lower case; empty when it names none.
std::string PageCharset(const std::string& html);

// A page's META refresh: after `seconds` the view goes to `address` (entities
// decoded, as written: a full path, a URL or a relative address).
struct MetaRefresh {
    bool present = false;
    int seconds = 0;
    std::string address;
};
MetaRefresh FindMetaRefresh(const std::string& html);

// True when the BODY tag says scroll="no".
bool PageRefusesScrolling(const std::string& html);
