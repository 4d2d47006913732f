#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/Log.h"

namespace platform {

// Collects the lines sent to both sinks while it lives; the sinks it replaced
// come back when it goes, so captures nest.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& devLogLines() const { return devLog_; }
    const std::vector<std::string>& standardOutputLines() const { return stdout_; }
    bool devLogContains(std::string_view text) const;
    bool standardOutputContains(std::string_view text) const;

private:
    std::vector<std::string> devLog_;
    std::vector<std::string> stdout_;
    LineSink previousDevLog_;
    LineSink previousStdout_;
};

} // namespace platform
