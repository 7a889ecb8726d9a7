#pragma once

#include <optional>
#include <string>

namespace velmora::universe {

// The user's preferences: a text and a flag by key. The application keeps them
// in the platform's settings; tests keep them in memory.
class Preferences {
public:
    virtual ~Preferences() = default;
    virtual std::optional<std::string> text(const std::string& key) const = 0;
    virtual void setText(const std::string& key, const std::string& value) = 0;
    virtual bool flag(const std::string& key) const = 0;
    virtual void setFlag(const std::string& key, bool value) = 0;
};

inline constexpr const char* lastUniverseIDKey = "lastUniverseID";
inline constexpr const char* didMigrateToUniversesKey = "didMigrateToUniverses";

} // namespace velmora::universe
