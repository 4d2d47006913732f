#pragma once
// Shared helpers of the curve-export tests: a scratch directory, file
// reading, running outside tools and the real test files.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace curves_test {

// A fresh directory under the system's temporary directory, removed again.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::random_device device;
        path_ = std::filesystem::temp_directory_path() /
                ("tintsmith-curves-" + std::to_string(device()) + "-" + std::to_string(device()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::filesystem::path file(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

inline bool toolInstalled(const std::string& tool) {
    for (const char* dir : {"/usr/bin/", "/usr/local/bin/", "/bin/"})
        if (std::filesystem::exists(std::string(dir) + tool)) return true;
    return false;
}

// Runs a shell command; answers its standard output and exit status.
inline int runCommand(const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    return pclose(pipe);
}

inline std::string quoted(const std::filesystem::path& file) { return "'" + file.string() + "'"; }

// Runs ffmpeg's video filter `filter` over a 256x1 grey ramp (0 to 255) in
// `dir`; answers the filtered pixels as rgb24 bytes, or "" with the tool's
// message in `output` when ffmpeg fails.
inline std::string ffmpegOnGreyRamp(const ScratchDirectory& dir, const std::string& filter, std::string& output) {
    std::string ramp;
    for (int x = 0; x < 256; ++x) ramp += std::string(3, static_cast<char>(x));
    writeBytes(dir.file("in.rgb"), ramp);
    const std::string command = "cd " + quoted(dir.path()) +
                                " && ffmpeg -v error -y -f rawvideo -pix_fmt rgb24 -s 256x1 -i in.rgb -vf " + filter +
                                " -f rawvideo -pix_fmt rgb24 out.rgb 2>&1";
    if (runCommand(command, output) != 0) return {};
    return readBytes(dir.file("out.rgb"));
}

inline std::filesystem::path testData(const std::string& relative) {
    return std::filesystem::path(TINTSMITH_TESTDATA) / relative;
}

} // namespace curves_test
