#include "content/PageWriter.h"

#include "platform/AsciiText.h"
#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <cstdint>

namespace {
// Code points of the bytes 0x80..0x9F in Windows-1252; 0 where the byte is unused.
constexpr std::array<char32_t, 32> high1252{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Decodes one UTF-8 sequence at `pos`; a malformed byte decodes as U+FFFD and
// advances by one.
char32_t DecodeUtf8(const std::string& text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + length > text.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        value = (value << 6) | (next & 0x3F);
    }
    pos += length;
    return value;
}

const std::string kComment = "<!-- Moravel 2005: page written by the program on every use -->";

const std::string kEntryHead = R"(<HEAD><META HTTP-EQUIV="Refresh" Content="1; URL=%s"><TITLE></TITLE></HEAD>)";
const std::string kEntryBody = R"(<body bgcolor="gray" link="white" vlink="white" alink="white" scroll="no">)";
const std::string kContentHead =
    R"~(<HEAD><META http-equiv="Page-Enter" CONTENT="RevealTrans(Duration=3,Transition=5)"><TITLE></TITLE></HEAD>)~";
const std::string kTipHead =
    R"~(<HEAD><META http-equiv="Page-Enter" CONTENT="RevealTrans(Duration=2,Transition=5)"><TITLE></TITLE></HEAD>)~";
const std::string kTable = R"(<table border="0" bordercolor="black" cellpadding="3" cellspacing="2">)";

std::string ReplacePlaceholder(const std::string& format, const std::string& value)
{
    std::string result = format;
    const std::size_t at = result.find("%s");
    if (at != std::string::npos)
        result.replace(at, 2, value);
    return result;
}

bool WritePage(const std::string& name, const std::string& bytes)
{
    return WriteFileAtomically(InstallDir() + name, bytes, Durable::No);
}
}

std::string ToWindows1252(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = DecodeUtf8(utf8, pos);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        bool mapped = false;
        for (std::size_t i = 0; i < high1252.size(); ++i) {
            if (high1252[i] != 0 && high1252[i] == c) {
                out += static_cast<char>(0x80 + i);
                mapped = true;
                break;
            }
        }
        if (!mapped)
            out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
    }
    return out;
}

std::string HtmlEscape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string PageHeading(const std::string& text)
{
    return R"(<font color="yellow" size="2" face="Verdana"><b>)" + text + "</b></font><p>";
}

std::string PageParagraph(const std::string& text)
{
    return R"(<font color="black" size="2" face="Verdana"><b>)" + text + "</b></font><p>";
}

std::string PageStart()
{
    return "<html>" + kComment;
}

std::string AntiSelectScript()
{
    return R"(<script language="JavaScript1.2"> function disableselect(e) { return false; })"
           R"(function reEnable() { return true; } document.onselectstart=new Function ("return false");)"
           R"(if (window.sidebar){ document.onmousedown=disableselect; document.onclick=reEnable; } </script>)";
}

std::string FileUrlOf(const std::string& path)
{
    std::string url = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') || c == '-' ||
            c == '.' || c == '_' || c == '~' || c == '/') {
            url += c;
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            url += code;
        }
    }
    return url;
}

std::string EntryPageBytes(const std::string& contentPath)
{
    // As a URL of ASCII only: the page's own encoding cannot change the folder's
    // bytes, and no quote or ampersand in its name ends the attribute early.
    return ToWindows1252(PageStart() + ReplacePlaceholder(kEntryHead, FileUrlOf(contentPath)) + kEntryBody +
                         "</body></html>");
}

std::string ContentPageBytes(const PagePair& pair)
{
    return ToWindows1252(PageStart() + kContentHead + pair.bodyTag + AntiSelectScript() + kTable + "<tr><td>" +
                         pair.text + pair.printRow + pair.closing);
}

bool WritePagePair(const PagePair& pair)
{
    WritePage(pair.entryName, EntryPageBytes(InstallDir() + pair.contentName));
    return WritePage(pair.contentName, ContentPageBytes(pair));
}

std::string TipPageBytes(const std::string& tipHtml)
{
    return ToWindows1252(PageStart() + kTipHead + PageBody::Fixed + AntiSelectScript() + kTable +
                         R"(<tr><td align="center">)" + R"(<font color="yellow" size="2" face="Verdana"><b>)" +
                         tipHtml + "</b></font>" + PageClosing::Plain);
}

bool WriteTipPage(const std::string& tipHtml)
{
    return WritePage("tip_e.htm", TipPageBytes(tipHtml));
}

bool IsAllowedNavigation(const std::string& address)
{
    if (address.empty() || address == "javascript:window.print()")
        return true;
    return EndsWithLowerAscii(address, ".htm");
}

void RemoveWorkingPages()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(InstallDir(), error)) {
        const std::string name = entry.path().filename().string();
        if (EndsWithLowerAscii(name, ".htm") && !entry.is_directory(error))
            MakeWritableAndDelete(entry.path().string());
    }
}
