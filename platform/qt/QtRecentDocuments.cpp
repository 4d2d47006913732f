#include "platform/qt/QtRecentDocuments.h"

#include <QSettings>
#include <QString>
#include <QStringList>

namespace platform {
namespace {
const QString settingsKey = QStringLiteral("RecentDocuments");
}

QtRecentDocuments::QtRecentDocuments() {
    writer_.setMaxThreadCount(1); // one write at a time, in the order made
    std::vector<std::filesystem::path> stored;
    for (const auto& file : QSettings().value(settingsKey).toStringList()) stored.emplace_back(file.toStdU16String());
    list_.assign(stored);
}

QtRecentDocuments::~QtRecentDocuments() { waitUntilStored(); }

void QtRecentDocuments::waitUntilStored() { writer_.waitForDone(); }

void QtRecentDocuments::noteNewRecentDocument(const std::filesystem::path& file) {
    list_.note(file);
    store();
}

void QtRecentDocuments::forgetRecentDocument(const std::filesystem::path& file) {
    const auto before = list_.items().size();
    list_.forget(file);
    if (list_.items().size() != before) store();
}

void QtRecentDocuments::clearRecentDocuments() {
    list_.clear();
    store();
}

void QtRecentDocuments::store() {
    QStringList files;
    for (const auto& file : list_.items()) files << QString::fromStdU16String(file.u16string());
    writer_.start([files] {
        QSettings settings;
        settings.setValue(settingsKey, files);
        settings.sync();
    });
    for (const auto& listener : listeners_) listener();
}

} // namespace platform
