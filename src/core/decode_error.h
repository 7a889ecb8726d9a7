#pragma once

#include <stdexcept>

namespace velmora::core {

// A data error in a document, with a message in the program's own words.
class DecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace velmora::core
