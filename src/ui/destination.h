#pragma once

#include "core/uuid.h"

#include <QString>
#include <optional>

namespace velmora::ui {

// What the main window's sidebar can select.
enum class Destination {
    faction,
    generator,
    systems,
    importTravellerMap,
    importExportSEC,
    starmap,
    rutters,
    routePlanner,
    nebulae,
    regions,
    labels,
    starships,
    trade,
    factionLists,
    newFaction,
    information,
    campaign,
};

// A sidebar selection: a destination, and the faction when it is one.
struct SidebarSelection {
    Destination destination = Destination::starmap;
    std::optional<core::Uuid> factionID;
    friend bool operator==(const SidebarSelection&, const SidebarSelection&) = default;
};

// The row label of a destination, as the sidebar shows it.
QString destinationLabel(Destination destination);

} // namespace velmora::ui
