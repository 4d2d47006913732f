#pragma once
#include <functional>
#include <vector>

#include "platform/RecentDocumentList.h"
#include "platform/Services.h"

namespace platform {

// The Open Recent list kept in the application's settings, so that it
// survives from one run to the next.
class QtRecentDocuments final : public RecentDocuments {
public:
    QtRecentDocuments();

    void noteNewRecentDocument(const std::filesystem::path& file) override;
    void forgetRecentDocument(const std::filesystem::path& file) override;
    std::vector<std::filesystem::path> recentDocuments() const override { return list_.items(); }
    void clearRecentDocuments() override;

    // Called after every change of the list (the menu rebuilds itself).
    void addChangeListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

private:
    void store();

    RecentDocumentList list_;
    std::vector<std::function<void()>> listeners_;
};

} // namespace platform
