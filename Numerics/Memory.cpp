#include "Numerics/Memory.h"

#include <string>

namespace numerics::detail {

void stop(const char* function, const char* file, int line) {
    platform::fatalError(std::string(function) + ": a precondition of the call does not hold (" + file + ":" +
                         std::to_string(line) + ")");
}

} // namespace numerics::detail
