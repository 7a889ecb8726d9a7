#pragma once

#include "campaign/campaign.h"
#include "core/universe_date.h"
#include "core/uuid.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::campaign {

// The campaign's numbered journal. A note's number is one above the highest in
// the campaign when it is made and never changes; deleting a note leaves the
// others' numbers as they are.

inline constexpr std::string_view noNotesText = "No notes yet";
inline constexpr std::string_view noMatchingNotesText = "No notes match your search";
inline constexpr std::string_view emptyNoteText = "This note has no content.";
inline constexpr std::string_view searchNotesPrompt = "Search notes...";

enum class NoteSortOrder { byNumber, byDate };
enum class SortDirection { ascending, descending };

// The journal opens newest first.
inline constexpr NoteSortOrder defaultNoteSortOrder = NoteSortOrder::byNumber;
inline constexpr SortDirection defaultSortDirection = SortDirection::descending;

// What the "New Campaign Note" and "Edit Campaign Note" sheets ask for.
struct NoteFields {
    std::string title;
    core::UniverseDate date;
    bool showOnCalendar = false;
    std::string content;
};

// The sheet's fields for a new note: no title, dated now in the campaign.
NoteFields newNoteFields(const Campaign& campaign);

int nextNoteNumber(const Campaign& campaign);

// Appends a note with the next number, the title trimmed, and returns its id.
core::Uuid createNote(Campaign& campaign, NoteFields fields);
// Changes everything but the number; whether the note was there.
bool editNote(Campaign& campaign, const core::Uuid& noteID, NoteFields fields);
bool deleteNote(Campaign& campaign, const core::Uuid& noteID);
const CampaignNote* findNote(const Campaign& campaign, const core::Uuid& noteID);

// "Note #12", under the edit sheet's title.
std::string noteNumberText(const CampaignNote& note);

// The positions of the notes in the order chosen. Notes on the same minute keep
// the order of their numbers, in the same direction.
std::vector<std::size_t> sortedNoteIndexes(const std::vector<CampaignNote>& notes,
                                           NoteSortOrder order, SortDirection direction);

// "Session ended on 14:30-120-1105".
std::string sessionSummary(const Campaign& campaign);

} // namespace velmora::campaign
