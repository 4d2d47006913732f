#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The services the models ask of the application: open and save panels,
// alerts and the Open Recent list. The application installs Qt implementations
// (platform/qt); tests install the scripted ones of
// platform/testing/ScriptedServices.h.
namespace platform {

struct OpenPanelOptions {
    std::string title;
    std::vector<std::string> allowedFileTypes; // extensions without the dot; empty allows all
    bool showsResizeIndicator = true;
    bool showsHiddenFiles = false;
    bool canChooseFiles = true;
    bool canChooseDirectories = false;
    bool canCreateDirectories = false;
    bool allowsMultipleSelection = false;
};

// Runs modally; answers the chosen file, or nothing when the user cancels.
class OpenPanel {
public:
    virtual ~OpenPanel() = default;
    virtual std::optional<std::filesystem::path> runModal(const OpenPanelOptions& options) = 0;
};

struct SavePanelOptions {
    std::string title;
    std::vector<std::string> allowedFileTypes; // extensions without the dot
    bool canCreateDirectories = true;
    std::string suggestedFileName;
};

// Does not block: `onConfirm` runs later, once, with the chosen location when
// the user confirms, and never when the user cancels. The caller writes the
// file inside `onConfirm`.
class SavePanel {
public:
    using Completion = std::function<void(const std::filesystem::path&)>;
    virtual ~SavePanel() = default;
    virtual void begin(const SavePanelOptions& options, Completion onConfirm) = 0;
};

enum class AlertStyle { warning, informational, critical };

// A modal alert with one "OK" button. Detailed text, when there is any, is
// shown on request below the rest (the reason a file could not be read).
struct AlertContent {
    AlertContent() = default;
    AlertContent(AlertStyle alertStyle, std::string message, std::string informative, std::string detailed = {})
        : style(alertStyle),
          messageText(std::move(message)),
          informativeText(std::move(informative)),
          detailedText(std::move(detailed)) {}

    AlertStyle style = AlertStyle::warning;
    std::string messageText;
    std::string informativeText;
    std::string detailedText;
};

class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    virtual void runModal(const AlertContent& alert) = 0;
};

// The Open Recent list: most recent first, no duplicates.
class RecentDocuments {
public:
    virtual ~RecentDocuments() = default;
    virtual void noteNewRecentDocument(const std::filesystem::path& file) = 0;
    // Takes a file off the list (one that no longer opens); nothing when it is not there.
    virtual void forgetRecentDocument(const std::filesystem::path& file) = 0;
    virtual std::vector<std::filesystem::path> recentDocuments() const = 0;
    virtual void clearRecentDocuments() = 0;
};

// The application delegate as the models see it: it may keep a
// recent-documents controller.
class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    virtual RecentDocuments* recentDocumentsController() = 0;
};

struct ApplicationServices {
    std::shared_ptr<OpenPanel> openPanel;
    std::shared_ptr<SavePanel> savePanel;
    std::shared_ptr<AlertPresenter> alerts;
    std::weak_ptr<ApplicationDelegate> delegate;
};

// The process-wide services; empty until the application or a test installs them.
ApplicationServices& services();

// Shortcuts that do nothing (or answer nothing) when no service is installed.
std::optional<std::filesystem::path> runOpenPanel(const OpenPanelOptions& options);
void beginSavePanel(const SavePanelOptions& options, SavePanel::Completion onConfirm);
void showAlert(const AlertContent& alert);
// Notes the file in the Open Recent list through the application delegate's
// recent-documents controller; skipped when there is no delegate.
void noteNewRecentDocument(const std::filesystem::path& file);
void forgetRecentDocument(const std::filesystem::path& file);

} // namespace platform
