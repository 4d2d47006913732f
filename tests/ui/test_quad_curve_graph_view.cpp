// The view of blended ink curves that any window may hold, and its home in
// the main window's Window menu: what it shows before, on and after a blend,
// the window it makes of its holder, and that it stops listening when gone.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "app/curves/core/NotificationNames.h"
#include "app/curves/math/Resampling.h"
#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/graphs/QuadCurveGraphViewController.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/widgets/InkDisplayColors.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/NotificationCenter.h"
#include "platform/testing/LogCapture.h"
#include "tests/ui/ui_test_support.h"

namespace appui {
namespace {

// Cyan, magenta and yellow ramps of different heights.
BlendedCurvesPayload threeCurves() {
    return {curves::linspace(256, 0, 65535), curves::linspace(256, 0, 40000), curves::linspace(256, 0, 20000)};
}

void postBlend(const BlendedCurvesPayload& curves) {
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::didUpdateBlendedQuadValues(), curves);
}

int pixelsNear(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
                std::abs(c.blue() - colour.blue()) < 40)
                ++count;
        }
    return count;
}

// The controller in a window of its own, found by its parts' names.
class QuadCurveGraphViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(560, 420);
        auto* layout = new QVBoxLayout(&window);
        controller = new QuadCurveGraphViewController(&window);
        layout->addWidget(controller);
        graph = controller->findChild<ACQuadCurveGraph*>(QStringLiteral("quadCurveGraphView"));
        label = controller->findChild<QLabel*>(QStringLiteral("emptyChartLabel"));
        ASSERT_NE(graph, nullptr);
        ASSERT_NE(label, nullptr);
        ASSERT_EQ(graph, controller->quadCurveGraphView);
        ASSERT_EQ(label, controller->emptyChartLabel);
    }

    platform::LogCapture log; // the graph prints its counts
    QWidget window;
    QuadCurveGraphViewController* controller = nullptr;
    ACQuadCurveGraph* graph = nullptr;
    QLabel* label = nullptr;
};

TEST_F(QuadCurveGraphViewTest, StartsWithoutCurvesSayingHowToGetThem) {
    EXPECT_TRUE(controller->quadArray.empty());
    EXPECT_TRUE(controller->inklist.empty());
    EXPECT_TRUE(graph->inkList.empty());
    EXPECT_EQ(graph->data(), nullptr);
    EXPECT_EQ(graph->noDataText(), QStringLiteral("Update any setting to show quad curve graphs."));
    EXPECT_EQ(graph->noDataTextAlignment(), charts::TextAlignment::center);
    EXPECT_EQ(controller->graphAlpha(), 1);
}

TEST_F(QuadCurveGraphViewTest, APostedBlendIsPlottedCurveByCurveInTheColoursByPosition) {
    postBlend(threeCurves());
    EXPECT_EQ(controller->quadArray, threeCurves());
    EXPECT_EQ(graph->quadCurve, threeCurves());
    ASSERT_NE(graph->data(), nullptr);
    ASSERT_EQ(graph->data()->dataSetCount(), 3);
    for (int k = 0; k < 3; ++k) {
        const auto set = graph->data()->getDataSetByIndex(k);
        EXPECT_EQ(set->label(), QString()) << k;
        EXPECT_EQ(set->colors(), std::vector<QColor>{inkDisplayColors()[static_cast<std::size_t>(k)]}) << k;
    }
    EXPECT_EQ(controller->graphAlpha(), 1);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage image = uitest::render(&window);
    EXPECT_GT(pixelsNear(image, inkDisplayColors()[1]), 150) << "the second curve in cyan";
    EXPECT_GT(pixelsNear(image, inkDisplayColors()[2]), 150) << "the third in magenta";
}

TEST_F(QuadCurveGraphViewTest, AnEmptyBlendHidesTheGraphAndKeepsItsCurves) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    postBlend(threeCurves());
    const auto shown = graph->data();

    postBlend({});
    EXPECT_EQ(controller->graphAlpha(), 0);
    EXPECT_EQ(graph->data(), shown) << "nothing is plotted";
    EXPECT_EQ(controller->quadArray, threeCurves()) << "the last curves are kept";
    const QImage hidden = uitest::render(&window);
    EXPECT_EQ(pixelsNear(hidden, inkDisplayColors()[2]), 0) << "no curve shows through";
    // The label beneath shows instead: its text darkens the middle.
    const QRect middle = label->geometry().translated(controller->mapTo(&window, QPoint(0, 0)));
    EXPECT_GT(pixelsNear(hidden.copy(middle), Qt::black), 20);

    // An object of another kind is no blend; the next blend shows again.
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::didUpdateBlendedQuadValues(),
                                                       std::string("not curves"));
    EXPECT_EQ(controller->graphAlpha(), 0);
    postBlend({curves::linspace(256, 0, 65535)});
    EXPECT_EQ(controller->graphAlpha(), 1);
    ASSERT_NE(graph->data(), shown);
    EXPECT_EQ(graph->data()->dataSetCount(), 1);
}

TEST(QuadCurveGraphView, StopsListeningWhenGone) {
    platform::LogCapture log;
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto before = center.observerCount();
    {
        QuadCurveGraphViewController controller;
        EXPECT_EQ(center.observerCount(), before + 1);
    }
    EXPECT_EQ(center.observerCount(), before);
}

// Whatever window holds it, on appearing the view makes it a titled,
// closable, minimisable, resizable "Quad Curves" window of at least 320 x 240.
TEST(QuadCurveGraphView, MakesItsWindowATitledQuadCurvesWindow) {
    platform::LogCapture log;
    struct Case {
        const char* name;
        Qt::WindowFlags flags;
        QSize fixedSize; // empty: resizable
    };
    const Case cases[] = {
        {"a plain window", Qt::Window, {}},
        {"a tool window without a minimise button", Qt::Tool, {}},
        {"a fixed-size window", Qt::Window, {200, 150}},
    };
    const Qt::WindowFlags hints = Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window(nullptr, c.flags);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QuadCurveGraphViewController(&window));
        if (!c.fixedSize.isEmpty()) window.setFixedSize(c.fixedSize);
        window.show();
        QTRY_VERIFY((window.windowFlags() & hints) == hints);
        QTRY_VERIFY(window.isVisible());
        EXPECT_EQ(window.windowFlags() & Qt::WindowType_Mask, c.flags & Qt::WindowType_Mask) << "still its kind";
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Quad Curves"));
        EXPECT_EQ(window.minimumSize(), QSize(320, 240));
        EXPECT_EQ(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }
}

TEST(QuadCurveGraphView, TheWindowMenuShowsItInAToolWindowMadeOnFirstUse) {
    platform::LogCapture log;
    ApplicationShell shell;
    auto& mainWindow = shell.mainWindow();
    auto* windowMenu = mainWindow.menuBar()->findChild<QMenu*>(QStringLiteral("windowMenu"));
    ASSERT_NE(windowMenu, nullptr);
    auto* action = mainWindow.menuBar()->findChild<QAction*>(QStringLiteral("showQuadCurvesWindow"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Quad Curves"));
    const auto actions = windowMenu->actions();
    const auto at = actions.indexOf(action);
    ASSERT_GT(at, 0);
    EXPECT_EQ(actions[at - 1]->objectName(), QStringLiteral("showImagePreviewPanel")) << "beside Image Preview";
    EXPECT_EQ(mainWindow.quadCurvesWindow(), nullptr) << "made on first use";

    // The window starts with the blend the screen holds.
    mainWindow.blendingScreen()->KCMYtoningBlend->blendedCurve = threeCurves();
    action->trigger();
    QWidget* window = mainWindow.quadCurvesWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QTRY_VERIFY(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quad Curves"));
    EXPECT_EQ(window->minimumSize(), QSize(320, 240));
    auto* controller = window->findChild<QuadCurveGraphViewController*>();
    ASSERT_NE(controller, nullptr);
    auto* graph = window->findChild<ACQuadCurveGraph*>(QStringLiteral("quadCurveGraphView"));
    ASSERT_NE(graph, nullptr);
    ASSERT_NE(graph->data(), nullptr);
    EXPECT_EQ(graph->data()->dataSetCount(), 3);

    // Later blends reach it; asking again shows the same window.
    postBlend({curves::linspace(256, 0, 65535)});
    EXPECT_EQ(graph->data()->dataSetCount(), 1);
    window->hide();
    action->trigger();
    EXPECT_EQ(mainWindow.quadCurvesWindow(), window);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace appui
