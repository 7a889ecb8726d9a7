#include "app/platform/qt_preferences.h"

#include "app/platform/data_locations.h"

namespace velmora::app {

QtPreferences::QtPreferences(const DataLocations& locations) {
    if (locations.isPortable())
        m_settings = std::make_unique<QSettings>(locations.preferencesFile(), QSettings::IniFormat);
    else
        m_settings =
            std::make_unique<QSettings>(QStringLiteral("Velmora")); // ~/.config/Velmora.conf
}

std::optional<std::string> QtPreferences::text(const std::string& key) const {
    const QVariant value = m_settings->value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtPreferences::setText(const std::string& key, const std::string& value) {
    m_settings->setValue(QString::fromStdString(key), QString::fromStdString(value));
    m_settings->sync();
}

bool QtPreferences::flag(const std::string& key) const {
    return m_settings->value(QString::fromStdString(key), false).toBool();
}

void QtPreferences::setFlag(const std::string& key, bool value) {
    m_settings->setValue(QString::fromStdString(key), value);
    m_settings->sync();
}

void QtPreferences::reload() {
    m_settings->sync();
}

} // namespace velmora::app
