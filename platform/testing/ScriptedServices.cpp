#include "platform/testing/ScriptedServices.h"

namespace platform {

std::optional<std::filesystem::path> ScriptedOpenPanel::runModal(const OpenPanelOptions& options) {
    requests.push_back(options);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedSavePanel::begin(const SavePanelOptions& options, Completion onConfirm) {
    if (whenBegun) whenBegun();
    requests.push_back(options);
    if (answers.empty()) {
        pending_ = std::move(onConfirm);
        return;
    }
    auto answer = answers.front();
    answers.pop_front();
    if (answer) onConfirm(*answer);
}

void ScriptedSavePanel::confirm(const std::filesystem::path& file) {
    auto completion = std::move(pending_);
    pending_ = nullptr;
    if (completion) completion(file);
}

ScriptedServices::ScriptedServices() : previous_(services()) {
    services() = ApplicationServices{openPanel, savePanel, alerts, delegate};
}

ScriptedServices::~ScriptedServices() { services() = previous_; }

} // namespace platform
