#pragma once
#include <cstddef>
#include <filesystem>
#include <vector>

namespace platform {

// The ordering rules of the Open Recent list, without storage: a noted file
// moves to the front, a file appears once, and the list keeps at most
// `capacity` entries.
class RecentDocumentList {
public:
    static constexpr std::size_t defaultCapacity = 10;

    explicit RecentDocumentList(std::size_t capacity = defaultCapacity) : capacity_(capacity) {}

    void note(const std::filesystem::path& file);
    void forget(const std::filesystem::path& file);
    void clear() { items_.clear(); }
    void assign(const std::vector<std::filesystem::path>& items);
    const std::vector<std::filesystem::path>& items() const { return items_; }

private:
    std::size_t capacity_;
    std::vector<std::filesystem::path> items_;
};

} // namespace platform
