// The small rules behind the faction editor: a new faction's start, tags kept
// in order, note ids, homeworld names and deleting a faction that others name.

#include "factions/faction_editing.h"
#include "factions/faction_lists.h"
#include "factions/faction_texts.h"
#include "support/universe_changes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::factions;
using universe::Faction;
using universe::FactionTag;

namespace {

core::HexData hexAt(int column, int row, const std::string& name) {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = {0, 0, column, row};
    hex.starSystem.name = name;
    return hex;
}

} // namespace

TEST(FactionEditing, NewFactionStartsAtFullHitPointsWithoutDebt) {
    const core::Uuid id = core::Uuid::generate();
    const Faction faction = newFaction(id);
    EXPECT_EQ(faction.id, id);
    EXPECT_EQ(faction.hp, 7) << "1/1/1 ratings";
    EXPECT_FALSE(hasHomeworld(faction));

    const struct { int typed, kept; } credits[] = {{-5, 0}, {0, 0}, {12, 12}};
    for (const auto& c : credits)
        EXPECT_EQ(clampCredits(c.typed), c.kept) << c.typed;
}

TEST(FactionEditing, TagsStayInDeclarationOrder) {
    Faction faction;
    for (FactionTag tag : {FactionTag::warlike, FactionTag::colonists, FactionTag::pirates})
        toggleTag(faction, tag);
    EXPECT_EQ(faction.tags,
              (std::vector{FactionTag::colonists, FactionTag::pirates, FactionTag::warlike}));
    EXPECT_TRUE(hasTag(faction, FactionTag::pirates));

    toggleTag(faction, FactionTag::pirates);
    EXPECT_EQ(faction.tags, (std::vector{FactionTag::colonists, FactionTag::warlike}));
    EXPECT_FALSE(hasTag(faction, FactionTag::pirates));
}

TEST(FactionEditing, NoteIdsNeverRepeat) {
    Faction faction;
    EXPECT_EQ(nextNoteID(faction), 1);
    for (int id : {1, 4, 2}) {
        universe::FactionNote note;
        note.id = id;
        faction.notes.push_back(note);
    }
    EXPECT_EQ(nextNoteID(faction), 5) << "one past the highest, not the count";
}

TEST(FactionEditing, HomeworldTexts) {
    const std::vector<core::HexData> hexes = {hexAt(19, 10, "Regina"), hexAt(20, 11, "")};
    const struct {
        core::GalacticCoordinates homeworld;
        const char* text;
    } cases[] = {
        {{0, 0, 19, 10}, "Regina"},
        {{0, 0, 20, 11}, "Unnamed System"},
        {{0, 0, 1, 1}, "System Not Found"},
        {{1, 0, 19, 10}, "System Not Found"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(homeworldText(hexes, c.homeworld), c.text) << c.homeworld.description();
}

TEST(FactionEditing, RemovedFactionLeavesReferencesThatReadAsUnknown) {
    universe::UniverseRecord universe;
    Faction kept = newFaction(core::Uuid::generate());
    kept.name = "Zhodani Consulate";
    Faction gone = newFaction(core::Uuid::generate());
    gone.name = "Sword Worlds";
    universe.factions = {kept, gone};
    universe.factionLists = {{core::Uuid::generate(), "Frontier", {gone.id, kept.id}}};
    universe.selectedFactionIDs = {kept.id, gone.id};

    velmora::testing::applyEdit(universe, [&](universe::UniverseEdit& edit) {
        EXPECT_TRUE(removeFaction(edit, gone.id));
        EXPECT_FALSE(removeFaction(edit, gone.id)) << "already gone";
    });

    ASSERT_EQ(universe.factions.size(), 1u);
    EXPECT_EQ(universe.selectedFactionIDs, std::set<core::Uuid>{kept.id});
    EXPECT_EQ(universe.factionLists[0].factionIDs.size(), 2u) << "the list keeps the id";
    const auto shown = factionsInList(universe.factionLists[0], universe.factions);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->name, "Zhodani Consulate");
    EXPECT_EQ(factionDisplayName(universe.factions, gone.id), "Unknown Faction");
}
