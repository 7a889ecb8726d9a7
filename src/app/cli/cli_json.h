#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

namespace velmora::cli {

// What a command prints with --json: one document, keys named after the records'
// fields, indented, ending with a newline.
inline void printJson(std::ostream& out, const nlohmann::json& document) {
    out << document.dump(2) << '\n';
}

} // namespace velmora::cli
