#include "app/platform/diagnostic_log.h"

#include <QDebug>

namespace velmora::app {

void logDiagnostic(const std::string& line) {
    qInfo().noquote() << QString::fromStdString(line);
}

std::function<void(const std::string&)> diagnosticLogger() {
    return logDiagnostic;
}

} // namespace velmora::app
