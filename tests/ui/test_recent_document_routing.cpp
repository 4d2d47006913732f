#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <QImage>
#include <QTabWidget>

#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/shell/AppDelegate.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/scratch_files.h"

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
    auto alerts = std::make_shared<platform::RecordingAlertPresenter>();
    platform::services().alerts = alerts;
    auto& window = shell.mainWindow();
    RoutedScreens screens(window);
    window.findChild<QTabWidget*>()->setCurrentIndex(1);
    platform::LogCapture log;

    window.openRecentDocument("/prints/notes.pdf");
    window.openRecentDocument("/prints/no-extension");
    EXPECT_TRUE(screens.opened.empty());
    EXPECT_EQ(currentTab(window), 1);
    EXPECT_TRUE(log.devLogContains("No screen opens notes.pdf"));
    ASSERT_EQ(alerts->shown.size(), 2u) << "chosen from the menu, each says why it does not open";
    EXPECT_EQ(alerts->shown[0].messageText, "“notes.pdf” cannot be opened from Open Recent.");
}

// The image panel tones and notes in Open Recent any picture typed into it.
TEST(RecentDocumentRouting, APictureOfAKindThePanelDoesNotListReopensFromEitherScreen) {
    test_support::ScratchDirectory dir;
    const auto file = dir.file("scan.png");
    QImage picture(12, 8, QImage::Format_Grayscale8);
    picture.fill(128);
    ASSERT_TRUE(picture.save(QString::fromStdString(file.string())));
    for (const int tab : {0, 1}) {
        ApplicationShell shell;
        platform::services().alerts = std::make_shared<platform::RecordingAlertPresenter>(); // none may block
        auto& window = shell.mainWindow();
        window.findChild<QTabWidget*>()->setCurrentIndex(tab);
        emit window.recentDocumentChosen(QString::fromStdString(file.string()));
        EXPECT_EQ(currentTab(window), 0);
        EXPECT_EQ(window.blendingScreen()->imageSize, QSize(12, 8));
    }
    platform::QtRecentDocuments().clearRecentDocuments();
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
