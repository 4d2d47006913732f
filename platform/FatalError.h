#pragma once
#include <string_view>

namespace platform {

// Stops the program: writes the message (if any) and a line feed to standard
// error, then aborts. Used for the program stops of the models: violated
// preconditions and operations that must never be reached.
[[noreturn]] void fatalError(std::string_view message = {});

// A precondition check that stops the program without a message.
inline void precondition(bool condition) {
    if (!condition) fatalError();
}

} // namespace platform
