#pragma once
#include <memory>

#include "platform/Services.h"
#include "platform/qt/QtRecentDocuments.h"

namespace appui {

// The application delegate: lives for the whole run and keeps the one
// recent-documents controller through which every open path notes its file.
class AppDelegate final : public platform::ApplicationDelegate {
public:
    AppDelegate() : dc(std::make_shared<platform::QtRecentDocuments>()) {}

    platform::RecentDocuments* recentDocumentsController() override { return dc.get(); }

    const std::shared_ptr<platform::QtRecentDocuments> dc;
};

} // namespace appui
