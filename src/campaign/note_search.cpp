#include "campaign/note_search.h"

#include "campaign/campaign_texts.h"

#include <algorithm>

namespace velmora::campaign {

std::vector<std::string> searchWords(std::string_view search) {
    const std::string folded = foldedForSearch(search);
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < folded.size()) {
        const std::size_t start = folded.find_first_not_of(" \t\r\n", at);
        if (start == std::string::npos)
            break;
        const std::size_t end = std::min(folded.find_first_of(" \t\r\n", start), folded.size());
        words.push_back(folded.substr(start, end - start));
        at = end;
    }
    return words;
}

NoteSearch::NoteSearch(const std::vector<CampaignNote>& notes) {
    m_texts.reserve(notes.size());
    for (const CampaignNote& note : notes)
        // A line break between them, so no word is found across the two.
        m_texts.push_back(foldedForSearch(note.title + "\n" + note.content));
}

bool NoteSearch::matches(std::size_t index, std::string_view search) const {
    return matchesWords(index, searchWords(search));
}

std::vector<std::size_t> NoteSearch::filter(const std::vector<std::size_t>& order,
                                            std::string_view search) const {
    const std::vector<std::string> words = searchWords(search);
    std::vector<std::size_t> kept;
    kept.reserve(order.size());
    for (const std::size_t index : order) {
        if (matchesWords(index, words))
            kept.push_back(index);
    }
    return kept;
}

bool NoteSearch::matchesWords(std::size_t index, const std::vector<std::string>& words) const {
    if (index >= m_texts.size())
        return false;
    const std::string& text = m_texts[index];
    return std::all_of(words.begin(), words.end(), [&](const std::string& word) {
        return text.find(word) != std::string::npos;
    });
}

} // namespace velmora::campaign
