#pragma once

#include <functional>
#include <string>

namespace velmora::app {

// One line of text to the diagnostic log (standard error, through Qt's logging).
void logDiagnostic(const std::string& line);
std::function<void(const std::string&)> diagnosticLogger();

} // namespace velmora::app
