#include "Charts/foundation/FormBundle.h"

namespace charts {

FormBundle& FormBundle::main() {
    static FormBundle bundle;
    return bundle;
}

void FormBundle::add(const QString& name, Factory factory) { factories_[name] = std::move(factory); }

bool FormBundle::contains(const QString& name) const { return factories_.contains(name); }

std::unique_ptr<QWidget> FormBundle::load(const QString& name) const {
    const auto found = factories_.find(name);
    if (found == factories_.end() || !found->second) return nullptr;
    return found->second();
}

} // namespace charts
