#pragma once
#include <QStringList>
#include <QWidget>

class QButtonGroup;

namespace appui {

// A row of buttons of which exactly one is selected, as one control.
// `segmentClicked` is sent for the user's clicks only, never for a selection
// made in code.
class SegmentedControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList segmentTitles READ segmentTitles WRITE setSegmentTitles)
    Q_PROPERTY(int selectedSegment READ selectedSegment WRITE setSelectedSegment)
public:
    explicit SegmentedControl(QWidget* parent = nullptr);

    QStringList segmentTitles() const { return titles_; }
    void setSegmentTitles(const QStringList& titles);
    // The selected segment, -1 when there are none.
    int selectedSegment() const;
    void setSelectedSegment(int segment);
    int segmentCount() const { return static_cast<int>(titles_.size()); }

signals:
    void segmentClicked(int segment);

private:
    QStringList titles_;
    QButtonGroup* group_;
};

} // namespace appui
