#include "app/platform/data_locations.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace velmora::app {

// ~/.local/share/Velmora on Linux: the application name alone names the folder.
DataLocations DataLocations::standard() {
    DataLocations locations;
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    locations.m_documents = base;
    locations.m_support = base;
    return locations;
}

DataLocations DataLocations::portable(const QString& folder) {
    DataLocations locations;
    const QString absolute = QDir(folder).absolutePath();
    locations.m_documents = absolute;
    locations.m_support = absolute;
    locations.m_portable = true;
    return locations;
}

DataLocations DataLocations::fromArguments(const QStringList& arguments) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--data-dir") && i + 1 < arguments.size())
            return portable(arguments.at(i + 1));
        if (argument.startsWith(QLatin1String("--data-dir=")))
            return portable(argument.mid(int(qstrlen("--data-dir="))));
    }
    return standard();
}

QString DataLocations::preferencesFile() const {
    return QDir(m_support).filePath(QStringLiteral("Velmora-preferences.ini"));
}

} // namespace velmora::app
