#pragma once
#include <deque>
#include <functional>

#include "platform/RecentDocumentList.h"
#include "platform/Services.h"

// Scripted stand-ins for the application's services, for tests: panels answer
// from a script, alerts and requests are recorded.
namespace platform {

class ScriptedOpenPanel final : public OpenPanel {
public:
    // Each answer is used once, in order; nothing scripted means "cancelled".
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<OpenPanelOptions> requests;

    std::optional<std::filesystem::path> runModal(const OpenPanelOptions& options) override;
};

class ScriptedSavePanel final : public SavePanel {
public:
    // With an answer scripted, `begin` confirms it at once; otherwise the
    // request stays pending until `confirm` or `cancel`.
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<SavePanelOptions> requests;
    // Called as each request begins, for what a test reads of the moment.
    std::function<void()> whenBegun;

    void begin(const SavePanelOptions& options, Completion onConfirm) override;
    bool hasPending() const { return static_cast<bool>(pending_); }
    void confirm(const std::filesystem::path& file);
    void cancel() { pending_ = nullptr; }

private:
    Completion pending_;
};

class RecordingAlertPresenter final : public AlertPresenter {
public:
    std::vector<AlertContent> shown;
    void runModal(const AlertContent& alert) override { shown.push_back(alert); }
};

class InMemoryRecentDocuments final : public RecentDocuments {
public:
    void noteNewRecentDocument(const std::filesystem::path& file) override { list_.note(file); }
    void forgetRecentDocument(const std::filesystem::path& file) override { list_.forget(file); }
    std::vector<std::filesystem::path> recentDocuments() const override { return list_.items(); }
    void clearRecentDocuments() override { list_.clear(); }

private:
    RecentDocumentList list_;
};

class ScriptedDelegate final : public ApplicationDelegate {
public:
    InMemoryRecentDocuments dc;
    RecentDocuments* recentDocumentsController() override { return &dc; }
};

// Installs scripted services for its lifetime and restores the previous ones.
class ScriptedServices {
public:
    ScriptedServices();
    ~ScriptedServices();
    ScriptedServices(const ScriptedServices&) = delete;
    ScriptedServices& operator=(const ScriptedServices&) = delete;

    std::shared_ptr<ScriptedOpenPanel> openPanel = std::make_shared<ScriptedOpenPanel>();
    std::shared_ptr<ScriptedSavePanel> savePanel = std::make_shared<ScriptedSavePanel>();
    std::shared_ptr<RecordingAlertPresenter> alerts = std::make_shared<RecordingAlertPresenter>();
    std::shared_ptr<ScriptedDelegate> delegate = std::make_shared<ScriptedDelegate>();

    std::vector<std::filesystem::path> recentDocuments() const { return delegate->dc.recentDocuments(); }

private:
    ApplicationServices previous_;
};

} // namespace platform
