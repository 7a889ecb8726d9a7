#include "core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::core {

namespace {

std::string systemError(const std::string& what, const std::filesystem::path& path) {
    return what + " \"" + path.string() + "\": " + std::strerror(errno);
}

} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = systemError("Couldn't open", path);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (error)
            *error = "\"" + path.string() + "\" is not a file";
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    if (status.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if (error)
                *error = systemError("Couldn't read", path);
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path temporary = path.string() + ".saving";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return {false, systemError("Couldn't create", temporary)};
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            FileResult failure{false, systemError("Couldn't write", temporary)};
            ::close(fd);
            ::unlink(temporary.c_str());
            return failure;
        }
        written += static_cast<std::size_t>(put);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        FileResult failure{false, systemError("Couldn't flush", temporary)};
        ::unlink(temporary.c_str());
        return failure;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        FileResult failure{false, systemError("Couldn't replace", path)};
        ::unlink(temporary.c_str());
        return failure;
    }
    return {};
}

} // namespace velmora::core
