#include "platform/Services.h"

namespace platform {

ApplicationServices& services() {
    static ApplicationServices instance;
    return instance;
}

std::optional<std::filesystem::path> runOpenPanel(const OpenPanelOptions& options) {
    if (auto panel = services().openPanel) return panel->runModal(options);
    return std::nullopt;
}

void beginSavePanel(const SavePanelOptions& options, SavePanel::Completion onConfirm) {
    if (auto panel = services().savePanel) panel->begin(options, std::move(onConfirm));
}

void showAlert(const AlertContent& alert) {
    if (auto alerts = services().alerts) alerts->runModal(alert);
}

void noteNewRecentDocument(const std::filesystem::path& file) {
    if (auto delegate = services().delegate.lock())
        if (auto* dc = delegate->recentDocumentsController()) dc->noteNewRecentDocument(file);
}

void forgetRecentDocument(const std::filesystem::path& file) {
    if (file.empty()) return;
    if (auto delegate = services().delegate.lock())
        if (auto* dc = delegate->recentDocumentsController()) dc->forgetRecentDocument(file);
}

} // namespace platform
