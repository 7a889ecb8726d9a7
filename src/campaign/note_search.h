#pragma once

#include "campaign/campaign_note.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::campaign {

// "Search notes...": a note matches when every word of the search occurs in its
// title or content, ignoring case. The notes' texts are folded once when the index
// is made, so each keystroke only scans them.
class NoteSearch {
public:
    explicit NoteSearch(const std::vector<CampaignNote>& notes);

    // Whether the note at `index` matches; every note matches an empty search.
    bool matches(std::size_t index, std::string_view search) const;
    // `order` (positions in the notes) without the notes that do not match.
    std::vector<std::size_t> filter(const std::vector<std::size_t>& order,
                                    std::string_view search) const;

private:
    bool matchesWords(std::size_t index, const std::vector<std::string>& words) const;

    std::vector<std::string> m_texts; // title and content, folded
};

// The words of a search, folded as the index folds the notes.
std::vector<std::string> searchWords(std::string_view search);

} // namespace velmora::campaign
