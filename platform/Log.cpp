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

DevLogGathering::DevLogGathering() {
    previous_ = setDevLogSink([this](std::string_view line) {
        text_.append(line);
        text_.push_back('\n');
        if (previous_)
            previous_(line);
        else
            writeLine(stderr, line);
    });
}

DevLogGathering::~DevLogGathering() { setDevLogSink(std::move(previous_)); }

LineSink setDevLogSink(LineSink sink) { return std::exchange(devLogSink(), std::move(sink)); }
LineSink setStandardOutputSink(LineSink sink) { return std::exchange(standardOutputSink(), std::move(sink)); }

} // namespace platform
