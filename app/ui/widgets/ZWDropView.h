#pragma once
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <vector>

class QMimeData;

namespace appui {

// Receives the files dropped on a ZWDropView.
class ZWDropViewDelegate {
public:
    virtual ~ZWDropViewDelegate() = default;
    virtual void handleDroppedFile(const std::filesystem::path& file) = 0;
    // Two or more files, in the order the drag carries them.
    virtual void handleDroppedFiles(const std::vector<std::filesystem::path>& files) = 0;
};

// A drop target for files from the desktop's file manager. A drag is offered
// the copy operation only when every file it carries has one of the accepted
// extensions (compared lower-cased); a drop of such files goes to the
// delegate.
class ZWDropView : public QWidget {
    Q_OBJECT
public:
    explicit ZWDropView(QWidget* parent = nullptr);

    // Lower-case extensions without the dot.
    QStringList acceptedFileExtensions{QStringLiteral("quad"), QStringLiteral("txt"), QStringLiteral("csv"),
                                       QStringLiteral("ti3"),  QStringLiteral("tsm"), QStringLiteral("tsmc")};
    bool highlight = false;
    bool fileTypeIsOk = false;
    ZWDropViewDelegate* delegate = nullptr; // not owned

    // The local files a drag carries, in order; empty when it carries
    // anything that is not a local file.
    static std::vector<std::filesystem::path> draggedFiles(const QMimeData* data);
    // Whether the list is non-empty and every file has an accepted extension.
    bool acceptsFiles(const std::vector<std::filesystem::path>& files) const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace appui
