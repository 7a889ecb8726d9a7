#pragma once

#include "core/timestamp.h"
#include "core/uuid.h"
#include "ships/ship_design.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::ships {

// A design kept in the library: the design itself with the names the referee gave
// it, a Markdown description and the pictures attached to it.
struct SavedShipDesign {
    // What the library's list needs, read from the same file without the rest.
    struct Header {
        core::Uuid id;
        std::string configurationName;
        std::string typeLabel;
        std::string shipName;
        core::Timestamp modifiedDate{};
        friend bool operator==(const Header&, const Header&) = default;
    };

    core::Uuid id;
    std::string configurationName;
    std::string typeLabel;
    std::string shipName;
    std::string description;
    ShipDesign design;
    // Names of files in the ship's "images" folder, in display order.
    std::vector<std::string> imageFilenames;
    core::Timestamp createdDate{};
    core::Timestamp modifiedDate{};

    Header header() const { return {id, configurationName, typeLabel, shipName, modifiedDate}; }
    friend bool operator==(const SavedShipDesign&, const SavedShipDesign&) = default;
};

// One picture of one saved ship, by the ship's id and the image's file name.
struct ShipImageReference {
    core::Uuid designID;
    std::string filename;
    friend bool operator==(const ShipImageReference&, const ShipImageReference&) = default;
};

// The name shown for a ship: its own name, else its class, else "Unnamed Ship".
std::string displayName(const SavedShipDesign::Header& header);

// Whether an image file name stays inside the folder it names a file of: not
// empty, no path separators, not "." or "..", no control characters. Names that
// fail are never read, written or deleted.
bool isSafeImageFilename(std::string_view name);

// A name made safe to create as one file or folder: separators and control
// characters become "-", leading dots and spaces go; `fallback` when nothing is left.
std::string safeFileName(std::string_view name, std::string_view fallback);

} // namespace velmora::ships
