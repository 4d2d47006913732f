#pragma once
// Running outside programs from a test: the real consumers of the files we
// write, and our own scripts.
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace test_support {

inline bool toolInstalled(const std::string& tool) {
    for (const char* dir : {"/usr/bin/", "/usr/local/bin/", "/bin/"})
        if (std::filesystem::exists(std::string(dir) + tool)) return true;
    return false;
}

// Runs a shell command; answers its exit status and leaves its standard output
// in `output`.
inline int runCommand(const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    return pclose(pipe);
}

// A path as one word of a shell command.
inline std::string quoted(const std::filesystem::path& file) { return "'" + file.string() + "'"; }

} // namespace test_support
