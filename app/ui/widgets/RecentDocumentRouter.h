#pragma once
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <map>

namespace appui {

// Where File > Open Recent sends a file: every screen registers the
// extensions it opens, the widget that shows it (the main window brings it to
// the front first) and what opening a file means for it. Extensions are
// compared lower-cased; a later registration of an extension replaces the
// earlier one.
class RecentDocumentRouter {
public:
    using Opener = std::function<void(const std::filesystem::path&)>;

    struct Route {
        QPointer<QWidget> screen;
        Opener open;
    };

    // Extensions without the dot, in any case.
    void registerScreen(QWidget* screen, const QStringList& extensions, Opener open);

    // The route of a file by its extension; none for an extension no screen
    // registered.
    const Route* routeFor(const std::filesystem::path& file) const;

    // The lower-cased extension of a file without the dot ("" when it has none).
    static QString extensionOf(const std::filesystem::path& file);

private:
    std::map<QString, Route> routes_;
};

} // namespace appui
