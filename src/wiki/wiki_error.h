#pragma once

#include <stdexcept>
#include <string>

namespace velmora::wiki {

// Why a wiki request gave nothing to show; what() is the text the referee reads.
class WikiError : public std::runtime_error {
public:
    enum class Kind { httpStatus, network, apiError, noResults, emptyQuery, badResponse };

    static WikiError httpStatus(int code);
    static WikiError network(const std::string& message);
    static WikiError apiError(const std::string& info);
    static WikiError noResults(const std::string& query);
    static WikiError emptyQuery();
    static WikiError badResponse();

    Kind kind() const { return m_kind; }
    // The wiki could not be reached or did not answer as a wiki does: a saved
    // copy may stand in. The other kinds are the wiki's own answer.
    bool isUnreachable() const {
        return m_kind == Kind::httpStatus || m_kind == Kind::network || m_kind == Kind::badResponse;
    }

private:
    WikiError(Kind kind, const std::string& message) : std::runtime_error(message), m_kind(kind) {}
    Kind m_kind;
};

} // namespace velmora::wiki
