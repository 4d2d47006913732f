#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QTabWidget>

#include "app/ui/shell/AppDelegate.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"

namespace appui {

namespace {

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (const auto* action : menu->actions())
        if (!action->isSeparator()) texts << action->text();
    return texts;
}

class ApplicationShellTest : public ::testing::Test {
protected:
    void SetUp() override { platform::QtRecentDocuments().clearRecentDocuments(); }
};

} // namespace

// Test processes run side by side; a settings store they shared made one
// test's Open Recent list appear in another's window now and then.
TEST(TestSettings, AreKeptInAFolderOfThisProcessAlone) {
    const QString folder = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).absolutePath();
    EXPECT_TRUE(folder.endsWith(QString::number(QCoreApplication::applicationPid()))) << folder.toStdString();
    EXPECT_TRUE(QSettings().fileName().startsWith(folder + QLatin1Char('/'))) << QSettings().fileName().toStdString();
}

TEST_F(ApplicationShellTest, MainWindowShowsTheNameTheScreensAndTheFileMenu) {
    ApplicationShell shell;
    auto& window = shell.mainWindow();
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tintsmith"));

    auto* fileMenu = window.menuBar()->findChild<QMenu*>(QStringLiteral("fileMenu"));
    ASSERT_NE(fileMenu, nullptr);
    EXPECT_TRUE(actionTexts(fileMenu).contains(QStringLiteral("Open Recent")));
    ASSERT_NE(window.openRecentMenu(), nullptr);
    EXPECT_EQ(actionTexts(window.openRecentMenu()), QStringList{QStringLiteral("Clear Menu")});

    auto* screens = window.findChild<QTabWidget*>();
    ASSERT_NE(screens, nullptr);
    EXPECT_EQ(screens->count(), 2);
    EXPECT_NE(window.blendingScreenPlace(), nullptr);
    EXPECT_NE(window.linearizationScreenPlace(), nullptr);

    // On a 1280 x 720 laptop screen, below a title bar and beside a desktop
    // panel: each screen scrolls where its controls do not all fit.
    EXPECT_LE(window.minimumSizeHint().height(), 620);
    EXPECT_EQ(window.findChildren<QScrollArea*>(QRegularExpression(QStringLiteral("Screen.*Scroller$"))).size(), 2);
}

TEST_F(ApplicationShellTest, OpenedFilesAppearInOpenRecentNewestFirstUntilCleared) {
    ApplicationShell shell;
    platform::noteNewRecentDocument("/prints/wedge.txt");
    platform::noteNewRecentDocument("/prints/curve.quad");
    platform::noteNewRecentDocument("/prints/wedge.txt");

    auto* menu = shell.mainWindow().openRecentMenu();
    EXPECT_EQ(actionTexts(menu),
              (QStringList{QStringLiteral("wedge.txt"), QStringLiteral("curve.quad"), QStringLiteral("Clear Menu")}));

    menu->findChild<QAction*>(QStringLiteral("clearRecentMenu"))->trigger();
    EXPECT_EQ(actionTexts(menu), QStringList{QStringLiteral("Clear Menu")});
    EXPECT_TRUE(shell.delegate().dc->recentDocuments().empty());
}

TEST_F(ApplicationShellTest, TheOpenRecentListOutlivesTheRun) {
    {
        ApplicationShell firstRun;
        platform::noteNewRecentDocument("/prints/older.quad");
        platform::noteNewRecentDocument("/prints/newer.quad");
    }
    ApplicationShell secondRun;
    EXPECT_EQ(secondRun.delegate().dc->recentDocuments(),
              (std::vector<std::filesystem::path>{"/prints/newer.quad", "/prints/older.quad"}));
}

// The settings are written off the GUI thread, one write after another: once
// written they hold the list as last noted, never an older one.
TEST_F(ApplicationShellTest, TheStoredListIsTheLastOneNotedOrCleared) {
    ApplicationShell shell;
    auto& recents = *shell.delegate().dc;
    for (int i = 0; i < 25; ++i) platform::noteNewRecentDocument("/prints/wedge" + std::to_string(i % 13) + ".txt");
    recents.waitUntilStored();
    EXPECT_EQ(platform::QtRecentDocuments().recentDocuments(), recents.recentDocuments());
    ASSERT_FALSE(recents.recentDocuments().empty());
    EXPECT_EQ(recents.recentDocuments().front(), std::filesystem::path("/prints/wedge11.txt"));

    recents.clearRecentDocuments();
    recents.waitUntilStored();
    EXPECT_TRUE(platform::QtRecentDocuments().recentDocuments().empty());
}

TEST_F(ApplicationShellTest, TheShellInstallsAndRemovesTheServices) {
    {
        ApplicationShell shell;
        EXPECT_NE(platform::services().openPanel, nullptr);
        EXPECT_NE(platform::services().savePanel, nullptr);
        EXPECT_NE(platform::services().alerts, nullptr);
        EXPECT_FALSE(platform::services().delegate.expired());
    }
    EXPECT_EQ(platform::services().openPanel, nullptr);
    EXPECT_TRUE(platform::services().delegate.expired());
}

} // namespace appui
