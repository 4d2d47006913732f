#include "app/ui/widgets/RecentDocumentRouter.h"

namespace appui {

void RecentDocumentRouter::registerScreen(QWidget* screen, const QStringList& extensions, Opener open) {
    for (const auto& extension : extensions) routes_[extension.toLower()] = Route{screen, open};
}

const RecentDocumentRouter::Route* RecentDocumentRouter::routeFor(const std::filesystem::path& file) const {
    const auto found = routes_.find(extensionOf(file));
    return found == routes_.end() ? nullptr : &found->second;
}

QString RecentDocumentRouter::extensionOf(const std::filesystem::path& file) {
    auto extension = QString::fromStdU16String(file.extension().u16string());
    if (extension.startsWith(QLatin1Char('.'))) extension.remove(0, 1);
    return extension.toLower();
}

} // namespace appui
