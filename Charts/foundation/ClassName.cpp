#include "Charts/foundation/ClassName.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <string_view>

namespace charts {

std::string moduleQualifiedClassName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                     std::free);
    std::string name = status == 0 && demangled ? demangled.get() : type.name();

    // Module path joined by dots; this library's namespace reads "Charts".
    constexpr std::string_view libraryNamespace = "charts::";
    std::string_view rest = name;
    std::string qualified;
    if (rest.substr(0, libraryNamespace.size()) == libraryNamespace) {
        qualified.append("Charts.");
        rest.remove_prefix(libraryNamespace.size());
    }
    for (auto at = rest.find("::"); at != std::string_view::npos; at = rest.find("::")) {
        qualified.append(rest.substr(0, at)).push_back('.');
        rest.remove_prefix(at + 2);
    }
    qualified.append(rest);
    return qualified;
}

} // namespace charts
