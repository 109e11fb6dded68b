#pragma once

#include <string>
#include <vector>

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

// The markup with the font and bold tags that were open when a paragraph ended
// opened again at the start of the next one. The pages' browsers keep such
// formatting across <p> (a paragraph's colour runs on until its </font>); Qt's
// rich text would drop it at the paragraph's end.
std::string CarryFormattingIntoParagraphs(const std::string& html);

// The height attribute of every <td>, in page order; 0 where it has none.
std::vector<int> CellHeights(const std::string& html);
