#include "wiki/wiki_html.h"

#include <array>
#include <cstdint>
#include <utility>

namespace velmora::wiki {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lower(c);
    return out;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool endsTagName(std::string_view text, std::size_t at) {
    return at >= text.size() || isSpace(text[at]) || text[at] == '>' || text[at] == '/';
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

struct NamedEntity {
    std::string_view name;
    std::uint32_t code;
};

constexpr std::array<NamedEntity, 17> namedEntities{{
    {"amp", '&'},
    {"lt", '<'},
    {"gt", '>'},
    {"quot", '"'},
    {"apos", '\''},
    {"nbsp", ' '},
    {"ndash", 0x2013},
    {"mdash", 0x2014},
    {"hellip", 0x2026},
    {"lsquo", 0x2018},
    {"rsquo", 0x2019},
    {"ldquo", 0x201C},
    {"rdquo", 0x201D},
    {"deg", 0x00B0},
    {"times", 0x00D7},
    {"minus", 0x2212},
    {"middot", 0x00B7},
}};

// The entity at `at` (which holds '&') written out, and how many bytes it took;
// nothing for an ampersand that starts no entity Velmora knows.
std::optional<std::pair<std::string, std::size_t>> entityAt(std::string_view text, std::size_t at) {
    const std::size_t end = text.find(';', at + 1);
    if (end == std::string_view::npos || end - at > 12 || end == at + 1)
        return std::nullopt;
    const std::string_view name = text.substr(at + 1, end - at - 1);
    std::string out;
    if (name.front() == '#') {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty())
            return std::nullopt;
        std::uint32_t code = 0;
        for (const char c : digits) {
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && lower(c) >= 'a' && lower(c) <= 'f')
                digit = lower(c) - 'a' + 10;
            if (digit < 0)
                return std::nullopt;
            code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        }
        appendUtf8(out, code);
        return std::pair{out, end - at + 1};
    }
    for (const NamedEntity& entity : namedEntities) {
        if (entity.name == name) {
            appendUtf8(out, entity.code);
            return std::pair{out, end - at + 1};
        }
    }
    return std::nullopt;
}

constexpr std::array<std::string_view, 7> droppedElements{"script", "style", "iframe", "object",
                                                          "embed",  "link",  "meta"};

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    for (const std::string_view candidate : names) {
        if (candidate == name)
            return true;
    }
    return false;
}

// Percent escapes decoded and underscores read as blanks, as the wiki writes titles.
std::string titleFromPath(std::string_view path, bool plusIsBlank = false) {
    const std::size_t fragment = path.find('#');
    if (fragment != std::string_view::npos)
        path = path.substr(0, fragment);
    std::string title;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        auto hexValue = [](char h) -> int {
            h = lower(h);
            if (h >= '0' && h <= '9')
                return h - '0';
            if (h >= 'a' && h <= 'f')
                return h - 'a' + 10;
            return -1;
        };
        if (c == '%' && i + 2 < path.size() && hexValue(path[i + 1]) >= 0 &&
            hexValue(path[i + 2]) >= 0) {
            title += static_cast<char>(hexValue(path[i + 1]) * 16 + hexValue(path[i + 2]));
            i += 2;
        } else if (c == '_' || (plusIsBlank && c == '+')) {
            title += ' ';
        } else {
            title += c;
        }
    }
    return title;
}

std::string hostOf(std::string_view address) {
    const std::size_t scheme = address.find("://");
    std::string_view rest = scheme == std::string_view::npos ? address : address.substr(scheme + 3);
    const std::size_t end = rest.find_first_of("/?#");
    return lowered(rest.substr(0, end));
}

// The path and query of a link on the wiki's own host, or nothing for another host.
std::optional<std::string_view> pathOnWiki(std::string_view href, std::string_view apiAddress) {
    std::string_view rest;
    if (href.starts_with("//")) {
        rest = href.substr(2);
    } else if (const std::size_t scheme = href.find("://");
               scheme != std::string_view::npos && href.find_first_of("/?#") > scheme) {
        const std::string schemeName = lowered(href.substr(0, scheme));
        if (schemeName != "http" && schemeName != "https")
            return std::nullopt;
        rest = href.substr(scheme + 3);
    } else if (href.starts_with("/")) {
        return href;
    } else {
        return std::nullopt;
    }
    const std::size_t pathStart = rest.find_first_of("/?#");
    const std::string_view host = rest.substr(0, pathStart);
    if (lowered(host) != hostOf(apiAddress) || pathStart == std::string_view::npos)
        return std::nullopt;
    return rest.substr(pathStart);
}

std::string withoutDroppedElements(std::string_view html) {
    const std::string folded = lowered(html);
    std::string out;
    out.reserve(html.size());
    std::size_t i = 0;
    while (i < html.size()) {
        const std::size_t open = folded.find('<', i);
        if (open == std::string::npos) {
            out.append(html.substr(i));
            break;
        }
        out.append(html.substr(i, open - i));
        std::string_view dropped;
        for (const std::string_view name : droppedElements) {
            if (folded.compare(open + 1, name.size(), name) == 0 &&
                endsTagName(folded, open + 1 + name.size()))
                dropped = name;
        }
        if (dropped.empty()) {
            out += html[open];
            i = open + 1;
            continue;
        }
        // The element goes whole: its tag, its content and its end tag.
        const std::size_t tagEnd = folded.find('>', open);
        if (tagEnd == std::string::npos)
            break;
        const bool hasContent = dropped != "link" && dropped != "meta" && dropped != "embed" &&
                                folded[tagEnd - 1] != '/';
        i = tagEnd + 1;
        if (!hasContent)
            continue;
        const std::string endTag = "</" + std::string(dropped);
        std::size_t close = folded.find(endTag, i);
        while (close != std::string::npos && !endsTagName(folded, close + endTag.size()))
            close = folded.find(endTag, close + 1);
        if (close == std::string::npos)
            break;
        const std::size_t closeEnd = folded.find('>', close);
        if (closeEnd == std::string::npos)
            break;
        i = closeEnd + 1;
    }
    return out;
}

} // namespace

std::string sanitizedArticleHtml(std::string_view html) {
    // Removing one element can join the pieces of another around it
    // ("<scr<script></script>ipt>"), so again until nothing changes.
    std::string text = withoutDroppedElements(html);
    for (std::string again = withoutDroppedElements(text); again != text;
         again = withoutDroppedElements(text))
        text = std::move(again);
    return text;
}

std::string articlePlainText(std::string_view source) {
    const std::string html = sanitizedArticleHtml(source);
    std::string out;
    bool pendingSpace = false;
    auto newLine = [&] {
        if (!out.empty() && out.back() != '\n')
            out += '\n';
        pendingSpace = false;
    };
    auto blankLine = [&] {
        newLine();
        if (!out.empty() && !out.ends_with("\n\n"))
            out += '\n';
    };
    std::size_t i = 0;
    while (i < html.size()) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t end = html.find('>', i);
            if (end == std::string::npos)
                break;
            std::string_view tag = std::string_view(html).substr(i + 1, end - i - 1);
            i = end + 1;
            if (tag.starts_with("!"))
                continue;
            const bool closing = tag.starts_with("/");
            if (closing)
                tag.remove_prefix(1);
            std::size_t nameEnd = 0;
            while (nameEnd < tag.size() && !isSpace(tag[nameEnd]) && tag[nameEnd] != '/')
                ++nameEnd;
            const std::string name = lowered(tag.substr(0, nameEnd));
            if (name == "br") {
                out += '\n';
                pendingSpace = false;
            } else if (isOneOf(name, {"p", "h1", "h2", "h3", "h4", "h5", "h6", "table", "ul", "ol",
                                      "dl", "blockquote", "pre"})) {
                blankLine();
            } else if (name == "li" && !closing) {
                newLine();
                out += "• ";
            } else if ((name == "td" || name == "th") && !closing) {
                if (!out.empty() && out.back() != '\n')
                    out += '\t';
                pendingSpace = false;
            } else if (isOneOf(name, {"div", "tr", "li", "dd", "dt", "caption", "figure",
                                      "figcaption", "hr", "center"})) {
                newLine();
            }
            continue;
        }
        if (isSpace(c)) {
            pendingSpace = true;
            ++i;
            continue;
        }
        if (pendingSpace && !out.empty() && out.back() != '\n' && out.back() != '\t' &&
            !out.ends_with("• "))
            out += ' ';
        pendingSpace = false;
        if (c == '&') {
            if (const auto entity = entityAt(html, i)) {
                out += entity->first;
                i += entity->second;
                continue;
            }
        }
        out += c;
        ++i;
    }
    // Tidy the ends of lines and of the text.
    std::string tidy;
    tidy.reserve(out.size());
    std::size_t lineStart = 0;
    while (lineStart <= out.size()) {
        std::size_t lineEnd = out.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = out.size();
        std::string_view line = std::string_view(out).substr(lineStart, lineEnd - lineStart);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        if (!line.empty() || (!tidy.empty() && !tidy.ends_with("\n\n")))
            tidy.append(line).append("\n");
        lineStart = lineEnd + 1;
    }
    while (tidy.ends_with("\n\n"))
        tidy.pop_back();
    if (tidy == "\n")
        tidy.clear();
    return tidy;
}

std::optional<std::string> articleTitleForLink(std::string_view href, std::string_view apiAddress) {
    const auto path = pathOnWiki(href, apiAddress);
    if (!path)
        return std::nullopt;
    if (path->starts_with("/wiki/")) {
        std::string title = titleFromPath(path->substr(6));
        if (title.empty())
            return std::nullopt;
        return title;
    }
    // Pages not written yet, and older links, name the page in the query.
    const std::size_t query = path->find('?');
    if (query == std::string_view::npos ||
        path->substr(0, query).find("index.php") == std::string_view::npos)
        return std::nullopt;
    std::string_view items = path->substr(query + 1);
    const std::size_t fragment = items.find('#');
    if (fragment != std::string_view::npos)
        items = items.substr(0, fragment);
    while (!items.empty()) {
        const std::size_t amp = items.find('&');
        const std::string_view item = items.substr(0, amp);
        if (item.starts_with("title=")) {
            std::string title = titleFromPath(item.substr(6), /*plusIsBlank=*/true);
            if (title.empty())
                return std::nullopt;
            return title;
        }
        if (amp == std::string_view::npos)
            break;
        items.remove_prefix(amp + 1);
    }
    return std::nullopt;
}

} // namespace velmora::wiki
