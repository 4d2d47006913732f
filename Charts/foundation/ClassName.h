#pragma once
#include <string>
#include <typeinfo>

namespace charts {

// The name of a class qualified by its module, as data-set descriptions show
// it: classes of this library read "Charts.<ClassName>", others their full
// namespace path joined by dots ("app.ui.Graph").
std::string moduleQualifiedClassName(const std::type_info& type);

} // namespace charts
