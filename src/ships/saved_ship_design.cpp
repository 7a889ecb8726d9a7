#include "ships/saved_ship_design.h"

namespace velmora::ships {

std::string displayName(const SavedShipDesign::Header& header) {
    if (!header.shipName.empty())
        return header.shipName;
    if (!header.configurationName.empty())
        return header.configurationName;
    return "Unnamed Ship";
}

bool isSafeImageFilename(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 255)
        return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f)
            return false;
    }
    return true;
}

std::string safeFileName(std::string_view name, std::string_view fallback) {
    std::string result;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool forbidden = c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7f;
        result += forbidden ? '-' : c;
    }
    const auto start = result.find_first_not_of(". ");
    result = start == std::string::npos ? std::string() : result.substr(start);
    while (!result.empty() && (result.back() == ' ' || result.back() == '.'))
        result.pop_back();
    // Leaves room for an extension and a counter within the usual 255-byte limit.
    if (result.size() > 200) {
        std::size_t cut = 200;
        while (cut > 0 && (static_cast<unsigned char>(result[cut]) & 0xC0) == 0x80)
            --cut;
        result.resize(cut);
    }
    return result.empty() ? std::string(fallback) : result;
}

} // namespace velmora::ships
