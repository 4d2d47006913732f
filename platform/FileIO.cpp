#include "platform/FileIO.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <vector>

namespace platform {
namespace {

FileResult failure(const std::string& what, int error) { return {false, what + ": " + std::strerror(error)}; }

// Mode for a new file: what open(2) would give it under the current umask.
mode_t defaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

FileResult writeFileAtomically(const std::filesystem::path& file, std::string_view contents) {
    if (file.empty() || !file.has_filename()) return {false, "No file name was given."};
    const auto directory = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::string pattern = (directory / ("." + file.filename().string() + ".XXXXXX")).string();
    std::vector<char> tempName(pattern.begin(), pattern.end());
    tempName.push_back('\0');

    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) return failure("The file \"" + file.filename().string() + "\" couldn't be saved", errno);

    struct stat existing {};
    const mode_t mode = ::stat(file.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : defaultMode();

    auto abandon = [&](const std::string& what) {
        const int error = errno;
        ::close(fd);
        ::unlink(tempName.data());
        return failure(what, error);
    };
    const std::string what = "The file \"" + file.filename().string() + "\" couldn't be saved";
    if (::fchmod(fd, mode) != 0) return abandon(what);
    if (!writeAll(fd, contents)) return abandon(what);
    if (::fsync(fd) != 0) return abandon(what);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tempName.data());
        return failure(what, error);
    }
    if (::rename(tempName.data(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempName.data());
        return failure(what, error);
    }
    return {true, {}};
}

FileResult readWholeFile(const std::filesystem::path& file, std::string& contents, std::size_t maxBytes) {
    const std::string what = "The file \"" + file.filename().string() + "\" couldn't be opened";
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return {false, what + ": it is a folder."};
    std::ifstream in(file, std::ios::binary);
    if (!in) return failure(what, errno ? errno : ENOENT);
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) return failure(what, EIO);
    if (static_cast<std::size_t>(size) > maxBytes) return {false, what + ": it is too large."};
    in.seekg(0, std::ios::beg);
    std::string buffer(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !in.read(buffer.data(), size)) return failure(what, EIO);
    contents = std::move(buffer);
    return {true, {}};
}

} // namespace platform
