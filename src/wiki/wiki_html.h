#pragma once

#include <optional>
#include <string>
#include <string_view>

// What Velmora does with an article's HTML before anyone sees it.
namespace velmora::wiki {

// The article without anything that could run or be embedded: script, style,
// iframe, object, embed, link and meta elements are gone with their content.
std::string sanitizedArticleHtml(std::string_view html);

// The article as text for a terminal: paragraphs and headings on lines of their
// own, list items with a bullet, table cells apart by tabs, entities written out.
std::string articlePlainText(std::string_view html);

// The wiki article a link inside an article points to, by title, or nothing for a
// link elsewhere (another site, an anchor in the same page). Links are read as
// the wiki writes them: "/wiki/Title", or "index.php?title=Title" for pages not
// yet written, relative or on the host of the API's address.
std::optional<std::string> articleTitleForLink(std::string_view href, std::string_view apiAddress);

} // namespace velmora::wiki
