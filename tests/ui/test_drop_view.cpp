#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>
#include <memory>

#include "app/ui/widgets/ZWDropView.h"
#include "tests/ui/ui_test_support.h"

namespace appui {
namespace {

namespace fs = std::filesystem;

struct RecordingDelegate : ZWDropViewDelegate {
    std::vector<fs::path> single;
    std::vector<std::vector<fs::path>> several;
    void handleDroppedFile(const fs::path& file) override { single.push_back(file); }
    void handleDroppedFiles(const std::vector<fs::path>& files) override { several.push_back(files); }
};

std::unique_ptr<QMimeData> filesData(const QStringList& urls) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> list;
    for (const QString& url : urls)
        list << (url.contains(QStringLiteral("://")) ? QUrl(url) : QUrl::fromLocalFile(url));
    data->setUrls(list);
    return data;
}

class DropViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(100, 100);
        view.delegate = &delegate;
    }
    // Enters and moves over the view; answers whether the move is offered
    // the copy operation.
    bool hover(const QMimeData* data) {
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &enter);
        EXPECT_TRUE(enter.isAccepted()) << "the enter is always taken, so that the moves follow";
        EXPECT_TRUE(view.highlight);
        QDragMoveEvent move(QPoint(52, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        move.ignore();
        QApplication::sendEvent(&view, &move);
        return move.isAccepted() && move.dropAction() == Qt::CopyAction;
    }
    void drop(const QMimeData* data) {
        QDropEvent event(QPointF(52, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }

    ZWDropView view;
    RecordingDelegate delegate;
};

TEST_F(DropViewTest, OffersACopyOnlyWhenEveryFileHasAnAcceptedExtension) {
    struct Case {
        QStringList files;
        bool accepted;
    };
    const Case cases[] = {
        {{"/data/wedge.txt"}, true},
        {{"/data/WEDGE.TXT"}, true},
        {{"/data/Print.Quad"}, true},
        {{"/data/a.csv", "/data/b.ti3", "/data/c.tsm", "/data/d.tsmc"}, true},
        {{"/data/wedge"}, false},
        {{"/data/wedge.txt.gz"}, false},
        {{"/data/a.txt", "/data/b.png"}, false},
        {{}, false},
        {{"https://example.org/wedge.txt"}, false},
        {{"/data/a.txt", "https://example.org/b.txt"}, false},
    };
    for (const auto& c : cases) {
        const auto data = filesData(c.files);
        EXPECT_EQ(hover(data.get()), c.accepted) << c.files.join(QStringLiteral(", ")).toStdString();
        EXPECT_EQ(view.fileTypeIsOk, c.accepted);
        QDragLeaveEvent leave;
        QApplication::sendEvent(&view, &leave);
        EXPECT_FALSE(view.highlight);
    }
}

TEST_F(DropViewTest, ADropOfOneFileOrSeveralGoesToTheMatchingDelegateCall) {
    const auto one = filesData({"/data/wedge.txt"});
    ASSERT_TRUE(hover(one.get()));
    drop(one.get());
    EXPECT_FALSE(view.highlight);
    EXPECT_EQ(delegate.single, (std::vector<fs::path>{"/data/wedge.txt"}));
    EXPECT_TRUE(delegate.several.empty());

    const auto two = filesData({"/data/b.quad", "/data/a.quad"});
    ASSERT_TRUE(hover(two.get()));
    drop(two.get());
    ASSERT_EQ(delegate.several.size(), 1u);
    EXPECT_EQ(delegate.several[0], (std::vector<fs::path>{"/data/b.quad", "/data/a.quad"})) << "in drag order";
    EXPECT_EQ(delegate.single.size(), 1u);
}

TEST_F(DropViewTest, RefusedFilesAndAnEmptyDragDeliverNothing) {
    const auto mixed = filesData({"/data/a.txt", "/data/b.png"});
    hover(mixed.get());
    drop(mixed.get());
    const auto none = std::make_unique<QMimeData>();
    none->setText(QStringLiteral("not a file"));
    hover(none.get());
    drop(none.get());
    EXPECT_TRUE(delegate.single.empty());
    EXPECT_TRUE(delegate.several.empty());
}

TEST_F(DropViewTest, TheOwnerMayReplaceTheAcceptedExtensions) {
    view.acceptedFileExtensions = {QStringLiteral("tiff"), QStringLiteral("jpeg"), QStringLiteral("jpg"),
                                   QStringLiteral("tif")};
    EXPECT_TRUE(hover(filesData({"/img/print.JPG"}).get()));
    EXPECT_FALSE(hover(filesData({"/img/print.png"}).get()));
    EXPECT_FALSE(hover(filesData({"/img/wedge.txt"}).get()));
}

} // namespace
} // namespace appui
