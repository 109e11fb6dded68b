#include "content/PageMarkup.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

namespace {
// Code points of the bytes 0x80..0x9F; the unused ones map to themselves.
constexpr std::array<char32_t, 32> high1252{
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

using Attributes = std::map<std::string, std::string>;

std::string DecodeEntities(const std::string& text)
{
    static const std::map<std::string, char32_t> named{{"amp", '&'}, {"quot", '"'}, {"apos", '\''},
                                                       {"lt", '<'},  {"gt", '>'},   {"nbsp", 0xA0}};
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t semicolon = text[pos] == '&' ? text.find(';', pos) : std::string::npos;
        if (semicolon != std::string::npos && semicolon - pos <= 10) {
            const std::string name = text.substr(pos + 1, semicolon - pos - 1);
            char32_t value = 0;
            if (name.size() > 1 && name[0] == '#') {
                const bool hex = name[1] == 'x' || name[1] == 'X';
                const std::string digits = name.substr(hex ? 2 : 1);
                if (!digits.empty() &&
                    digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") == std::string::npos)
                    value = static_cast<char32_t>(std::stoul(digits, nullptr, hex ? 16 : 10));
                if (value > 0x10FFFF)
                    value = 0;
            } else if (const auto it = named.find(LowerAscii(name)); it != named.end()) {
                value = it->second;
            }
            if (value != 0) {
                AppendUtf8(out, value);
                pos = semicolon + 1;
                continue;
            }
        }
        out += text[pos++];
    }
    return out;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The attributes of every tag named `tag` (lower case), in page order; values
// entity-decoded, names in lower case.
template <typename Visit>
void ForEachTag(const std::string& html, const std::string& tag, Visit visit)
{
    const std::string lower = LowerAscii(html);
    std::size_t pos = 0;
    while ((pos = lower.find("<" + tag, pos)) != std::string::npos) {
        std::size_t at = pos + 1 + tag.size();
        pos = at;
        if (at < lower.size() && !IsSpace(lower[at]) && lower[at] != '>' && lower[at] != '/')
            continue;  // a longer tag name
        Attributes attributes;
        while (at < html.size() && html[at] != '>') {
            while (at < html.size() && (IsSpace(html[at]) || html[at] == '/'))
                ++at;
            const std::size_t nameStart = at;
            while (at < html.size() && !IsSpace(html[at]) && html[at] != '=' && html[at] != '>')
                ++at;
            std::string name = lower.substr(nameStart, at - nameStart);
            while (at < html.size() && IsSpace(html[at]))
                ++at;
            std::string value;
            if (at < html.size() && html[at] == '=') {
                ++at;
                while (at < html.size() && IsSpace(html[at]))
                    ++at;
                if (at < html.size() && (html[at] == '"' || html[at] == '\'')) {
                    const char quote = html[at++];
                    const std::size_t end = html.find(quote, at);
                    const std::size_t stop = end == std::string::npos ? html.size() : end;
                    value = html.substr(at, stop - at);
                    at = end == std::string::npos ? stop : stop + 1;
                } else {
                    const std::size_t start = at;
                    while (at < html.size() && !IsSpace(html[at]) && html[at] != '>')
                        ++at;
                    value = html.substr(start, at - start);
                }
            }
            if (!name.empty())
                attributes.emplace(std::move(name), DecodeEntities(value));
            else if (at < html.size() && html[at] != '>')
                ++at;
        }
        if (visit(attributes))
            return;
    }
}

std::string Trimmed(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsSpace(text[first]))
        ++first;
    while (last > first && IsSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}
}

std::string FromWindows1252(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? high1252[b - 0x80] : b);
    }
    return out;
}

std::string PageCharset(const std::string& html)
{
    std::string charset;
    ForEachTag(html, "meta", [&](const Attributes& attributes) {
        if (const auto it = attributes.find("charset"); it != attributes.end()) {
            charset = LowerAscii(Trimmed(it->second));
            return true;
        }
        const auto equiv = attributes.find("http-equiv");
        const auto content = attributes.find("content");
        if (equiv == attributes.end() || content == attributes.end() ||
            LowerAscii(Trimmed(equiv->second)) != "content-type")
            return false;
        const std::string value = LowerAscii(content->second);
        const std::size_t at = value.find("charset=");
        if (at == std::string::npos)
            return false;
        const std::size_t end = value.find_first_of("; \t\"'", at + 8);
        charset = value.substr(at + 8, end == std::string::npos ? std::string::npos : end - at - 8);
        return !charset.empty();
    });
    return charset;
}

MetaRefresh FindMetaRefresh(const std::string& html)
{
    MetaRefresh refresh;
    ForEachTag(html, "meta", [&](const Attributes& attributes) {
        const auto equiv = attributes.find("http-equiv");
        const auto content = attributes.find("content");
        if (equiv == attributes.end() || content == attributes.end() || LowerAscii(Trimmed(equiv->second)) != "refresh")
            return false;
        // "N; URL=address", "N;address" or "N" alone.
        const std::string& value = content->second;
        std::size_t at = 0;
        while (at < value.size() && IsSpace(value[at]))
            ++at;
        const std::size_t digits = at;
        while (at < value.size() && value[at] >= '0' && value[at] <= '9')
            ++at;
        if (at == digits)
            return false;
        refresh.seconds = std::stoi(value.substr(digits, std::min<std::size_t>(at - digits, 6)));
        while (at < value.size() && (value[at] == '.' || (value[at] >= '0' && value[at] <= '9')))
            ++at;
        while (at < value.size() && (IsSpace(value[at]) || value[at] == ';' || value[at] == ','))
            ++at;
        std::string address = value.substr(at);
        if (LowerAscii(address.substr(0, 3)) == "url") {
            std::size_t equals = 3;
            while (equals < address.size() && IsSpace(address[equals]))
                ++equals;
            if (equals < address.size() && address[equals] == '=')
                address = address.substr(equals + 1);
        }
        address = Trimmed(address);
        if (address.size() >= 2 && (address.front() == '\'' || address.front() == '"') &&
            address.back() == address.front())
            address = address.substr(1, address.size() - 2);
        refresh.present = true;
        refresh.address = address;
        return true;
    });
    return refresh;
}

bool PageRefusesScrolling(const std::string& html)
{
    bool refuses = false;
    ForEachTag(html, "body", [&](const Attributes& attributes) {
        const auto it = attributes.find("scroll");
        refuses = it != attributes.end() && LowerAscii(Trimmed(it->second)) == "no";
        return true;
    });
    return refuses;
}

namespace {
// The tag at `at` ('<'): its lower-case name ("/font" for an end tag) and its end.
std::string TagName(const std::string& lower, std::size_t at, std::size_t& end)
{
    std::size_t stop = at + 1;
    if (stop < lower.size() && lower[stop] == '/')
        ++stop;
    while (stop < lower.size() &&
           ((lower[stop] >= 'a' && lower[stop] <= 'z') || (lower[stop] >= '0' && lower[stop] <= '9')))
        ++stop;
    end = lower.find('>', stop);
    return lower.substr(at + 1, stop - at - 1);
}

bool IsFormatting(const std::string& name)
{
    return name == "font" || name == "b" || name == "i" || name == "u" || name == "strong" || name == "em";
}

// Tags after which no paragraph is open any more.
bool EndsParagraph(const std::string& name)
{
    static const char* const names[] = {"/p",     "td",      "/td", "tr",   "/tr",  "table", "/table",
                                        "center", "/center", "div", "/div", "body", "th",    "/th"};
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}
}

std::string CarryFormattingIntoParagraphs(const std::string& html)
{
    const std::string lower = LowerAscii(html);
    std::string out;
    out.reserve(html.size() + html.size() / 8);
    bool inParagraph = false;
    // Start tags of the formatting opened since the open paragraph began.
    std::vector<std::pair<std::string, std::string>> opened;
    std::size_t pos = 0;
    while (pos < html.size()) {
        const std::size_t at = html.find('<', pos);
        if (at == std::string::npos) {
            out.append(html, pos, std::string::npos);
            break;
        }
        out.append(html, pos, at - pos);
        if (lower.compare(at, 4, "<!--") == 0 || lower.compare(at, 7, "<script") == 0) {
            const std::string close = lower.compare(at, 4, "<!--") == 0 ? "-->" : "</script>";
            const std::size_t end = lower.find(close, at);
            const std::size_t stop = end == std::string::npos ? html.size() : end + close.size();
            out.append(html, at, stop - at);
            pos = stop;
            continue;
        }
        std::size_t end = 0;
        const std::string name = TagName(lower, at, end);
        if (end == std::string::npos) {
            out.append(html, at, std::string::npos);
            break;
        }
        const std::string tag = html.substr(at, end + 1 - at);
        out += tag;
        pos = end + 1;
        if (name == "p") {
            if (inParagraph)
                for (const auto& [formatting, start] : opened)
                    out += start;
            else
                opened.clear();
            inParagraph = true;
        } else if (EndsParagraph(name)) {
            inParagraph = false;
            opened.clear();
        } else if (inParagraph && IsFormatting(name)) {
            opened.emplace_back(name, tag);
        } else if (inParagraph && name.size() > 1 && name[0] == '/' && IsFormatting(name.substr(1))) {
            const auto it = std::find_if(opened.rbegin(), opened.rend(),
                                         [&](const auto& entry) { return entry.first == name.substr(1); });
            if (it != opened.rend()) {
                opened.erase(std::next(it).base());
            } else {
                // It was opened before the paragraph: its end ends the paragraph too.
                inParagraph = false;
                opened.clear();
            }
        }
    }
    return out;
}

std::vector<int> CellHeights(const std::string& html)
{
    std::vector<int> heights;
    ForEachTag(html, "td", [&](const Attributes& attributes) {
        const auto it = attributes.find("height");
        int height = 0;
        if (it != attributes.end()) {
            const std::string value = Trimmed(it->second);
            std::size_t digits = 0;
            while (digits < value.size() && digits < 6 && value[digits] >= '0' && value[digits] <= '9')
                ++digits;
            // A percentage is no height of its own.
            if (digits > 0 && value.find('%') == std::string::npos)
                height = std::stoi(value.substr(0, digits));
        }
        heights.push_back(height);
        return false;
    });
    return heights;
}
