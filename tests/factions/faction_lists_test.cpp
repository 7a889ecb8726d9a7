// What the faction views show: the sidebar's groups, names of missing or
// unnamed things, and faction lists as the list editor changes them.

#include "factions/faction_groups.h"
#include "factions/faction_lists.h"
#include "factions/faction_texts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::factions;
using universe::Faction;
using universe::FactionCategory;
using universe::FactionList;
using universe::FactionTag;

namespace {

Faction faction(const char* name, FactionCategory category) {
    Faction f;
    f.id = core::Uuid::generate();
    f.name = name;
    f.category = category;
    return f;
}

std::vector<std::string> names(const std::vector<const Faction*>& factions) {
    std::vector<std::string> result;
    for (const Faction* f : factions)
        result.push_back(f->name);
    return result;
}

} // namespace

TEST(FactionGroups, OnlyCategoriesWithFactionsInSidebarOrder) {
    const std::vector<Faction> factions = {
        faction("Church of the Stellar Divine", FactionCategory::religious),
        faction("Sword Worlds", FactionCategory::political),
        faction("Tukera Lines", FactionCategory::megacorporation),
        faction("Darrians", FactionCategory::political),
        faction("Aslan", FactionCategory::race),
        faction("General Products", FactionCategory::megacorporation),
    };
    const std::vector<FactionGroup> groups = groupFactionsByCategory(factions);
    const std::vector<FactionGroup> expected = {
        {FactionCategory::megacorporation, {2, 5}},
        {FactionCategory::race, {4}},
        {FactionCategory::political, {1, 3}},
        {FactionCategory::religious, {0}},
    };
    EXPECT_EQ(groups, expected);

    std::vector<std::string> headings;
    for (const FactionGroup& group : groups)
        headings.emplace_back(groupHeading(group.category));
    EXPECT_EQ(headings, (std::vector<std::string>{"Megacorps", "Races", "Polities", "Religions"}));

    EXPECT_TRUE(groupFactionsByCategory({}).empty());
    EXPECT_EQ(groupHeading(FactionCategory::group), "Groups");
    EXPECT_EQ(groupHeading(FactionCategory::other), "Others");
}

TEST(FactionTexts, MissingAndUnnamedFactions) {
    const std::vector<Faction> factions = {faction("Vargr Extents", FactionCategory::race),
                                           faction("", FactionCategory::other)};
    struct Case {
        const char* what;
        core::Uuid id;
        const char* shown;
    };
    const Case cases[] = {
        {"named", factions[0].id, "Vargr Extents"},
        {"no name", factions[1].id, "Unnamed Faction"},
        {"deleted", core::Uuid::generate(), "Unknown Faction"},
        {"null id", core::Uuid{}, "Unknown Faction"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(factionDisplayName(factions, c.id), c.shown) << c.what;
    EXPECT_EQ(factionDisplayName({}, factions[0].id), "Unknown Faction");
}

TEST(FactionTexts, AwarenessTagsFollowTheRuleSet) {
    struct Case {
        FactionTag tag;
        const char* frontier;
        const char* traveller;
    };
    const Case cases[] = {
        {FactionTag::starfarers, "Starfarers", "Imperium"},
        {FactionTag::sathar, "Sathar", "Zhodani"},
        {FactionTag::deepRooted, "Deep Rooted", "Deep Rooted"},
        {FactionTag::planetaryGovernment, "Planetary Government", "Planetary Government"},
        {FactionTag::vrusks, "Vrusks", "Vrusks"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displayName(c.tag), c.frontier);
        EXPECT_EQ(displayName(c.tag, true), c.traveller);
    }
}

TEST(FactionLists, TickingKeepsOrderAndMissingFactionsAreSkipped) {
    std::vector<Faction> factions = {faction("Imperium", FactionCategory::political),
                                     faction("Zhodani", FactionCategory::political),
                                     faction("Vargr", FactionCategory::race)};
    FactionList list;
    list.id = core::Uuid::generate();

    toggleFaction(list, factions[2].id);
    toggleFaction(list, factions[0].id);
    toggleFaction(list, factions[1].id);
    EXPECT_EQ(names(factionsInList(list, factions)),
              (std::vector<std::string>{"Vargr", "Imperium", "Zhodani"}));

    // Unticking removes only that one.
    toggleFaction(list, factions[0].id);
    EXPECT_FALSE(listContains(list, factions[0].id));
    EXPECT_TRUE(listContains(list, factions[1].id));
    EXPECT_EQ(names(factionsInList(list, factions)),
              (std::vector<std::string>{"Vargr", "Zhodani"}));

    // Ticking it again puts it at the end.
    toggleFaction(list, factions[0].id);
    EXPECT_EQ(names(factionsInList(list, factions)),
              (std::vector<std::string>{"Vargr", "Zhodani", "Imperium"}));

    // A faction deleted from the universe drops out of what the list shows,
    // while the list itself is left alone.
    factions.erase(factions.begin() + 1);
    EXPECT_EQ(names(factionsInList(list, factions)),
              (std::vector<std::string>{"Vargr", "Imperium"}));
    EXPECT_EQ(list.factionIDs.size(), 3u);
}

TEST(FactionLists, NamesAndCounts) {
    FactionList list;
    EXPECT_EQ(listDisplayName(list), "Unnamed List");
    list.name = "Core powers";
    EXPECT_EQ(listDisplayName(list), "Core powers");

    const std::pair<std::size_t, const char*> counts[] = {
        {0, "0 factions"}, {1, "1 faction"}, {2, "2 factions"}, {11, "11 factions"}};
    for (const auto& [count, text] : counts)
        EXPECT_EQ(factionCountText(count), text);
}
