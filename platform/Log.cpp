#include "platform/Log.h"

#include <cstdio>
#include <utility>

namespace platform {
namespace {

void writeLine(std::FILE* stream, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

LineSink& devLogSink() {
    static LineSink sink;
    return sink;
}

LineSink& standardOutputSink() {
    static LineSink sink;
    return sink;
}

bool anyContains(const std::vector<std::string>& lines, std::string_view text) {
    for (const auto& line : lines)
        if (line.find(text) != std::string::npos) return true;
    return false;
}

} // namespace

void devLog(std::string_view line) {
    if (auto& sink = devLogSink())
        sink(line);
    else
        writeLine(stderr, line);
}

void printToStandardOutput(std::string_view line) {
    if (auto& sink = standardOutputSink())
        sink(line);
    else
        writeLine(stdout, line);
}

LineSink setDevLogSink(LineSink sink) { return std::exchange(devLogSink(), std::move(sink)); }
LineSink setStandardOutputSink(LineSink sink) { return std::exchange(standardOutputSink(), std::move(sink)); }

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
