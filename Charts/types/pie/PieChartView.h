#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/drawing/TextAttributes.h"
#include "Charts/types/pie/PieChartData.h"
#include "Charts/views/PieRadarChartViewBase.h"

namespace charts {

// Text drawn with one set of attributes: the pie's centre text.
struct AttributedText {
    QString string;
    TextAttributes attributes;
};

// The pie chart: slices whose sweeps follow their values, turning with the
// base's rotation, with an optional hole in the middle, a translucent ring
// around it and a text inside it, entry labels and values inside the slices
// or outside on bent lines, and highlighted slices that move out. Its data
// is pie chart data (the angles come from the first set's total); it has no
// axes: asking for its x axis stops the program. Made through
// ChartViewBase::create<PieChartView>(parent).
class PieChartView : public PieRadarChartViewBase {
public:
    explicit PieChartView(ConstructionKey key, QWidget* parent = nullptr);

    // The data when it is pie chart data; none otherwise.
    std::shared_ptr<PieChartData> pieData() const;

    // Stops the program: a pie has no x axis.
    std::shared_ptr<XAxis> xAxis() const override;

    // The sweep of every slice, and where each ends, in degrees.
    const std::vector<double>& drawAngles() const { return drawAngles_; }
    // What the slices' sizes add up to (pieSliceTotal): the total their
    // sweeps and percentages are shares of.
    double sliceTotal() const { return sliceTotal_; }
    const std::vector<double>& absoluteAngles() const { return absoluteAngles_; }
    // Whether a highlighted value names the slice.
    virtual bool needsHighlight(std::int64_t index) const;
    // The first data set holding an entry at the x; -1 when none does.
    virtual int dataSetIndexForIndex(double xValue) const;

    // The square holding the pie circle, and its middle.
    Rect circleBox() const { return circleBox_; }
    Point centerCircleBox() const { return Point{midX(circleBox_), midY(circleBox_)}; }

    // Appearance; every setter but the one of maxAngle redraws.
    const std::optional<QColor>& holeColor() const { return holeColor_; }
    void setHoleColor(std::optional<QColor> color);
    bool drawSlicesUnderHoleEnabled() const { return drawSlicesUnderHoleEnabled_; }
    void setDrawSlicesUnderHoleEnabled(bool enabled);
    bool isDrawSlicesUnderHoleEnabled() const { return drawSlicesUnderHoleEnabled_; }
    bool drawHoleEnabled() const { return drawHoleEnabled_; }
    void setDrawHoleEnabled(bool enabled);
    bool isDrawHoleEnabled() const { return drawHoleEnabled_; }
    // The plain text of the centre text. Setting a text gives it the label
    // colour, the system font at 12 and a centred line truncated at its
    // tail; none clears it.
    std::optional<QString> centerText() const;
    void setCenterText(const std::optional<QString>& text);
    const std::optional<AttributedText>& centerAttributedText() const { return centerAttributedText_; }
    void setCenterAttributedText(std::optional<AttributedText> text);
    Point centerTextOffset() const { return centerTextOffset_; }
    void setCenterTextOffset(Point offset);
    bool drawCenterTextEnabled() const { return drawCenterTextEnabled_; }
    void setDrawCenterTextEnabled(bool enabled);
    bool isDrawCenterTextEnabled() const { return drawCenterTextEnabled_; }
    double holeRadiusPercent() const { return holeRadiusPercent_; }
    void setHoleRadiusPercent(double percent);
    const std::optional<QColor>& transparentCircleColor() const { return transparentCircleColor_; }
    void setTransparentCircleColor(std::optional<QColor> color);
    double transparentCircleRadiusPercent() const { return transparentCircleRadiusPercent_; }
    void setTransparentCircleRadiusPercent(double percent);
    const std::optional<QColor>& entryLabelColor() const { return entryLabelColor_; }
    void setEntryLabelColor(std::optional<QColor> color);
    // "HelveticaNeue" at 13 where the desktop has it; none otherwise.
    const std::optional<QFont>& entryLabelFont() const { return entryLabelFont_; }
    void setEntryLabelFont(std::optional<QFont> font);
    bool drawEntryLabelsEnabled() const { return drawEntryLabelsEnabled_; }
    void setDrawEntryLabelsEnabled(bool enabled);
    bool isDrawEntryLabelsEnabled() const { return drawEntryLabelsEnabled_; }
    bool usePercentValuesEnabled() const { return usePercentValuesEnabled_; }
    void setUsePercentValuesEnabled(bool enabled);
    bool isUsePercentValuesEnabled() const { return usePercentValuesEnabled_; }
    double centerTextRadiusPercent() const { return centerTextRadiusPercent_; }
    void setCenterTextRadiusPercent(double percent);
    // The angle the whole pie spans, kept within 90 to 360; taken at the next
    // data change.
    double maxAngle() const { return maxAngle_; }
    void setMaxAngle(double angle);

    // PieRadarChartViewBase.
    std::int64_t indexForAngle(double angle) const override;
    double radius() const override { return circleBox_.width() / 2; }
    double requiredLegendOffset() const override;
    double requiredBaseOffset() const override { return 0; }
    void calculateOffsets() override;
    void calcMinMax() override;

    void draw(DrawingContext& context) override;

protected:
    void initialize() override;
    Point getMarkerPosition(const Highlight& highlight) override;
    // A half pie in a wide view uses the whole diameter as its radius and
    // stands on the bottom: clicks are measured from its lower centre.
    Point rotationCenter() const override;
    // The slices run over the angle times the y phase.
    double highlightAngle(double angle) const override;

private:
    bool isHalfPieInWideContent() const;
    void calcAngles();

    Rect circleBox_;
    bool drawEntryLabelsEnabled_ = true;
    std::vector<double> drawAngles_;
    std::vector<double> absoluteAngles_;
    double sliceTotal_ = 0;
    bool drawHoleEnabled_ = true;
    std::optional<QColor> holeColor_ = QColor(255, 255, 255);
    std::optional<QColor> entryLabelColor_ = QColor(255, 255, 255);
    std::optional<QFont> entryLabelFont_;
    bool drawSlicesUnderHoleEnabled_ = false;
    bool usePercentValuesEnabled_ = false;
    std::optional<AttributedText> centerAttributedText_;
    Point centerTextOffset_;
    double holeRadiusPercent_ = 0.5;
    std::optional<QColor> transparentCircleColor_ = QColor(255, 255, 255, 105);
    double transparentCircleRadiusPercent_ = 0.55;
    bool drawCenterTextEnabled_ = true;
    double centerTextRadiusPercent_ = 1.0;
    double maxAngle_ = 360;
};

} // namespace charts
