#pragma once
#include <string>
#include <string_view>

namespace curves {

// Text from a file as a message quotes it: between double quotes, control
// characters (a NUL among them) written as \xNN so that the message stays
// readable, and cut after a few dozen characters with "...".
std::string quotedForMessage(std::string_view text);

} // namespace curves
