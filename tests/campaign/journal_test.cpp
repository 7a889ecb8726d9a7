#include "campaign/campaign_journal.h"
#include "campaign/note_search.h"
#include "sample_campaign.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::campaign;
using velmora::testing::dateAt;
using velmora::testing::sampleCampaign;

namespace {

core::Uuid note(Campaign& c, const std::string& title, int day, int hour = 12,
                const std::string& content = "") {
    NoteFields fields;
    fields.title = title;
    fields.date = dateAt(1105, day, hour);
    fields.content = content;
    return createNote(c, fields);
}

std::vector<int> numbers(const Campaign& c, const std::vector<std::size_t>& indexes) {
    std::vector<int> result;
    for (const std::size_t i : indexes)
        result.push_back(c.notes[i].number);
    return result;
}

} // namespace

TEST(Journal, NumbersFollowTheHighestAndSurviveDeletions) {
    Campaign c = sampleCampaign();
    std::vector<core::Uuid> ids;
    for (int i = 1; i <= 5; ++i)
        ids.push_back(note(c, "  Session " + std::to_string(i) + "\t", 100 + i));
    EXPECT_EQ(c.notes[0].title, "Session 1");
    EXPECT_EQ(c.notes[0].campaignCode, "SPIN");
    EXPECT_TRUE(deleteNote(c, ids[2]));
    EXPECT_FALSE(deleteNote(c, ids[2]));
    const core::Uuid sixth = note(c, "After the gap", 120);
    EXPECT_EQ(findNote(c, sixth)->number, 6);
    EXPECT_EQ(
        numbers(c, sortedNoteIndexes(c.notes, NoteSortOrder::byNumber, SortDirection::ascending)),
        (std::vector<int>{1, 2, 4, 5, 6}));

    NoteFields edited{" Renamed ", dateAt(1106, 3), true, "Now with content"};
    EXPECT_TRUE(editNote(c, ids[0], edited));
    const CampaignNote& first = *findNote(c, ids[0]);
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.title, "Renamed");
    EXPECT_TRUE(first.showOnCalendar);
    EXPECT_EQ(first.date.year, 1106);
    EXPECT_EQ(noteNumberText(first), "Note #1");
    // Deleting the highest frees its number for the next note.
    EXPECT_TRUE(deleteNote(c, sixth));
    EXPECT_EQ(nextNoteNumber(c), 6);
    c.notes.clear();
    EXPECT_EQ(nextNoteNumber(c), 1);
}

TEST(Journal, SortsByDateEitherWayWithTiesByNumber) {
    Campaign c = sampleCampaign();
    note(c, "late", 150);        // 1
    note(c, "early", 101, 8);    // 2
    note(c, "same A", 120);      // 3
    note(c, "same B", 120);      // 4
    note(c, "earliest", 101, 0); // 5: 00:00 on day 101, before note 2
    EXPECT_EQ(
        numbers(c, sortedNoteIndexes(c.notes, NoteSortOrder::byDate, SortDirection::ascending)),
        (std::vector<int>{5, 2, 3, 4, 1}));
    EXPECT_EQ(
        numbers(c, sortedNoteIndexes(c.notes, NoteSortOrder::byDate, SortDirection::descending)),
        (std::vector<int>{1, 4, 3, 2, 5}));
    EXPECT_EQ(numbers(c, sortedNoteIndexes(c.notes, defaultNoteSortOrder, defaultSortDirection)),
              (std::vector<int>{5, 4, 3, 2, 1}));
    // Across the new year the later year sorts later, whatever the day.
    note(c, "next year", 2);
    c.notes.back().date.year = 1106;
    EXPECT_EQ(
        numbers(c, sortedNoteIndexes(c.notes, NoteSortOrder::byDate, SortDirection::ascending))
            .back(),
        6);
}

TEST(Journal, SearchFindsEveryWordInTitleOrContentIgnoringCase) {
    Campaign c = sampleCampaign();
    note(c, "Arrival at Regina", 101, 12, "The highport was CLOSED for repairs.");
    note(c, "\u00c9fate customs", 102, 12, "Bribed an officer.");
    note(c, "Misjump", 103);
    note(c, "Regina again", 104, 12, "Repairs finished; the port reopened.");
    const NoteSearch search(c.notes);
    const std::vector<std::size_t> all{0, 1, 2, 3};
    EXPECT_EQ(search.filter(all, ""), all);
    EXPECT_EQ(search.filter(all, "   "), all);
    EXPECT_EQ(search.filter(all, "regina"), (std::vector<std::size_t>{0, 3}));
    EXPECT_EQ(search.filter(all, "REGINA repairs closed"), (std::vector<std::size_t>{0}));
    EXPECT_EQ(search.filter(all, "\u00e9FATE"), (std::vector<std::size_t>{1}));
    EXPECT_EQ(search.filter(all, "dragon"), (std::vector<std::size_t>{}));
    // A word is never found across the title and the content.
    EXPECT_FALSE(search.matches(2, "misjumpthe"));
    EXPECT_FALSE(search.matches(0, "reginathe"));
    // The order given is kept.
    EXPECT_EQ(search.filter({3, 2, 1, 0}, "re"), (std::vector<std::size_t>{3, 0}));
}

TEST(Journal, NewNotesStartAtTheCampaignDateAndTheSessionEndsThere) {
    Campaign c = sampleCampaign();
    const NoteFields fields = newNoteFields(c);
    EXPECT_EQ(fields.date.absoluteMinutes(), c.date.absoluteMinutes());
    EXPECT_NE(fields.date.id, c.date.id);
    EXPECT_FALSE(fields.showOnCalendar);
    EXPECT_EQ(sessionSummary(c), "Session ended on 14:30-100-1105");
}
