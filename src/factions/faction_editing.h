#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "core/uuid.h"
#include "universe/faction.h"
#include "universe/universe_edit.h"

#include <span>
#include <string>

namespace velmora::factions {

// A faction as the editor starts it: a fresh id, ratings 1/1/1 and its hit
// points full, so a faction created without touching the stats is playable.
universe::Faction newFaction(const core::Uuid& id);

// FacCreds are spent, never borrowed: the editor accepts no debt.
int clampCredits(int credits);

// Ticking a tag on or off. The tags stay in their declaration order, so the
// file and every view list them the same way however they were ticked.
void toggleTag(universe::Faction& faction, universe::FactionTag tag);
bool hasTag(const universe::Faction& faction, universe::FactionTag tag);

// The id the next note gets: one past the highest so far, so ids stay unique
// when notes in the middle are deleted.
int nextNoteID(const universe::Faction& faction);

// The system's name, or "Unnamed System".
std::string systemDisplayName(const core::HexData& hex);

// What a faction's homeworld reads as: the name of the system there (or
// "Unnamed System"), or "System Not Found" when no system stands on it.
std::string homeworldText(std::span<const core::HexData> hexes,
                          const core::GalacticCoordinates& homeworld);

// A faction that has never been given a homeworld still has the all-zero
// coordinates, which no hex can have.
bool hasHomeworld(const universe::Faction& faction);

// Removes the faction. Worlds, rutters and faction lists keep the id: they show
// it as "Unknown Faction" or skip it, and a faction restored from a backup finds
// its references intact. Only the map's filter forgets it, because it has no
// other way to be cleared. Returns false when there is no such faction.
bool removeFaction(universe::UniverseEdit& edit, const core::Uuid& id);

} // namespace velmora::factions
