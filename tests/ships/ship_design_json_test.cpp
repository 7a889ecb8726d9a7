#include "core/decode_error.h"
#include "ships/ship_design.h"
#include "ships/ship_design_json.h"
#include "ships/ship_summary.h"
#include "ships/ship_summary_json.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

using namespace velmora;
using namespace velmora::ships;
using nlohmann::json;

namespace {

// A scout as a design.json holds it, written by hand: no weapon mounts and no carried
// craft (the keys that may be missing), and a key this version does not know.
json handWrittenScout() {
    std::ifstream file(VELMORA_FIXTURES_DIR "/ships/scout_design.json");
    std::stringstream text;
    text << file.rdbuf();
    return json::parse(text.str());
}

std::string refusal(const json& document, const std::string& keyPath = {}) {
    try {
        shipDesignFromJson(document, keyPath);
    } catch (const core::DecodeError& error) {
        return error.what();
    }
    return "(accepted)";
}

} // namespace

TEST(ShipDesignJson, ReadsAHandWrittenDesign) {
    const ShipDesign d = shipDesignFromJson(handWrittenScout());
    EXPECT_EQ(d.tonnage, 100);
    EXPECT_EQ(d.configuration, HullConfiguration::streamlined);
    EXPECT_EQ(d.armour, HullArmour::titaniumSteel);
    EXPECT_EQ(d.powerPlantType, PowerPlantType::fusionTL12);
    EXPECT_EQ(d.sensorSuite, SensorSuite::militaryGrade);
    EXPECT_TRUE(d.primaryComputerJumpControlSpecialisation);
    EXPECT_TRUE(d.weaponMounts.empty());
    EXPECT_FALSE(d.carriedCraftName);
    EXPECT_FALSE(d.carriedCraftTonnage);
    EXPECT_FALSE(d.carriedCraftPrice);
    EXPECT_EQ(d.highGuard.escapePodType, EscapePodType::reentryCapsule);
    EXPECT_EQ(d.highGuard.escapePodCount, 2);
    EXPECT_TRUE(d.highGuard.hasWetBar);
    EXPECT_EQ(d.software.jumpControlRating, 2);

    // Nulls read as missing.
    json withNulls = handWrittenScout();
    withNulls["weaponMounts"] = nullptr;
    withNulls["carriedCraftName"] = nullptr;
    EXPECT_EQ(shipDesignFromJson(withNulls), d);
}

TEST(ShipDesignJson, RoundTrips) {
    ShipDesign d = shipDesignFromJson(handWrittenScout());
    WeaponMount mount;
    mount.id = *core::Uuid::fromString("6F9619FF-8B86-D011-B42D-00C04FC964FF");
    mount.mountType = WeaponMountType::largeBay;
    mount.bayWeapon = BayWeaponType::orbitalStrikeMassDriver;
    mount.turretWeapon = TurretWeapon::sandcaster; // kept although a bay does not use it
    d.weaponMounts = {mount, mount};
    d.carriedCraftName = "Ship's Boat";
    d.carriedCraftTonnage = 30;
    d.carriedCraftPrice = 16'500'000.5;

    const json written = toJson(d);
    EXPECT_EQ(written.at("configuration"), "streamlined");
    EXPECT_EQ(written.at("weaponMounts").at(0).at("bayWeapon"), "orbitalStrikeMassDriver");
    EXPECT_EQ(written.at("weaponMounts").at(0).at("id"), "6F9619FF-8B86-D011-B42D-00C04FC964FF");
    EXPECT_EQ(written.at("highGuard").at("escapePodType"), "reentryCapsule");
    EXPECT_FALSE(written.contains("paintScheme"));
    EXPECT_EQ(shipDesignFromJson(written), d);
    // Through its text too, as the file holds it.
    EXPECT_EQ(shipDesignFromJson(json::parse(written.dump(2))), d);
    EXPECT_EQ(json(d).get<ShipDesign>(), d);
    EXPECT_EQ(std::hash<ShipDesign>{}(shipDesignFromJson(written)), std::hash<ShipDesign>{}(d));

    // Absent optional fields are left out.
    const json plain = toJson(ShipDesign{});
    EXPECT_FALSE(plain.contains("carriedCraftName"));
    EXPECT_EQ(plain.at("weaponMounts"), json::array());
    EXPECT_EQ(shipDesignFromJson(plain), ShipDesign{});
}

TEST(ShipDesignJson, RefusesWhatADesignCannotHold) {
    struct Case {
        const char* what;
        std::function<void(json&)> damage;
        const char* message; // part of the refusal
    };
    const json mount = {{"id", "6F9619FF-8B86-D011-B42D-00C04FC964FF"},
                        {"mountType", "singleTurret"},
                        {"popUpMounting", false},
                        {"turretWeapon", "beamLaser"},
                        {"turretWeaponCount", 1},
                        {"barbetteWeapon", "beamLaser"},
                        {"bayWeapon", "missile"}};
    const Case cases[] = {
        {"a hull of no tons", [](json& j) { j["tonnage"] = 0; },
         "\"tonnage\" is 0, outside 1 to 1,000,000"},
        {"a hull of 10 million tons", [](json& j) { j["tonnage"] = 10'000'000; },
         "\"tonnage\" is 10,000,000, outside 1 to 1,000,000"},
        {"a huge number", [](json& j) { j["tonnage"] = 1e300; },
         "\"tonnage\" is outside 1 to 1,000,000"},
        {"a negative tech level", [](json& j) { j["techLevel"] = -1; }, "\"techLevel\" is -1"},
        {"thrust 12", [](json& j) { j["manoeuvreDriveRating"] = 12; }, "\"manoeuvreDriveRating\""},
        {"jump 10", [](json& j) { j["jumpDriveRating"] = 10; }, "\"jumpDriveRating\" is 10"},
        {"jump control 7", [](json& j) { j["software"]["jumpControlRating"] = 7; },
         "\"software.jumpControlRating\" is 7, outside 0 to 6"},
        {"modular hull 80%", [](json& j) { j["highGuard"]["modularHullPercentage"] = 80; },
         "\"highGuard.modularHullPercentage\""},
        {"a negative count", [](json& j) { j["stateroomCount"] = -4; }, "\"stateroomCount\" is -4"},
        {"an unknown battery tier", [](json& j) { j["highGuard"]["batteryTier"] = "tl11"; },
         "\"highGuard.batteryTier\" has a value this version does not know: \"tl11\""},
        {"an unknown hull", [](json& j) { j["configuration"] = "spherical"; },
         "\"configuration\" has a value this version does not know: \"spherical\""},
        {"a display name for a case", [](json& j) { j["powerPlantType"] = "Fusion (TL12)"; },
         "\"powerPlantType\""},
        {"an unknown mount",
         [&](json& j) {
             j["weaponMounts"] = {mount, mount};
             j["weaponMounts"][1]["mountType"] = "spinalMount";
         },
         "\"weaponMounts[1].mountType\""},
        {"a mount without an identity",
         [&](json& j) {
             j["weaponMounts"] = {mount};
             j["weaponMounts"][0]["id"] = "turret-1";
         },
         "\"weaponMounts[0].id\" is not an identity"},
        {"a mount that is a text", [](json& j) { j["weaponMounts"] = {"turret"}; },
         "\"weaponMounts[0]\" is not a JSON object"},
        {"mounts that are not a list", [](json& j) { j["weaponMounts"] = 3; },
         "\"weaponMounts\" is not a list"},
        {"a missing key", [](json& j) { j.erase("hasJumpDrive"); }, "has no \"hasJumpDrive\""},
        {"a missing nested key", [](json& j) { j["highGuard"].erase("hasWetBar"); },
         "has no \"highGuard.hasWetBar\""},
        {"options that are not an object", [](json& j) { j["highGuard"] = json::array(); },
         "\"highGuard\" is not a JSON object"},
        {"a number as text", [](json& j) { j["tonnage"] = "100"; }, "\"tonnage\" is not a number"},
        {"a fraction of a ton", [](json& j) { j["tonnage"] = 100.5; },
         "\"tonnage\" is not a whole number"},
        {"a number for a flag", [](json& j) { j["heatShielding"] = 1; },
         "\"heatShielding\" is not true or false"},
        {"a negative craft price", [](json& j) { j["carriedCraftPrice"] = -5; },
         "\"carriedCraftPrice\""},
        {"a craft name that is a number", [](json& j) { j["carriedCraftName"] = 7; },
         "\"carriedCraftName\" is not a text"},
    };
    for (const Case& c : cases) {
        json document = handWrittenScout();
        c.damage(document);
        EXPECT_NE(refusal(document).find(c.message), std::string::npos)
            << c.what << ": " << refusal(document);
    }
    EXPECT_EQ(refusal(json::array()), "The ship design is not a JSON object.");
    // Inside a saved ship the path starts where the design sits.
    json document = handWrittenScout();
    document["tonnage"] = 0;
    EXPECT_NE(refusal(document, "design").find("\"design.tonnage\""), std::string::npos);
    // A whole number written as a fraction is still that number.
    document["tonnage"] = 200.0;
    EXPECT_EQ(shipDesignFromJson(document).tonnage, 200);
}

TEST(ShipDesignJson, SummaryKeys) {
    const ShipDesign d = shipDesignFromJson(handWrittenScout());
    const json summary = shipSummaryJson(d);
    for (const char* key :
         {"tonnage", "tonnageUsed", "cargoSpace", "totalCost", "purchaseCost",
          "maintenancePerMonth", "lifeSupportPerMonth", "salariesPerMonth", "jumpFuelTonnage",
          "totalFuelTonnage", "powerOutput", "powerRequirement", "crewTotal", "hardpoints",
          "hardpointsUsed", "warnings"}) {
        EXPECT_TRUE(summary.contains(key)) << key;
    }
    // Money unrounded, as the rules compute it: without its turret, but with two re-entry
    // capsules (2 × 20,000) and a wet bar (2,000), the scout costs MCr37.445 + 0.042 =
    // MCr37.487, bought for 90% of that, Cr33,738,300; maintenance / 12,000 = Cr2,811.525.
    const ShipSummary s = summarize(d);
    EXPECT_NEAR(summary.at("maintenancePerMonth").get<double>(), 2'811.525, 1e-6);
    EXPECT_EQ(summary.at("maintenancePerMonth").get<double>(), s.maintenancePerMonth);
    EXPECT_EQ(summary.at("rows").back().at("section"), "Cargo");
}
