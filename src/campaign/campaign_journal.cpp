#include "campaign/campaign_journal.h"

#include "campaign/campaign_texts.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace velmora::campaign {

NoteFields newNoteFields(const Campaign& campaign) {
    NoteFields fields;
    fields.date = campaign.date;
    fields.date.id = core::Uuid::generate();
    return fields;
}

int nextNoteNumber(const Campaign& campaign) {
    int highest = 0;
    for (const CampaignNote& note : campaign.notes)
        highest = std::max(highest, note.number);
    return highest < std::numeric_limits<int>::max() ? highest + 1 : highest;
}

core::Uuid createNote(Campaign& campaign, NoteFields fields) {
    CampaignNote note;
    note.id = core::Uuid::generate();
    note.campaignCode = campaign.code;
    note.number = nextNoteNumber(campaign);
    note.date = fields.date;
    note.showOnCalendar = fields.showOnCalendar;
    note.title = trimmedText(fields.title);
    note.content = std::move(fields.content);
    campaign.notes.push_back(std::move(note));
    return campaign.notes.back().id;
}

bool editNote(Campaign& campaign, const core::Uuid& noteID, NoteFields fields) {
    for (CampaignNote& note : campaign.notes) {
        if (note.id != noteID)
            continue;
        note.title = trimmedText(fields.title);
        note.date = fields.date;
        note.showOnCalendar = fields.showOnCalendar;
        note.content = std::move(fields.content);
        return true;
    }
    return false;
}

bool deleteNote(Campaign& campaign, const core::Uuid& noteID) {
    return std::erase_if(campaign.notes,
                         [&](const CampaignNote& note) { return note.id == noteID; }) > 0;
}

const CampaignNote* findNote(const Campaign& campaign, const core::Uuid& noteID) {
    const auto it = std::find_if(campaign.notes.begin(), campaign.notes.end(),
                                 [&](const CampaignNote& note) { return note.id == noteID; });
    return it == campaign.notes.end() ? nullptr : &*it;
}

std::string noteNumberText(const CampaignNote& note) {
    return "Note #" + std::to_string(note.number);
}

std::vector<std::size_t> sortedNoteIndexes(const std::vector<CampaignNote>& notes,
                                           NoteSortOrder order, SortDirection direction) {
    std::vector<std::size_t> indexes(notes.size());
    std::iota(indexes.begin(), indexes.end(), std::size_t{0});
    const auto key = [&](std::size_t i) {
        const CampaignNote& note = notes[i];
        const std::int64_t primary =
            order == NoteSortOrder::byDate ? note.date.absoluteMinutes() : note.number;
        return std::pair(primary, note.number);
    };
    std::stable_sort(indexes.begin(), indexes.end(), [&](std::size_t a, std::size_t b) {
        return direction == SortDirection::ascending ? key(a) < key(b) : key(b) < key(a);
    });
    return indexes;
}

std::string sessionSummary(const Campaign& campaign) {
    return "Session ended on " + campaign.date.timeText();
}

} // namespace velmora::campaign
