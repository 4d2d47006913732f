#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Two separate sinks, each taking whole lines (the sink adds the line feed).
//
// The developer's log: diagnostics a developer reads, never shown to the user.
void devLog(std::string_view line);
// Standard output: the lines the program is meant to print as part of its
// behaviour (such as the "false" of a .quad file that does not parse). Every
// such line goes through here, so none reads as a leftover debug print.
void printToStandardOutput(std::string_view line);

using LineSink = std::function<void(std::string_view)>;

// Replaces a sink; an empty function restores the default (stderr for the
// developer log, stdout for standard output). Returns the previous sink.
LineSink setDevLogSink(LineSink sink);
LineSink setStandardOutputSink(LineSink sink);

// Keeps the developer-log lines written while it lives, each still going
// where it went before: what an operation logged can then be shown with its
// failure. Gatherings nest; each keeps the lines of its own lifetime.
class DevLogGathering {
public:
    DevLogGathering();
    ~DevLogGathering();
    DevLogGathering(const DevLogGathering&) = delete;
    DevLogGathering& operator=(const DevLogGathering&) = delete;

    // The lines so far, each ended by a line feed.
    const std::string& text() const { return text_; }

private:
    LineSink previous_;
    std::string text_;
};

} // namespace platform
