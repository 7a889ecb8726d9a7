#pragma once

#include "core/universe_date.h"
#include "core/uuid.h"

#include <string>

namespace velmora::campaign {

// One entry of a campaign's journal. Numbers are unique within the campaign and
// never reused while a higher one exists.
struct CampaignNote {
    core::Uuid id;
    std::string campaignCode; // the code of the campaign it belongs to
    int number = 1;
    core::UniverseDate date; // the campaign date it is about
    bool showOnCalendar = false;
    std::string title;
    std::string content;

    friend bool operator==(const CampaignNote&, const CampaignNote&) = default;
};

} // namespace velmora::campaign
