#pragma once

#include <string>

namespace velmora::wiki {

// One hit of a full-text search; the snippet is plain text.
struct SearchResult {
    int pageID = 0;
    std::string title;
    std::string snippet;
    int wordCount = 0;

    bool operator==(const SearchResult&) const = default;
};

// A page as the wiki renders it: html is the page body, without the wiki's frame.
struct Article {
    std::string title;
    std::string displayTitle;
    std::string html;

    bool operator==(const Article&) const = default;
};

} // namespace velmora::wiki
