#include "Charts/foundation/ClassName.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <string_view>

namespace charts {

std::string moduleQualifiedClassName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    std::string name = status == 0 && demangled ? demangled.get() : type.name();

    constexpr std::string_view libraryNamespace = "charts::";
    if (name.compare(0, libraryNamespace.size(), libraryNamespace) == 0)
        name.replace(0, libraryNamespace.size(), "Charts::");
    for (auto at = name.find("::"); at != std::string::npos; at = name.find("::", at + 1))
        name.replace(at, 2, ".");
    return name;
}

} // namespace charts
