#pragma once

#include <QString>

namespace velmora::app {

// Where Velmora keeps its files. Normally the user's application-data folder;
// with --data-dir DIR everything (documents, support files and preferences)
// lives in DIR, which makes a portable installation and keeps tests apart.
class DataLocations {
public:
    static DataLocations standard();
    static DataLocations portable(const QString& folder);
    // Reads "--data-dir DIR" (or "--data-dir=DIR") from the arguments.
    static DataLocations fromArguments(const QStringList& arguments);

    QString documentsFolder() const { return m_documents; }
    QString applicationSupportFolder() const { return m_support; }
    bool isPortable() const { return m_portable; }
    // The preferences file used in portable mode.
    QString preferencesFile() const;

private:
    QString m_documents;
    QString m_support;
    bool m_portable = false;
};

} // namespace velmora::app
