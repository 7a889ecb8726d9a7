#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace velmora::core {

// A file's contents as pieces that are shared rather than copied: a head, a list
// of items joined by a separator, and a tail. A document that keeps the encoded
// text of each of its records hands the writer those texts by reference, so the
// thread that edits it never assembles hundreds of megabytes.
struct FileText {
    std::string head;
    std::vector<std::shared_ptr<const std::string>> items;
    std::string separator;
    std::string tail;

    FileText() = default;
    // A file that is one piece.
    explicit FileText(std::string whole) : head(std::move(whole)) {}

    std::size_t size() const;
    // The pieces as one text, for when a whole copy is wanted.
    std::string joined() const;
};

} // namespace velmora::core
