#pragma once

#include "campaign/campaign.h"
#include "campaign/players.h"

#include <chrono>
#include <string>

namespace velmora::testing {

inline core::Timestamp fixedNow() {
    using namespace std::chrono;
    return sys_days(2024y / May / 1) + 9h + 30min;
}

inline core::UniverseDate dateAt(int year, int day, int hour = 0, int minute = 0) {
    core::UniverseDate date;
    date.id = core::Uuid::generate();
    date.year = year;
    date.day = day;
    date.hour = hour;
    date.minute = minute;
    return date;
}

// A campaign on day 100 of 1105 (month index 1105 × 13 + 99 div 28 = 14365 + 3 = 14368).
inline campaign::Campaign sampleCampaign(std::string code = "SPIN") {
    campaign::Campaign c;
    c.id = core::Uuid::generate();
    c.created = fixedNow();
    c.name = "Spinward Run " + code;
    c.code = std::move(code);
    c.date = dateAt(1105, 100, 14, 30);
    return c;
}

inline campaign::PlayerInfo& addSamplePlayer(campaign::Campaign& c, const std::string& name,
                                             bool npc = false) {
    campaign::PlayerInfo player;
    player.id = core::Uuid::generate();
    player.name = name;
    player.characterName = name + "'s character";
    player.isNPC = npc;
    c.players.push_back(player);
    return c.players.back();
}

} // namespace velmora::testing
