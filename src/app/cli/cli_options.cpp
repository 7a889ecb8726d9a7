#include "app/cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace velmora::cli {

Options::Options(const std::string& command, const std::vector<std::string>& arguments,
                 const std::set<std::string>& valued, const std::set<std::string>& flags,
                 bool takesPositionals) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('=');
            name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (valued.contains(name)) {
            if (!value) {
                if (i + 1 >= arguments.size())
                    throw CliError{name + " needs a value", 2};
                value = arguments[++i];
            }
            m_values[name] = *value;
        } else if (flags.contains(name) && !value) {
            m_flags.insert(name);
        } else if (takesPositionals && !name.starts_with("--")) {
            m_positionals.push_back(arguments[i]);
        } else {
            throw CliError{command + ": unknown argument \"" + arguments[i] + "\"", 2};
        }
    }
}

std::optional<std::string> Options::value(const std::string& name) const {
    const auto it = m_values.find(name);
    return it == m_values.end() ? std::nullopt : std::optional(it->second);
}

std::optional<int> wholeNumber(const std::string& text) {
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || at != end)
        return std::nullopt;
    return number;
}

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ',')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::pair<int, int> parseSector(const std::string& option, const std::vector<std::string>& parts,
                                const std::string& text, const std::string& example) {
    const auto x = wholeNumber(parts[0]);
    const auto y = wholeNumber(parts[1]);
    if (!x || !y)
        throw CliError{option + " \"" + text +
                           "\": the sector must be two whole numbers, for example " + example,
                       2};
    return {*x, *y};
}

core::GalacticCoordinates parseHex(const std::string& text) {
    const std::string example = "--hex 0,0,1910";
    const auto parts = splitCommas(text);
    if (parts.size() != 3)
        throw CliError{"--hex \"" + text + "\" is not SX,SY,CCRR, for example " + example, 2};
    const auto [x, y] = parseSector("--hex", parts, text, example);
    const std::string& hex = parts[2];
    if (hex.size() != 4 ||
        !std::all_of(hex.begin(), hex.end(), [](unsigned char c) { return std::isdigit(c); }))
        throw CliError{"--hex \"" + text +
                           "\": the hex must be four digits, column then row, for example " +
                           example,
                       2};
    const int column = std::stoi(hex.substr(0, 2));
    const int row = std::stoi(hex.substr(2, 2));
    if (column < 1 || column > core::sectorColumns)
        throw CliError{"Column " + hex.substr(0, 2) + " of hex " + hex +
                           " is out of range: columns run from 01 to 32.",
                       2};
    if (row < 1 || row > core::sectorRows)
        throw CliError{"Row " + hex.substr(2, 2) + " of hex " + hex +
                           " is out of range: rows run from 01 to 40.",
                       2};
    return {x, y, column, row};
}

} // namespace velmora::cli
