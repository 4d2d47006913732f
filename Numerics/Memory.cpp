#include "Numerics/Memory.h"

#include <string>

namespace numerics::detail {

void stop(std::source_location where) {
    platform::fatalError(std::string(where.function_name()) + ": a precondition of the call does not hold (" +
                         where.file_name() + ":" + std::to_string(where.line()) + ")");
}

} // namespace numerics::detail
