#pragma once

#include <string>

// Generated pages: written in Windows-1252 into InstallDir, shown by PageWindow.
// Texts handed to these functions are UTF-8 HTML; they are converted to
// Windows-1252 on writing (the typographic apostrophe becomes byte 0x92).

// Converts UTF-8 to Windows-1252; characters it lacks become &#N; references.
std::string ToWindows1252(const std::string& utf8);
// Escapes &, <, >, " for text the user typed.
std::string HtmlEscape(const std::string& text);

namespace PageBody {
// Scrolling, centred: daily analysis help, introduction, dream, zodiac sign, soul number, birth year, e-mail help.
inline const std::string Scrolling =
    R"~(<body bgcolor="gray" link="gray" vlink="gray" alink="gray" oncontextmenu="return false"><center>)~";
// No scroll bar, centred: companion explanation, quick tip.
inline const std::string Fixed =
    R"~(<body bgcolor="gray" link="gray" vlink="gray" alink="gray" oncontextmenu="return false" scroll="no"><center>)~";
// No scroll bar, not centred: superstition.
inline const std::string FixedUncentred =
    R"~(<body bgcolor="gray" link="gray" vlink="gray" alink="gray" oncontextmenu="return false" scroll="no">)~";
}

namespace PagePrintRow {
inline const std::string Standard =
    R"~(</td></tr><tr><td><A HREF="javascript:window.print()"><font color="navy" size="4" face="Arial"><b>Print</b></font></A>)~";
inline const std::string None;
}

namespace PageClosing {
inline const std::string Paragraph = "</td></tr></table><p><br></center></body></html>";
inline const std::string Plain = "</td></tr></table></center></body></html>";
inline const std::string Break = "</td></tr></table><br></center></body></html>";
inline const std::string Uncentred = "</td></tr></table><p><br></body></html>";
}

// Heading and paragraph forms of page text.
std::string PageHeading(const std::string& text);    // yellow Verdana size 2 bold, then <p>
std::string PageParagraph(const std::string& text);  // black Verdana size 2 bold, then <p>

struct PagePair {
    std::string entryName;    // e.g. "effects.htm"
    std::string contentName;  // e.g. "reading.htm"
    std::string bodyTag;      // one of PageBody
    std::string text;         // the page text (UTF-8 HTML)
    std::string printRow;     // one of PagePrintRow, or a page's own
    std::string closing;      // one of PageClosing, or a page's own
};

// Writes the entry page (refreshing after one second to the content page's full
// path) and the content page into InstallDir. Returns false when the content page
// could not be written (then nothing should be shown); a failed entry page is skipped.
bool WritePagePair(const PagePair& pair);
// A local path as a "file://" URL: every byte but letters, digits, "-._~" and "/"
// percent-encoded, so that any folder name the system allows (also one that is no
// UTF-8, or holds "#", "%" or quotes) reaches the page view whole.
std::string FileUrlOf(const std::string& path);
// Removes the working pages (every ".htm" file) from InstallDir: none outlives a run.
void RemoveWorkingPages();

// The exact bytes of the two pages (Windows-1252).
std::string EntryPageBytes(const std::string& contentPath);
std::string ContentPageBytes(const PagePair& pair);

// "<html>" and the comment every page opens with.
std::string PageStart();

// The anti-selection script, three pieces without line breaks.
std::string AntiSelectScript();

// The quick tip page "tip_e.htm"; the tip text is HTML placed unchanged.
bool WriteTipPage(const std::string& tipHtml);
std::string TipPageBytes(const std::string& tipHtml);

// The navigation filter of every page view: an empty address,
// "javascript:window.print()", or an address ending in ".htm" (any case).
bool IsAllowedNavigation(const std::string& address);
