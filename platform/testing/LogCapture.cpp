#include "platform/testing/LogCapture.h"

#include <utility>

namespace platform {
namespace {

bool anyContains(const std::vector<std::string>& lines, std::string_view text) {
    for (const auto& line : lines)
        if (line.find(text) != std::string::npos) return true;
    return false;
}

} // namespace

LogCapture::LogCapture()
    : previousDevLog_(setDevLogSink([this](std::string_view l) { devLog_.emplace_back(l); })),
      previousStdout_(setStandardOutputSink([this](std::string_view l) { stdout_.emplace_back(l); })) {}

LogCapture::~LogCapture() {
    setDevLogSink(std::move(previousDevLog_));
    setStandardOutputSink(std::move(previousStdout_));
}

bool LogCapture::devLogContains(std::string_view text) const { return anyContains(devLog_, text); }
bool LogCapture::standardOutputContains(std::string_view text) const { return anyContains(stdout_, text); }

} // namespace platform
