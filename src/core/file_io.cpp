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

namespace {

// Writes everything or says why not.
bool writeAll(int fd, const char* data, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t put = ::write(fd, data + written, size - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += static_cast<std::size_t>(put);
    }
    return true;
}

// Gathers small pieces into one buffer so that a file of many thousands of
// records takes a few hundred system calls, not one per record.
class BufferedFile {
public:
    explicit BufferedFile(int fd) : m_fd(fd) { m_buffer.reserve(capacity); }
    bool put(std::string_view bytes) {
        if (m_buffer.size() + bytes.size() > capacity && !flush())
            return false;
        if (bytes.size() >= capacity)
            return writeAll(m_fd, bytes.data(), bytes.size());
        m_buffer.append(bytes);
        return true;
    }
    bool flush() {
        const bool ok = writeAll(m_fd, m_buffer.data(), m_buffer.size());
        m_buffer.clear();
        return ok;
    }

private:
    static constexpr std::size_t capacity = 1 << 20;
    int m_fd;
    std::string m_buffer;
};

bool writeText(int fd, const FileText& text) {
    BufferedFile out(fd);
    if (!out.put(text.head))
        return false;
    for (std::size_t i = 0; i < text.items.size(); ++i) {
        if ((i > 0 && !out.put(text.separator)) || !out.put(*text.items[i]))
            return false;
    }
    return out.put(text.tail) && out.flush();
}

// Writes to a temporary file beside the target, flushes it and renames it over
// the target: a crash at any point leaves the previous file whole.
template <typename WriteContents>
FileResult writeAtomically(const std::filesystem::path& path, WriteContents writeContents) {
    const std::filesystem::path temporary = path.string() + ".saving";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return {false, systemError("Couldn't create", temporary)};
    if (!writeContents(fd)) {
        FileResult failure{false, systemError("Couldn't write", temporary)};
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure;
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

} // namespace

FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return writeAtomically(path, [&](int fd) { return writeAll(fd, bytes.data(), bytes.size()); });
}

FileResult writeFileAtomically(const std::filesystem::path& path, const FileText& text) {
    return writeAtomically(path, [&](int fd) { return writeText(fd, text); });
}

FileWriting atomicFileWriting() {
    return [](const std::filesystem::path& path, const FileText& text) {
        return writeFileAtomically(path, text);
    };
}

} // namespace velmora::core
