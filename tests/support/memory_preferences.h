#pragma once

#include "universe/preferences.h"

#include <map>

namespace velmora::testing {

class MemoryPreferences final : public universe::Preferences {
public:
    std::optional<std::string> text(const std::string& key) const override {
        const auto it = texts.find(key);
        return it == texts.end() ? std::nullopt : std::optional(it->second);
    }
    void setText(const std::string& key, const std::string& value) override { texts[key] = value; }
    bool flag(const std::string& key) const override {
        const auto it = flags.find(key);
        return it != flags.end() && it->second;
    }
    void setFlag(const std::string& key, bool value) override { flags[key] = value; }

    std::map<std::string, std::string> texts;
    std::map<std::string, bool> flags;
};

} // namespace velmora::testing
