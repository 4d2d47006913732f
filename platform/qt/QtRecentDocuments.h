#pragma once
#include <QThreadPool>
#include <functional>
#include <vector>

#include "platform/RecentDocumentList.h"
#include "platform/Services.h"

namespace platform {

// The Open Recent list kept in the application's settings, so that it
// survives from one run to the next.
// The list changes at once; the settings file is written by a thread of its
// own, in order, so that noting a file does not hold up opening it (a
// settings write waits for the disk). Every write is done before the object
// goes.
class QtRecentDocuments final : public RecentDocuments {
public:
    QtRecentDocuments();
    ~QtRecentDocuments() override;
    QtRecentDocuments(const QtRecentDocuments&) = delete;
    QtRecentDocuments& operator=(const QtRecentDocuments&) = delete;

    void noteNewRecentDocument(const std::filesystem::path& file) override;
    void forgetRecentDocument(const std::filesystem::path& file) override;
    std::vector<std::filesystem::path> recentDocuments() const override { return list_.items(); }
    void clearRecentDocuments() override;

    // Called after every change of the list (the menu rebuilds itself).
    void addChangeListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }
    // Waits until the settings hold the list as it is now.
    void waitUntilStored();

private:
    void store();

    RecentDocumentList list_;
    std::vector<std::function<void()>> listeners_;
    QThreadPool writer_;
};

} // namespace platform
