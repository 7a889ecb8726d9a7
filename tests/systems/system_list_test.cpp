#include "systems/open_universe.h"
#include "systems/system_list.h"

#include <cctype>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;
using velmora::testing::OpenUniverse;
using velmora::testing::systemAt;

namespace {

// Runs of digits compare by value, letters without regard to case: what the
// platform order does for the views.
int naturalOrder(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei])))
                ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej])))
                ++ej;
            const long long x = std::stoll(a.substr(i, ei - i));
            const long long y = std::stoll(b.substr(j, ej - j));
            if (x != y)
                return x < y ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    return (a.size() - i) < (b.size() - j) ? -1 : ((a.size() - i) > (b.size() - j) ? 1 : 0);
}

int byteOrder(const std::string& a, const std::string& b) {
    return a.compare(b);
}

universe::UniverseRecord fourSystems() {
    universe::UniverseRecord record;
    record.data.push_back(systemAt({0, 0, 12, 30}, "Outpost 10", "Zed", "E200000-0"));
    record.data.push_back(systemAt({0, 0, 1, 1}, "Outpost 9", "alpha", "C544556-8"));
    record.data.push_back(systemAt({1, 0, 2, 5}, "Regina", "Regina", "A788899-C"));
    record.data.push_back(systemAt({0, 1, 30, 40}, "", ""));
    return record;
}

std::vector<std::string> names(const std::vector<SystemListRow>& rows) {
    std::vector<std::string> result;
    for (const auto& row : rows)
        result.push_back(row.name);
    return result;
}

} // namespace

TEST(SystemList, SortsInTheChosenOrder) {
    OpenUniverse open(fourSystems());
    struct Case {
        SystemSortOrder order;
        int (*compare)(const std::string&, const std::string&);
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // The upper row of sectors first, then sector by sector, column and row.
        {SystemSortOrder::coordinates,
         naturalOrder,
         {"Unnamed System", "Outpost 9", "Outpost 10", "Regina"}},
        {SystemSortOrder::name,
         naturalOrder,
         {"Outpost 9", "Outpost 10", "Regina", "Unnamed System"}},
        // The order is the caller's: byte order puts "10" before "9".
        {SystemSortOrder::name, byteOrder, {"Outpost 10", "Outpost 9", "Regina", "Unnamed System"}},
        // Without regard to case, and systems without a main world last.
        {SystemSortOrder::mainWorld,
         naturalOrder,
         {"Outpost 9", "Regina", "Outpost 10", "Unnamed System"}},
    };
    for (const Case& c : cases) {
        SystemListQuery query;
        query.order = c.order;
        EXPECT_EQ(names(listSystems(*open.universe, query, c.compare)), c.expected)
            << static_cast<int>(c.order);
    }
}

TEST(SystemList, SearchAndSubsectorNarrowTheList) {
    OpenUniverse open(fourSystems());
    struct Case {
        std::string search;
        std::optional<SubsectorKey> subsector;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", std::nullopt, {"Unnamed System", "Outpost 9", "Outpost 10", "Regina"}},
        {"  regina ", std::nullopt, {"Regina"}},   // trimmed, any case
        {"ALPHA", std::nullopt, {"Outpost 9"}},    // the main world's name
        {"e200000", std::nullopt, {"Outpost 10"}}, // the main world's profile
        {"1230", std::nullopt, {"Outpost 10"}},    // the hex number
        {"10-0205", std::nullopt, {"Regina"}},     // the hex with its sector code
        {"outpost", SubsectorKey{0, 0, 'A'}, {"Outpost 9"}},
        {"", SubsectorKey{0, 0, 'J'}, {"Outpost 10"}},
        {"", SubsectorKey{0, 1, 'P'}, {"Unnamed System"}},
        {"nowhere", std::nullopt, {}},
    };
    for (const Case& c : cases) {
        SystemListQuery query;
        query.search = c.search;
        query.subsector = c.subsector;
        const auto rows = listSystems(*open.universe, query, naturalOrder);
        EXPECT_EQ(names(rows), c.expected) << c.search;
    }
}

TEST(SystemList, RowsCarryTheMainWorld) {
    OpenUniverse open(fourSystems());
    const auto rows = listSystems(*open.universe, {}, naturalOrder);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].mainWorldName, "Regina");
    EXPECT_EQ(rows[3].mainWorldProfile, "A788899-C —");
    EXPECT_EQ(rows[3].location, "10-0205");
    EXPECT_EQ(rows[0].mainWorldName, "");
    EXPECT_EQ(rows[0].hex, open.universe->hexAt({0, 1, 30, 40}));
}

TEST(SystemList, SubsectorsInUseAndTheirLabels) {
    auto record = fourSystems();
    record.sectors.push_back({1, 0, "Spinward Marches", "Spin"});
    OpenUniverse open(std::move(record));
    const auto keys = subsectorsInUse(open.universe->data());
    const std::vector<SubsectorKey> expected{{0, 1, 'P'}, {0, 0, 'A'}, {0, 0, 'J'}, {1, 0, 'A'}};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(subsectorLabel(*open.universe, {1, 0, 'A'}), "Spinward Marches A");
    EXPECT_EQ(subsectorLabel(*open.universe, {0, 0, 'J'}), "Sector 00 · Subsector J");
}
