#pragma once

#include "support/temporary_folder.h"

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace velmora::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the real velmora-cli binary (VELMORA_CLI, set by the test's build) against
// a data folder, as a referee's script runs it, and keeps what it printed.
inline CliRun runCli(const TemporaryFolder& data, const std::string& arguments) {
    const auto errFile = data / "stderr.txt";
    const std::string command = std::string(VELMORA_CLI) + " --data-dir '" + data.path().string() +
                                "' " + arguments + " 2>'" + errFile.string() + "'";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    while (const std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = data.read("stderr.txt");
    return run;
}

} // namespace velmora::testing
