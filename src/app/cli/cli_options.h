#pragma once

#include "app/cli/cli_context.h"
#include "core/galactic_coordinates.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace velmora::cli {

// Options of the form "--name VALUE" or "--name=VALUE", and bare flags. Anything
// else is refused with the command's name, unless the command takes positional
// arguments, which are then kept in order.
class Options {
public:
    Options(const std::string& command, const std::vector<std::string>& arguments,
            const std::set<std::string>& valued, const std::set<std::string>& flags,
            bool takesPositionals = false);

    std::optional<std::string> value(const std::string& name) const;
    bool flag(const std::string& name) const { return m_flags.contains(name); }
    const std::vector<std::string>& positionals() const { return m_positionals; }

private:
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_flags;
    std::vector<std::string> m_positionals;
};

std::optional<int> wholeNumber(const std::string& text);
std::vector<std::string> splitCommas(const std::string& text);

// The first two parts as whole numbers, or an error naming the option and an example.
std::pair<int, int> parseSector(const std::string& option, const std::vector<std::string>& parts,
                                const std::string& text, const std::string& example);

// A "--hex SX,SY,CCRR" value, or a usage error that says what is wrong with it.
core::GalacticCoordinates parseHex(const std::string& text);

} // namespace velmora::cli
