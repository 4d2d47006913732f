#include "platform/RecentDocumentList.h"

#include <algorithm>

namespace platform {

namespace {
std::filesystem::path normalized(const std::filesystem::path& file) {
    std::error_code ec;
    auto absolute = std::filesystem::absolute(file, ec);
    return (ec ? file : absolute).lexically_normal();
}
} // namespace

void RecentDocumentList::note(const std::filesystem::path& file) {
    const auto entry = normalized(file);
    std::erase(items_, entry);
    items_.insert(items_.begin(), entry);
    if (items_.size() > capacity_) items_.resize(capacity_);
}

void RecentDocumentList::forget(const std::filesystem::path& file) { std::erase(items_, normalized(file)); }

void RecentDocumentList::assign(const std::vector<std::filesystem::path>& items) {
    items_.clear();
    for (auto it = items.rbegin(); it != items.rend(); ++it) note(*it);
}

} // namespace platform
