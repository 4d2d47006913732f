#pragma once
#include <string_view>

namespace platform {

// Stops the program on a programmer's error: writes the message and a line
// feed to standard error, then aborts. The message says where and what went
// wrong, "Class::method: what", so that the stop explains itself. Bad input is
// never a reason to stop: it is a returned error (see the README).
[[noreturn]] void fatalError(std::string_view message);

// A precondition of the caller's own code: stops with `message` when it does
// not hold.
inline void precondition(bool condition, std::string_view message) {
    if (!condition) [[unlikely]]
        fatalError(message);
}

} // namespace platform
