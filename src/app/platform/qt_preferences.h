#pragma once

#include "universe/preferences.h"

#include <QSettings>
#include <memory>

namespace velmora::app {

class DataLocations;

// The user's preferences in QSettings: the platform's own store normally, an
// INI file inside the data folder in portable mode.
class QtPreferences final : public universe::Preferences {
public:
    explicit QtPreferences(const DataLocations& locations);

    std::optional<std::string> text(const std::string& key) const override;
    void setText(const std::string& key, const std::string& value) override;
    bool flag(const std::string& key) const override;
    void setFlag(const std::string& key, bool value) override;
    // Reads again what another program stored since these were read.
    void reload();

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace velmora::app
