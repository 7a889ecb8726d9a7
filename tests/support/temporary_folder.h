#pragma once

#include "core/file_io.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace velmora::testing {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the test ends.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device device;
        m_path = std::filesystem::temp_directory_path() /
                 ("velmora-test-" + std::to_string(device()) + "-" + std::to_string(device()));
        std::filesystem::create_directories(m_path);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    void write(const std::filesystem::path& relative, const std::string& bytes) const {
        const auto file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string read(const std::filesystem::path& relative) const {
        return core::readWholeFile(m_path / relative).value_or("<missing>");
    }

private:
    std::filesystem::path m_path;
};

} // namespace velmora::testing
