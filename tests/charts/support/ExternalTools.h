#pragma once
// Scratch files and outside programs for the chart tests that hand our
// output to independent readers (rsvg-convert, ffmpeg, python3).
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace charts_test {

// A fresh directory under the system's temporary directory, removed again.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::random_device device;
        path_ = std::filesystem::temp_directory_path() /
                ("tintsmith-charts-" + std::to_string(device()) + "-" + std::to_string(device()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::filesystem::path file(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool toolInstalled(const std::string& tool) {
    for (const char* dir : {"/usr/bin/", "/usr/local/bin/", "/bin/"}) {
        if (std::filesystem::exists(std::string(dir) + tool)) return true;
    }
    return false;
}

// Runs a shell command; answers its exit status, its standard output (and
// error, when the command redirects it) in `output`.
inline int runCommand(const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return -1;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    return pclose(pipe);
}

inline std::string quoted(const std::filesystem::path& file) { return "'" + file.string() + "'"; }

} // namespace charts_test
