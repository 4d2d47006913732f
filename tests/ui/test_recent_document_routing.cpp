#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <QTabWidget>

#include "app/ui/shell/AppDelegate.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"
#include "platform/testing/LogCapture.h"

namespace appui {

namespace {

// Two stand-in screens in the two tabs, each noting the files it is handed.
struct RoutedScreens {
    explicit RoutedScreens(MainWindow& window) {
        blending = new QWidget(window.blendingScreenPlace());
        linearization = new QWidget(window.linearizationScreenPlace());
        auto& router = window.recentDocumentRouter();
        router.registerScreen(blending, {QStringLiteral("jpg"), QStringLiteral("TIFF")},
                              [this](const std::filesystem::path& f) { opened.push_back("blending " + f.string()); });
        router.registerScreen(linearization, {QStringLiteral("quad"), QStringLiteral("txt")},
                              [this](const std::filesystem::path& f) { opened.push_back("linear " + f.string()); });
    }
    QWidget* blending;
    QWidget* linearization;
    std::vector<std::string> opened;
};

int currentTab(MainWindow& window) { return window.findChild<QTabWidget*>()->currentIndex(); }

} // namespace

TEST(RecentDocumentRouting, EachKindGoesToTheScreenThatRegisteredItAndBringsItsTabForward) {
    struct Case {
        const char* file;
        const char* opened;
        int tab;
    };
    const Case cases[] = {
        {"/prints/wedge.txt", "linear /prints/wedge.txt", 1},
        {"/prints/K7.QUAD", "linear /prints/K7.QUAD", 1},
        {"/prints/scan.jpg", "blending /prints/scan.jpg", 0},
        {"/prints/scan.tiff", "blending /prints/scan.tiff", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ApplicationShell shell;
        auto& window = shell.mainWindow();
        RoutedScreens screens(window);
        window.findChild<QTabWidget*>()->setCurrentIndex(c.tab == 0 ? 1 : 0);

        emit window.recentDocumentChosen(QString::fromUtf8(c.file));
        EXPECT_EQ(screens.opened, std::vector<std::string>{c.opened});
        EXPECT_EQ(currentTab(window), c.tab);
    }
}

TEST(RecentDocumentRouting, AKindNoScreenOpensIsLoggedAndChangesNothing) {
    ApplicationShell shell;
    auto& window = shell.mainWindow();
    RoutedScreens screens(window);
    window.findChild<QTabWidget*>()->setCurrentIndex(1);
    platform::LogCapture log;

    window.openRecentDocument("/prints/notes.pdf");
    window.openRecentDocument("/prints/no-extension");
    EXPECT_TRUE(screens.opened.empty());
    EXPECT_EQ(currentTab(window), 1);
    EXPECT_TRUE(log.devLogContains("No screen opens notes.pdf"));
}

TEST(RecentDocumentRouting, ALaterRegistrationOfAKindReplacesTheEarlierOne) {
    RecentDocumentRouter router;
    std::string openedBy;
    router.registerScreen(nullptr, {QStringLiteral("txt")}, [&](const auto&) { openedBy = "first"; });
    router.registerScreen(nullptr, {QStringLiteral("TXT")}, [&](const auto&) { openedBy = "second"; });
    const auto* route = router.routeFor("/a/b.Txt");
    ASSERT_NE(route, nullptr);
    route->open("/a/b.Txt");
    EXPECT_EQ(openedBy, "second");
    EXPECT_EQ(router.routeFor("/a/b.csv"), nullptr);
}

} // namespace appui
