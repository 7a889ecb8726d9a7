#pragma once

#include "universe/stardate.h"

#include <string>

namespace velmora::universe {

// A dated entry in a faction's log, kept in the order the referee wrote them.
struct FactionNote {
    int id = 0;
    std::string title;
    Stardate date;
    std::string content;

    friend bool operator==(const FactionNote&, const FactionNote&) = default;
};

} // namespace velmora::universe
